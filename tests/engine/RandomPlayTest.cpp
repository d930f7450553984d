// Thousands of random clicks, keys and ticks in every mode, checking after
// each step that no card is lost, doubled or misplaced.
#include "TableFixture.h"

#include <random>

namespace {

class AnyAnswerHost : public GameHost {
public:
    std::mt19937* rng = nullptr;
    bool ask(Question) override { return (*rng)() % 2 == 0; }
    void readscore() override {}
};

// A click where the player would click: the topmost card under the point, or
// the stock place, the discard place or the bare table beneath the cards.
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

// Returns a description of the first broken rule, or an empty string.
std::string checkTable(const Game& game) {
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
        if (place == plDiscarded && pos != QPoint(530, 10))
            return card + "discarded off the pile";
        if (place == plStock && pos != QPoint(10, 10))
            return card + "stock card off the stock";
        if (n > 28 && place == plDiscarded)
            ++stockCardsGone;
        if (n <= 21 && place != plDiscarded) {
            const Covering c = coveringCards(n);
            const bool free =
                s.cards[c.left].place == plDiscarded && s.cards[c.right].place == plDiscarded;
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

} // namespace

TEST(RandomPlay, EveryCardStaysInExactlyOnePlace) {
    for (int mode : {smCasino, smStandard, smNone})
        for (int drawThree : {0, 1}) {
            std::mt19937 rng(unsigned(1000 + mode * 10 + drawThree));
            AnyAnswerHost host;
            host.rng = &rng;
            quint32 clock = 1;
            Game game(testBank(), host, [&clock] { return clock; });
            game.setScoreMode(mode);
            game.setDrawThree(drawThree);
            game.newgame();
            for (int step = 0; step < 4000; ++step) {
                const unsigned roll = rng() % 100;
                ++clock;
                if (roll < 60) // mostly where the cards are
                    clickAt(game, QPoint(int(rng() % 613), int(rng() % (rng() % 3 ? 120 : 357))));
                else if (roll < 75) // names any card, even one no click could reach
                    game.ImageClick(1 + int(rng() % kCardCount));
                else if (roll < 80)
                    game.PanelMainClick();
                else if (roll < 84)
                    game.ImagenewClick();
                else if (roll < 88 && game.scene().menu.menurozdEnabled)
                    game.menurozdClick();
                else if (roll < 90 && game.scene().menu.menupauseEnabled)
                    game.menupauseClick();
                else if (roll < 91)
                    game.N131Click();
                else if (roll < 92)
                    game.newgame();
                else
                    game.TimerGameTimer();
                const std::string broken = checkTable(game);
                ASSERT_EQ(broken, "")
                    << "mode " << mode << " three " << drawThree << " step " << step << "\n"
                    << game.dump().toStdString();
            }
        }
}
