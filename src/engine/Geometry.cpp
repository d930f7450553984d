#include "Geometry.h"

void razmetka(SlotTable& slots) {
    slots.fill(QPoint(0, 0));
    slots[kStockSlot] = QPoint(10, 10);
    slots[31] = QPoint(85, 10);
    slots[32] = QPoint(100, 10);
    slots[33] = QPoint(115, 10);
    slots[kDiscardSlot] = QPoint(530, 10);
    int n = 1;
    for (int r = 1; r <= kPyramidRows; ++r)
        for (int k = 1; k <= r; ++k)
            slots[n++] = QPoint(77 * k - 38 * r + 250, 40 * r - 30);
}

int pyramidRow(int n) {
    int r = 1;
    while (r * (r + 1) / 2 < n)
        ++r;
    return r;
}

Covering coveringCards(int n) {
    const int r = pyramidRow(n);
    return {n + r, n + r + 1};
}
