#pragma once

#include <QDialog>

// The victory banner. Created at start-up and hidden until a game is won.
class TFormVict : public QDialog {
    Q_OBJECT
public:
    explicit TFormVict(QWidget* parent = nullptr) : QDialog(parent) {}
};

extern TFormVict* FormVict;
