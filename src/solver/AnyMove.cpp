#include "AnyMove.h"

#include "Bits.h"
#include "PyramidShape.h"

namespace {

std::uint32_t bit(int i) {
    return 1u << i;
}

// The talon index of the open waste card: the last card turned in this pass
// that is still there. -1 while the waste shows none.
int openWaste(const Position& s) {
    const std::uint32_t turned = s.talon & (bit(s.next) - 1);
    return turned ? 31 - std::countl_zero(turned) : -1;
}

bool stockPlays(const Rules& rules, const Position& s) {
    if (s.next < kTalonCards)
        return true;
    const bool wasteLeft = s.talon != 0;
    return wasteLeft && (rules.passes == 0 || s.pass < rules.passes);
}

} // namespace

Line anyMove(const Problem& problem) {
    const Layout& layout = problem.layout;
    const Position& s = problem.position;
    const std::uint32_t free = PyramidShape::available(s.pyramid);
    const int waste = openWaste(s);
    const int wasteValue = waste < 0 ? 0 : layout.talon[waste];

    Line best;
    int bestCleared = -1;
    int bestFreed = -1;
    const auto consider = [&](std::uint32_t cleared, Line move) {
        const int count = bitCount(cleared);
        const int freed = bitCount(PyramidShape::available(s.pyramid & ~cleared) & ~free);
        if (count > bestCleared || (count == bestCleared && freed > bestFreed)) {
            best = std::move(move);
            bestCleared = count;
            bestFreed = freed;
        }
    };
    for (std::uint32_t left = free; left;) {
        const int a = takeLowest(left);
        const int value = layout.pyramid[a];
        if (value == kKingValue)
            consider(bit(a), {a + 1});
        for (std::uint32_t others = left; others;) {
            const int b = takeLowest(others);
            if (value + layout.pyramid[b] == kKingValue)
                consider(bit(a) | bit(b), {a + 1, b + 1});
        }
        if (value + wasteValue == kKingValue)
            consider(bit(a), {a + 1, talonCardNumber(waste)});
    }
    if (wasteValue == kKingValue)
        consider(0, {talonCardNumber(waste)});
    if (best.empty() && stockPlays(problem.rules, s))
        best = {kStockPlace};
    return best;
}
