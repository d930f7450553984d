// The move a hint frames when no winning line is left.
#include "AnyMove.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Every pyramid card a 2, every talon card a 2 (no two of them pair), but for
// the values named by card number; the bottom row's cards are 22..28 and the
// waste's first card is card 52.
Problem table(const std::map<int, int>& values, int next = 0, int pass = 1, int passes = 0) {
    Problem p;
    p.layout.pyramid.fill(2);
    p.layout.talon.fill(2);
    for (const auto& [card, value] : values) {
        if (card <= kPyramidCards)
            p.layout.pyramid[card - 1] = std::uint8_t(value);
        else
            p.layout.talon[52 - card] = std::uint8_t(value);
    }
    p.rules = {1, passes};
    p.position.next = next;
    p.position.pass = pass;
    return p;
}

} // namespace

TEST(AnyMove, TakesTheMostPyramidCardsThenFreesTheMostThenTheStock) {
    const struct {
        const char* what;
        Problem problem;
        Line move;
    } rows[] = {
        {"a pyramid pair before a King", table({{22, 6}, {23, 7}, {24, 13}}), {22, 23}},
        {"the pair that frees card 21 before lower ones",
         table({{22, 6}, {25, 7}, {27, 6}, {28, 7}}),
         {27, 28}},
        {"a pair with the open waste card", table({{23, 1}, {27, 1}, {52, 12}}, 1), {23, 52}},
        {"a waste card beneath the open one is no partner", table({{23, 1}, {52, 12}}, 2), {0}},
        {"a King on the waste", table({{52, 13}}, 1), {52}},
        {"no play: the stock turns", table({}), {kStockPlace}},
        {"empty stock, passes without limit: redeal", table({}, kTalonCards), {kStockPlace}},
        {"empty stock, a Casino pass left: redeal", table({}, kTalonCards, 1, 3), {kStockPlace}},
        {"empty stock, the last Casino pass: nothing", table({}, kTalonCards, 1, 1), {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(anyMove(row.problem), row.move) << row.what;

    // A card gone from the table plays no more, and a card it uncovered does.
    Problem gone = table({{22, 6}, {23, 7}, {16, 13}});
    gone.position.pyramid &= ~((1u << 21) | (1u << 22));
    EXPECT_EQ(anyMove(gone), Line{16});
}
