#pragma once

// A second, deliberately plain search to check the real one against: it
// keeps the stock and the waste as the lists the game keeps, makes every
// click a move of its own (each turn, each redeal) and prunes nothing.

#include "Game.h"
#include "Problem.h"

#include <cstring>
#include <optional>
#include <string_view>
#include <unordered_set>

struct PlainTable {
    std::array<int, 53> values{}; // pair values by card number
    std::uint32_t removed = 0;    // bit n - 1: pyramid card n is gone
    // Stock then waste, card numbers: the stock's top is entry stockCount - 1,
    // the open waste card the last entry.
    std::array<char, 24> talon{};
    int stockCount = 0;
    int wasteCount = 0;
    int pass = 1;
    int draw = 1;
    int passes = 0; // 0: no limit

    char* waste() { return talon.data() + stockCount; }
    int talonCount() const { return stockCount + wasteCount; }
};

inline PlainTable plainTableOf(const GameState& s) {
    PlainTable t;
    for (int n = 1; n <= kCardCount; ++n) {
        t.values[n] = pairValueOfRank(s.cards[n].rank);
        if (n <= kPyramidCount && s.cards[n].place == plDiscarded)
            t.removed |= 1u << (n - 1);
    }
    for (int i = 1; i <= s.stockCount; ++i)
        t.talon[t.stockCount++] = char(s.stock[i]);
    for (int i = 1; i <= s.wasteCount; ++i)
        if (s.waste[i] != 0)
            t.talon[t.stockCount + t.wasteCount++] = char(s.waste[i]);
    t.draw = s.drawThree ? 3 : 1;
    if (s.clock.scoreMode == smCasino) {
        t.passes = s.drawThree ? 3 : 1;
        t.pass = s.casinoPass;
    }
    return t;
}

class PlainSearch {
public:
    // Whether some sequence of clicks clears the pyramid (`line` then holds
    // it), or nothing when more than `budget` positions would be needed.
    std::optional<bool> solve(const PlainTable& t, std::size_t budget) {
        seen.clear();
        line.clear();
        limit = budget;
        try {
            return visit(t);
        } catch (const std::size_t&) {
            return std::nullopt;
        }
    }
    Line line;

private:
    bool isFree(const PlainTable& t, int n) const {
        if (t.removed >> (n - 1) & 1)
            return false;
        const int row = pyramidRow(n);
        return row == 7 || ((t.removed >> (n + row - 1) & 1) && (t.removed >> (n + row) & 1));
    }

    // The whole table in 32 bytes: what is gone, the stock, the waste and,
    // when passes are limited, the pass.
    using Key = std::array<char, 32>;
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return std::hash<std::string_view>()(std::string_view(k.data(), k.size()));
        }
    };

    Key keyOf(const PlainTable& t) const {
        Key key{};
        std::memcpy(key.data(), &t.removed, 4);
        key[4] = char(t.stockCount);
        key[5] = char(t.passes != 0 ? t.pass : 0);
        std::copy(t.talon.begin(), t.talon.begin() + t.talonCount(), key.begin() + 6);
        return key;
    }

    bool attempt(const PlainTable& t, std::initializer_list<int> clicks) {
        line.insert(line.end(), clicks);
        if (visit(t))
            return true;
        line.resize(line.size() - clicks.size());
        return false;
    }

    bool visit(const PlainTable& t) {
        if (t.removed & 1u) // the apex is gone: won
            return true;
        if (!seen.insert(keyOf(t)).second)
            return false;
        if (seen.size() > limit)
            throw seen.size();
        std::array<int, 28> free{};
        int freeCount = 0;
        for (int n = 1; n <= kPyramidCount; ++n)
            if (isFree(t, n))
                free[std::size_t(freeCount++)] = n;
        for (int i = 0; i < freeCount; ++i) {
            const int a = free[std::size_t(i)];
            PlainTable next = t;
            if (t.values[a] == 13) {
                next.removed |= 1u << (a - 1);
                if (attempt(next, {a}))
                    return true;
                continue;
            }
            for (int j = i + 1; j < freeCount; ++j) {
                const int b = free[std::size_t(j)];
                if (t.values[a] + t.values[b] != 13)
                    continue;
                next = t;
                next.removed |= (1u << (a - 1)) | (1u << (b - 1));
                if (attempt(next, {a, b}))
                    return true;
            }
        }
        if (t.wasteCount > 0) {
            const int w = t.talon[std::size_t(t.talonCount() - 1)];
            PlainTable next = t;
            --next.wasteCount;
            if (t.values[w] == 13 && attempt(next, {w}))
                return true;
            for (int i = 0; i < freeCount; ++i) {
                const int a = free[std::size_t(i)];
                if (t.values[a] + t.values[w] != 13)
                    continue;
                PlainTable paired = next;
                paired.removed |= 1u << (a - 1);
                if (attempt(paired, {w, a}))
                    return true;
            }
        }
        PlainTable next = t;
        if (t.stockCount > 0) {
            // Turning moves the stock's top cards onto the waste: in the list,
            // the boundary moves and the turned cards reverse.
            const int n = std::min(t.draw, t.stockCount);
            std::array<char, 24> turned{};
            for (int k = 0; k < n; ++k)
                turned[std::size_t(k)] = t.talon[std::size_t(t.stockCount - 1 - k)];
            std::copy(t.talon.begin() + t.stockCount, t.talon.begin() + t.talonCount(),
                      next.talon.begin() + t.stockCount - n);
            std::copy(turned.begin(), turned.begin() + n, next.talon.begin() + t.talonCount() - n);
            next.stockCount -= n;
            next.wasteCount += n;
            return attempt(next, {kStockPlace});
        }
        if (t.wasteCount == 0 || (t.passes != 0 && t.pass >= t.passes))
            return false;
        // A redeal: the waste, turned over, becomes the stock.
        std::reverse(next.talon.begin(), next.talon.begin() + t.wasteCount);
        next.stockCount = t.wasteCount;
        next.wasteCount = 0;
        ++next.pass;
        return attempt(next, {kStockPlace});
    }

    std::unordered_set<Key, KeyHash> seen;
    std::size_t limit = 0;
};
