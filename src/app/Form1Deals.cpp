// Numbered deals: "Select deal...", and the search behind "Deal only winnable
// games", which runs off the window thread while the table stays as it was.
#include "Form1.h"

#include "DealNumberDialog.h"
#include "GamePosition.h"
#include "OffThread.h"
#include "WinnableDeal.h"

#include <QApplication>

#include <utility>

namespace {

// A search quicker than this shows no busy cursor at all.
constexpr int kBusyCursorAfterMs = 100;

} // namespace

void TForm1::menuselectdealClick() {
    cancelDealSearch();
    DealNumberDialog dialog(this);
    const std::optional<quint32> number = dialog.ask(engine->state().dealNumber);
    if (number)
        act([&] { engine->selectDeal(*number); });
}

bool TForm1::postponeDeal() {
    if (!options.winnableOnly)
        return false;
    if (!dealSearch) {
        dealSearch = new OffThread(this);
        busyCursorDelay.setSingleShot(true);
        busyCursorDelay.setInterval(kBusyCursorAfterMs);
        connect(&busyCursorDelay, &QTimer::timeout, this, [this] {
            QApplication::setOverrideCursor(Qt::BusyCursor);
            busyCursorShown = true;
        });
    }
    cancelDealSearch();
    const quint32 start = timeOfDay();
    const Rules rules = rulesOf(engine->state().clock.scoreMode, engine->state().drawThree);
    dealSearch->start<WinnableDeal>(
        [start, rules](std::stop_token stop) { return findWinnableDeal(start, rules, stop); },
        [this](const WinnableDeal& found) {
            cancelDealSearch(); // only the cursor is left to put back
            act([&] { engine->dealPostponed(found.number); });
        });
    busyCursorDelay.start();
    return true;
}

void TForm1::cancelDealSearch() {
    if (!dealSearch)
        return;
    dealSearch->cancel();
    busyCursorDelay.stop();
    if (std::exchange(busyCursorShown, false))
        QApplication::restoreOverrideCursor();
}
