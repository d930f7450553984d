#pragma once

// The real program's windows, created in their order and shown offscreen.

#include "Form1.h"
#include "PictureControl.h"
#include "Texts.h"
#include "Windows.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << s.toStdString();
}

// Answers the next modal message box with the given button, recording its
// caption and text, when it opens inside the action that follows.
struct MessageBoxAnswer {
    QString caption;
    QString text;
    bool seen = false;

    void answerNext(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = true;
            caption = box->windowTitle();
            text = box->text();
            box->button(button)->click();
        });
    }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
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
