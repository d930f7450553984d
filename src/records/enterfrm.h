#pragma once

#include <QDialog>

// The winner name entry. Created at start-up and hidden until a qualifying
// win asks for a name.
class TFormEnter : public QDialog {
    Q_OBJECT
public:
    explicit TFormEnter(QWidget* parent = nullptr) : QDialog(parent) {}
};

extern TFormEnter* FormEnter;
