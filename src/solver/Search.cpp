// An exhaustive depth-first search over positions, remembering the ones lost.
//
// Turning cards changes nothing on the table but which waste card is open, so
// it is not a move of its own: from each position the search walks the stock
// as far as the rules let it (turning, and redealing while passes are left)
// and tries every play with the waste card open on the way. Every play then
// removes a card, so no position can come back and a position once lost
// stays lost.
#include "Search.h"

#include "Bits.h"
#include "Bounds.h"
#include "EqualTalonCards.h"
#include "KnownPositions.h"
#include "PairsTried.h"
#include "RecentBySet.h"

#include <array>
#include <chrono>
#include <memory>

namespace {

struct Cancelled {};

std::uint32_t bit(int i) {
    return 1u << i;
}

int firstInStock(std::uint32_t talon) {
    return talon ? std::countr_zero(talon) : kTalonCards;
}

// The identity bits of a class that tell apart how the stock's turns fall
// and which pass it is; the other bits say which cards are left.
constexpr std::uint64_t kPassAndLinked = std::uint64_t(15) << 52;

// A position's class and stage in the table of known positions.
struct Key {
    std::uint64_t identity;
    int stage;
};

class Search {
public:
    Search(const Layout& layout, const Rules& rules, std::stop_token stop, std::uint64_t nodeLimit);
    bool visit(Position s, const PairsTried& refuted = {});

    std::uint64_t allNodes() const { return nodes + (relaxed ? relaxed->nodes : 0); }
    std::size_t allBytes() const {
        return lost.bytes() + (relaxed ? relaxed->lost.bytes() + wonFromReserve.bytes() : 0);
    }

    Line line;

private:
    Key keyOf(const Position& s) const;
    Position withEqualCardsFirst(const Position& s) const;
    int earliestLost(const Key& key, const Position& s) const;
    bool knownLost(const Key& key, const Position& s) const;
    void markLost(const Position& s, const Key& key);
    int afterTurn(std::uint32_t talon, int next) const;
    std::uint32_t playForced(Position& s);
    bool pyramidPairs(const Position& s, std::uint32_t free, PairsTried& tried);
    bool wastePlays(const Position& s, std::uint32_t free, const Key& key, int lostStage,
                    const PairsTried& tried);
    Key freshPassKey(const Key& key, int pass) const;
    int lostFrom(int stage, const Position& s) const;
    bool play(Position s, int turns, int waste, int partner, const PairsTried& tried);
    bool winnableFromReserve(const Position& s);

