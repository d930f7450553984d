// Play from the keyboard: where the focus goes and what a key click does.
#include "TableFixture.h"

// On a fresh deal the bottom row (22..28) and the stock place (0) can be
// clicked; 22 + 23 make 13, and so do the stock's top card 52 and 28. The
// waste lies right of the stock place, both above the pyramid's left half.
TEST_F(TableTest, TheFocusMovesAmongTheCardsAClickCanTakeAndFollowsRemovals) {
    struct Row {
        const char* script;
        int focus;
        bool shown;
    };
    const Row rows[] = {
        {"", 25, false},                         // the middle of the bottom row
        {"key:Left", 25, true},                  // the first key only shows the ring
        {"key:Left key:Left key:Left", 23, true},
        {"key:Tab key:Right key:Right key:Right key:Right", 28, true}, // the row's end stops it
        {"key:Tab key:Up", 0, true},             // up from the bottom row: the stock place
        {"key:Tab key:Up key:Down", 22, true},   // and down again to its nearest card
        {"key:Tab key:Tab key:Tab key:Tab", 28, true},
        {"key:Tab key:Tab key:Tab key:Tab key:Tab", 0, true}, // Tab wraps to the stock place
        {"key:Tab key:Backtab key:Backtab", 23, true},
        {"22 23", 25, false},                    // a mouse pair leaves the focus alone
        {"key:Tab key:Left key:Left key:Left 22 23", 16, true}, // the card goes: nearest open one
        {"key:Tab key:Up key:Space", 0, true},   // Space on the stock place turns a card
        {"key:Tab key:Up key:Space key:Right", 52, true}, // the waste card takes the focus too
        {"key:Tab key:Up key:Space key:Right key:Space key:Down", 22, true}, // waste to row
        {"key:Tab key:Up key:Space key:Right key:Space key:Down key:Right*6 key:Space", 27,
         true}, // 52 then 28 by keys: a pair, and the focus goes to the nearest card
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.script);
        restart();
        game->setShowDialog(false);
        deal({{22, "5h"}, {23, "8c"}, {52, "4d"}, {28, "9s"}});
        play(row.script);
        EXPECT_EQ(std::pair(st().focus, st().focusShown), std::pair(row.focus, row.shown));
        EXPECT_EQ(scene().focusVisible, row.shown);
    }
}

// A key click is a mouse click: the same table, move for move.
TEST_F(TableTest, SpaceClicksTheFocusedItemAsTheMouseWould) {
    const std::pair<const char*, const char*> rows[] = {
        {"key:Tab key:Left key:Left key:Left key:Space key:Right key:Space", "22 23"},
        {"key:Tab key:Up key:Space key:Space", "52 51"},
        {"key:Tab key:Left key:Space key:Space", "24 24"}, // picked and let go
    };
    for (const auto& [keys, clicks] : rows) {
        SCOPED_TRACE(keys);
        restart();
        game->setShowDialog(false);
        deal({{22, "5h"}, {23, "8c"}});
        const GameState start = st();
        play(keys);
        const QString byKeys = dump();
        game->restore(start);
        play(clicks);
        EXPECT_EQ(dump(), byKeys);
    }
}
