#pragma once

// A second, deliberately plain search to check the real one against: it
// keeps the stock and the waste as the lists the game keeps, makes every
// click a move of its own (each turn, each redeal) and prunes nothing.

#include "Game.h"
#include "Geometry.h"

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

struct PlainTable {
    std::array<int, 53> values{}; // pair values by card number
    std::uint32_t removed = 0;    // bit n - 1: pyramid card n is gone
    std::string stock, waste;     // card numbers as chars, the tops last
    int pass = 1;
    int draw = 1;
    int passes = 0; // 0: no limit
};

inline PlainTable plainTableOf(const GameState& s) {
    PlainTable t;
    for (int n = 1; n <= kCardCount; ++n) {
        t.values[n] = pairValueOfRank(s.cards[n].rank);
        if (n <= kPyramidCount && s.cards[n].place == plDiscarded)
            t.removed |= 1u << (n - 1);
    }
    for (int i = 1; i <= s.stockCount; ++i)
        t.stock += char(s.stock[i]);
    for (int i = 1; i <= s.wasteCount; ++i)
        if (s.waste[i] != 0)
            t.waste += char(s.waste[i]);
    t.draw = s.drawThree ? 3 : 1;
    if (s.clock.scoreMode == smCasino) {
        t.passes = s.drawThree ? 3 : 1;
        t.pass = s.casinoPass;
    }
    return t;
}

class PlainSearch {
public:
    // Whether some sequence of clicks clears the pyramid, or nothing when
    // more than `budget` positions would be needed to tell.
    std::optional<bool> solve(const PlainTable& t, std::size_t budget) {
        seen.clear();
        limit = budget;
        try {
            return visit(t);
        } catch (const std::size_t&) {
            return std::nullopt;
        }
    }

private:
    static PlainTable without(PlainTable t, int card) {
        t.removed |= 1u << (card - 1);
        return t;
    }

    bool visit(const PlainTable& t) {
        if (t.removed & 1u) // the apex is gone: won
            return true;
        const int pass = t.passes != 0 ? t.pass : 0;
        if (!seen.insert(std::to_string(t.removed) + '|' + t.stock + '|' + t.waste + char(pass))
                 .second)
            return false;
        if (seen.size() > limit)
            throw seen.size();
        std::vector<int> free;
        for (int n = 1; n <= kPyramidCount; ++n) {
            const Covering c = coveringCards(n);
            const auto gone = [&t](int card) { return (t.removed >> (card - 1) & 1) != 0; };
            if (!gone(n) && (pyramidRow(n) == 7 || (gone(c.left) && gone(c.right))))
                free.push_back(n);
        }
        for (std::size_t i = 0; i < free.size(); ++i) {
            const int a = free[i];
            if (t.values[a] == 13 && visit(without(t, a)))
                return true;
            for (std::size_t j = i + 1; j < free.size(); ++j)
                if (t.values[a] + t.values[free[j]] == 13 && visit(without(without(t, a), free[j])))
                    return true;
        }
        PlainTable next = t;
        if (!t.waste.empty()) {
            const int w = t.waste.back();
            next.waste.pop_back();
            if (t.values[w] == 13 && visit(next))
                return true;
            for (int a : free)
                if (t.values[a] + t.values[w] == 13 && visit(without(next, a)))
                    return true;
            next = t;
        }
        if (!t.stock.empty()) {
            for (int k = 0; k < t.draw && !next.stock.empty(); ++k) {
                next.waste += next.stock.back();
                next.stock.pop_back();
            }
            return visit(next);
        }
        if (t.waste.empty() || (t.passes != 0 && t.pass >= t.passes))
            return false;
        // A redeal: the waste, turned over, becomes the stock.
        next.stock.assign(t.waste.rbegin(), t.waste.rend());
        next.waste.clear();
        ++next.pass;
        return visit(next);
    }

    std::unordered_set<std::string> seen;
    std::size_t limit = 0;
};
