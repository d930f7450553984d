// The table of known positions: a class lost and then forgotten, or one
// remembered that was never stored, would change a verdict without a sound.
#include "KnownPositions.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Distinct, non-zero 58-bit classes, spread like real ones.
std::uint64_t classNumber(std::uint64_t i) {
    return ((i + 1) * 0x9e3779b97f4a7c15ull) >> 6;
}

} // namespace

// Enough classes to grow the table well past the size where its memory is
// mapped in large pages, so every grow and both kinds of memory are crossed.
TEST(KnownPositions, KeepsEveryClassAtItsEarliestStageThroughEachGrowth) {
    constexpr std::uint64_t kClasses = 600'000;
    KnownPositions known(std::uint64_t(15) << 52);
    for (std::uint64_t i = 0; i < kClasses; ++i)
        known.store(classNumber(i), int(i % 30) + 1);
    for (std::uint64_t i = 0; i < kClasses; i += 3)
        known.store(classNumber(i), int(i % 30) + 5); // later: changes nothing
    for (std::uint64_t i = 1; i < kClasses; i += 3)
        known.store(classNumber(i), 0); // earlier: kept
    EXPECT_EQ(known.entries(), kClasses);
    EXPECT_GT(known.bytes(), std::size_t(4) << 20);

    for (std::uint64_t i = 0; i < kClasses; ++i) {
        const int stage = i % 3 == 1 ? 0 : int(i % 30) + 1;
        ASSERT_EQ(known.earliestStage(classNumber(i)), stage) << i;
        ASSERT_TRUE(known.knownAt(classNumber(i), stage)) << i;
        ASSERT_FALSE(known.knownAt(classNumber(i), stage - 1)) << i;
        ASSERT_FALSE(known.knownAt(classNumber(i + kClasses), 63)) << i;
    }
}
