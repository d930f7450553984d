#include "RandomPlay.h"

#include "Formbank.h"
#include "Geometry.h"
#include "Random.h"

#include <vector>

void clickAt(Game& game, QPoint p) {
    const Scene& sc = game.scene();
    for (auto it = sc.stacking.rbegin(); it != sc.stacking.rend(); ++it)
        if (*it != kFrameItem && QRect(sc.cards[*it].pos, QSize(71, 96)).contains(p)) {
            game.ImageClick(*it);
            return;
        }
    if (QRect(10, 10, 71, 96).contains(p))
        game.ImagenewClick();
    else if (QRect(530, 10, 71, 96).contains(p))
        game.ImageClick(-1);
    else
        game.PanelMainClick();
}

namespace {

// The options dialog's effect on the game, as the main window passes it on.
void changeOptions(Game& game, std::mt19937& rng) {
    game.setNewCards(rng() % 4 != 0);
    game.setShowDialog(rng() % 2 == 0);
    game.applyCursorOption(rng() % 4 ? kHandCursorNumber : kDefaultCursor);
    game.setUndoAllowed(rng() % 4 != 0);
    if (rng() % 3 == 0) {
        const GameState& s = game.state();
        game.changeRules(s.clock.scoreMode, int(rng() % 2), rng() % 2 == 0);
    }
}

} // namespace

void randomAction(Game& game, std::mt19937& rng) {
    const unsigned roll = rng() % 1000;
    if (roll < 600) // mostly where the cards are
        clickAt(game, QPoint(int(rng() % 613), int(rng() % (rng() % 3 ? 120 : 357))));
    else if (roll < 750) // names any card, even one no click could reach
        game.ImageClick(1 + int(rng() % kCardCount));
    else if (roll < 800)
        game.PanelMainClick();
    else if (roll < 840)
        game.ImagenewClick();
    else if (roll < 880 && game.scene().menu.menurozdEnabled)
        game.menurozdClick();
    else if (roll < 900 && game.scene().menu.menupauseEnabled)
        game.menupauseClick();
    else if (roll < 905)
        game.N131Click();
    else if (roll < 915)
        game.newgame();
    else if (roll < 917 && game.scene().menu.menunilscoreVisible)
        game.menunilscoreClick();
    else if (roll < 919)
        game.N7Click();
    else if (roll < 922)
        changeOptions(game, rng);
    else if (roll < 940 && game.canUndo())
        game.undo();
    else if (roll < 950 && game.canRedo())
        game.redo();
    else if (roll < 953)
        game.restartDeal();
    else if (roll < 955)
        game.selectDeal(quint32(rng() % kDealNumbers));
    else if (roll < 956)
        game.leave();
    else if (roll < 966)
        game.moveFocus(Game::FocusKey(rng() % 6));
    else if (roll < 971)
        game.clickFocus();
    else if (roll < 973)
        game.hideFocus();
    else if (roll < 980) // any card onto any card: most drops are refused
        game.dropCard(1 + int(rng() % kCardCount), int(rng() % (kCardCount + 1)));
    else
        game.TimerGameTimer();
}

