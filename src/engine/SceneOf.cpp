#include "SceneOf.h"

#include "Corners.h"
#include "Formbank.h"
#include "Game.h"

#include <cstring>

namespace {

// Cards of the fan turned last lie 15 columns apart; earlier turns lie closed
// up on the first waste place.
QPoint wastePosition(const GameState& s, int index) {
    const int firstOfFan = s.wasteCount - s.lastFanCount + 1;
    if (s.wasteFanned && index >= firstOfFan)
        return s.slots[kWasteSlot + index - firstOfFan];
    return s.slots[kWasteSlot];
}

QPoint positionOf(const GameState& s, int n, const std::array<int, kCardCount + 1>& wasteIndex) {
    switch (s.cards[n].place) {
    case plStock:
        return s.slots[kStockSlot];
    case plCovered:
    case plOpen:
        return s.slots[n];
    case plDiscarded:
        return s.slots[kDiscardSlot];
    default:
        return wastePosition(s, wasteIndex[n]);
    }
}

int cursorOf(const GameState& s, int n) {
    const int place = s.cards[n].place;
    const bool playable = place == plStock || place == plWaste || place == plOpen;
    return playable ? s.handCursor : kDefaultCursor;
}

const QImage& stockPlacePicture(const GameState& s, const TBankForm& bank) {
    switch (s.stockPlace) {
    case StockPlaceShows::Back:
        return bank.back(s.deck);
    case StockPlaceShows::Cross:
        return bank.Imkrest();
    case StockPlaceShows::Ring:
        break;
    }
    return bank.impusto();
}

} // namespace

void SceneOf::repaint(int n, int art, const CardCorners& corners) {
    QImage& image = sc.cards[size_t(n)].image;
    const QImage& base = artPicture(bank, art);
    QImage before = std::move(image);
    if (!cornersDiffer(bank, corners, base)) {
        image = base;
    } else {
        // The spare is free once the window shows the newer picture; a picture
        // still held elsewhere is never painted over.
        QImage& buffer = spare[size_t(n)];
        if (buffer.isDetached() && buffer.size() == base.size() &&
            buffer.format() == base.format() && buffer.bytesPerLine() == base.bytesPerLine()) {
            std::memcpy(buffer.bits(), base.constBits(), size_t(base.sizeInBytes()));
            buffer.setDevicePixelRatio(base.devicePixelRatio());
            image = std::move(buffer);
        } else {
            image = base.copy();
        }
        paintCorners(bank, corners, image);
    }
    if (ownShown[size_t(n)])
        spare[size_t(n)] = std::move(before);
    ownShown[size_t(n)] = image.constBits() != base.constBits();
}

const Scene& SceneOf::operator()(const GameState& s) {
    sc.cardsCreated = s.cardsCreated;
    if (s.cardsCreated) {
        std::array<int, kCardCount + 1> wasteIndex{};
        for (int i = 1; i <= s.wasteCount; ++i)
            wasteIndex[s.waste[i]] = i;
        for (int n = 1; n <= kCardCount; ++n) {
            CardPicture& picture = sc.cards[size_t(n)];
            picture.pos = positionOf(s, n, wasteIndex);
            picture.cursor = cursorOf(s, n);
            const Look look{shownArt(s, n), s.corners[size_t(n)]};
            if (look != shown[size_t(n)]) {
                repaint(n, look.art, look.corners);
                shown[size_t(n)] = look;
            }
        }
    } else if (shown[1].art != 0) {
        sc.cards = {};
        shown = {};
        ownShown = {};
    }
    sc.stacking.assign(s.raiseOrder.begin(), s.raiseOrder.end());
    sc.imagenew = stockPlacePicture(s, bank);
    sc.frameVisible = s.framed != kNoFrame;
    if (sc.frameVisible) {
        const QPoint at =
            s.framed == kFrameOnStockPlace ? s.slots[kStockSlot] : sc.cards[size_t(s.framed)].pos;
        sc.frameRect = QRect(at - QPoint(4, 4), QSize(kCardWidth + 8, kCardHeight + 8));
    }
    sc.focusVisible = s.focusShown && s.focus != kNoFocus && s.cardsCreated;
    if (sc.focusVisible) {
        const QPoint at =
            s.focus == kFocusOnStockPlace ? s.slots[kStockSlot] : sc.cards[size_t(s.focus)].pos;
        sc.focusRect = QRect(at - QPoint(7, 7), QSize(kCardWidth + 14, kCardHeight + 14));
    }
    sc.panels = s.panels;
    sc.menu = s.menu;
    sc.timerEnabled = s.timerOn;
    return sc;
}
