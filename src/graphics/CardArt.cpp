#include "CardArt.h"

#include "LogicalPixels.h"

#include <QPainter>

#include <array>

QImage blankCardPicture(qreal ratio) {
    QImage img = makePicture(71, 96, ratio);
    img.fill(kTableColour);
    QPainter p(&img);
    prepareArtPainter(p);
    p.setPen(QPen(QColor(52, 52, 56), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(kCardOutline, kCardRadius, kCardRadius);
    return img;
}

void paintTableCorners(QImage& img) {
    const int right = 70, bottom = 95;
    for (const auto& [x, y, dx, dy] :
         {std::array{0, 0, 1, 1}, std::array{right, 0, -1, 1}, std::array{0, bottom, 1, -1},
          std::array{right, bottom, -1, -1}}) {
        setLogicalPixel(img, x, y, kTableColour);
        setLogicalPixel(img, x + dx, y, kTableColour);
        setLogicalPixel(img, x, y + dy, kTableColour);
    }
}

void prepareArtPainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}
