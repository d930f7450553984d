#include "TableFixture.h"

namespace {

std::vector<int> wasteEntries(const GameState& s) {
    return std::vector<int>(s.waste.begin() + 1, s.waste.begin() + 1 + s.wasteCount);
}

} // namespace

TEST_F(TableTest, OneCardWasteOpensTheCardBeneathAndRedealsOnlyWhatIsLeft) {
    game->setScoreMode(smStandard);
    deal({{52, "5h"}, {51, "6h"}, {50, "7h"}, {22, "8c"}, {23, "7c"}, {24, "6c"}});
    play("52 51 50");
    EXPECT_EQ(wasteEntries(st()), (std::vector<int>{52, 51, 50}));
    EXPECT_EQ(scene().cards[50].pos, QPoint(85, 10));
    play("50 24 51 23"); // 7 + 6, then the Six beneath it with the Seven
    EXPECT_EQ(game->openWasteCard(), 52);
    EXPECT_EQ(wasteEntries(st()), (std::vector<int>{52, 0, 0}));

    const int score = st().clock.score;
    play("F4");
    SCOPED_TRACE(dump().toStdString());
    EXPECT_EQ(st().stockCount, 22);
    EXPECT_EQ(st().stock[22], 52); // laid over the 21 cards never turned
    EXPECT_EQ(st().stock[21], 49);
    EXPECT_EQ(st().clock.score, score - 12);
    EXPECT_EQ(st().wasteCount, 0);
    play("52");
    EXPECT_EQ(wasteEntries(st()), std::vector<int>{52}); // first again
}

TEST_F(TableTest, ThreeCardFansCollapseAndOpenTheCardBeneath) {
    game->setDrawThree(1);
    deal({{47, "Kh"}, {22, "5h"}, {23, "6h"}, {24, "7h"}});
    game->N131Click(); // any two cards pair, so the test can pick freely
    play("t");
    EXPECT_EQ(wasteEntries(st()), (std::vector<int>{52, 51, 50}));
    for (int c : {52, 51, 50})
        EXPECT_EQ(scene().cards[c].pos, QPoint(85 + 15 * (52 - c), 10));
    EXPECT_EQ(places({52, 51, 50}), "BBW");
    play("52 51"); // under the top: ignored
    EXPECT_FALSE(st().selectionActive);

    play("t"); // next fan: the old one collapses to the first position
    for (int c : {52, 51, 50})
        EXPECT_EQ(scene().cards[c].pos, QPoint(85, 10)) << c;
    EXPECT_EQ(places({52, 51, 50, 49, 48, 47}), "WWWBBW");
    play("47"); // a King on the fan's top goes alone and opens the next fan card
    EXPECT_EQ(places({47, 48, 49}), "DWB");
    play("48 22 49 23");
    EXPECT_EQ(game->openWasteCard(), 50); // the top of the collapsed cards
    play("50 24");
    EXPECT_EQ(game->openWasteCard(), 51);

    // A stopped game keeps its table: one card a turn from now on moves no fan.
    play("t");
    game->N7Click();
    game->changeRules(st().clock.scoreMode, 0, true);
    for (int c : {46, 45, 44})
        EXPECT_EQ(scene().cards[c].pos, QPoint(85 + 15 * (46 - c), 10)) << c;
}

TEST_F(TableTest, ShortFanAfterARedealOfTwentyThreeCards) {
    game->setDrawThree(1);
    game->setScoreMode(smStandard);
    deal({{50, "Kh"}, {29, "Ks"}});
    play("t 50 t*7 F4"); // the King on the first fan's top is paired away
    ASSERT_EQ(st().stockCount, 23);
    play("t*8");
    SCOPED_TRACE(dump().toStdString());
    EXPECT_EQ(st().lastFanCount, 2);
    EXPECT_EQ(st().fanCount, 2);
    const int beneath = st().waste[st().wasteCount - 1];
    EXPECT_EQ(st().waste[st().wasteCount], 29); // the second King, turned last
    play("29");
    EXPECT_EQ(game->openWasteCard(), beneath);
    EXPECT_EQ(place(beneath), plWaste);
}

TEST_F(TableTest, RedealCostCarriesOverAllRedealsOfAGame) {
    game->setDrawThree(1);
    game->setScoreMode(smStandard);
    deal();
    play("t F4"); // 3 cards at 4
    EXPECT_EQ(st().clock.score, -50 - 12);
    play("t t t F4"); // cards 4..12: four at 4, five at 5
    EXPECT_EQ(st().clock.score, -50 - 12 - 41);

    game->setDrawThree(0);
    game->setShowDialog(false);
    deal();
    play("t*24");
    const int before = st().clock.score;
    play("F4");
    EXPECT_EQ(before - st().clock.score, 420);
}

TEST_F(TableTest, CasinoOffersANewDealOnceItsPassesAreUsedUp) {
    for (int drawThree : {0, 1}) {
        SCOPED_TRACE(drawThree);
        restart();
        game->setDrawThree(drawThree);
        deal();
        play(drawThree ? "t*8 F4 t*8 F4 t*8" : "t*24");
        const QString before = dump();
        const int score = st().clock.score;
        host = ScriptedHost();
        host.answers = {false, false, false};
        play("m t F4");
        EXPECT_EQ(host.asked, std::vector<Question>(3, Question::CasinoNewDeal));
        EXPECT_EQ(dump(), before);

        host.answers = {true};
        play("m");
        EXPECT_TRUE(st().gameRunning);
        EXPECT_EQ(st().stockCount, 24);
        EXPECT_EQ(st().casinoPass, 1);
        EXPECT_EQ(st().clock.score, score - ScoreClock::stake(drawThree));
    }
}

