#include "BackArt.h"

#include "ArtKit.h"
#include "CardArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace {

// The design area inside the white border.
constexpr QRectF kDesign(4, 4, 63, 88);

} // namespace

QImage paintBackPicture(const ArtKit& art, int n) {
    QImage img = art.blankCard();
    {
        QPainter p(&img);
        prepareArtPainter(p);
        QPainterPath edge;
        edge.addRoundedRect(kDesign, 2, 2);
        p.save();
        p.setClipPath(edge);
        if (const std::unique_ptr<QSvgRenderer> motif = art.backMotif(n))
            motif->render(&p, kDesign);
        else if (n == 1)
            paintLatticeBack(p, kDesign);
        else
            paintWovenBack(p, kDesign);
        p.restore();
        p.setPen(QPen(QColor(0, 0, 0, 110), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(edge);
    }
    paintTableCorners(img);
    return img;
}
