#include "PictureControl.h"

#include <QMouseEvent>
#include <QPainter>

PictureControl::PictureControl(int tag, QWidget* parent) : QWidget(parent), number(tag) {
    // The picture covers the whole control, so there is no background to erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureControl::setPicture(const QImage& img) {
    image = img;
    update();
}

void PictureControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Drawn at a point, the image keeps its device pixel ratio: a 2x picture
    // lands pixel for pixel on a 2x screen instead of being scaled up from 1x.
    p.drawImage(QPoint(0, 0), image);
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    tracker.press(event);
    event->accept();
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (tracker.release(event, rect()))
        Q_EMIT clicked(this);
}
