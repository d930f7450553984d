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
    pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    // Like a button: dragging off the picture before letting go cancels the click.
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked(this);
}
