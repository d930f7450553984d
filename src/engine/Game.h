#pragma once

#include "Card.h"
#include "GameHost.h"
#include "Geometry.h"
#include "Random.h"
#include "RedealPenalty.h"
#include "Scene.h"
#include "SceneOf.h"
#include "Score.h"

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

class TBankForm;

// Where the keyboard focus starts after a deal: the bottom row's middle
// card, right under the apex.
inline constexpr int kFirstFocus = 25;

// Points an undo costs in Standard mode.
inline constexpr int kUndoCost = 5;
// Moves kept for undo; older ones are let go. A state is under 2 KiB, so a
// game that turns the stock for hours stays within a few MiB.
inline constexpr std::size_t kUndoDepth = 2000;

// Everything one game is made of, under the names the team uses.
struct GameState {
    std::array<Card, kCardCount + 1> cards{}; // 1..52
    SlotTable slots{};

    // Piles, 1-based: the top of the stock is stock[stockCount]. A waste entry
    // 0 marks a card paired away; wasteCount only falls to 0.
    std::array<std::uint8_t, kStockSize + 1> stock{};
    std::uint8_t stockCount = 0;
    std::array<std::uint8_t, kStockSize + 1> waste{};
    std::uint8_t wasteCount = 0;
    std::uint8_t fanCount = 0;     // cards of the last fan still on the waste
    std::uint8_t lastFanCount = 0; // size of the fan turned last

    std::uint8_t selectedCard = 0;
    bool selectionActive = false;
    std::int32_t clickedCard = -1;
    bool forwardedClick = false;
    bool alwaysThirteen = false;

    // The deal's number: the UTC millisecond of the day that seeded its shuffle.
    quint32 dealNumber = 0;
    bool dealChosen = false; // dealt again or chosen by number
    bool moved = false;      // the game has had a move and is not yet counted
    std::uint32_t moves = 0; // moves made since the program started
    std::uint32_t deals = 0; // deals made since the program started
    int scoreBeforeDeal = 0; // the score before the stake, for the game's points

    bool gameRunning = false;
    bool paused = false;
    std::uint8_t casinoPass = 1;
    RedealPenalty redealPenalty;
    ScoreClock clock;
    bool timerOn = false;

    // The look of the table where the piles leave it open (see TableLook.h).
    bool cardsCreated = false; // the 52 pictures are on the table from the first deal on
    RaiseOrder raiseOrder;
    std::array<CardCorners, kCardCount + 1> corners{};
    StockPlaceShows stockPlace = StockPlaceShows::Ring;
    bool wasteFanned = false; // the last turn spread three cards
    int framed = kNoFrame;
    int focus = kNoFocus;    // the item the keys act on
    bool focusShown = false; // its ring is up: keys have been used since the last mouse click
    MenuState menu;
    std::array<QString, 3> panels; // status bar as last written: time, unused, score

    // Options, set by the main window from the settings.
    int drawThree = 0;
    bool saveScore = true;
    bool showDialog = true;
    bool newCards = true;
    int handCursor = kHandCursorNumber;
    int deck = 2;
    int language = 2; // of the status-bar texts: 1 Russian, 2 English

    bool operator==(const GameState&) const = default;
};

// The store picture card n shows: its face when face up, else the current back.
inline std::uint8_t shownArt(const GameState& s, int n) {
    const Card& c = s.cards[n];
    return std::uint8_t(c.faceUp ? c.code : kBackArt + s.deck);
}

// The rules of the game and the scene they produce. The main window calls the
// handlers below for clicks, keys, menu commands and clock ticks, then mirrors
// scene() on screen.
class Game {
public:
    Game(const TBankForm& bank, GameHost& host, TimeOfDaySource timeOfDay = systemTimeOfDay());

    const GameState& state() const { return s; }
    // The scene of the current state, made again only where the state changed.
    const Scene& scene() const { return sceneOf(s); }
    // Puts the game back to a state copied from state(); the scene follows.
    void restore(const GameState& state) { s = state; }

