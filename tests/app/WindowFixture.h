#pragma once

// The real program's windows, created in their order and shown offscreen.

#include "Form1.h"
#include "ModalWindows.h"
#include "PictureControl.h"
#include "StoreFiles.h"
#include "TextPrinter.h"
#include "Texts.h"
#include "Windows.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

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
