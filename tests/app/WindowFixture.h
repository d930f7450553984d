#pragma once

// The real program's windows, created in their order and shown offscreen.

#include "Form1.h"
#include "PictureControl.h"
#include "StoreFiles.h"
#include "Texts.h"
#include "Windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << s.toStdString();
}

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

class WindowTest : public ::testing::Test {
protected:
    // A player past the first runs, with every other setting at its default.
    void SetUp() override { start("[Format]\nFrstHlp=2\n"); }
    // Starts the program on a store holding `stored`.
    void start(const QByteArray& stored) {
        writeStoreFile(stored);
        language = 2;
        TForm1::timeOfDay = [] { return quint32(45296789); }; // 12:34:56.789
        createWindows();
        Form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    }
    void TearDown() override { destroyWindows(); }

    Game& game() { return Form1->game(); }
    PictureControl* card(int n) { return Form1->cardImages[size_t(n)]; }
    void click(QWidget* w, QPoint at = QPoint(20, 30)) {
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    }
    void key(int k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(Form1, Qt::Key(k), mods); }
    QString panel(int i) { return Form1->StatusGameBar[size_t(i)]->text(); }
};
