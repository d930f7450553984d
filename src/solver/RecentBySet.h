#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// What a costly function of a set of cards (a bit mask below bit 31) gave for
// sets met lately. The search meets one pyramid with many talons in a row and
// one talon with many pyramids, so a few recent sets answer most questions.
// One slot per hash: a newer set simply takes an older one's place.
template <typename Value, int kBits = 10> class RecentBySet {
public:
    RecentBySet() : slots(std::size_t(1) << kBits) {}

    // `learn(value, set)` fills in the value of a set not at hand.
    template <typename Learn> const Value& of(std::uint32_t set, const Learn& learn) {
        Slot& slot = slots[(set * 2654435761u) >> (32 - kBits)];
        if (slot.tag != (set | kTagged)) {
            slot.tag = set | kTagged;
            learn(slot.value, set);
        }
        return slot.value;
    }

private:
    static constexpr std::uint32_t kTagged = 1u << 31; // 0 stays free for unused slots

    struct Slot {
        std::uint32_t tag = 0;
        Value value{};
    };
    std::vector<Slot> slots;
};
