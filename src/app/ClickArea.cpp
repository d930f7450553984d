#include "ClickArea.h"

#include "Corners.h"

#include <QMouseEvent>

ClickArea::ClickArea(QWidget* parent) : QWidget(parent) {
    QPalette green = palette();
    green.setColor(QPalette::Window, kTableColour);
    setPalette(green);
    setAutoFillBackground(true);
}

void ClickArea::mousePressEvent(QMouseEvent* event) {
    pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}
