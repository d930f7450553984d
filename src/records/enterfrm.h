#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// The winner name entry. Created at start-up and hidden until a qualifying
// win asks for a name.
class TFormEnter : public QDialog {
    Q_OBJECT
public:
    explicit TFormEnter(QWidget* parent = nullptr);

    QLabel* Panelcapt; // the prompt
    QLineEdit* Edit1;  // the name, offered with the default name
};

extern TFormEnter* FormEnter;
