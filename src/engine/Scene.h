#pragma once

#include "Card.h"
#include "TableLook.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

// Cursor numbers: 0 the default arrow, 7001 the registered pointing hand.
inline constexpr int kDefaultCursor = 0;
inline constexpr int kHandCursorNumber = 7001;

// What the window shows, computed by the engine from the game state so every
// picture, position and text can be checked without a window. The main window
// only mirrors it.
struct CardPicture {
    QPoint pos;
    QImage image; // the store's picture where the corners look alike, else the card's own
    int cursor = kDefaultCursor;
};

struct MenuState {
    bool menurozdEnabled = false;    // "Return into pack" in the Game menu
    bool popmenurozdEnabled = false; // the same in the popup menu
    bool peretminusVisible = true;   // popup separator above it
    bool menupauseEnabled = false;
    bool menupscoreVisible = false; // separator above "Reset the score"
    bool menunilscoreVisible = false;
    bool N131Checked = false; // Test menu "Всегда 13"

    bool operator==(const MenuState&) const = default;
};

struct Scene {
    bool cardsCreated = false;
    std::array<CardPicture, kCardCount + 1> cards; // 1..52; slot 0 unused
    // Back to front: card numbers and kFrameItem. The last one is drawn on
    // top and takes the clicks where pictures overlap.
    std::vector<int> stacking;
    QImage imagenew; // the stock place under the stock cards
    bool frameVisible = false;
    QRect frameRect;
    bool focusVisible = false; // the keyboard's ring, outside the frame
    QRect focusRect;
    std::array<QString, 3> panels; // status bar: time, unused, score
    MenuState menu;
    bool timerEnabled = false;
};
