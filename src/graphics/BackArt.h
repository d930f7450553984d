#pragma once

#include <QImage>
#include <QRectF>

class ArtKit;
class QPainter;

// Card back n (1..12): a white border round the design, as on a printed card.
QImage paintBackPicture(const ArtKit& art, int n);

// The two woven designs drawn in code, filling `area` (BackPatternArt.cpp).
void paintLatticeBack(QPainter& p, const QRectF& area);
void paintWovenBack(QPainter& p, const QRectF& area);
