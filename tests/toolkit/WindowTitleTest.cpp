// What a title bar shows is the window system's business, so these rows run
// on an X server (CTest starts a virtual one) and are skipped elsewhere.
#include "ExactTitles.h"

#include "QtPrinters.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

TEST(ExactTitles, ATitleBarShowsTheCaptionAsSetAndAnEmptyOneEmpty) {
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        GTEST_SKIP() << "needs an X server";
    keepEmptyTitlesEmpty(*static_cast<QApplication*>(QCoreApplication::instance()));
    QDialog window;
    const std::tuple<const char*, std::function<void()>, QString> rows[] = {
        {"first shown without a caption", [&] { window.show(); }, ""},
        {"one letter", [&] { window.setWindowTitle("C"); }, "C"},
        {"the whole caption", [&] { window.setWindowTitle("Congratulation!"); }, "Congratulation!"},
        {"emptied again", [&] { window.setWindowTitle(""); }, ""},
        {"emptied while empty", [&] { window.setWindowTitle(QString()); }, ""},
        {"hidden and shown", [&] { window.hide(), window.show(); }, ""},
        // A new frame makes a new native window, titled afresh by the toolkit.
        {"framed anew",
         [&] {
             window.setWindowFlags(Qt::Tool);
             window.show();
         },
         ""},
        {"a caption after all that", [&] { window.setWindowTitle("Winner"); }, "Winner"},
    };
    for (const auto& [name, act, shown] : rows) {
        act();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window)) << name;
        EXPECT_EQ(titleBarText(window), shown) << name;
    }
}
