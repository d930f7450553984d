#include "ModalWindows.h"
#include "QtPrinters.h"
#include "ShadowLabel.h"
#include "frmvict.h"

#include <QFrame>
#include <QTest>

#include <tuple>

#include <gtest/gtest.h>

namespace {

// Shows the banner with `kind` and runs `act` while it is up; returns whether
// the banner was still open after `act`, closing it then with a key.
bool whileShown(TFormVict& banner, int kind, std::function<void()> act) {
    bool open = false;
    onModal<TFormVict>([&](TFormVict* b) {
        act();
        open = b->isVisible();
        if (open)
            QTest::keyClick(b, Qt::Key_Escape);
    });
    banner.pokaz(2, kind, 5, 20, 630, 440);
    return open;
}

} // namespace

TEST(BannerTest, TitleSpellsTheGreetingWhileShownTheLineFollowsTheKindAndAnyKeyCloses) {
    TFormVict banner;
    banner.RxLabel3->setText(QStringLiteral("as loaded"));
    const std::tuple<int, const char*, Qt::Key> kinds[] = {
        {4, "as loaded", Qt::Key_Return},
        {1, "Your result one of best!", Qt::Key_Escape},
        {2, "It's a victory", Qt::Key_A},
        {3, "A chosen deal: not for the tables", Qt::Key_Space},
        {0, "A chosen deal: not for the tables", Qt::Key_Shift}};
    for (const auto& [kind, line, key] : kinds) {
        QStringList titles;
        const bool open = whileShown(banner, kind, [&] {
            EXPECT_EQ(banner.RxLabel3->text(), line) << kind;
            EXPECT_TRUE(banner.Timer1.isActive());
            titles << banner.windowTitle();
            for (int tick = 0; tick < 17; ++tick) {
                banner.Timer1Timer();
                titles << banner.windowTitle();
            }
            QTest::keyClick(&banner, key);
        });
        EXPECT_FALSE(open) << "any key closes it, " << key << " too";
        // "Congratulation!" has 15 letters: 16 ticks to a cycle, the empty title included.
        EXPECT_EQ(titles.mid(0, 3), QStringList({"", "C", "Co"}));
        EXPECT_EQ(titles.mid(13, 4),
                  QStringList({"Congratulatio", "Congratulation", "Congratulation!", ""}));
        EXPECT_EQ(titles.value(17), "C");
        EXPECT_FALSE(banner.Timer1.isActive()) << "a hidden banner must not wake the program";
        EXPECT_FALSE(banner.Timer2.isActive());
    }
}

TEST(BannerTest, TheResultLineIsAButtonRaisedOnlyUnderThePointer) {
    TFormVict banner;
    QWidget* line = banner.RxLabel3;
    const QPoint middle = line->rect().center();
    const QPoint below = middle + QPoint(0, line->height());

    // Pressed and released over the line: closed.
    EXPECT_FALSE(whileShown(banner, 1, [&] {
        pointTo(line, middle);
        EXPECT_TRUE(banner.Bevel3->isVisible());
        QTest::mousePress(line, Qt::LeftButton, {}, middle);
        EXPECT_EQ(banner.Bevel3->frameShadow(), QFrame::Sunken);
        QTest::mouseRelease(line, Qt::LeftButton, {}, middle);
    }));

    // Dragged off before letting go: still open, the frame hidden.
    EXPECT_TRUE(whileShown(banner, 1, [&] {
        pointTo(line, middle);
        QTest::mousePress(line, Qt::LeftButton, {}, middle);
        QTest::mouseMove(line, below);
        QTest::mouseRelease(line, Qt::LeftButton, {}, below);
        EXPECT_FALSE(banner.Bevel3->isVisible());
        EXPECT_EQ(banner.Bevel3->frameShadow(), QFrame::Raised);
    }));

    // Closed by a key with the button held down: the next banner starts raised.
    EXPECT_FALSE(whileShown(banner, 1, [&] {
        pointTo(line, middle);
        QTest::mousePress(line, Qt::LeftButton, {}, middle);
        QTest::keyClick(&banner, Qt::Key_Escape);
    }));
    whileShown(banner, 1, [&] {
        pointTo(line, middle);
        EXPECT_EQ(banner.Bevel3->frameShadow(), QFrame::Raised);
        const QImage shown = banner.grab().toImage();
        EXPECT_EQ(shown.pixelColor(shown.width() / 2, 2), QColor(192, 192, 192)) << "silver";
        EXPECT_EQ(banner.minimumSize(), banner.maximumSize()) << "not to be resized";
    });

    // The pointer's screen position, as the poll reads it: the edges are outside.
    whileShown(banner, 1, [&] {
        const QPoint origin = line->mapToGlobal(QPoint(0, 0));
        const std::pair<QPoint, bool> points[] = {
            {{1, 1}, true},
            {{0, 10}, false},
            {{line->width() - 1, line->height() - 1}, true},
            {{line->width(), 10}, false},
            {{10, line->height()}, false},
        };
        for (const auto& [at, over] : points) {
            banner.hovertest(origin + at);
            EXPECT_EQ(banner.Bevel3->isVisible(), over) << at.x() << "," << at.y();
        }
    });
}
