// Undo and redo: a move taken back leaves the table exactly as it was before
// the move, a move put back exactly as after it; only the score pays.
#include "TableFixture.h"

#include <QRegularExpression>

namespace {

// The dump as it reads with this score.
QString withScore(QString dump, int score) {
    dump.replace(QRegularExpression("score -?\\d+"), QStringLiteral("score %1").arg(score));
    dump.replace(QRegularExpression("\\|-?\\d+\\]"), QStringLiteral("|%1]").arg(score));
    return dump;
}

} // namespace

TEST_F(TableTest, UndoAndRedoReturnTheTableOfEveryMoveKind) {
    // 22 + 23 make 13, and 25 with the open waste card after one turn (52
    // with one card per turn, 50 with three); 24 is a King, and so is the
    // open waste card after two turns (51, or 47).
    const std::map<int, const char*> named = {{22, "5h"}, {23, "8c"}, {24, "Kd"}, {25, "9s"},
                                              {52, "4d"}, {50, "4s"}, {51, "Ks"}, {47, "Kh"}};
    const std::pair<const char*, const char*> rows[] = {
        // played first, then the move taken back and put back; a move's
        // first pick is no move, so it stays picked after the undo
        {"22", "23"},     // a pair in the pyramid
        {"25 22", "23"},  // a pair after a wrong first pick
        {"22", "24"},     // a King while another card is selected
        {"", "52"},       // a turn from the stock
        {"", "t"},        // a turn by a click on the table
        {"t w", "25"},    // the waste card with a pyramid card
        {"t t", "w"},     // a King from the waste
        {"t*8", "m"},     // a redeal from the stock place
        {"t*8", "F4"},    // a redeal from the menu
        {"22 F5", "23"},  // a pair whose click ends a pause
        {"22 23", "t*3"}, // three turns, taken back one by one
    };
    for (const int mode : {int(smStandard), int(smNone)}) {
        for (const int three : {0, 1}) {
            for (const auto& [first, move] : rows) {
                SCOPED_TRACE(QStringLiteral("%1 | %2, mode %3, three %4")
                                 .arg(first, move)
                                 .arg(mode)
                                 .arg(three)
                                 .toStdString());
                restart();
                game->setShowDialog(false);
                game->setScoreMode(mode);
                game->setDrawThree(three);
                deal(named);
                play(first);
                // Taken back, a move made by a click that ended a pause
                // leaves the table shown, as the click showed it.
                const GameState start = st();
                if (st().paused)
                    game->menupauseClick();
                const QString before = dump();
                game->restore(start);

                const int moves = QString(move).contains(u'*') ? 3 : 1;
                const int score = st().clock.score;
                play(move);
                const QString after = dump();
                const int gained = st().clock.score - score;
                const int cost = mode == smStandard ? kUndoCost : 0;
                for (int i = 0; i < moves; ++i)
                    play("undo");
                EXPECT_EQ(dump(), withScore(before, score - moves * cost));
                for (int i = 0; i < moves; ++i)
                    play("redo");
                EXPECT_EQ(dump(), withScore(after, score + gained - moves * cost));
                EXPECT_FALSE(game->canRedo());
            }
        }
    }
}

// Where the history ends: Casino keeps none, a new move forgets what was
// taken back, a new deal or a finished game forgets all, a pause holds it.
TEST_F(TableTest, UndoStopsAtTheEdgesOfAGame) {
    struct Row {
        int mode;
        const char* script;
        bool canUndo;
        bool canRedo;
    };
    const Row rows[] = {
        {smCasino, "22 23 t", false, false},
        {smStandard, "t t undo", true, true},
        {smStandard, "t t undo t", true, false},
        {smStandard, "t undo undo undo", false, true},
        {smStandard, "t F2", false, false},
        {smStandard, "t restart", false, false},
        {smStandard, "t stop", false, false},
        {smStandard, "t win", false, false},
        {smStandard, "t F5", false, false},
        {smStandard, "t F5 F5", true, false},
        {smStandard, "22", false, false}, // a selection alone is no move
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.script);
        restart();
        game->setShowDialog(false);
        game->setScoreMode(row.mode);
        deal({{22, "5h"}, {23, "8c"}});
        play(row.script);
        EXPECT_EQ(std::pair(game->canUndo(), game->canRedo()), std::pair(row.canUndo, row.canRedo));
    }

    // The clock goes on through an undo; with undo off nothing is kept.
    restart();
    game->setShowDialog(false);
    game->setScoreMode(smNone);
    deal();
    play("tick t tick tick undo");
    EXPECT_EQ(st().clock.gameSeconds, 3);
    EXPECT_EQ(scene().panels[0], "Time = 3");
    game->setUndoAllowed(false);
    play("t");
    EXPECT_FALSE(game->canUndo());

    // A long game keeps its latest moves only.
    game->setUndoAllowed(true);
    game->setScoreMode(smStandard);
    play("F2");
    for (std::size_t i = 0; i < kUndoDepth + 10; ++i)
        game->PanelMainClick();
    std::size_t undone = 0;
    for (; game->canUndo(); ++undone)
        game->undo();
    EXPECT_EQ(undone, kUndoDepth);
}
