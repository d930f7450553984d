#pragma once

#include <QDialog>

class QLabel;

// The victory banner. Created at start-up and hidden until a game is won.
class TFormVict : public QDialog {
    Q_OBJECT
public:
    explicit TFormVict(QWidget* parent = nullptr);

    // The greeting, the game's end and the result line.
    QLabel* RxLabel1;
    QLabel* RxLabel2;
    QLabel* RxLabel3;
};

extern TFormVict* FormVict;
