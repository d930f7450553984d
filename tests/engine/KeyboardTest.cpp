// Play from the keyboard and by dragging: where the focus goes, and that a
// key click or a drop does what the mouse clicks would.
#include "TableFixture.h"

#include <QRegularExpression>

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
        {"", 25, false},        // the middle of the bottom row
        {"key:Left", 25, true}, // the first key only shows the ring
        {"key:Left key:Left key:Left", 23, true},
        {"key:Tab key:Right key:Right key:Right key:Right", 28, true}, // the row's end stops it
        {"key:Tab key:Up", 0, true},           // up from the bottom row: the stock place
        {"key:Tab key:Up key:Down", 22, true}, // and down again to its nearest card
        {"key:Tab key:Tab key:Tab key:Tab", 28, true},
        {"key:Tab key:Tab key:Tab key:Tab key:Tab", 0, true}, // Tab wraps to the stock place
        {"key:Tab key:Backtab key:Backtab", 23, true},
        {"22 23", 25, false}, // a mouse pair leaves the focus alone
        {"key:Tab key:Left key:Left key:Left 22 23", 16, true}, // the card goes: nearest open one
        {"key:Tab key:Up key:Space", 0, true},            // Space on the stock place turns a card
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

// A drop is the two clicks of a pair, or a King's one click; anything else
// changes nothing.
TEST_F(TableTest, ADropTakesWhatTheClicksWouldAndNothingElse) {
    struct Row {
        const char* first;
        int card, target;
        const char* clicks; // the same by mouse; empty: the drop is refused
    };
    const Row rows[] = {
        {"", 22, 23, "22 23"},   {"", 23, 22, "23 22"},   {"", 24, 0, "24"},
        {"", 24, 22, "24"},      {"23", 22, 23, "22 23"}, {"25", 22, 23, "23 22"},
        {"52", 52, 28, "52 28"}, {"", 22, 25, ""},        {"", 22, 16, ""},
        {"", 16, 22, ""},        {"", 52, 28, ""},        {"F5", 22, 23, "22 23"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 | %2 on %3")
                         .arg(row.first)
                         .arg(row.card)
                         .arg(row.target)
                         .toStdString());
        restart();
        game->setShowDialog(false);
        deal({{22, "5h"}, {23, "8c"}, {24, "Kd"}, {52, "4d"}, {28, "9s"}});
        play(row.first);
        const GameState start = st();
        const QString before = dump();
        const bool taken = game->dropCard(row.card, row.target);
        const QString dropped = dump();
        EXPECT_EQ(taken, *row.clicks != 0);
        if (!taken) {
            EXPECT_EQ(dropped, before);
            continue;
        }
        game->restore(start);
        play(row.clicks);
        // The last pick left behind after a pair is not on the table.
        const QRegularExpression lastPick("selected: \\d+ ");
        EXPECT_EQ(QString(dropped).replace(lastPick, "selected: - "),
                  dump().replace(lastPick, "selected: - "));
    }
}

// On any table, Tab visits every item a click can take once per round, and an
// arrow never leaves them: played out over a few deals, turn by turn.
TEST_F(TableTest, TabVisitsEveryClickableItemAndArrowsStayOnThem) {
    for (const quint32 deal : {45296789u, 1000u, 86399999u}) {
        SCOPED_TRACE(deal);
        restart();
        game->setShowDialog(false);
        game->setScoreMode(smStandard);
        timeOfDay = deal;
        play("F2 key:Tab");
        for (int turn = 0; turn < 30 && st().gameRunning; ++turn) {
            const std::vector<int> items = game->focusItems();
            std::vector<int> visited;
            for (size_t i = 0; i < items.size(); ++i) {
                visited.push_back(st().focus);
                play("key:Tab");
            }
            std::sort(visited.begin(), visited.end());
            std::vector<int> sorted = items;
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(visited, sorted);
            for (const char* arrow : {"key:Left", "key:Up", "key:Right", "key:Down"}) {
                play(arrow);
                EXPECT_NE(std::find(items.begin(), items.end(), st().focus), items.end());
            }
            // Click what the ring is on, then turn a card, and look again.
            play("key:Space t");
        }
    }
}
