#include "Smena.h"

#include "Formbank.h"
#include "PictureControl.h"
#include "QtPrinters.h"

#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <tuple>

#include <gtest/gtest.h>

namespace {

// Where the frame belongs when thumbnail n is chosen.
QRect frameAround(const TFormsmena& dlg, int n) {
    return dlg.image(n)->geometry().adjusted(-3, -3, 3, 3);
}

class Chooser : public testing::Test {
protected:
    TBankForm bank;
    TFormsmena dlg{bank};
    QRect mainWindow{100, 50, 630, 440};

    // Opens the chooser with `back` chosen over mainWindow, runs `script`
    // inside its modal loop and returns whatrub(). The script must close it.
    int run(int back, const std::function<void()>& script) {
        QTimer::singleShot(0, &dlg, [&] {
            script();
            if (dlg.isVisible()) {
                ADD_FAILURE() << "the script left the chooser open";
                dlg.done(QDialog::Rejected);
            }
        });
        dlg.firstrub(mainWindow.x(), mainWindow.y(), mainWindow.width(), mainWindow.height(), back);
        return dlg.whatrub();
    }
    // A key as the window system delivers it: to whichever widget has the focus.
    void press(Qt::Key key) { QTest::keyClick(dlg.windowHandle(), key); }
    void click(QWidget* w) {
        QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {},
                          w->mapTo(&dlg, w->rect().center()));
    }
};

} // namespace

TEST_F(Chooser, ArrowKeysWrapWithinRowsAndBetweenRowsPastAFocusedButton) {
    const std::tuple<int, Qt::Key, int> rows[] = {
        {6, Qt::Key_Up, 12},  {6, Qt::Key_Down, 12},  {12, Qt::Key_Up, 6},   {12, Qt::Key_Down, 6},
        {1, Qt::Key_Up, 7},   {9, Qt::Key_Down, 3},   {1, Qt::Key_Left, 6},  {7, Qt::Key_Left, 12},
        {4, Qt::Key_Left, 3}, {12, Qt::Key_Right, 7}, {6, Qt::Key_Right, 1}, {7, Qt::Key_Right, 8},
    };
    for (const auto& [start, key, expected] : rows) {
        const int chosen = run(start, [&, start = start, key = key, expected = expected] {
            // Either button may have the focus; neither may take the arrow to move it.
            QPushButton* focused = start % 2 ? dlg.BitBtn2 : dlg.BitBtn1;
            focused->setFocus();
            press(key);
            EXPECT_EQ(dlg.Bevel1->geometry(), frameAround(dlg, expected));
            EXPECT_EQ(dlg.focusWidget(), focused);
            dlg.accept();
        });
        EXPECT_EQ(chosen, expected) << "from " << start << " key " << key;
    }
}

TEST_F(Chooser, HowItClosesDecidesTheAnswer) {
    // Each opening starts at 4 with OK focused; a click on thumbnail 10 moves the frame first.
    const std::tuple<const char*, bool, std::function<void()>, int> rows[] = {
        {"Enter", true, [&] { press(Qt::Key_Return); }, 10},
        {"OK", true, [&] { click(dlg.BitBtn1); }, 10},
        {"title-bar close", true, [&] { dlg.close(); }, 10},
        {"Escape", true, [&] { press(Qt::Key_Escape); }, -1},
        {"Cancel", true, [&] { click(dlg.BitBtn2); }, -1},
        {"OK unchanged, after a cancel", false, [&] { click(dlg.BitBtn1); }, 4},
    };
    for (const auto& [how, pick, close, expected] : rows) {
        const int chosen = run(4, [&, how = how, pick = pick, &close = close] {
            EXPECT_EQ(dlg.Bevel1->geometry(), frameAround(dlg, 4)) << how;
            if (pick)
                click(dlg.image(10));
            EXPECT_EQ(dlg.Bevel1->geometry(), frameAround(dlg, pick ? 10 : 4)) << how;
            close();
        });
        EXPECT_EQ(chosen, expected) << how;
        EXPECT_FALSE(dlg.isVisible()) << how;
    }
}

