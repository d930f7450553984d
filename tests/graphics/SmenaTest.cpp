#include "Smena.h"

#include "../toolkit/QtPrinters.h"
#include "Formbank.h"
#include "LogicalPixels.h"
#include "PictureControl.h"

#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

constexpr int W = TBankForm::kWidth;
constexpr int H = TBankForm::kHeight;
const QRect kMainWindow(100, 50, 630, 440);

// Opens the chooser modally with `currentBack` chosen, runs `script` inside
// its modal loop and returns whatrub(). The script must close the dialog.
int runChooser(TFormsmena& dlg, int currentBack, const std::function<void()>& script,
               const QRect& mainWindow = kMainWindow) {
    QTimer::singleShot(0, &dlg, [&] {
        script();
        if (dlg.isVisible()) {
            ADD_FAILURE() << "the script left the chooser open";
            dlg.done(QDialog::Rejected);
        }
    });
    dlg.firstrub(mainWindow.x(), mainWindow.y(), mainWindow.width(), mainWindow.height(),
                 currentBack);
    return dlg.whatrub();
}

// A key as the window system delivers it: to whichever widget has the focus.
void press(TFormsmena& dlg, Qt::Key key) {
    QTest::keyClick(dlg.windowHandle(), key);
}

void clickAt(TFormsmena& dlg, QWidget* widget) {
    QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(&dlg, widget->rect().center()));
}

// Where the frame belongs when thumbnail n is chosen.
QRect frameAround(const TFormsmena& dlg, int n) {
    return dlg.image(n)->geometry().adjusted(-3, -3, 3, 3);
}

class Chooser : public testing::Test {
protected:
    TBankForm bank;
    TFormsmena dlg{bank};
};

} // namespace

TEST_F(Chooser, LaysOutTwoRowsOfSixWithButtonsBelow) {
    runChooser(dlg, 5, [&] {
        EXPECT_EQ(dlg.image(1)->geometry(), QRect(4, 4, W, H));
        EXPECT_EQ(dlg.image(2)->geometry(), QRect(81, 4, W, H));
        EXPECT_EQ(dlg.image(6)->geometry(), QRect(389, 4, W, H));
        EXPECT_EQ(dlg.image(7)->geometry(), QRect(4, 106, W, H));
        EXPECT_EQ(dlg.image(12)->geometry(), QRect(389, 106, W, H));

        const QRect ok = dlg.BitBtn1->geometry(), cancel = dlg.BitBtn2->geometry();
        EXPECT_EQ(ok.topLeft(), QPoint(10, 210));
        EXPECT_EQ(ok.width(), 213);
        EXPECT_EQ(cancel.top(), 210);
        EXPECT_EQ(cancel.width(), 213);
        EXPECT_EQ(cancel.left() + cancel.width(), 389 + W - 6);
        EXPECT_EQ(cancel.height(), ok.height());
        EXPECT_GE(ok.height(), dlg.BitBtn1->sizeHint().height()) << "button text cut off";

        EXPECT_EQ(dlg.size(), QSize(466, ok.top() + ok.height() + 6));
        EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize()) << "the chooser must not resize";

        EXPECT_EQ(dlg.Bevel1->geometry(), QRect(-3, -3, 77, 102).translated(dlg.image(5)->pos()));
        dlg.BitBtn1->click();
    });
}

TEST_F(Chooser, ArrowKeysWrapWithinRowsAndBetweenRows) {
    struct Row {
        int start;
        Qt::Key key;
        int expected;
    } rows[] = {
        {6, Qt::Key_Up, 12},  {6, Qt::Key_Down, 12},  {12, Qt::Key_Up, 6},   {12, Qt::Key_Down, 6},
        {1, Qt::Key_Up, 7},   {9, Qt::Key_Down, 3},   {1, Qt::Key_Left, 6},  {7, Qt::Key_Left, 12},
        {4, Qt::Key_Left, 3}, {12, Qt::Key_Right, 7}, {6, Qt::Key_Right, 1}, {7, Qt::Key_Right, 8},
    };
    for (const Row& r : rows) {
        const int chosen = runChooser(dlg, r.start, [&] {
            ASSERT_EQ(dlg.focusWidget(), dlg.BitBtn1);
            press(dlg, r.key);
            EXPECT_EQ(dlg.Bevel1->geometry(), frameAround(dlg, r.expected));
            // The button must not have taken the arrow to move the focus.
            EXPECT_EQ(dlg.focusWidget(), dlg.BitBtn1);
            press(dlg, Qt::Key_Return);
        });
        EXPECT_EQ(chosen, r.expected) << "from " << r.start << " key " << r.key;
    }
}

