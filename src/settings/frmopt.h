#pragma once

#include <QDialog>

// The options dialog. Created at start-up and hidden until the Options
// command opens it; its pages are built with the options themselves.
class TFormOptions : public QDialog {
    Q_OBJECT
public:
    explicit TFormOptions(QWidget* parent = nullptr) : QDialog(parent) {}
};

extern TFormOptions* FormOptions;