    // Options from the settings and the options dialog.
    void setScoreMode(int mode) { s.clock.scoreMode = mode; }
    void setDrawThree(int on) { s.drawThree = on ? 1 : 0; }
    void setSaveScore(bool on) { s.saveScore = on; }
    void setShowDialog(bool on) { s.showDialog = on; }
    void setNewCards(bool on) { s.newCards = on; }
    void setHandCursor(int cursor) { s.handCursor = cursor; }
    // The language of the status-bar texts from the next one written on.
    // The deal's number in the middle panel follows at once.
    void setLanguage(int language);
    // The cursor option changed: the hand (or the arrow, for 0) goes at once
    // onto the stock, waste and uncovered pyramid cards, the arrow elsewhere.
    void applyCursorOption(int handCursor);
    // New score mode, cards mode or keep-score value. While a game runs the
    // player is asked first (with "Show messages" on); No keeps the old rules
    // and returns false. Otherwise score and clock start from zero, the status
    // bar is cleared and a running game is dealt anew.
    bool changeRules(int scoreMode, int drawThree, bool saveScore);

    // --- Dealing -----------------------------------------------------------
    // Starts a game: asks first when one is running, shuffles, deals, charges
    // the stake and starts the clock.
    void newgame();
    void N21Click() { newgame(); }
    // The host's answer to a postponed deal: deals deal `number`
    // (0..86,399,999) under the current rules, asking nothing.
    void dealPostponed(quint32 number) { deal(number % kDealNumbers, false); }
    // "Select deal..." and "Restart deal": ask first like a new game, then
    // deal that number, or the current deal again. A deal chosen so enters
    // neither the winners tables nor a winning streak.
    void selectDeal(quint32 number);
    void restartDeal();
    // The player leaves: a game with a move counts as lost.
    void leave() { countEnd(false); }

    // --- Card pictures --------------------------------------------------------
    // The current back design becomes back n (1..12); the table is not touched.
    void loaddeckimage(int n);
    // Every face-down card shows the current back.
    void loadalldeck();
    // The current back design, then every card's face (shown when face up),
    // every card with all four corners in the table colour.
    void loadallimage();
    // The back chooser's choice: new back on every face-down card and on a
    // full stock place; the empty-stock markers stay.
    void changeBack(int n);

    // --- Play ----------------------------------------------------------------
    // A click on card picture `tag` (1..52, -1 for the discard place).
    void ImageClick(int tag) {
        asMove([&] { cardClick(tag); });
    }
    // A click on the stock place: redeal when the waste has entries, else a new game.
    void ImagenewClick() {
        asMove([&] { stockPlaceClick(); });
    }
    // A click on the free table: turns the next card or redeals (option NewCards).
    void PanelMainClick() {
        asMove([&] { tableClick(); });
    }
    // "Return into pack" (F4).
    void menurozdClick() {
        asMove([&] { peretasowka(); });
    }

    // --- Keyboard play ----------------------------------------------------------
    // The arrows move the focus to the nearest item that can be clicked in
    // their direction (open pyramid cards, the open waste card, the stock
    // place); Tab and Shift+Tab step through them in reading order. The first
    // key only brings up the ring where the focus stands.
    enum class FocusKey { Left, Right, Up, Down, Next, Previous };
    void moveFocus(FocusKey key);
    // Space or Enter: clicks the focused item exactly as the mouse would.
    void clickFocus();
    // A mouse click puts the ring away; the focus stays where it was.
    void hideFocus() { s.focusShown = false; }
    // A card dragged and dropped: onto a card it pairs with, the pair goes
    // exactly as two clicks would take it; a King goes wherever it is
    // dropped. False, and nothing changed, for any other drop or a card
    // that could not be clicked.
    bool dropCard(int card, int target) {
        bool taken = false;
        asMove([&] { taken = dropOnto(card, target); });
        return taken;
    }
    // Whether card n could be clicked now, and so dragged.
    bool canTake(int card) const;
    // What can take the focus now, in reading order: kFocusOnStockPlace and card numbers.
    std::vector<int> focusItems() const;

    // --- Undo and redo ---------------------------------------------------------
    // Takes back the last move of this game (a pair or King removed, a card or
    // three turned, a redeal), or puts back the move taken back last. Table,
    // piles, selection and score return to what they were; the clock goes on.
    // An undo costs kUndoCost points in Standard mode and nothing without a
    // score. Casino keeps no history: its stake and passes are the game.
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    // The option: with undo off no history is kept.
    void setUndoAllowed(bool on);
    // Pause (F5): pauses or resumes.
    void menupauseClick() { gamepause(); }
    // "Reset the score": asks, zeroes score and clock, deals anew.
    void menunilscoreClick();
    // Test menu: declare the game won, stop the game, toggle "every pair counts".
    void N5Click() { gamevictory(); }
    void N7Click() {
        countEnd(false);
        gambol(false);
    }
    void N131Click();
    // The key chord Ctrl+Alt+Shift+Q holds the test flag; any key release clears it.
    void setAlwaysThirteen(bool on) { s.alwaysThirteen = on; }
    // One second of the game clock.
    void TimerGameTimer();

