// The small memory of recent sets that the bounds and the keys lean on: a
// wrong answer there would quietly change verdicts.
#include "RecentBySet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>

TEST(RecentBySet, AnswersEachSetWithItsOwnValueAndLearnsItOnceWhileKept) {
    RecentBySet<std::uint32_t, 1> recent; // two slots: sets keep taking each other's
    std::map<std::uint32_t, int> learnt;
    const auto ask = [&](std::uint32_t set) {
        return recent.of(set, [&](std::uint32_t& value, std::uint32_t s) {
            ++learnt[s];
            value = ~s;
        });
    };
    // The empty set is a set like any other, not an unused slot.
    EXPECT_EQ(ask(0), ~0u);
    EXPECT_EQ(ask(0), ~0u);
    EXPECT_EQ(learnt[0], 1);
    for (const std::uint32_t set : {1u, 0x7fffffffu, 12345u, 0u, 1u, 0x0fffffffu, 12345u})
        EXPECT_EQ(ask(set), ~set) << set;

    learnt.clear();
    for (int round = 0; round < 3; ++round)
        EXPECT_EQ(ask(0x00abcdefu), ~0x00abcdefu);
    EXPECT_EQ(learnt[0x00abcdefu], 1);
}