TEST_F(TableTest, StockPlaceAndTableClicksInEveryState) {
    // Before the first game the stock place deals, like F2.
    play("m");
    EXPECT_TRUE(st().gameRunning);

    // The table with no game running deals and turns the first card.
    restart();
    play("t");
    EXPECT_TRUE(st().gameRunning);
    EXPECT_EQ(st().wasteCount, 1);
    EXPECT_EQ(st().waste[1], 52);

    // A waste card selected at a redeal goes back unselected, face down.
    game->setScoreMode(smStandard);
    play("52"); // the Six of clubs, in this deal
    ASSERT_TRUE(st().selectionActive);
    play("F4");
    EXPECT_FALSE(st().selectionActive);
    EXPECT_EQ(place(52), plStock);
}

TEST_F(TableTest, EmptyStockAndWasteThenTheTableDoesNothing) {
    game->setScoreMode(smStandard);
    deal();
    game->N131Click();
    // Pair every stock card away with an open pyramid card other than the apex
    // (Kings, which go alone, first); the 24th from a waste of one.
    const auto openCard = [this](bool king) {
        for (int n = 28; n >= 2; --n)
            if (place(n) == plOpen && (st().cards[n].rank == kKingRank) == king)
                return n;
        return 0;
    };
    for (int i = 0; i < 24; ++i) {
        while (const int king = openCard(true))
            game->ImageClick(king);
        play(i < 23 ? "t" : "t m t");
        const int w = game->openWasteCard();
        game->ImageClick(w);
        if (st().cards[w].rank != kKingRank)
            game->ImageClick(openCard(false));
    }
    ASSERT_TRUE(st().stockCount == 0 && st().wasteCount == 1 && game->openWasteCard() == 0)
        << dump().toStdString();
    const int score = st().clock.score;
    play("m"); // a redeal that returns nothing and costs nothing
    EXPECT_EQ(st().clock.score, score);
    EXPECT_EQ(st().wasteCount, 0);
    EXPECT_EQ(scene().imagenew.cacheKey(), testBank().back(2).cacheKey());
    const QString before = dump();
    play("t");
    // No picture sends these; a click that names one anyway is dropped.
    for (int tag : {0, 53, -2})
        game->ImageClick(tag);
    EXPECT_EQ(dump(), before);
    play(QString::number(openCard(false)));
    EXPECT_TRUE(st().selectionActive);
    host.answers = {false};
    play("m"); // now the place asks for a new game
    EXPECT_EQ(host.asked, std::vector<Question>{Question::NewGame});
}

// The Game menu, the popup and the stock place as letters: R both Return
// items enabled, r only one of them, s the popup separator, p Pause, z Reset
// the score and its separator, z? only one of those two; then the stock
// place: b the back, e the empty marker, x the cross.
QString menus(const Scene& sc) {
    const MenuState& m = sc.menu;
    QString out;
    if (m.menurozdEnabled || m.popmenurozdEnabled)
        out += m.menurozdEnabled && m.popmenurozdEnabled ? u'R' : u'r';
    if (m.peretminusVisible)
        out += u's';
    if (m.menupauseEnabled)
        out += u'p';
    if (m.menupscoreVisible || m.menunilscoreVisible)
        out += m.menupscoreVisible && m.menunilscoreVisible ? QStringLiteral("z")
                                                            : QStringLiteral("z?");
    const qint64 marker = sc.imagenew.cacheKey();
    out += marker == testBank().impusto().cacheKey()   ? u'e'
           : marker == testBank().Imkrest().cacheKey() ? u'x'
           : marker == testBank().back(2).cacheKey()   ? u'b'
                                                       : u'?';
    return out;
}

TEST_F(TableTest, MenusFollowTheDealTheStockAndTheCasinoPasses) {
    const struct {
        ScoreMode mode;
        int drawThree;
        const char* script; // steps, each followed by the menus it leaves
    } cases[] = {
        {smCasino, 0, "deal:spzb t:spzb t*23:spzx F2:spzb t:spzb"},
        {smCasino, 1,
         "deal:pzb t:Rspzb t*7:Rspze F4:pzb t:Rspzb t*7:Rspze F4:pzb t:pzb t*7:pzx F2:pzb "
         "t:Rspzb"},
        {smStandard, 1, "deal:spzb t:Rspzb F4:spzb t:Rspzb m:spzb"},
        // Standard redeals without limit, from the stock place too.
        {smStandard, 0, "deal:spzb t*24:Rspze m:spzb t*24:Rspze m:spzb t*24:Rspze m:spzb"},
        {smNone, 0, "deal:spzb t:Rspzb F4:spzb"},
    };
    for (const auto& c : cases) {
        restart();
        game->setScoreMode(c.mode);
        game->setDrawThree(c.drawThree);
        game->setShowDialog(false);
        EXPECT_EQ(menus(scene()), QStringLiteral("se")) << "before the first deal";
        for (const QString& step : QString::fromLatin1(c.script).split(u' ')) {
            const QStringList parts = step.split(u':');
            if (parts[0] == u"deal" || parts[0] == u"F2")
                deal();
            else
                play(parts[0]);
            EXPECT_EQ(menus(scene()), parts[1]) << "mode " << c.mode << " drawThree " << c.drawThree
                                                << " after " << parts[0].toStdString();
        }
    }
}
