// The main window's side of the winners tables: the hand-off of a won game
// and the Winners command.
#include "Form1.h"

#include "ErrorReport.h"
#include "Texts.h"
#include "WinnersTables.h"
#include "enterfrm.h"
#include "frmvict.h"
#include "zarvek_win.h"

void TForm1::readscore() {
    // The table as the game left it, with the clock stopped, before the
    // banner's loops run: ticks meanwhile must not reach a finished game.
    syncScene();
    const ScoreClock clock = engine->state().clock;
    const int k = clock.scoreMode;
    const bool chosen = engine->state().dealChosen;
    const auto deal = qint32(engine->state().dealNumber);
    const QRect r = frameGeometry();
    reportingStoreErrors([&] {
        // A deal dealt again or chosen by number could be practised to a
        // record: the banner says so, and no name is asked for.
        const bool best = !chosen && qualifies(k, clock.score, clock.gameSeconds);
        const int banner = chosen ? kBannerChosenDeal : best ? kBannerBest : kBannerVictory;
        FormVict->pokaz(language, banner, r.left(), r.top(), r.width(), r.height());
        if (best) {
            FormEnter->frmshow(r.top(), r.left(), r.height(), r.width());
            const QString name = FormEnter->getentername();
            Formwin->newwinner(k, clock.score, clock.gameSeconds, name, deal);
        }
        Formwin->showpage(language, k + 1, r.top(), r.left(), r.height(), r.width());
    });
}

void TForm1::menuwinnClick() {
    const QRect r = frameGeometry();
    const int page = engine->state().clock.scoreMode + 1;
    reportingStoreErrors(
        [&] { Formwin->showpage(language, page, r.top(), r.left(), r.height(), r.width()); });
}
