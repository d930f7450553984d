#pragma once

// Acting on modal windows from inside the nested event loops that show them.

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Runs `act` on the next modal window of type T as soon as it is open, from
// inside the nested event loop that shows it. A required window that has not
// come within five seconds is a failure; the returned timer is the waiter.
template <typename T> QTimer* onModal(std::function<void(T*)> act, bool required = true) {
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act, required] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window && clock->elapsed() < 5000)
            return;
        timer->stop();
        timer->deleteLater();
        if (window)
            act(window);
        else if (required)
            ADD_FAILURE() << "no " << T::staticMetaObject.className() << " opened";
    });
    timer->start(0);
    return timer;
}

// Answers the next modal message box with the given button, recording its
// caption and text. `then` runs just before the answer, to wait for the next one.
struct MessageBoxAnswer {
    QString caption;
    QString text;
    bool seen = false;
    QPointer<QTimer> waiter;

    void answerNext(QMessageBox::StandardButton button, std::function<void()> then = {},
                    bool required = true) {
        waiter = onModal<QMessageBox>(
            [this, button, then](QMessageBox* box) {
                seen = true;
                caption = box->windowTitle();
                text = box->text();
                if (then)
                    then();
                box->button(button)->click();
            },
            required);
    }
    // Answers a box that must not come, so that one that does shows up as seen.
    void refuseUnexpected() { answerNext(QMessageBox::No, {}, false); }
    ~MessageBoxAnswer() { delete waiter; }
};

// Moves the pointer over point `at` of `widget` through the widget's own
// window. A window over another (a dialog over the main window) must be
// named: the offscreen screen gives a bare pointer move to the first window
// under it, which the modal dialog blocks. The pointer comes from the
// window's corner, as a move to where it already is would be dropped.
inline void pointTo(QWidget* widget, QPoint at) {
    QWidget* window = widget->window();
    QTest::mouseMove(window->windowHandle(), QPoint(0, 0));
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, at));
}
