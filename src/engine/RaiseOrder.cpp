#include "TableLook.h"

#include <algorithm>

void RaiseOrder::raise(int item) {
    auto* const end = order.begin() + count;
    auto* const it = std::find(order.begin(), end, std::uint8_t(item));
    if (it != end)
        std::rotate(it, it + 1, end);
    else
        order[count++] = std::uint8_t(item);
    order[count - 1] = std::uint8_t(item);
}
