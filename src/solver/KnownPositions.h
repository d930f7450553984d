#pragma once

#include "ZeroedWords.h"

#include <cstddef>
#include <cstdint>
#include <utility>

// Positions whose outcome the search knows: lost ones, or won ones of a
// quick search. A position is stored as a class of positions (its identity,
// up to 58 bits, never 0) and a stage within the class: a later stage has
// fewer choices left than an earlier one, so a position lost at one stage is
// lost at every later stage too, and only the earliest stage is kept. Open
// addressing over one word per class.
class KnownPositions {
public:
    // Classes that differ only in the `neighbours` bits of their identity
    // start their probes at the same word, so looking up one after the other
    // mostly finds the second in the cache line the first brought in.
    explicit KnownPositions(std::uint64_t neighbours = 0)
        : words(kFirstSize), size(kFirstSize), home(~neighbours) {}

    // True when the class is known at this stage or an earlier one.
    bool knownAt(std::uint64_t identity, int stage) const {
        const std::uint64_t* word = find(identity);
        return word && *word != 0 && int(*word >> kStageShift) <= stage;
    }

    // The earliest stage the class is known at, or -1 when it is not known.
    int earliestStage(std::uint64_t identity) const {
        const std::uint64_t* word = find(identity);
        return *word ? int(*word >> kStageShift) : -1;
    }

    void store(std::uint64_t identity, int stage) {
        // Three quarters full: the hardest deals keep millions of positions,
        // and a probe rarely leaves its cache line even so.
        if (4 * (count + 1) > 3 * size)
            grow();
        std::uint64_t* word = find(identity);
        const std::uint64_t stored = identity | std::uint64_t(stage) << kStageShift;
        if (*word == 0)
            ++count;
        else if (int(*word >> kStageShift) <= stage)
            return;
        *word = stored;
    }

    std::size_t entries() const { return count; }
    std::size_t bytes() const { return size * sizeof(std::uint64_t); }

private:
    static constexpr int kStageShift = 58;
    static constexpr std::uint64_t kIdentityMask = (std::uint64_t(1) << kStageShift) - 1;
    static constexpr std::size_t kFirstSize = 1u << 12;

    std::size_t slotOf(std::uint64_t identity) const {
        std::uint64_t h = identity & home;
        h ^= h >> 33;
        h *= 0xff51afd7ed558ccdull;
        h ^= h >> 33;
        return std::size_t(h) & (size - 1);
    }

    // The word holding the class, or the empty word where it would go.
    const std::uint64_t* find(std::uint64_t identity) const {
        const std::size_t mask = size - 1;
        for (std::size_t i = slotOf(identity);; i = (i + 1) & mask)
            if (words[i] == 0 || (words[i] & kIdentityMask) == identity)
                return &words[i];
    }
    std::uint64_t* find(std::uint64_t identity) {
        return const_cast<std::uint64_t*>(std::as_const(*this).find(identity));
    }

    void grow() {
        ZeroedWords old = std::exchange(words, ZeroedWords(size * 2));
        const std::size_t oldSize = std::exchange(size, size * 2);
        for (std::size_t i = 0; i < oldSize; ++i)
            if (old[i] != 0)
                *find(old[i] & kIdentityMask) = old[i];
    }

    ZeroedWords words;
    std::size_t size;
    std::uint64_t home;
    std::size_t count = 0;
};
