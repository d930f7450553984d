// The two commands that ask the exact search: "Hint" and "Winnable?". The
// search runs off the window thread; any change of the position cancels it,
// so an answer always belongs to the table the player is looking at.
#include "Form1.h"

#include "AnyMove.h"
#include "BackgroundSearch.h"
#include "GamePosition.h"
#include "Texts.h"

#include <QMessageBox>

#include <utility>

namespace {

void tell(QWidget* owner, int caption, int text) {
    QMessageBox(QMessageBox::Information, langtext(caption), langtext(text), QMessageBox::Ok, owner)
        .exec();
}

} // namespace

void TForm1::menuhintClick() {
    askSearch(true);
}

void TForm1::menuwinnableClick() {
    askSearch(false);
}

void TForm1::askSearch(bool hint) {
    if (!engine->state().gameRunning || !options.showHint)
        return;
    (hint ? hintWanted : answerWanted) = true;
    if (!search) {
        search = new BackgroundSearch(this);
        connect(search, &BackgroundSearch::answered, this, &TForm1::searchAnswered);
    }
    const Problem problem = problemOf(engine->state());
    // Asked again while the answer is on its way: it will do for both.
    if (const Problem* running = search->running(); !running || !(*running == problem))
        search->start(problem);
}

void TForm1::dropStaleSearch() {
    const Problem* running = search ? search->running() : nullptr;
    if (!running ||
        (options.showHint && engine->state().gameRunning && *running == problemOf(engine->state())))
        return;
    search->cancel();
    hintWanted = false;
    answerWanted = false;
}

void TForm1::searchAnswered(const Problem& problem, const Solution& solution) {
    const bool hint = std::exchange(hintWanted, false);
    const bool answer = std::exchange(answerWanted, false);
    if (!engine->state().gameRunning || !(problemOf(engine->state()) == problem))
        return;
    if (hint) {
        // With no winning line left the player still gets a move to make.
        const Line line = solution.winnable ? solution.line : anyMove(problem);
        if (!line.empty())
            act([&] { engine->hintframe(hintedClick(engine->state(), line)); });
        if (!solution.winnable)
            tell(this, 230, 232);
    }
    if (answer)
        tell(this, 231, solution.winnable ? 233 : 234);
}
