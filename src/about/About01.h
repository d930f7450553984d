#pragma once

#include <QDialog>

class QLabel;

// The About dialog and the start-up splash. Created at start-up, hidden until
// its own commands show it.
class Taboutform : public QDialog {
    Q_OBJECT
public:
    explicit Taboutform(QWidget* parent = nullptr);

    // The text lines the main window fills in the current language.
    QLabel* Labelfor;  // platform line
    QLabel* Labelver;  // version line
    QLabel* Labelnewv; // where new versions come from
};

extern Taboutform* aboutform;