namespace {

std::string checkPiles(const Game& game) {
    const GameState& s = game.state();
    std::vector<int> inStock(53, 0), inWaste(53, 0);
    for (int i = 1; i <= s.stockCount; ++i)
        ++inStock[s.stock[i]];
    int wasteCards = 0;
    for (int i = 1; i <= s.wasteCount; ++i)
        if (s.waste[i]) {
            ++inWaste[s.waste[i]];
            ++wasteCards;
        }
    int stockCardsGone = 0;
    for (int n = 1; n <= 52; ++n) {
        const int place = s.cards[n].place;
        const QPoint pos = game.scene().cards[n].pos;
        const std::string card = "card " + std::to_string(n) + ": ";
        if (inStock[n] + inWaste[n] > 1)
            return card + "in two piles";
        if ((place == plStock) != (inStock[n] == 1))
            return card + "stock place and stock list disagree";
        if ((place == plWaste || place == plWasteBelow) != (inWaste[n] == 1))
            return card + "waste place and waste list disagree";
        if (n <= 28 && place != plCovered && place != plOpen && place != plDiscarded)
            return card + "a pyramid card left the pyramid";
        if (n > 28 && (place == plCovered || place == plOpen))
            return card + "a stock card in the pyramid";
        if (place == plDiscarded && pos != s.slots[kDiscardSlot])
            return card + "discarded off the pile";
        if (place == plStock && pos != s.slots[kStockSlot])
            return card + "stock card off the stock";
        if ((place == plCovered || place == plOpen) && pos != s.slots[n])
            return card + "a pyramid card off its slot";
        if ((place == plWaste || place == plWasteBelow) && pos != s.slots[kWasteSlot] &&
            pos != s.slots[kWasteSlot + 1] && pos != s.slots[kWasteSlot + 2])
            return card + "a waste card off the waste";
        if (n > 28 && place == plDiscarded)
            ++stockCardsGone;
        if (n <= 28 && place != plDiscarded) { // the bottom row lies open from the deal on
            const Covering c = n <= 21 ? coveringCards(n) : Covering{};
            const bool free = n > 21 || (s.cards[c.left].place == plDiscarded &&
                                         s.cards[c.right].place == plDiscarded);
            if (free != (place == plOpen))
                return card + "open and uncovered disagree";
        }
    }
    if (s.stockCount + wasteCards + stockCardsGone != 24)
        return "stock + waste + paired away is not 24";
    const int open = game.openWasteCard();
    if (open && s.cards[open].place != plWaste)
        return "the open waste card is not playable";
    return {};
}

// What the state says about the table besides the piles.
std::string checkLook(const GameState& s) {
    for (int n = 1; n <= 52; ++n) {
        const Card& c = s.cards[n];
        if (!s.paused && c.faceUp == (c.place == plStock))
            return "card " + std::to_string(n) +
                   (c.faceUp ? ": face up in the stock" : ": face down off the stock");
    }
    if ((s.framed != kNoFrame) != s.selectionActive)
        return "the frame and the selection disagree";
    if (s.selectionActive && s.framed != s.selectedCard)
        return "the frame is not round the selected card";
    if (s.selectionActive && *(s.raiseOrder.end() - 1) != kFrameItem)
        return "the frame is not drawn over the cards";
    if (s.menu.menunilscoreVisible != s.menu.menupscoreVisible)
        return "Reset the score without its separator";
    if (s.menu.menurozdEnabled != s.menu.popmenurozdEnabled)
        return "the two Return into pack commands disagree";
    return {};
}

} // namespace

std::string sceneDifference(const Scene& a, const Scene& b) {
    if (a.cardsCreated != b.cardsCreated)
        return "cards made in one only";
    for (int n = 1; n <= 52; ++n) {
        const std::string card = "card " + std::to_string(n) + ": ";
        if (a.cards[n].pos != b.cards[n].pos)
            return card + "position";
        if (a.cards[n].cursor != b.cards[n].cursor)
            return card + "cursor";
        if (a.cards[n].image != b.cards[n].image) // pixel by pixel
            return card + "picture";
    }
    if (a.stacking != b.stacking)
        return "stacking";
    if (a.imagenew != b.imagenew)
        return "stock place";
    if (a.frameVisible != b.frameVisible || (a.frameVisible && a.frameRect != b.frameRect))
        return "frame";
    if (a.panels != b.panels)
        return "status texts";
    if (!(a.menu == b.menu))
        return "menus";
    if (a.timerEnabled != b.timerEnabled)
        return "timer";
    return {};
}

std::string checkTable(const Game& game, const TBankForm& bank, bool afresh) {
    if (!game.scene().cardsCreated)
        return {};
    std::string broken = checkPiles(game);
    if (broken.empty())
        broken = checkLook(game.state());
    if (broken.empty() && afresh) // the scene kept up step by step equals one made afresh
        broken = sceneDifference(game.scene(), SceneOf(bank)(game.state()));
    return broken;
}
