// The playing panel and the status bar: building them, forwarding their
// clicks to the game and mirroring the game's scene on them.
#include "Form1.h"

#include "CardDrag.h"
#include "CardNames.h"
#include "ClickArea.h"
#include "Formbank.h"
#include "PictureControl.h"
#include "Texts.h"

#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QStatusBar>

namespace {

// A frame drawn over the cards that never takes their clicks, hidden at first.
QFrame* outline(QWidget* panel, const QColor& colour) {
    auto* frame = new QFrame(panel);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, colour);
    frame->setPalette(palette);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->hide();
    return frame;
}

} // namespace

void TForm1::createTable() {
    auto* client = new ClickArea(this);
    setCentralWidget(client);
    connect(client, &ClickArea::clicked, this, &TForm1::PanelMainClick);

    auto* panel = new ClickArea(client);
    panel->setFixedSize(613, 357);
    connect(panel, &ClickArea::clicked, this, &TForm1::PanelMainClick);
    PanelMain = panel;

    Imagenew = new PictureControl(0, PanelMain);
    Imagenew->setGeometry(10, 10, kCardWidth, kCardHeight);
    connect(Imagenew, &PictureControl::clicked, this, &TForm1::ImagenewClick);
    Imagelast = new PictureControl(-1, PanelMain);
    Imagelast->setGeometry(530, 10, kCardWidth, kCardHeight);
    connect(Imagelast, &PictureControl::clicked, this, &TForm1::ImageClick);

    frameBevel = outline(PanelMain, QColor(255, 255, 0));
    // The keyboard's ring: outside the selection frame and in another colour,
    // so both read at a glance when they stand on the same card.
    focusRing = outline(PanelMain, QColor(0, 220, 255));

    drag = new CardDrag(
        PanelMain, [this](int card) { return !engine->state().paused && engine->canTake(card); },
        [this](int card, int target) {
            engine->hideFocus();
            bool taken = false;
            act([&] { taken = engine->dropCard(card, target); });
            return taken;
        },
        [this](int card) { return engine->scene().cards[size_t(card)].pos; },
        [this] {
            shownStacking.clear(); // the dragged card was raised above the scene's order
            syncScene();
        });
}

void TForm1::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    bar->setFont(font);
    const int widths[3] = {100, 200, 50};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setFixedWidth(widths[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setAlignment((i == 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        bar->addWidget(panel);
        StatusGameBar[size_t(i)] = panel;
    }
}

void TForm1::N21Click() {
    // F2 again while a winnable deal is being looked for starts afresh.
    cancelDealSearch();
    act([this] { engine->N21Click(); });
}
void TForm1::ImagenewClick() {
    engine->hideFocus();
    act([this] { engine->ImagenewClick(); });
}
void TForm1::PanelMainClick() {
    engine->hideFocus();
    act([this] { engine->PanelMainClick(); });
}
void TForm1::TimerGameTimer() {
    act([this] { engine->TimerGameTimer(); });
}

void TForm1::ImageClick(PictureControl* control) {
    engine->hideFocus();
    act([&] { engine->ImageClick(control->tag()); });
}

void TForm1::syncFocus() {
    const Scene& sc = engine->scene();
    focusRing->setGeometry(sc.focusRect);
    focusRing->setVisible(sc.focusVisible);
    if (!sc.focusVisible)
        return;
    focusRing->raise();
    const GameState& s = engine->state();
    QWidget* focused = s.focus == kFocusOnStockPlace ? static_cast<QWidget*>(Imagenew)
                                                     : cardImages[size_t(s.focus)];
    const QString name = s.focus == kFocusOnStockPlace ? stockPlaceName(language)
                                                       : cardName(language, s.cards[s.focus]);
    if (focused == announced && focused->accessibleName() == name)
        return;
    // Screen readers hear the card the keys now act on.
    focused->setAccessibleName(name);
    announced = focused;
    QAccessibleEvent event(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void TForm1::syncScene() {
    const Scene& sc = engine->scene();
    syncCards();
    if (Imagenew->picture().cacheKey() != sc.imagenew.cacheKey())
        Imagenew->setPicture(sc.imagenew);
    frameBevel->setGeometry(sc.frameRect);
    frameBevel->setVisible(sc.frameVisible);
    syncFocus();
    for (size_t i = 0; i < 3; ++i)
        StatusGameBar[i]->setText(sc.panels[i]);
    syncMenus();
    judgeFreshDeal();
    // Starting a running clock again would shift its ticks; only switch it.
    if (sc.timerEnabled && !TimerGame.isActive())
        TimerGame.start();
    else if (!sc.timerEnabled && TimerGame.isActive())
        TimerGame.stop();
    dropStaleSearch();
}

void TForm1::syncCards() {
    const Scene& sc = engine->scene();
    if (!sc.cardsCreated)
        return;
    if (!cardImages[1]) {
        for (int n = 1; n <= kCardCount; ++n) {
            auto* card = new PictureControl(n, PanelMain);
            card->setFixedSize(kCardWidth, kCardHeight);
            connect(card, &PictureControl::clicked, this, &TForm1::ImageClick);
            drag->watch(card);
            card->show();
            cardImages[size_t(n)] = card;
        }
    }
    for (int n = 1; n <= kCardCount; ++n) {
        PictureControl* card = cardImages[size_t(n)];
        const CardPicture& picture = sc.cards[size_t(n)];
        if (n != drag->card()) // a dragged card follows the pointer until let go
            card->move(picture.pos);
        if (card->picture().cacheKey() != picture.image.cacheKey())
            card->setPicture(picture.image);
        if (shownCursors[size_t(n)] != picture.cursor) {
            card->setCursor(cursorFor(picture.cursor));
            shownCursors[size_t(n)] = picture.cursor;
        }
    }
    if (shownStacking != sc.stacking) {
        for (int item : sc.stacking) {
            if (item == kFrameItem)
                frameBevel->raise();
            else
                cardImages[size_t(item)]->raise();
        }
        shownStacking = sc.stacking;
    }
    if (const int dragged = drag->card())
        cardImages[size_t(dragged)]->raise();
}
