#pragma once

#include <QMargins>

class QWidget;

// The frame the window system draws around a top-level window. Qt learns it
// only once the window has been shown; until then this answers with the frame
// of a window that has been, so first placements already count the frame.
QMargins frameExtents(const QWidget& window);

// The window's own frame, or zero while the window system has not framed it.
QMargins knownFrame(const QWidget& window);
