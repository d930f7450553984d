#include "ClickArea.h"

#include "Formbank.h"

#include <QMouseEvent>

ClickArea::ClickArea(QWidget* parent) : QWidget(parent) {
    QPalette green = palette();
    green.setColor(QPalette::Window, kTableColour);
    setPalette(green);
    setAutoFillBackground(true);
}

void ClickArea::mousePressEvent(QMouseEvent* event) {
    tracker.press(event);
    event->accept();
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (tracker.release(event, rect()))
        Q_EMIT clicked();
}
