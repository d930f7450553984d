#pragma once

#include <QMargins>
#include <QPoint>

#include <functional>

class QWidget;

// The frame the window system draws around a top-level window. Qt learns it
// only once the window has been shown; until then this answers with the frame
// of a window that has been, so first placements already count the frame.
QMargins frameExtents(const QWidget& window);

// The window's own frame, or zero while the window system has not framed it.
QMargins knownFrame(const QWidget& window);

// Puts the window's frame (not its client area) at `framePos`, whether or not
// the window has been shown before.
void moveFrameTo(QWidget& window, QPoint framePos);

// Calls `adjust` with the window's frame once the window system has framed
// it: at once when it already has, else at the first move or resize after.
void whenFramed(QWidget& window, std::function<void(const QMargins&)> adjust);