    const Layout& layout;
    const Rules rules;
    std::stop_token stop;
    const std::uint64_t nodeLimit; // 0: none
    // With one card per turn and no limit on passes every talon card can be
    // brought up at will, so the talon is a reserve whose order and whose
    // equal cards do not matter.
    const bool reserve;
    const Bounds bounds;
    KnownPositions lost;
    std::uint64_t nodes = 0;
    // Any play the stock allows is also a play with the talon as a reserve,
    // so a position lost that way is lost. Reserve searches are quick and
    // settle most lost positions long before the stock's order would.
    std::unique_ptr<Search> relaxed;
    KnownPositions wonFromReserve;
    mutable std::unique_ptr<EqualTalonCards> equalCards;
    mutable RecentBySet<std::uint64_t> reserveCounts;
};

Search::Search(const Layout& layout, const Rules& rules, std::stop_token stop,
               std::uint64_t nodeLimit)
    : layout(layout), rules(rules), stop(stop), nodeLimit(nodeLimit),
      reserve(rules.draw == 1 && rules.passes == 0), bounds(layout, rules),
      lost(reserve ? 0 : kPassAndLinked) {
    if (!reserve)
        relaxed = std::make_unique<Search>(layout, Rules{1, 0}, stop, nodeLimit);
    std::array<std::uint32_t, kTalonCards> sameValue{};
    for (int t = 0; t < kTalonCards; ++t)
        sameValue[t] = bounds.talonOf(layout.talon[t]);
    if (!reserve)
        equalCards = std::make_unique<EqualTalonCards>(sameValue);
}

// Turning moves the stock on by one card or three; from a position the
// turns reach later positions with three cards to a turn apart. Positions so
// linked form a class, and an earlier one has every choice a later one has
// (it can simply turn on). With one card per turn all positions are linked,
// and the empty stock lies at the end of every class.
Key Search::keyOf(const Position& s) const {
    std::uint64_t identity = s.pyramid;
    if (reserve) {
        // How many cards of each value the reserve holds; Kings go whenever wanted.
        const std::uint64_t counts =
            reserveCounts.of(s.talon, [this](std::uint64_t& counts, std::uint32_t talon) {
                counts = 0;
                for (int v = kKingValue - 1; v >= 1; --v)
                    counts = counts * 5 + std::uint64_t(bitCount(talon & bounds.talonOf(v)));
            });
        return {identity | counts << 28, 0};
    }
    const Position c = withEqualCardsFirst(s);
    const int linked =
        rules.draw == 1 || s.next == kTalonCards ? 0 : bitCount(s.talon & (bit(s.next) - 1)) % 3;
    identity |= std::uint64_t(c.talon) << 28 | std::uint64_t(linked) << 52;
    if (rules.passes == 0) {
        // Without a pass limit the positions a fresh pass reaches come round
        // again and again: they are all one.
        return {identity, linked == 0 ? 0 : c.next};
    }
    return {identity | std::uint64_t(s.pass) << 54, c.next};
}

// Equal talon cards are taken at their canonical places, and `next` follows
// the card it points at.
Position Search::withEqualCardsFirst(const Position& s) const {
    const EqualTalonCards::Places& places = equalCards->of(s.talon);
    const std::uint32_t stock = s.talon & ~(bit(s.next) - 1);
    Position c = s;
    c.talon = places.canonical;
    c.next = stock ? places.of[std::countr_zero(stock)] : kTalonCards;
    return c;
}

// The earliest stage at which the position's class is known lost, in this
// pass or an earlier one (a position lost with passes to spare is lost with
// fewer too), or -1.
int Search::earliestLost(const Key& key, const Position& s) const {
    if (rules.passes == 0)
        return lost.earliestStage(key.identity);
    int stage = -1;
    const std::uint64_t identity = key.identity & ~(std::uint64_t(3) << 54);
    for (int pass = 1; pass <= s.pass; ++pass) {
        const int earlier = lost.earliestStage(identity | std::uint64_t(pass) << 54);
        if (earlier >= 0 && (stage < 0 || earlier < stage))
            stage = earlier;
    }
    return stage;
}

bool Search::knownLost(const Key& key, const Position& s) const {
    const int stage = earliestLost(key, s);
    return stage >= 0 && stage <= key.stage;
}

// Stores a lost position, and with it the positions it can reach by turning
// on: the empty stock of this pass and the fresh start of the next.
void Search::markLost(const Position& s, const Key& key) {
    lost.store(key.identity, key.stage);
    if (reserve || s.next == kTalonCards)
        return;
    if (rules.passes == 0) {
        const Key end = freshPassKey(key, 0); // the empty stock and every fresh pass alike
        if (end.identity != key.identity)
            lost.store(end.identity, end.stage);
        return;
    }
    const Key fresh = freshPassKey(key, s.pass);
    lost.store(fresh.identity, kTalonCards); // the empty stock ends the pass's fresh class
    if (s.pass < rules.passes && s.talon != 0) {
        const Key next = freshPassKey(key, s.pass + 1);
        lost.store(next.identity, next.stage);
    }
}

// The class and stage of the position's fresh start in pass `pass`.
Key Search::freshPassKey(const Key& key, int pass) const {
    const std::uint64_t kept = (std::uint64_t(1) << 52) - 1;
    if (rules.passes == 0)
        return {key.identity & kept, 0};
    const std::uint32_t talon = std::uint32_t(key.identity >> 28) & kFullTalon;
    return {(key.identity & kept) | std::uint64_t(pass) << 54, firstInStock(talon)};
}

// The first talon card from which the position's class, turning on in this
// pass, is known lost from `stage` on (kTalonCards when none is).
int Search::lostFrom(int stage, const Position& s) const {
    if (reserve || stage < 0)
        return kTalonCards;
    // Stages count canonical places; the canonical place grows with the card.
    const EqualTalonCards::Places& places = equalCards->of(s.talon);
    for (std::uint32_t stock = s.talon & ~(bit(s.next) - 1); stock;) {
        const int t = takeLowest(stock);
        if (places.of[t] >= stage)
            return t;
    }
    return kTalonCards;
}

// Where the stock stands after one turn from `next`.
int Search::afterTurn(std::uint32_t talon, int next) const {
    std::uint32_t stock = talon & ~(bit(next) - 1);
    for (int k = 0; k < rules.draw && stock; ++k)
        stock &= stock - 1;
    return firstInStock(stock);
}

bool Search::visit(Position s, const PairsTried& refuted) {
    if ((nodes++ & 1023) == 0 && (stop.stop_requested() || (nodeLimit && nodes > nodeLimit)))
        throw Cancelled{};
    const std::size_t mark = line.size();
    const std::uint32_t free = playForced(s);
    if (s.pyramid == 0)
        return true;
    // The table first: most positions met are known, and the bounds cost more.
    const Key key = keyOf(s);
    // Only positions with fewer cards are stored below, so this stays true.
    const int lostStage = earliestLost(key, s);
    if (!(lostStage >= 0 && lostStage <= key.stage) && !bounds.hopeless(s)) {
        PairsTried tried = refuted.within(s.pyramid);
        if (winnableFromReserve(s) &&
            (pyramidPairs(s, free, tried) || wastePlays(s, free, key, lostStage, tried)))
            return true;
        markLost(s, key);
    }
    line.resize(mark);
    return false;
}

// Plays what any winning line must play and may as well play now: a free
// King of the pyramid, and two free pyramid cards of which one can go with
// no other card. Taking either costs nothing else, and every other play is
// still there afterwards. Returns the free pyramid cards left.
std::uint32_t Search::playForced(Position& s) {
    for (;;) {
        bool again = false;
        const std::uint32_t free = PyramidShape::available(s.pyramid);
        for (std::uint32_t left = free; left;) {
            const int a = takeLowest(left);
            if (!(s.pyramid & bit(a)))
                continue; // gone with a partner this round
            const int value = layout.pyramid[a];
            if (value == kKingValue) {
                s.pyramid &= ~bit(a);
                line.push_back(a + 1);
                again = true;
                continue;
            }
            const int partner = kKingValue - value;
            const std::uint32_t partners =
                s.pyramid & bounds.pyramidOf(partner) & ~bounds.shape().apart(a);
            if (bitCount(partners) != 1 || (s.talon & bounds.talonOf(partner)) != 0 ||
                (partners & free) == 0)
                continue;
            s.pyramid &= ~(bit(a) | partners);
            line.push_back(a + 1);
            line.push_back(std::countr_zero(partners) + 1);
            again = true;
        }
        if (!again)
            return free;
    }
}

bool Search::pyramidPairs(const Position& s, std::uint32_t free, PairsTried& tried) {
    for (std::uint32_t left = free; left;) {
        const int a = takeLowest(left);
        std::uint32_t partners = left & bounds.pyramidOf(kKingValue - layout.pyramid[a]);
        while (partners) {
            const int b = takeLowest(partners);
            const std::uint32_t pair = bit(a) | bit(b);
            if (tried.has(pair))
                continue;
            Position next = s;
            next.pyramid &= ~pair;
            line.push_back(a + 1);
            line.push_back(b + 1);
            if (visit(next, tried))
                return true;
            line.resize(line.size() - 2);
            tried.add(pair);
        }
    }
    return false;
}

bool Search::wastePlays(const Position& s, std::uint32_t free, const Key& key, int lostStage,
                        const PairsTried& tried) {
    Position w = s;
    const int lostAt = lostFrom(lostStage, s);
    int turns = 0;
    int redeals = 0;
    std::uint32_t valuesTried = 0;
    for (;;) {
        if (redeals == 0 && w.next >= lostAt && w.next < kTalonCards)
            return false; // turning on has reached a position known lost
        const std::uint32_t turned = w.talon & (bit(w.next) - 1);
        if (turned) {
            const int open = 31 - std::countl_zero(turned);
            const int value = layout.talon[open];
            if (value == kKingValue) {
                if (play(w, turns, open, -1, tried))
                    return true;
                // One card at a time, a King gone from the waste spoils no
                // later play; every later position is reached without it.
                if (rules.draw == 1)
                    return false;
            } else if (!(reserve && (valuesTried & bit(value)))) {
                valuesTried |= bit(value);
                for (std::uint32_t partners = free & bounds.pyramidOf(kKingValue - value);
                     partners;)
                    if (play(w, turns, open, takeLowest(partners), tried))
                        return true;
            }
        }
        if (w.next < kTalonCards) {
            w.next = afterTurn(w.talon, w.next);
        } else {
            const bool passesLeft = rules.passes == 0 ? redeals == 0 : w.pass < rules.passes;
            if (w.talon == 0 || !passesLeft)
                return false;
            ++redeals;
            ++w.pass;
            w.next = firstInStock(w.talon);
            // Every play from the fresh pass on has been tried if it is known lost.
            if (!reserve && knownLost(freshPassKey(key, w.pass), w))
                return false;
        }
        ++turns;
        if (rules.passes == 0 && redeals > 0 && w.next == s.next)
            return false; // round again: nothing new from here on
    }
}

// Turns the stock `turns` times, then takes talon card `waste` alone (a King)
// or with pyramid card bit `partner`.
bool Search::play(Position s, int turns, int waste, int partner, const PairsTried& tried) {
    const std::size_t mark = line.size();
    for (int k = 0; k < turns; ++k)
        line.push_back(kStockPlace);
    line.push_back(talonCardNumber(waste));
    s.talon &= ~bit(waste);
    if (partner >= 0) {
        line.push_back(partner + 1);
        s.pyramid &= ~bit(partner);
    }
    if (visit(s, tried))
        return true;
    line.resize(mark);
    return false;
}

bool Search::winnableFromReserve(const Position& s) {
    if (!relaxed)
        return true;
    const Position asReserve{s.pyramid, s.talon, 0, 1};
    const std::uint64_t identity = relaxed->keyOf(asReserve).identity;
    if (wonFromReserve.knownAt(identity, 0))
        return true;
    const bool won = relaxed->visit(asReserve);
    relaxed->line.clear();
    if (won)
        wonFromReserve.store(identity, 0);
    return won;
}

} // namespace

Solution solve(const Problem& problem, std::stop_token stop, std::uint64_t nodeLimit) {
    const auto start = std::chrono::steady_clock::now();
    Solution solution;
    Search search(problem.layout, problem.rules, std::move(stop), nodeLimit);
    Position s = problem.position;
    if (s.next < kTalonCards) // the stock starts at its first card still there
        s.next = firstInStock(s.talon & ~(bit(s.next) - 1));
    try {
        solution.winnable = search.visit(s);
    } catch (const Cancelled&) {
        solution.cancelled = true;
    }
    if (solution.winnable)
        solution.line = std::move(search.line);
    solution.nodes = search.allNodes();
    solution.memoryBytes = search.allBytes();
    solution.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return solution;
}