TEST_F(Chooser, ArrowsStillMoveTheFrameWhenCancelHasTheFocus) {
    const int chosen = runChooser(dlg, 2, [&] {
        dlg.BitBtn2->setFocus();
        press(dlg, Qt::Key_Right);
        press(dlg, Qt::Key_Down);
        EXPECT_EQ(dlg.focusWidget(), dlg.BitBtn2);
        EXPECT_EQ(dlg.Bevel1->geometry(), frameAround(dlg, 9));
        clickAt(dlg, dlg.BitBtn1);
    });
    EXPECT_EQ(chosen, 9);
}

TEST_F(Chooser, ClickingAThumbnailMovesTheFrameAndOkReturnsIt) {
    const int chosen = runChooser(dlg, 3, [&] {
        EXPECT_EQ(dlg.Bevel1->geometry(), frameAround(dlg, 3));
        clickAt(dlg, dlg.image(10));
        EXPECT_EQ(dlg.Bevel1->geometry(), frameAround(dlg, 10));
        clickAt(dlg, dlg.BitBtn1);
    });
    EXPECT_EQ(chosen, 10);
}

TEST_F(Chooser, HowItClosesDecidesTheAnswer) {
    struct Row {
        const char* how;
        std::function<void()> close;
        int expected; // starting at 4, with the frame moved to 5 first
    } rows[] = {
        {"Enter", [&] { press(dlg, Qt::Key_Return); }, 5},
        {"OK", [&] { clickAt(dlg, dlg.BitBtn1); }, 5},
        {"title-bar close", [&] { dlg.close(); }, 5},
        {"Escape", [&] { press(dlg, Qt::Key_Escape); }, -1},
        {"Cancel", [&] { clickAt(dlg, dlg.BitBtn2); }, -1},
    };
    for (const Row& r : rows) {
        const int chosen = runChooser(dlg, 4, [&] {
            press(dlg, Qt::Key_Right);
            r.close();
        });
        EXPECT_EQ(chosen, r.expected) << r.how;
        EXPECT_FALSE(dlg.isVisible()) << r.how;
    }
}

TEST_F(Chooser, OkWithoutAChangeReturnsTheInitialBackEvenAfterACancel) {
    EXPECT_EQ(runChooser(dlg, 11, [&] { clickAt(dlg, dlg.BitBtn2); }), -1);
    EXPECT_EQ(runChooser(dlg, 11,
                         [&] {
                             EXPECT_EQ(dlg.Bevel1->geometry(), frameAround(dlg, 11));
                             clickAt(dlg, dlg.BitBtn1);
                         }),
              11);
}

TEST_F(Chooser, OpensTenPixelsInsideTheScreenNearItsEdge) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect nearCorner(screen.width() - 200, screen.height() - 100, 630, 440);
    runChooser(
        dlg, 1,
        [&] {
            const QRect frame = dlg.frameGeometry();
            EXPECT_EQ(frame.left() + frame.width(), screen.width() - 10);
            EXPECT_EQ(frame.top() + frame.height(), screen.height() - 10);
            dlg.reject();
        },
        nearCorner);
    // Over a main window with room around it, it is centred.
    runChooser(dlg, 1, [&] {
        const QRect frame = dlg.frameGeometry();
        EXPECT_EQ(frame.left(), 100 + (630 - frame.width()) / 2);
        EXPECT_EQ(frame.top(), 50 + (440 - frame.height()) / 2);
        dlg.reject();
    });
}

namespace {

// The dialog as it appears on a screen of the store's device pixel ratio.
QImage renderAtRatio(TFormsmena& dlg, qreal ratio) {
    QImage shot(dlg.size() * ratio, QImage::Format_RGB32);
    shot.setDevicePixelRatio(ratio);
    shot.fill(Qt::magenta);
    dlg.render(&shot);
    return shot;
}

// For looking at the dialog by eye: set ZARVEK_REVIEW_DIR to keep the pictures.
void keepForReview(const QImage& shot, const QString& name) {
    const QString dir = qEnvironmentVariable("ZARVEK_REVIEW_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(shot.save(QDir(dir).filePath(name)));
    }
}

// Every device pixel of the frame's outermost line, in device coordinates.
std::vector<QPoint> outline(const QRect& logical, qreal ratio) {
    const QRect r(QPoint(int(logical.left() * ratio), int(logical.top() * ratio)),
                  logical.size() * ratio);
    std::vector<QPoint> points;
    for (int x = r.left(); x <= r.right(); ++x)
        points.insert(points.end(), {{x, r.top()}, {x, r.bottom()}});
    for (int y = r.top(); y <= r.bottom(); ++y)
        points.insert(points.end(), {{r.left(), y}, {r.right(), y}});
    return points;
}

int differingPixels(const QImage& shot, const std::vector<QPoint>& points, QRgb colour) {
    int n = 0;
    for (const QPoint& p : points)
        n += shot.pixel(p) != colour;
    return n;
}

class ChooserAtRatio : public testing::TestWithParam<qreal> {};

} // namespace

