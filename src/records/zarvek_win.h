#pragma once

#include <QDialog>

// The winners tables dialog. Created at start-up and hidden until a won game
// or the Winners command shows it; its pages are built with the tables.
class TFormwin : public QDialog {
    Q_OBJECT
public:
    explicit TFormwin(QWidget* parent = nullptr) : QDialog(parent) {}
};

extern TFormwin* Formwin;
