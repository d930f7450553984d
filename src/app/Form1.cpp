// The main window: creation, first showing, resizing, keys and the commands
// that are the window's own (exit, deck, the game's questions).
#include "Form1.h"

#include "About01.h"
#include "ApplicationTitle.h"
#include "CardDrag.h"
#include "ClickArea.h"
#include "ErrorReport.h"
#include "Formbank.h"
#include "OffThread.h"
#include "PanelLayout.h"
#include "PictureControl.h"
#include "Smena.h"
#include "Texts.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include <map>

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    FormCreate();
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

void TForm1::FormCreate() {
    setWindowTitle(QStringLiteral("Zarvek"));
    setApplicationTitleWindow(this);
    setOuterGeometry(QRect(5, 20, 630, 440));
    createMenus();
    createTable();
    createStatusBar();
    TimerGame.setInterval(1000);
    connect(&TimerGame, &QTimer::timeout, this, &TForm1::TimerGameTimer);
    // Key preview: the window sees every key before the focused control.
    qApp->installEventFilter(this);
}

void TForm1::setVisible(bool visible) {
    // The first showing reads the settings and may ask for the language
    // before the window exists on screen, so it opens where it was left.
    if (visible && !shown) {
        shown = true;
        FormShow();
    }
    QMainWindow::setVisible(visible);
}

void TForm1::FormShow() {
    // The pointing hand, registered under its number for the cards to use.
    cursors[kHandCursorNumber] =
        QCursor(QPixmap::fromImage(BankForm->rukaImage()), TBankForm::rukaHotSpot().x(),
                TBankForm::rukaHotSpot().y());
    engine = std::make_unique<Game>(*BankForm, *this, timeOfDay);
    Imagenew->setPicture(BankForm->impusto());
    Imagelast->setPicture(BankForm->impusto());
    if (!settingsRead && !reportingStoreErrors([this] { readwriteini(0); })) {
        // A store that cannot be read still leaves a usable window.
        applySettings();
        loadmyres();
    }
    syncScene();
    aboutform->firstshow(language);
}

void TForm1::applySettings() {
    engine->setScoreMode(options.scoreMode);
    engine->setDrawThree(options.drawThree);
    engine->setSaveScore(options.saveScore);
    engine->setShowDialog(options.showDialog);
    engine->setNewCards(options.newCards);
    engine->setHandCursor(options.cursor ? kHandCursorNumber : kDefaultCursor);
    engine->loaddeckimage(options.deck);
    engine->setLanguage(language);
    engine->setUndoAllowed(options.undo);
    setpopup();
}

QCursor TForm1::cursorFor(int number) const {
    const auto it = cursors.find(number);
    return it == cursors.end() ? QCursor(Qt::ArrowCursor) : it->second;
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && drag)
        drag->cancel();
}

void TForm1::FormResize() {
    // The client area includes the status bar, as the table is laid out over it.
    const int bar = statusBar()->isVisible() ? statusBar()->height() : 0;
    const QWidget* client = centralWidget();
    const QPoint pos = panelPosition(client->width(), client->height() + bar, PanelMain->width(),
                                     PanelMain->height(), bar);
    PanelMain->move(pos);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == PanelMain && !cardsPainted) {
        // The empty table is on the screen: now paint the cards and the icon,
        // before the player can ask for the first deal.
        cardsPainted = true;
        QTimer::singleShot(0, this, [this] {
            BankForm->paintCards();
            BankForm->back(options.deck);
            setWindowIcon(TBankForm::programIcon());
        });
    }
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!key || !engine || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return QMainWindow::eventFilter(watched, event);
    const auto* k = static_cast<QKeyEvent*>(event);
    if (k->isAutoRepeat()) // the key is still held
        return false;
    if (event->type() == QEvent::KeyPress && k->key() == Qt::Key_Escape && dealSearch &&
        dealSearch->running()) {
        cancelDealSearch(); // the new game is called off; the table stays
        return true;
    }
    if (event->type() == QEvent::KeyPress && drag->card()) {
        // A key while a card is held puts the card back first; Escape does
        // nothing more.
        drag->cancel();
        if (k->key() == Qt::Key_Escape)
            return true;
    }
    // The menus keep their keys: an open menu, and the menu bar while Alt
    // has it walking its titles.
    const bool menusHaveKeys = QApplication::activePopupWidget() || QWidget::keyboardGrabber() ||
                               qobject_cast<QMenuBar*>(watched);
    if (event->type() == QEvent::KeyPress && !menusHaveKeys && playKey(*k))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const auto chord = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
        if (k->key() == Qt::Key_Q && (k->modifiers() & ~Qt::KeypadModifier) == chord)
            engine->setAlwaysThirteen(true);
    } else {
        // Letting go of any key ends the test mode, whoever switched it on.
        engine->setAlwaysThirteen(false);
    }
    return false;
}

bool TForm1::playKey(const QKeyEvent& key) {
    using K = Game::FocusKey;
    if (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false; // chords belong to the menus and the test flag
    const bool back = key.key() == Qt::Key_Backtab || key.modifiers() & Qt::ShiftModifier;
    static const std::map<int, K> moves = {{Qt::Key_Left, K::Left}, {Qt::Key_Right, K::Right},
                                           {Qt::Key_Up, K::Up},     {Qt::Key_Down, K::Down},
                                           {Qt::Key_Tab, K::Next},  {Qt::Key_Backtab, K::Next}};
    if (const auto move = moves.find(key.key()); move != moves.end()) {
        const bool tab = move->second == K::Next;
        act([&] { engine->moveFocus(tab && back ? K::Previous : move->second); });
        return true;
    }
    const bool click =
        key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (click)
        act([this] { engine->clickFocus(); });
    return click;
}

void TForm1::N3Click() {
    // A failed write keeps the program open, so nothing is lost unseen.
    if (reportingStoreErrors([this] { readwriteini(1); }))
        close();
}

void TForm1::menudeckClick() {
    Formsmena->firstrub(frameGeometry().left(), frameGeometry().top(), frameGeometry().width(),
                        frameGeometry().height(), options.deck);
    const int chosen = Formsmena->whatrub();
    if (chosen < 1)
        return;
    options.deck = chosen;
    act([&] { engine->changeBack(chosen); });
}

bool TForm1::ask(Question question) {
    int text = 114, caption = 115;
    QMessageBox::Icon icon = QMessageBox::Question;
    if (question == Question::CasinoNewDeal) {
        text = 120;
        caption = 121;
        icon = QMessageBox::Information;
    } else if (question == Question::ResetScore) {
        text = 122;
        caption = 123;
    }
    QMessageBox box(icon, langtext(caption), langtext(text), QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setDefaultButton(QMessageBox::Yes);
    // The game clock keeps ticking while the question is open.
    return box.exec() == QMessageBox::Yes;
}
