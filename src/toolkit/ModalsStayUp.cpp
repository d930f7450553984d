#include "ModalsStayUp.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// The window a window belongs to: its parent's, or the one it was opened over.
QWidget* ownerOf(const QWidget* window) {
    if (const QWidget* parent = window->parentWidget())
        return parent->window();
    const QWindow* handle = window->windowHandle();
    const QWindow* over = handle ? handle->transientParent() : nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets())
        if (over && candidate->windowHandle() == over)
            return candidate;
    return nullptr;
}

class ModalKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::WindowStateChange)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || !w->isWindow() || !w->isModal() || !w->isMinimized())
            return false;
        // After the window system's own handling of the minimise, which takes
        // the windows the box belongs to down with it.
        QTimer::singleShot(0, w, [w] {
            for (QWidget* owner = ownerOf(w); owner; owner = ownerOf(owner))
                if (owner->isMinimized())
                    owner->showNormal();
            w->showNormal();
            w->activateWindow();
        });
        return false;
    }
};

} // namespace

void keepModalsUp(QApplication& app) {
    app.installEventFilter(new ModalKeeper(&app));
}
