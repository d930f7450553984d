#include "TableFixture.h"

// Undo will rest on this: a copied state, put back after any kind of move,
// gives the very table it was copied from, pictures and stacking included.
TEST_F(TableTest, RestoringACopiedStateGivesBackItsScene) {
    struct Row {
        int drawThree;
        std::map<int, const char*> named;
        const char* before; // brings the table to the copied state
        const char* move;   // changes it
    } rows[] = {
        {0, {}, "", "t"},                           // one card turned
        {1, {}, "t", "t"},                          // a fan over a collapsed one
        {0, {{22, "5h"}, {23, "8c"}}, "", "22"},    // a selection and its frame
        {0, {{22, "5h"}, {23, "8c"}}, "22", "23"},  // a pair removed, 16 uncovered
        {0, {{28, "Kd"}}, "", "28"},                // a King removed
        {1, {{52, "Kd"}, {49, "Kh"}}, "t", "52 t"}, // the fan's top paired away
        {0, {}, "t*24", "F4"},                      // the waste returned
        {1, {{28, "Kh"}}, "28 t t", "F5"},          // paused: every face hidden
        {1, {{28, "Kh"}}, "28 t t F5", "F5"},       // and shown again
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.before) + " | " + row.move);
        restart();
        game->setScoreMode(smStandard);
        game->setDrawThree(row.drawThree);
        deal(row.named);
        play(row.before);
        const GameState copied = st();
        const Scene shown = scene();

        play(row.move);
        ASSERT_FALSE(st() == copied) << "the move changed nothing";
        ASSERT_NE(sceneDifference(scene(), shown), "");

        game->restore(copied);
        EXPECT_TRUE(st() == copied);
        EXPECT_EQ(sceneDifference(scene(), shown), "");
        expectSoundTable("the restore");
    }
}
