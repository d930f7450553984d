// Keys on the real window: the focus ring, Space, and Undo and Redo.
#include "WindowFixture.h"

#include <QFrame>
#include <QMenuBar>

namespace {

QColor ringPixel() {
    const QImage panel = Form1->PanelMain->grab().toImage();
    const QRect r = Form1->focusRing->geometry();
    const qreal scale = panel.devicePixelRatio();
    return panel.pixelColor(QPoint(int((r.center().x()) * scale), int((r.top() + 1) * scale)));
}

} // namespace

TEST_F(WindowTest, KeysMoveARingOverTheCardsAndSpaceClicksTheCardItStandsOn) {
    key(Qt::Key_F2);
    EXPECT_FALSE(Form1->focusRing->isVisible()) << "no ring until a key is used";
    key(Qt::Key_Left);
    ASSERT_TRUE(Form1->focusRing->isVisible());
    EXPECT_EQ(Form1->focusRing->geometry(), game().scene().focusRect);
    EXPECT_EQ(ringPixel(), QColor(0, 220, 255));
    EXPECT_EQ(card(25)->accessibleName(), "Jack of clubs");

    key(Qt::Key_Right);
    EXPECT_EQ(card(26)->accessibleName(), "Queen of diamonds");
    key(Qt::Key_Space);
    EXPECT_EQ(game().state().selectedCard, 26);
    EXPECT_TRUE(Form1->frameBevel->isVisible());
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(game().state().focus, 25);
    // Keys the menu bar takes while Alt has it walking its titles stay its own.
    key(Qt::Key_Alt);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(game().state().focus, 25);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    // Menu keys keep their meaning: F5 pauses, and the cards' names go.
    key(Qt::Key_F5);
    key(Qt::Key_Left);
    EXPECT_EQ(card(24)->accessibleName(), "Face-down card");
    key(Qt::Key_F5);

    // A mouse click puts the ring away; the next key brings it back in place.
    click(card(22));
    EXPECT_FALSE(Form1->focusRing->isVisible());
    key(Qt::Key_Up);
    EXPECT_EQ(game().state().focus, 24);
    expectMirrorsScene();
}

TEST_F(WindowTest, CtrlZTakesBackAMoveOutsideCasinoAndCtrlYPutsItBack) {
    destroyWindows();
    start("[Format]\nFrstHlp=2\nScore=1\n");
    key(Qt::Key_F2);
    const QString dealt = game().dump();
    EXPECT_FALSE(Form1->menuundo->isEnabled());
    click(card(52)); // the stock's top card turns
    const QString turned = game().dump();
    ASSERT_TRUE(Form1->menuundo->isEnabled());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game().dump(), QString(dealt).replace("-150", QString::number(-150 - kUndoCost)));
    EXPECT_TRUE(Form1->menuredo->isEnabled());
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(game().dump(), QString(turned).replace("-150", QString::number(-150 - kUndoCost)));
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(game().state().clock.score, -150 - 2 * kUndoCost);
    expectMirrorsScene();

    // Casino: the commands stay off whatever is played.
    destroyWindows();
    start("[Format]\nFrstHlp=2\nScore=0\n");
    key(Qt::Key_F2);
    click(card(52));
    EXPECT_FALSE(Form1->menuundo->isEnabled());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game().state().wasteCount, 1);
}
