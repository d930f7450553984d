#include "Bounds.h"

#include "Bits.h"

namespace {

std::uint32_t bit(int i) {
    return 1u << i;
}

// Talon cards with an index from `low` up to, not including, `high`.
std::uint32_t between(int low, int high) {
    return (bit(high) - 1) & ~(bit(low) - 1);
}

} // namespace

Bounds::Bounds(const Layout& layout, const Rules& rules)
    : rules(rules), apexValue(layout.pyramid[0]), layout(layout) {
    for (int i = 0; i < kPyramidCards; ++i)
        pyramidOfValue[layout.pyramid[i]] |= bit(i);
    for (int i = 0; i < kTalonCards; ++i)
        talonOfValue[layout.talon[i]] |= bit(i);
}

// Every pyramid card must go with a partner of the other value of its pair
// that is free at the same time; a talon card can partner any pyramid card
// but never another talon card. If the pyramid cards of values v and 13 - v
// cannot all be matched so, the position is lost. (Checking one side is
// enough: each pair takes one card of either value, so both values have as
// many cards left.)
bool Bounds::hopeless(const Position& s) const {
    const PyramidFacts& known = facts.of(
        s.pyramid, [this](PyramidFacts& slot, std::uint32_t onTable) { learn(slot, onTable); });
    for (int v = 1; v <= 6; ++v)
        if (known.talonPairs[v] > 0 &&
            bitCount(s.talon & talonOfValue[kKingValue - v]) < known.talonPairs[v])
            return true;
    const bool reserve = rules.draw == 1 && rules.passes == 0;
    return !reserve && (!apexPartnerCanLieOpen(s, known) || !talonPartnersCanLieOpen(s, known));
}

void Bounds::learn(PyramidFacts& known, std::uint32_t onTable) const {
    for (int v = 1; v <= 6; ++v) {
        const std::uint32_t low = onTable & pyramidOfValue[v];
        const std::uint32_t high = onTable & pyramidOfValue[kKingValue - v];
        known.talonPairs[v] = std::int8_t(bitCount(low) - matched(low, high));
    }
    std::array<std::uint32_t, kKingValue> partnersOf{}; // pyramid cards a value pairs with
    for (int v = 1; v < kKingValue; ++v)
        partnersOf[v] = onTable & pyramidOfValue[kKingValue - v];
    known.apexStuck = 0;
    if (apexValue != kKingValue) {
        for (int v = 1; v < kKingValue; ++v)
            if (partnersOf[v] == 0)
                known.apexStuck |= talonOfValue[v];
        if ((onTable & pyramidOfValue[apexValue]) == bit(0))
            known.apexStuck |= talonOfValue[kKingValue - apexValue];
    }
    known.needTalon = 0;
    for (std::uint32_t cards = onTable & ~bit(0); cards;) {
        const int p = takeLowest(cards);
        const int value = layout.pyramid[p];
        if (value == kKingValue || (partnersOf[value] & ~shape().apart(p)) != 0)
            continue;
        known.needTalon |= bit(p);
        const std::uint32_t waiting = shape().waiting(p) | bit(p);
        std::uint32_t stuck = 0;
        for (int v = 1; v < kKingValue; ++v)
            if ((partnersOf[v] & ~waiting) == 0)
                stuck |= talonOfValue[v];
        known.stuckWith[p] = stuck;
    }
}

// The most pairs pyramid cards `low` and `high` can form among themselves:
// a bipartite matching, at most four cards a side.
int Bounds::matched(std::uint32_t low, std::uint32_t high) const {
    std::array<std::int8_t, kPyramidCards> partnerOf;
    partnerOf.fill(-1);
    std::uint32_t visited = 0;
    const auto augment = [&](const auto& self, int a) -> bool {
        for (std::uint32_t candidates = high & ~pyramid.apart(a) & ~visited; candidates;) {
            const int b = takeLowest(candidates);
            visited |= bit(b);
            if (partnerOf[b] < 0 || self(self, partnerOf[b])) {
                partnerOf[b] = std::int8_t(a);
                return true;
            }
        }
        return false;
    };
    int pairs = 0;
    for (std::uint32_t left = low; left;) {
        visited = 0;
        if (augment(augment, takeLowest(left)))
            ++pairs;
    }
    return pairs;
}

