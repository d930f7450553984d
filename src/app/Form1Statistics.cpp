// The main window's side of the statistics: every finished game is counted
// in the store, each fresh deal is judged winnable or not off the window
// thread, and the Statistics command shows the figures.
#include "Form1.h"

#include "BackgroundSearch.h"
#include "ErrorReport.h"
#include "GamePosition.h"
#include "StatisticsDialog.h"
#include "StatisticsStore.h"
#include "Texts.h"

#include <QCloseEvent>

namespace {

// Verdicts kept for deals dealt again; a long session starts the list afresh.
constexpr size_t kVerdictsKept = 256;

quint64 verdictKey(quint32 dealNumber, int scoreMode, int drawThree) {
    return quint64(dealNumber) * 8 + quint64(scoreMode) * 2 + quint64(drawThree ? 1 : 0);
}

} // namespace

void TForm1::gameEnded(const GameResult& r) {
    // "Removal..." has deleted every record: leaving must not start new ones.
    if (storeRemoved)
        return;
    FinishedGame game = r;
    // A deal dealt again or chosen was met before, or picked: it says nothing
    // of the deals chance brings.
    const auto verdict = dealVerdicts.find(verdictKey(r.dealNumber, r.scoreMode, r.drawThree));
    if (!r.chosenDeal && verdict != dealVerdicts.end())
        game.winnable = verdict->second;
    reportingStoreErrors([&] { recordGame(game); });
}

std::optional<bool> TForm1::dealVerdict() const {
    const GameState& s = engine->state();
    const auto verdict =
        dealVerdicts.find(verdictKey(s.dealNumber, s.clock.scoreMode, s.drawThree));
    return verdict == dealVerdicts.end() ? std::nullopt : std::optional<bool>(verdict->second);
}

void TForm1::judgeFreshDeal() {
    const GameState& s = engine->state();
    if (!options.showHint || !s.gameRunning || s.moved || s.dealChosen)
        return;
    const quint64 key = verdictKey(s.dealNumber, s.clock.scoreMode, s.drawThree);
    if (key == dealJudged || dealVerdicts.count(key))
        return;
    if (!dealJudge) {
        // Its own search: a hint asked meanwhile must not call this one off.
        dealJudge = new BackgroundSearch(this);
        connect(dealJudge, &BackgroundSearch::answered, this,
                [this](const Problem&, const Solution& solution) {
                    if (solution.cancelled)
                        return;
                    if (dealVerdicts.size() >= kVerdictsKept)
                        dealVerdicts.clear();
                    dealVerdicts[dealJudged] = solution.winnable;
                });
    }
    dealJudged = key;
    dealJudge->start(dealtAt(s.dealNumber, rulesOf(s.clock.scoreMode, s.drawThree)));
}

void TForm1::menustatsClick() {
    if (!statistics)
        statistics = new StatisticsDialog(this);
    statistics->showStatistics(language, engine->state().clock.scoreMode, frameGeometry());
}

void TForm1::closeEvent(QCloseEvent* event) {
    // The game being left counts as lost, once, however the window closes.
    if (engine)
        engine->leave();
    QMainWindow::closeEvent(event);
}
