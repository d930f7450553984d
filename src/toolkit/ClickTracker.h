#pragma once

#include <QMouseEvent>
#include <QRect>

// Tells a click the way a button does: the left button pressed over a widget
// and released over it again; dragging off before letting go cancels.
class ClickTracker {
public:
    void press(const QMouseEvent* event) { pressed = event->button() == Qt::LeftButton; }

    // True when this release completes a click inside `area`.
    bool release(const QMouseEvent* event, const QRect& area) {
        const bool click = pressed && event->button() == Qt::LeftButton &&
                           area.contains(event->position().toPoint());
        pressed = false;
        return click;
    }

private:
    bool pressed = false;
};
