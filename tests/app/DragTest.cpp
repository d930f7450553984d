// Dragging a card in the real window: press, moves and release sent to the
// card widgets as the window system would.
#include "WindowFixture.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

// Moves the held card's pointer to `at` (panel coordinates) in `steps` moves.
void dragTo(QWidget* held, QPoint from, QPoint at, int steps = 4) {
    for (int i = 1; i <= steps; ++i) {
        const QPoint p = from + (at - from) * i / steps;
        const QPoint local = p - held->pos();
        QMouseEvent move(QEvent::MouseMove, local, held->mapToGlobal(local), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(held, &move);
    }
}

QPoint centre(QWidget* w) {
    return w->geometry().center();
}

} // namespace

class DragTest : public WindowTest {
protected:
    // Drags card `n` by its middle to panel point `at` and lets go there.
    void dragCard(int n, QPoint at) {
        QWidget* held = card(n);
        const QPoint from = centre(held);
        QTest::mousePress(held, Qt::LeftButton, {}, from - held->pos());
        dragTo(held, from, at);
        QTest::mouseRelease(held, Qt::LeftButton, {}, at - held->pos());
    }
};

// The fixture's deal has 23 (4♦) and 27 (9♦) making 13, 24 the King of clubs,
// and 25 (J♣) with nothing to pair on the table.
TEST_F(DragTest, ACardDroppedOnItsPartnerTakesThePairAsTwoClicksWould) {
    key(Qt::Key_F2);
    const GameState dealt = game().state();
    click(card(23));
    click(card(27));
    const QString byClicks = game().dump();
    game().restore(dealt);
    Form1->game().hideFocus();
    click(Form1->PanelMain, QPoint(600, 340)); // the bare table: the scene comes back
    game().restore(dealt);

    dragCard(23, centre(card(27)));
    EXPECT_EQ(game().dump(), byClicks);
    expectMirrorsScene();

    // A King goes wherever it is dropped.
    dragCard(24, QPoint(300, 160));
    EXPECT_EQ(game().state().cards[24].place, plDiscarded);
    expectMirrorsScene();
}

TEST_F(DragTest, AnyOtherDropGlidesBackAndAShortMoveStaysAClick) {
    key(Qt::Key_F2);
    const QString dealt = game().dump();
    const QPoint home = card(25)->pos();

    // Held above every other card while it moves.
    QWidget* held = card(25);
    QTest::mousePress(held, Qt::LeftButton, {}, QPoint(35, 47));
    dragTo(held, centre(held), centre(card(22)));
    EXPECT_EQ(Form1->PanelMain->childAt(centre(card(22))), held);
    QTest::mouseRelease(held, Qt::LeftButton, {}, QPoint(35, 47));
    QTRY_COMPARE(card(25)->pos(), home);
    EXPECT_EQ(game().dump(), dealt) << "J♣ and 7♣ make no pair";

    // Escape while held puts it back at once.
    QTest::mousePress(held, Qt::LeftButton, {}, QPoint(35, 47));
    dragTo(held, centre(held), centre(held) + QPoint(0, -60));
    key(Qt::Key_Escape);
    EXPECT_EQ(card(25)->pos(), home);
    QTest::mouseRelease(held, Qt::LeftButton, {}, QPoint(35, 47));
    EXPECT_EQ(game().dump(), dealt);

    // Under the drag distance it is the plain click: the card is picked.
    const int nudge = QApplication::startDragDistance() - 1;
    QTest::mousePress(held, Qt::LeftButton, {}, QPoint(35, 47));
    dragTo(held, centre(held), centre(held) + QPoint(nudge, 0), 1);
    QTest::mouseRelease(held, Qt::LeftButton, {}, QPoint(35 + nudge, 47));
    EXPECT_EQ(game().state().selectedCard, 25);
    EXPECT_TRUE(game().state().selectionActive);
    expectMirrorsScene();
}
