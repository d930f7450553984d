#include "frmopt.h"

#include "DialogFlags.h"
#include "DialogPlacement.h"
#include "FrameExtents.h"
#include "RadioGroup.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>

TFormOptions* FormOptions = nullptr;

namespace {

constexpr int kClientWidth = 301;
const QRect kBevel(4, 4, 293, 177);
const QRect kPages(8, 8, 285, 153);
const QRect kTabs(5, 160, 291, 20);
const QRect kUninst(164, 188, 133, 21);
constexpr int kButtonHeight = 25;

} // namespace

TFormOptions::TFormOptions(QWidget* parent)
    : QDialog(parent, fixedDialogFlags(DialogFrame::ToolWindow)) {
    setModal(true);
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(kBevel);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Noteopt = new QStackedWidget(this);
    Noteopt->setGeometry(kPages);
    auto* gamepage = new QWidget;
    gamepage->setObjectName(QStringLiteral("gamepage"));
    auto* optpage = new QWidget;
    optpage->setObjectName(QStringLiteral("optpage"));
    Noteopt->addWidget(gamepage);
    Noteopt->addWidget(optpage);
    buildGamePage(gamepage);
    buildOptPage(optpage);

    TabSet1 = new QTabBar(this);
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setDrawBase(false);
    TabSet1->setGeometry(kTabs);
    connect(TabSet1, &QTabBar::currentChanged, this, &TFormOptions::TabSet1Change);

    BtnUninst = new QPushButton(this);
    BtnUninst->setGeometry(kUninst);
    connect(BtnUninst, &QPushButton::clicked, this, &TFormOptions::BtnUninstClick);
}

void TFormOptions::buildGamePage(QWidget* page) {
    RadioScore = new RadioGroup(page);
    RadioScore->setGeometry(4, 2, 126, 88);
    RadioShow = new RadioGroup(page);
    RadioShow->setGeometry(134, 2, 147, 66);
    Checkscore = new QCheckBox(page);
    Checkscore->setGeometry(138, 70, 143, 22);
    CheckUndo = new QCheckBox(page);
    CheckUndo->setGeometry(8, 93, 273, 22);

    const int top = kPages.height() - kButtonHeight - 8;
    BitBtn1 = new QPushButton(page);
    BitBtn1->setGeometry(4, top, 88, kButtonHeight);
    BitBtn1->setDefault(true);
    BitBtn3 = new QPushButton(page);
    BitBtn3->setGeometry(98, top, 88, kButtonHeight);
    BitBtn2 = new QPushButton(page);
    BitBtn2->setGeometry(192, top, 89, kButtonHeight);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormOptions::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFormOptions::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormOptions::BitBtn2Click);
}

void TFormOptions::buildOptPage(QWidget* page) {
    int top = 4;
    for (QCheckBox** box : {&CheckCur, &CheckOpNew, &CheckShowMenu, &CheckShowDialog,
                            &CheckShowHint, &CheckWinnable}) {
        // Six rows fit above the buttons at this pitch.
        *box = new QCheckBox(page);
        (*box)->setGeometry(3, top, 280, 20);
        top += 19;
    }
    const int buttons = kPages.height() - kButtonHeight - 8;
    BitBtn4 = new QPushButton(page);
    BitBtn4->setGeometry(4, buttons, 136, kButtonHeight);
    BtnDop = new QPushButton(page);
    BtnDop->setGeometry(145, buttons, 136, kButtonHeight);
    connect(BitBtn4, &QPushButton::clicked, this, &TFormOptions::BitBtn4Click);
    connect(BtnDop, &QPushButton::clicked, this, &TFormOptions::BtnDopClick);
}

void TFormOptions::setopt(const QRect& owner, const Settings& v) {
    RadioScore->setItemIndex(v.scoreMode);
    RadioShow->setItemIndex(v.drawThree);
    CheckCur->setChecked(v.cursor);
    CheckOpNew->setChecked(v.newCards);
    Checkscore->setChecked(v.saveScore);
    CheckShowMenu->setChecked(v.showPopUp);
    CheckShowDialog->setChecked(v.showDialog);
    CheckShowHint->setChecked(v.showHint);
    CheckWinnable->setChecked(v.winnableOnly);
    CheckUndo->setChecked(v.undo);
    // The removal button lies below this line until "Removal..." uncovers it.
    setFixedSize(kClientWidth, 2 * kBevel.top() + kBevel.height());
    Noteopt->setCurrentIndex(0);
    TabSet1->setCurrentIndex(0);
    ownerRect = owner;
    exec();
}

void TFormOptions::getopt(Settings& v, int& uninstall) const {
    v.scoreMode = RadioScore->itemIndex();
    v.drawThree = RadioShow->itemIndex();
    v.cursor = CheckCur->isChecked();
    v.saveScore = Checkscore->isChecked();
    v.newCards = CheckOpNew->isChecked();
    v.showPopUp = CheckShowMenu->isChecked();
    v.showDialog = CheckShowDialog->isChecked();
    v.showHint = CheckShowHint->isChecked();
    v.winnableOnly = CheckWinnable->isChecked();
    v.undo = CheckUndo->isChecked();
    uninstall = uninstallRequest;
}

void TFormOptions::showEvent(QShowEvent* event) {
    uninstallRequest = 0;
    newLanguage = 0;
    placeOverMainWindow(*this, ownerRect);
    QDialog::showEvent(event);
    BitBtn1->setFocus();
}

void TFormOptions::TabSet1Change(int newTab) {
    Noteopt->setCurrentIndex(newTab);
}

void TFormOptions::BitBtn1Click() {
    outcome = 1;
    accept();
}

void TFormOptions::BitBtn3Click() {
    outcome = 0;
    QDialog::reject();
}

void TFormOptions::BitBtn2Click() {
    Q_EMIT helpRequested();
}

void TFormOptions::BitBtn4Click() {
    // The outcome of the last use stays: the language comes without the edits
    // unless they were confirmed before.
    newLanguage = 1;
    accept();
}

void TFormOptions::BtnUninstClick() {
    uninstallRequest = 1;
    outcome = 1;
    accept();
}

void TFormOptions::BtnDopClick() {
    setFixedSize(kClientWidth, kUninst.bottom() + 1 + 8);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Grown near the bottom of the screen, the dialog moves up to stay on it.
    const int outerHeight = height() + frameExtents(*this).top() + frameExtents(*this).bottom();
    const int screenHeight = screen->geometry().height();
    if (screenHeight < frameGeometry().top() + outerHeight)
        move(frameGeometry().left(), screenHeight - outerHeight - 10);
}

void TFormOptions::keyPressEvent(QKeyEvent* event) {
    // OK lives on the first page; Enter still confirms while the second shows.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !BitBtn1->isVisible() && !qobject_cast<QPushButton*>(focusWidget())) {
        BitBtn1Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormOptions::reject() {
    // Closing the window is a Cancel: the player did not confirm the edits.
    BitBtn3Click();
}
