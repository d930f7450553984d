#include "RedealPenalty.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

enum class Mode { OneCard, ThreeCard };

// The points paid for each of `cards` cards returned within one game.
std::vector<int> costs(Mode mode, int cards) {
    RedealPenalty penalty = RedealPenalty::fromInteger(mode == Mode::OneCard ? 12 : 4);
    std::vector<int> paid;
    for (int k = 0; k < cards; ++k) {
        paid.push_back(penalty.wholePart());
        mode == Mode::OneCard ? penalty.addHalf() : penalty.addSixth();
    }
    return paid;
}

// Runs of equal costs as (cost, length) pairs.
std::vector<std::pair<int, int>> runs(const std::vector<int>& paid) {
    std::vector<std::pair<int, int>> out;
    for (int cost : paid) {
        if (out.empty() || out.back().first != cost)
            out.push_back({cost, 0});
        ++out.back().second;
    }
    return out;
}

RedealPenalty afterSixths(int start, int steps) {
    RedealPenalty p = RedealPenalty::fromInteger(start);
    for (int k = 0; k < steps; ++k)
        p.addSixth();
    return p;
}

} // namespace

TEST(RedealPenalty, EachReturnedCardCostsMoreInRunsOfEqualCosts) {
    // One card: two of each cost from 12 on. Three cards: six of each cost
    // from 4 on, seven of 4 and five of 9; where the stored sum drifts from
    // the true one, 19 is paid once more and 38 once fewer.
    for (Mode mode : {Mode::OneCard, Mode::ThreeCard}) {
        const auto seen = runs(costs(mode, 300));
        EXPECT_GT(seen.size(), 40u);
        for (std::size_t i = 0; i + 1 < seen.size(); ++i) { // the last run is cut short
            const auto [cost, length] = seen[i];
            ASSERT_EQ(cost, (mode == Mode::OneCard ? 12 : 4) + int(i));
            const int expected = mode == Mode::OneCard     ? 2
                                 : cost == 4 || cost == 19 ? 7
                                 : cost == 9 || cost == 38 ? 5
                                                           : 6;
            EXPECT_EQ(length, expected) << "cost " << cost;
        }
    }
}

TEST(RedealPenalty, HalvesAreExactAndTruncateTowardZero) {
    RedealPenalty p = RedealPenalty::fromInteger(12);
    p.addHalf();
    EXPECT_EQ(p.wholePart(), 12);
    p.addHalf();
    EXPECT_EQ(p, RedealPenalty::fromInteger(13));

    RedealPenalty negative = RedealPenalty::fromInteger(-3);
    negative.addHalf(); // -2.5
    EXPECT_EQ(negative.wholePart(), -2);
    for (int k = 0; k < 5; ++k)
        negative.addHalf();
    EXPECT_EQ(negative, RedealPenalty()); // exactly +0, same bytes as the default
    EXPECT_EQ(negative.wholePart(), 0);

    // Sixths land exactly on whole numbers where the stored rounding allows.
    EXPECT_EQ(afterSixths(0, 6), RedealPenalty::fromInteger(1));
    EXPECT_EQ(afterSixths(4, 36), RedealPenalty::fromInteger(10));
}

TEST(RedealPenalty, WholeNumbersAreStoredExactly) {
    for (int v : {0, 1, 4, 12, 255, 1 << 20, -1, -7, 2147483647, -2147483647})
        EXPECT_EQ(RedealPenalty::fromInteger(v).wholePart(), v);
    EXPECT_EQ(RedealPenalty::fromInteger(0), RedealPenalty());
    EXPECT_NE(RedealPenalty::fromInteger(1), RedealPenalty::fromInteger(-1));
}
