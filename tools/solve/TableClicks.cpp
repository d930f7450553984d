#include "TableClicks.h"

#include "PyramidShape.h"

#include <bit>

namespace {

std::uint32_t bit(int i) {
    return 1u << i;
}

int firstInStock(std::uint32_t stock) {
    return stock ? std::countr_zero(stock) : kTalonCards;
}

bool clickStockPlace(ClickedTable& table) {
    Position& s = table.problem.position;
    const Rules& rules = table.problem.rules;
    if (s.next < kTalonCards) {
        std::uint32_t stock = s.talon & ~(bit(s.next) - 1);
        for (int k = 0; k < rules.draw && stock; ++k)
            stock &= stock - 1;
        s.next = firstInStock(stock);
    } else {
        // An empty waste has nothing to return: the game deals anew instead.
        if (s.talon == 0 || (rules.passes != 0 && s.pass >= rules.passes))
            return false;
        ++s.pass;
        s.next = firstInStock(s.talon);
    }
    table.selected = 0; // turning lets go of a selected card
    return true;
}

int valueOf(const Layout& layout, int card) {
    return card <= kPyramidCards ? layout.pyramid[card - 1] : layout.talon[52 - card];
}

void removeCard(Position& s, int card) {
    if (card <= kPyramidCards)
        s.pyramid &= ~bit(card - 1);
    else
        s.talon &= ~bit(52 - card);
}

} // namespace

int openWasteOf(const Position& s) {
    const std::uint32_t turned = s.talon & (bit(s.next) - 1);
    return turned ? 31 - std::countl_zero(turned) : -1;
}

bool click(ClickedTable& table, int place) {
    Position& s = table.problem.position;
    if (place == kStockPlace)
        return clickStockPlace(table);
    if (place < 1 || place > 52)
        return false;
    if (place <= kPyramidCards) {
        if (!(PyramidShape::available(s.pyramid) & bit(place - 1)))
            return false;
    } else {
        const int t = 52 - place;
        // The stock's top card turns the stock, as a click on its place does.
        if (t == s.next && (s.talon & bit(t)))
            return clickStockPlace(table);
        if (t != openWasteOf(s))
            return false;
    }
    const Layout& layout = table.problem.layout;
    const int value = valueOf(layout, place);
    if (value == kKingValue) {
        removeCard(s, place);
        table.selected = 0;
    } else if (table.selected == place) {
        table.selected = 0;
    } else if (table.selected != 0 && valueOf(layout, table.selected) + value == kKingValue) {
        removeCard(s, table.selected);
        removeCard(s, place);
        table.selected = 0;
    } else {
        table.selected = place; // no partner: the new card takes the selection over
    }
    return true;
}
