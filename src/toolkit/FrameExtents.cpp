#include "FrameExtents.h"

#include <QApplication>
#include <QWidget>

// Qt keeps the frame it learnt while the window is hidden again.
QMargins knownFrame(const QWidget& w) {
    const QRect frame = w.frameGeometry();
    const QRect client = w.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

QMargins frameExtents(const QWidget& window) {
    const QMargins own = knownFrame(window);
    if (!own.isNull())
        return own;
    // Our windows share the window manager's decorations; any framed one will do.
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        const QMargins m = knownFrame(*other);
        if (!m.isNull())
            return m;
    }
    return {};
}