TEST_P(ChooserAtRatio, ThumbnailCornersTakeTheDialogColourOnTheirOwnCopies) {
    const qreal ratio = GetParam();
    const TBankForm bank(ratio);
    TFormsmena dlg(bank);
    dlg.FormShow();
    const QRgb background = dlg.palette().color(dlg.backgroundRole()).rgb();
    const QPoint corners[] = {{0, 0},   {1, 0},   {0, 1},   {70, 0}, {69, 0}, {70, 1},
                              {70, 95}, {69, 95}, {70, 94}, {0, 95}, {1, 95}, {0, 94}};
    const QPoint inside[] = {{2, 0}, {1, 1}, {0, 2}, {68, 0}, {69, 94}, {1, 94}};

    for (int k = 1; k <= TFormsmena::kBacks; ++k) {
        const QImage& copy = dlg.image(k)->picture();
        const QImage& store = bank.back(k);
        ASSERT_EQ(copy.devicePixelRatio(), ratio) << "thumbnail " << k << " lost its ratio";
        ASSERT_NE(logicalPixel(store, 0, 0), background) << "the test could not tell";
        for (const QPoint& c : corners) {
            const DeviceSpan xs = deviceSpan(c.x(), ratio), ys = deviceSpan(c.y(), ratio);
            for (int y = ys.first; y < ys.last; ++y)
                for (int x = xs.first; x < xs.last; ++x)
                    EXPECT_EQ(copy.pixel(x, y), background)
                        << "thumbnail " << k << " corner " << c.x() << "," << c.y();
        }
        for (const QPoint& p : inside)
            EXPECT_EQ(logicalPixel(copy, p.x(), p.y()), logicalPixel(store, p.x(), p.y()))
                << "thumbnail " << k << " pixel " << p.x() << "," << p.y() << " was rounded";
        EXPECT_NE(copy.constBits(), store.constBits()) << "painted on the store's picture";
    }
}

TEST_P(ChooserAtRatio, RendersBacksCrispAndTheFrameVisible) {
    const qreal ratio = GetParam();
    const TBankForm bank(ratio);
    TFormsmena dlg(bank);
    runChooser(dlg, 8, [&] {
        const QImage shot = renderAtRatio(dlg, ratio);
        keepForReview(shot, QStringLiteral("smena-%1x.png").arg(ratio));
        const QRgb background = dlg.palette().color(dlg.backgroundRole()).rgb();

        for (int k : {1, 8, 12}) {
            const QImage copy = dlg.image(k)->picture().convertToFormat(QImage::Format_RGB32);
            const QPoint origin = dlg.image(k)->pos() * ratio;
            int mismatches = 0;
            for (int y = 0; y < copy.height(); ++y)
                for (int x = 0; x < copy.width(); ++x)
                    mismatches += shot.pixel(origin + QPoint(x, y)) != copy.pixel(x, y);
            EXPECT_EQ(mismatches, 0) << "thumbnail " << k << " was rescaled on the way";
        }

        // The frame's outer line stands out all round the chosen back...
        const auto framed = outline(frameAround(dlg, 8), ratio);
        EXPECT_EQ(differingPixels(shot, framed, background), int(framed.size()));
        // ...and the same place round another back is plain dialog.
        const auto plain = outline(frameAround(dlg, 9), ratio);
        EXPECT_EQ(differingPixels(shot, plain, background), 0);

        press(dlg, Qt::Key_Right);
        const QImage moved = renderAtRatio(dlg, ratio);
        EXPECT_EQ(differingPixels(moved, plain, background), int(plain.size()));
        EXPECT_EQ(differingPixels(moved, framed, background), 0);
        dlg.reject();
    });
}

INSTANTIATE_TEST_SUITE_P(Ratios, ChooserAtRatio, testing::Values(1.0, 2.0),
                         [](const testing::TestParamInfo<qreal>& info) {
                             return info.param == 1.0 ? "Ratio1" : "Ratio2";
                         });
