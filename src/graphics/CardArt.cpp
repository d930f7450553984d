#include "CardArt.h"

#include "LogicalPixels.h"

#include <QPainter>

QImage tablePicture(qreal ratio) {
    QImage img = makePicture(71, 96, ratio);
    img.fill(kTableColour);
    return img;
}

QImage blankCardPicture(qreal ratio) {
    QImage img = tablePicture(ratio);
    QPainter p(&img);
    prepareArtPainter(p);
    p.setPen(QPen(QColor(52, 52, 56), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(kCardOutline, kCardRadius, kCardRadius);
    return img;
}

void paintTableCorners(QImage& img) {
    paintCardCorners(img, kTableColour);
}

void prepareArtPainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}
