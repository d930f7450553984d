#include "WinnableDeal.h"

#include "GamePosition.h"
#include "Random.h"
#include "Search.h"

std::optional<WinnableDeal> findWinnableDeal(quint32 start, const Rules& rules,
                                             std::stop_token stop) {
    RandomGenerator candidates(start);
    WinnableDeal found{start % kDealNumbers, 0};
    for (;;) {
        ++found.tries;
        const Solution s = solve(dealtAt(found.number, rules), stop, kWinnableTryNodes);
        if (stop.stop_requested())
            return std::nullopt;
        if (s.winnable)
            return found;
        found.number = quint32(candidates.next() * kDealNumbers);
    }
}