// The apex goes last, and with a talon card, which must then lie open. Some
// talon cards can no longer leave before that: no partner is left for them
// in the pyramid, or only the apex is. Whatever of those lies on a partner
// of the apex keeps it covered.
bool Bounds::apexPartnerCanLieOpen(const Position& s, const PyramidFacts& known) const {
    if (apexValue == kKingValue)
        return true;
    const std::uint32_t stuck = known.apexStuck & s.talon;
    for (std::uint32_t partners = s.talon & talonOfValue[kKingValue - apexValue]; partners;) {
        const int t = takeLowest(partners);
        if (canLieOpen(s, t, stuck & ~bit(t)))
            return true;
    }
    return false;
}

// A pyramid card whose partners left in the pyramid all lie on it or under
// it must go with a talon card, open while the card is free. Until then the
// apex's own talon partner is still there, and so is every talon card whose
// partners all wait for this card. If no talon partner can lie open past
// those, the card can never go.
bool Bounds::talonPartnersCanLieOpen(const Position& s, const PyramidFacts& known) const {
    // The apex pairs last, so one of these outlasts every other card.
    const std::uint32_t apexPartners =
        apexValue == kKingValue ? 0 : s.talon & talonOfValue[kKingValue - apexValue];
    for (std::uint32_t cards = known.needTalon; cards;) {
        const int p = takeLowest(cards);
        const int value = layout.pyramid[p];
        const std::uint32_t stuck = known.stuckWith[p] & s.talon;
        bool open = false;
        for (std::uint32_t partners = s.talon & talonOfValue[kKingValue - value];
             partners && !open;) {
            const int t = takeLowest(partners);
            const std::uint32_t others = stuck & ~bit(t);
            if (apexValue == kKingValue) {
                open = canLieOpen(s, t, others);
                continue;
            }
            for (std::uint32_t last = apexPartners & ~bit(t); last && !open;)
                open = canLieOpen(s, t, others | bit(takeLowest(last)));
        }
        if (!open)
            return false;
    }
    return true;
}

// Whether talon card t can still come to lie open if every talon card but
// the `stuck` ones may yet leave at any time (so this may say yes too often,
// never too rarely).
bool Bounds::canLieOpen(const Position& s, int t, std::uint32_t stuck) const {
    const bool redeals = rules.passes == 0 || s.pass < rules.passes;
    // This pass: on the waste, nothing stuck may lie on it; from the stock,
    // it comes with the cards of its turn, which then lie on it.
    if (t < s.next) {
        if ((stuck & between(t + 1, s.next)) == 0)
            return true;
    } else if (rules.draw == 1) {
        return true;
    } else {
        const int before = bitCount(s.talon & between(s.next, t)) % 3;
        std::uint32_t after = s.talon & ~(bit(t + 1) - 1);
        bool covered = false;
        for (int k = before; k < 2 && after; ++k)
            covered |= (stuck & bit(takeLowest(after))) != 0;
        if (!covered)
            return true;
    }
    if (!redeals)
        return false;
    if (rules.draw == 1)
        return true; // in a later pass it is turned alone
    // A later pass: where its turn starts depends on how many cards before it
    // are left then, anywhere between the stuck ones and all of them; its
    // turn must not reach the first stuck card after it.
    const std::uint32_t after = s.talon & ~(bit(t + 1) - 1);
    if ((after & stuck) == 0)
        return true; // the cards after it may all be gone
    const int firstStuck = std::countr_zero(after & stuck);
    const int free = bitCount(after & ~stuck & (bit(firstStuck) - 1));
    if (free >= 2)
        return true; // enough to fill its turn wherever the turn starts
    const std::uint32_t ahead = s.talon & (bit(t) - 1);
    const int fewest = bitCount(ahead & stuck);
    const int most = bitCount(ahead);
    for (int count = fewest; count <= most && count <= fewest + 2; ++count)
        if (2 - count % 3 <= free)
            return true;
    return false;
}
