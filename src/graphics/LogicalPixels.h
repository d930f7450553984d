#pragma once

#include <QColor>
#include <QImage>

// Card pictures are 71 x 96 logical pixels rendered at the screen's device
// pixel ratio. The corner rules name single logical pixels; these helpers map
// one logical pixel to the block of device pixels it covers, so the same rule
// works at 100 %, 150 % and 200 %.

// Device pixels [first, last) covered by logical coordinate v at ratio r.
struct DeviceSpan {
    int first;
    int last;
};
DeviceSpan deviceSpan(int v, qreal ratio);

// A blank picture of the given logical size at the given ratio.
QImage makePicture(int logicalWidth, int logicalHeight, qreal ratio);

// Paints logical pixel (x, y) of img in colour c.
void setLogicalPixel(QImage& img, int x, int y, const QColor& c);

// The colour at the top-left device pixel of logical pixel (x, y).
QRgb logicalPixel(const QImage& img, int x, int y);

// The three logical pixels that round one corner of a 71 x 96 card picture:
// (0,0), (1,0), (0,1) at the top left and their mirrors at the other corners.
enum class CardCorner { TopLeft, TopRight, BottomLeft, BottomRight };
void paintCardCorner(QImage& card, CardCorner corner, const QColor& c);
// All four corners in one colour.
void paintCardCorners(QImage& card, const QColor& c);
