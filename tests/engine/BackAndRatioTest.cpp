#include "TableFixture.h"

#include "Corners.h"
#include "LogicalPixels.h"

TEST_F(TableTest, ANewBackReachesFaceDownCardsOnlyAndSparesTheEmptyStockMarker) {
    game->setScoreMode(smStandard);
    deal();
    play("t t"); // two cards face up on the waste
    game->changeBack(7);
    for (int n = 1; n <= 52; ++n) {
        const QImage& shown = scene().cards[n].image;
        const bool down = !st().cards[n].faceUp;
        EXPECT_EQ(shown.pixel(35, 48) == testBank().back(7).pixel(35, 48) &&
                      shown.pixel(20, 70) == testBank().back(7).pixel(20, 70),
                  down)
            << n;
    }
    EXPECT_EQ(scene().imagenew.cacheKey(), testBank().back(7).cacheKey()); // a full stock

    play("t*22");
    ASSERT_EQ(scene().imagenew.cacheKey(), testBank().impusto().cacheKey());
    game->changeBack(3);
    EXPECT_EQ(scene().imagenew.cacheKey(), testBank().impusto().cacheKey());
    play("F4"); // and the next redeal shows the new back
    EXPECT_EQ(scene().imagenew.cacheKey(), testBank().back(3).cacheKey());
    EXPECT_EQ(scene().cards[52].image.pixel(35, 48), testBank().back(3).pixel(35, 48));
}

TEST(DeviceRatio, CornersFollowLogicalPixelsAtTwiceTheResolution) {
    static const TBankForm sharp(2.0);
    ScriptedHost host;
    Game game(sharp, host, [] { return 45296789u; });
    game.setDrawThree(1);
    game.newgame();
    game.PanelMainClick(); // a three-card fan
    const auto& cards = game.scene().cards;
    EXPECT_EQ(cards[1].image.size(), QSize(142, 192));
    EXPECT_EQ(cards[1].image.devicePixelRatio(), 2.0);
    const QRgb green = kTableColour.rgb();
    // Logical pixel (0, 0) of the apex is a 2 x 2 block of table colour, (2, 2) is card.
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(cards[1].image.pixel(x, y), green);
    EXPECT_NE(cards[1].image.pixel(4, 4), green);
    // Inner top corners copy the whole block of the card above.
    const int n = 2; // row 2, left: its top-right from the apex
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(cards[n].image.pixel(140 + x, y), cards[1].image.pixel(64 + x, 80 + y));
    // The fan's second card shows the first card's body in its corner blocks.
    const int first = game.state().waste[1], second = game.state().waste[2];
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(cards[second].image.pixel(x, y), cards[first].image.pixel(30 + x, y));
}