    // A hint: the selection frame goes round card n (1..52), or round the
    // stock place for 0. A selected card the framed one pairs with stays
    // selected; any other selection ends. Nothing else changes.
    void hintframe(int card);

    int pairValue(int card) const { return pairValueOfRank(s.cards[card].rank); }
    // The card of the highest non-empty waste entry, or 0.
    int openWasteCard() const;

    // Test seam: gives the cards of the current deal these codes (1..52 for
    // card numbers 1..52), as if the shuffle had produced them.
    void presetCodes(const std::array<int, kCardCount + 1>& codes);

    // A compact text picture of the table: every card's place and face, the
    // piles, the selection and the status-bar texts.
    QString dump() const;

private:
    // Deal
    void deal(quint32 number, bool chosen);
    void createcard();
    void randomsort();
    void applyCodes(const std::array<int, kCardCount + 1>& codes);
    void razdacha();
    void loadfrontimage(int card);
    void ownCorners(int card);

    // Corners
    void ugol(int card, int place);
    void ugol28();
    void ugol3(int card, int position);
    // Fanned cards keep the look of the card beneath after a full repaint.
    void repaintFanCorners();
    void fanCorners(int card, int beneath);

    // Undo and redo
    // A move kept: the state on the other side of it (before it on the
    // history, after it once taken back) and the points the move made.
    struct Move {
        GameState state;
        int gained = 0;
    };
    bool historyKept() const;
    void forgetHistory();
    // Runs a player's action; when it makes a move of the running game, the
    // move goes onto the history and the moves taken back are forgotten.
    template <typename Action> void asMove(Action action);
    void returnTo(const GameState& target, int points);
    // After every action: a focus on an item that can no longer be clicked
    // goes to the nearest one that can.
    void keepFocus();
    QPoint focusPoint(const Scene& sc, int item) const;

    // Pairing
    bool dropOnto(int card, int target);
    void cardClick(int tag);
    void checksum();
    void bito();
    void nobito();
    void cancelhod();
    void showframe(int card);
    void frameAt(int item);
    void checkpos3();
    void updateStockMarker();

    // Stock and waste
    void pos0to1();
    void postanowka3();
    void val3minus(int card);
    void removeFromWaste(int card);
    void stockPlaceClick();
    void tableClick();
    void endSelection();
    void peretasowka();
    void newkazinogame();
    void menuperet(bool turned);
    void mnback(bool enabled);
    bool casinoPassesUsedUp() const;

    // End of game
    void countEnd(bool won);
    void markMoved() {
        s.moved = true;
        ++s.moves;
    }
    void gambol(bool on);
    void winner();
    void gamevictory();

    // Score, clock and pause
    void showscore();
    void showtime();
    void showDealNumber();
    void gamepause();
    void nopause();
    void setTimer(bool on) { s.timerOn = on; }

    const TBankForm& bank;
    GameHost& host;
    TimeOfDaySource timeOfDay;
    GameState s;
    mutable SceneOf sceneOf{bank};
    std::deque<Move> history;
    std::deque<Move> undone; // moves taken back, the last on top
    bool undoAllowed = true;
    bool inAction = false;
};

template <typename Action> void Game::asMove(Action action) {
    if (inAction || !historyKept()) {
        action();
        if (!inAction)
            keepFocus();
        return;
    }
    inAction = true;
    GameState before = s;
    action();
    inAction = false;
    keepFocus();
    // A click that deals starts the history afresh; one that ends the game
    // has forgotten it already.
    if (s.moves == before.moves || s.deals != before.deals || !s.gameRunning)
        return;
    const int gained = s.clock.score - before.clock.score;
    history.push_back({std::move(before), gained});
    if (history.size() > kUndoDepth)
        history.pop_front();
    undone.clear();
}
