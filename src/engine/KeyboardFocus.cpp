// Keyboard play: the focus among the items a click can act on, and the
// names a screen reader is given for them.
#include "Game.h"

#include <algorithm>
#include <cstdlib>

QPoint Game::focusPoint(const Scene& sc, int item) const {
    const QPoint corner =
        item == kFocusOnStockPlace ? s.slots[kStockSlot] : sc.cards[size_t(item)].pos;
    return corner + QPoint(kCardWidth / 2, kCardHeight / 2);
}

std::vector<int> Game::focusItems() const {
    std::vector<int> items;
    if (!s.cardsCreated)
        return items;
    items.push_back(kFocusOnStockPlace);
    for (int n = 1; n <= kPyramidCount; ++n)
        if (s.cards[n].place == plOpen)
            items.push_back(n);
    if (const int waste = openWasteCard(); waste != 0 && s.cards[waste].place == plWaste)
        items.push_back(waste);
    // Reading order: row by row from the top, each from the left.
    const Scene& sc = scene();
    std::stable_sort(items.begin(), items.end(), [&](int a, int b) {
        const QPoint pa = focusPoint(sc, a), pb = focusPoint(sc, b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return items;
}

void Game::keepFocus() {
    const std::vector<int> items = focusItems();
    if (items.empty() || std::find(items.begin(), items.end(), s.focus) != items.end())
        return;
    // The nearest item to where the focus stood; before any deal, the first.
    // Measured from where the focused card lay: a card taken away already
    // lies on the discard pile.
    const Scene& sc = scene();
    QPoint from = focusPoint(sc, items.front());
    if (s.focus >= 1 && s.focus <= kPyramidCount)
        from = s.slots[size_t(s.focus)] + QPoint(kCardWidth / 2, kCardHeight / 2);
    else if (s.focus > kPyramidCount)
        from = s.slots[kWasteSlot] + QPoint(kCardWidth / 2, kCardHeight / 2);
    s.focus = *std::min_element(items.begin(), items.end(), [&](int a, int b) {
        return (focusPoint(sc, a) - from).manhattanLength() <
               (focusPoint(sc, b) - from).manhattanLength();
    });
}

void Game::moveFocus(FocusKey key) {
    keepFocus();
    const std::vector<int> items = focusItems();
    if (items.empty())
        return;
    if (!s.focusShown) {
        s.focusShown = true; // the first key shows where the focus stands
        return;
    }
    const auto at = std::find(items.begin(), items.end(), s.focus) - items.begin();
    const auto count = std::ptrdiff_t(items.size());
    if (key == FocusKey::Next || key == FocusKey::Previous) {
        const std::ptrdiff_t step = key == FocusKey::Next ? 1 : count - 1;
        s.focus = items[size_t((at + step) % count)];
        return;
    }
    // The nearest item on that side, keeping to the line of travel: a step
    // across it counts double.
    const Scene& sc = scene();
    const QPoint from = focusPoint(sc, s.focus);
    int best = s.focus;
    int bestCost = 0;
    for (int item : items) {
        const QPoint d = focusPoint(sc, item) - from;
        const int along = key == FocusKey::Left    ? -d.x()
                          : key == FocusKey::Right ? d.x()
                          : key == FocusKey::Up    ? -d.y()
                                                   : d.y();
        const int across = key == FocusKey::Left || key == FocusKey::Right ? d.y() : d.x();
        if (along <= 0)
            continue;
        const int cost = along + 2 * std::abs(across);
        if (best == s.focus || cost < bestCost) {
            best = item;
            bestCost = cost;
        }
    }
    s.focus = best;
}

void Game::clickFocus() {
    keepFocus();
    if (s.focus == kNoFocus || !s.cardsCreated)
        return;
    s.focusShown = true;
    if (s.focus != kFocusOnStockPlace)
        ImageClick(s.focus);
    else if (s.stockCount > 0)
        ImageClick(s.stock[s.stockCount]); // the stock's top card takes the click
    else
        ImagenewClick();
}
