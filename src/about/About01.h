#pragma once

#include <QDialog>

// The About dialog and the start-up splash. Created at start-up, hidden until
// its own commands show it; its pictures and animation are built with it.
class Taboutform : public QDialog {
    Q_OBJECT
public:
    explicit Taboutform(QWidget* parent = nullptr) : QDialog(parent) {}
};

extern Taboutform* aboutform;
