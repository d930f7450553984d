#pragma once

#include <QDialog>

// The language chooser. Created at start-up and hidden until the first runs
// or the options ask for it; its list is built with the settings store.
class TFormSelLang : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelLang(QWidget* parent = nullptr) : QDialog(parent) {}
};

extern TFormSelLang* FormSelLang;