TEST_F(Chooser, LaysOutTwoRowsOfSixInAFixedDialogCentredOverTheMainWindow) {
    // Where a centred dialog is pulled back inside the screen is the placement's own test.
    run(5, [&] {
        for (const auto& [n, topLeft] : {std::pair(1, QPoint(4, 4)), {6, {389, 4}}, {7, {4, 106}}})
            EXPECT_EQ(dlg.image(n)->geometry(), QRect(topLeft, QSize(71, 96))) << n;
        EXPECT_GE(dlg.BitBtn1->height(), dlg.BitBtn1->sizeHint().height()) << "button text cut off";
        EXPECT_EQ(dlg.BitBtn1->y(), dlg.BitBtn2->y());
        EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize()) << "the chooser must not resize";
        EXPECT_EQ(dlg.Bevel1->geometry(), frameAround(dlg, 5));
        const QRect f = dlg.frameGeometry();
        EXPECT_EQ(f.topLeft(), QPoint(100 + (630 - f.width()) / 2, 50 + (440 - f.height()) / 2));
        dlg.reject();
    });
}

class ChooserAtRatio : public testing::TestWithParam<qreal> {};

TEST_P(ChooserAtRatio, ThumbnailsHaveRoundedCornersAndShowCrispInsideAVisibleFrame) {
    const qreal ratio = GetParam();
    const TBankForm bank(ratio);
    TFormsmena dlg(bank);
    dlg.FormShow(); // lays out with thumbnail 1 chosen
    const QRgb background = dlg.palette().color(dlg.backgroundRole()).rgb();
    QImage shot(dlg.size() * ratio, QImage::Format_RGB32);
    shot.setDevicePixelRatio(ratio);
    dlg.render(&shot);

    // Three pixels at each corner take the dialog's colour, on the thumbnail's
    // own copy, and the screen shows that copy pixel for pixel.
    const QPoint corners[] = {{0, 0},   {1, 0},   {0, 1},   {70, 0}, {69, 0}, {70, 1},
                              {70, 95}, {69, 95}, {70, 94}, {0, 95}, {1, 95}, {0, 94}};
    for (int k = 1; k <= TFormsmena::kBacks; ++k) {
        const QImage& copy = dlg.image(k)->picture();
        QImage expected = bank.back(k).copy();
        QPainter painter(&expected);
        for (const QPoint& c : corners)
            painter.fillRect(QRect(c, QSize(1, 1)), QColor(background));
        painter.end();
        ASSERT_NE(expected, bank.back(k)) << "the test could not tell";
        EXPECT_TRUE(copy == expected) << "thumbnail " << k;
        EXPECT_NE(copy.constBits(), bank.back(k).constBits()) << "painted on the store's picture";
        EXPECT_TRUE(shot.copy(QRect(dlg.image(k)->pos() * ratio, copy.size())) == expected)
            << "thumbnail " << k << " rescaled on the way to the screen";
    }

    // The frame's outer ring stands out all round thumbnail 1 and nowhere round 2.
    for (int k : {1, 2}) {
        const QRect ring(frameAround(dlg, k).topLeft() * ratio, frameAround(dlg, k).size() * ratio);
        int standsOut = 0;
        for (int y = ring.top(); y <= ring.bottom(); ++y)
            for (int x = ring.left(); x <= ring.right(); ++x)
                if (y == ring.top() || y == ring.bottom() || x == ring.left() || x == ring.right())
                    standsOut += shot.pixel(x, y) != background;
        EXPECT_EQ(standsOut, k == 1 ? 2 * (ring.width() + ring.height()) - 4 : 0) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, ChooserAtRatio, testing::Values(1.0, 2.0));
