// Thousands of random clicks, keys, ticks and option changes in every mode,
// checking after each that no card is lost, doubled or misplaced and that the
// scene shows the piles as they are.
#include "RandomPlay.h"
#include "TableFixture.h"

TEST(RandomPlay, EveryCardStaysInExactlyOnePlace) {
    for (int mode : {smCasino, smStandard, smNone})
        for (int drawThree : {0, 1}) {
            std::mt19937 rng(unsigned(1000 + mode * 10 + drawThree));
            RandomAnswers host(rng);
            quint32 clock = 1;
            Game game(testBank(), host, [&clock] { return clock; });
            game.setScoreMode(mode);
            game.setDrawThree(drawThree);
            game.newgame();
            for (int step = 0; step < 4000; ++step) {
                ++clock;
                randomAction(game, rng);
                const std::string broken = checkTable(game, testBank());
                ASSERT_EQ(broken, "")
                    << "mode " << mode << " three " << drawThree << " step " << step << "\n"
                    << game.dump().toStdString();
            }
        }
}
