#pragma once

#include <QDialog>

class QLabel;
class QTabBar;

// The winners tables dialog. Created at start-up and hidden until a won game
// or the Winners command shows it.
class TFormwin : public QDialog {
    Q_OBJECT
public:
    explicit TFormwin(QWidget* parent = nullptr);

    QTabBar* Tabrez;   // one tab per table
    QLabel* Panelcapt; // the caption panel; a click offers to clear the table
};

extern TFormwin* Formwin;
