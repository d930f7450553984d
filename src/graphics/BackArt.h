#pragma once

#include <QImage>
#include <QRectF>

class ArtSources;
class QPainter;

// Card back n (1..12): a white border round the design, as on a printed card.
QImage paintBackPicture(const ArtSources& art, int n, qreal ratio);

// The two woven designs drawn in code, filling `area` (BackPatternArt.cpp).
void paintLatticeBack(QPainter& p, const QRectF& area);
void paintWovenBack(QPainter& p, const QRectF& area);
