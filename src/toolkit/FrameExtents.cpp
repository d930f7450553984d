#include "FrameExtents.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Waits on a window's events until the window system has framed it. The
// frame can arrive after the last move the window hears of, so for a short
// while after showing it is also looked for on a timer.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget& window, std::function<void(const QMargins&)> adjust)
        : QObject(&window), window(window), adjust(std::move(adjust)) {
        setObjectName(QStringLiteral("FrameWatch"));
        window.installEventFilter(this);
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, this, [this] {
            if (++polls > kMaxPolls)
                poll.stop(); // no window manager: there will be no frame
            else
                check();
        });
        if (window.isVisible())
            poll.start();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        if (type == QEvent::Show && !poll.isActive()) {
            polls = 0;
            poll.start();
        }
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show)
            check();
        return false;
    }

private:
    static constexpr int kMaxPolls = 100;

    void check() {
        const QMargins frame = knownFrame(window);
        if (frame.isNull())
            return;
        window.removeEventFilter(this);
        poll.stop();
        deleteLater();
        adjust(frame);
    }

    QWidget& window;
    std::function<void(const QMargins&)> adjust;
    QTimer poll;
    int polls = 0;
};

} // namespace

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

void moveFrameTo(QWidget& window, QPoint framePos) {
    // Before the window exists, and once its frame is known, QWidget::move()
    // places the frame. In between it places the client area, so the frame
    // has to be guessed from our other windows.
    if (window.testAttribute(Qt::WA_WState_Created) && knownFrame(window).isNull()) {
        const QMargins guess = frameExtents(window);
        framePos += QPoint(guess.left(), guess.top());
    }
    window.move(framePos);
}

void whenFramed(QWidget& window, std::function<void(const QMargins&)> adjust) {
    const QMargins frame = knownFrame(window);
    if (!frame.isNull()) {
        adjust(frame);
        return;
    }
    // One watch a window: a later request replaces an earlier one.
    delete window.findChild<QObject*>(QStringLiteral("FrameWatch"), Qt::FindDirectChildrenOnly);
    new FrameWatch(window, std::move(adjust));
}
