#pragma once

#include "Game.h"
#include "Settings.h"

#include <QCursor>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class BackgroundSearch;
class CardDrag;
class OffThread;
class ClickArea;
struct Problem;
struct Solution;
class HelpWindow;
class PictureControl;
class QAction;
class QDialog;
class QFrame;
class QLabel;
class QMenu;
class StatisticsDialog;

// The main window: the green card table with its menus, status bar and the
// game clock. It owns the game and mirrors the game's scene after every
// click, key, command and tick; the rules themselves live in the engine.
class TForm1 : public QMainWindow, public GameHost {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;
    void setVisible(bool visible) override;

    Game& game() { return *engine; }
    // Where new games take the time of day that seeds their shuffle; tests fix it.
    static inline TimeOfDaySource timeOfDay = systemTimeOfDay();
    Settings& settings() { return options; }

    // Components, under their form names.
    QWidget* PanelMain;
    PictureControl* Imagenew;  // the stock place
    PictureControl* Imagelast; // the discard place
    QFrame* frameBevel;        // the selection frame
    QFrame* focusRing;         // the keyboard's focus, while keys are in use
    QTimer TimerGame;
    std::array<QLabel*, 3> StatusGameBar{};
    // The 52 card pictures, created at the first new game; slot 0 unused.
    std::array<PictureControl*, kCardCount + 1> cardImages{};

    QMenu* N1;  // File
    QMenu* N12; // Game
    QMenu* N4;  // Test
    QMenu* Popup1;
    QAction *menuopt, *menudeck, *N13, *N11, *N3;
    QAction *N21, *menurozd, *menupause, *menuwinn, *menupscore, *menunilscore;
    QAction *N5, *N7, *N131;
    QAction *N9, *peretminus, *popmenurozd;
    QAction *menupsolve, *menuhint, *menuwinnable; // separator, "Hint", "Winnable?"
    QAction *menuselectdeal, *menurestartdeal, *menuundo, *menuredo;
    QAction* menustats; // "Statistics" (F6)

    // Writes every text of the current language into the windows.
    void loadmyres();
    // Mode 0 reads the stored settings and applies them, mode 1 writes them.
    void readwriteini(int mode);
    // The language chooser, then every text in the language picked.
    void changelang();
    // Asks, then deletes everything the program stored and ends it.
    void uninstall();
    // Places the window by its outer (framed) rectangle.
    void setOuterGeometry(const QRect& outer);
    // Set once the stored settings have been read, so they are read once a run.
    bool settingsRead = false;
    // The help file of the current language.
    QString helpFile;
    // Attaches the popup menu while the option is on.
    void setpopup();
    // The cursor registered under a number: 0 the arrow, 7001 the hand.
    QCursor cursorFor(int number) const;
    // The help viewer, created at its first use.
    HelpWindow& helpWindow();
    // The help contents over a modal dialog, usable while the dialog stays
    // open; when the dialog closes the help stays open over the table.
    void helpOver(QDialog* dialog);

    // GameHost
    bool ask(Question question) override;
    // A won game: the banner, the name of a winner whose result enters the
    // current mode's table, then that table.
    void readscore() override;
    // With "Deal only winnable games" on, the deal comes from a search off the
    // window thread; the table stays as it is meanwhile.
    bool postponeDeal() override;
    // Counts the game in the statistics, with its deal's verdict when known.
    void gameEnded(const GameResult& result) override;
    // Whether the current deal could be won as dealt, once the search has said.
    std::optional<bool> dealVerdict() const;

public Q_SLOTS:
    void N21Click();
    void N3Click();
    void N13Click();
    void N11Click();
    void menudeckClick();
    void menuoptClick();
    void menuwinnClick();
    void ImageClick(PictureControl* control);
    void ImagenewClick();
    void PanelMainClick();
    void TimerGameTimer();
    // "Hint" (H): frames the next click of a winning line, or says none is left.
    void menuhintClick();
    // "Winnable?": says whether the game can still be won.
    void menuwinnableClick();
    // "Select deal..." (F3): asks for a deal's number and deals it.
    void menuselectdealClick();
    // "Statistics" (F6): the figures of every mode, on the current one's tab.
    void menustatsClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // A window that loses the focus lets go of a dragged card.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormResize();
    void createMenus();
    void createTable();
    void createStatusBar();
    void applySettings();
    void readSettings();
    void writeSettings();
    // Runs one engine operation and then brings the window in line with it.
    template <typename Operation> void act(Operation operation) {
        operation();
        syncScene();
    }
    void syncScene();
    void syncCards();
    void syncMenus();
    void syncFocus();
    // Arrows, Tab, Space and Enter on the table: true when the key was one.
    bool playKey(const QKeyEvent& key);
    // The search behind the two commands: asked, answered, and dropped when
    // the position it was asked for has changed.
    void askSearch(bool hint);
    void searchAnswered(const Problem& problem, const Solution& solution);
    void dropStaleSearch();
    // The winnable deal on its way, if one is: Escape or F2 calls it off.
    void cancelDealSearch();

    Settings options;
    std::unique_ptr<Game> engine;
    std::map<int, QCursor> cursors;
    std::vector<int> shownStacking;
    std::array<int, kCardCount + 1> shownCursors{};
    HelpWindow* help = nullptr;
    bool shown = false;
    bool cardsPainted = false;
    BackgroundSearch* search = nullptr;
    bool hintWanted = false;
    bool answerWanted = false;
    OffThread* dealSearch = nullptr;
    QTimer busyCursorDelay;
    bool busyCursorShown = false;
    QWidget* announced = nullptr; // the item a screen reader was told of last
    CardDrag* drag = nullptr;
    // Statistics: whether each fresh deal could be won, by deal, score and cards mode.
    void judgeFreshDeal();
    BackgroundSearch* dealJudge = nullptr;
    quint64 dealJudged = ~quint64(0);
    std::map<quint64, bool> dealVerdicts;
    StatisticsDialog* statistics = nullptr;
    bool storeRemoved = false; // set by "Removal...": nothing is stored any more
};

// The main window of the run.
extern TForm1* Form1;
