// The main menu, the popup menu, their texts in the current language and
// their enabled and visible states.
#include "Form1.h"

#include "About01.h"
#include "ApplicationTitle.h"
#include "RadioGroup.h"
#include "Smena.h"
#include "Texts.h"
#include "ToolkitLanguage.h"
#include "enterfrm.h"
#include "frmopt.h"
#include "frmvict.h"
#include "zarvek_win.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>

void TForm1::createMenus() {
    N1 = menuBar()->addMenu(QString());
    menuopt = N1->addAction(QString(), this, &TForm1::menuoptClick);
    menudeck = N1->addAction(QString(), this, &TForm1::menudeckClick);
    N1->addSeparator();
    N13 = N1->addAction(QString(), QKeySequence(Qt::Key_F1), this, &TForm1::N13Click);
    N11 = N1->addAction(QString(), QKeySequence(Qt::Key_F12), this, &TForm1::N11Click);
    N1->addSeparator();
    N3 = N1->addAction(QString(), this, &TForm1::N3Click);

    N12 = menuBar()->addMenu(QString());
    N21 = N12->addAction(QString(), QKeySequence(Qt::Key_F2), this, &TForm1::N21Click);
    menuselectdeal =
        N12->addAction(QString(), QKeySequence(Qt::Key_F3), this, &TForm1::menuselectdealClick);
    menurestartdeal = N12->addAction(QString(), QKeySequence(Qt::CTRL | Qt::Key_R), this, [this] {
        cancelDealSearch();
        act([this] { engine->restartDeal(); });
    });
    N12->addSeparator();
    menuundo = N12->addAction(QString(), QKeySequence::Undo, this,
                              [this] { act([this] { engine->undo(); }); });
    menuredo = N12->addAction(QString(), this, [this] { act([this] { engine->redo(); }); });
    menuredo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    N12->addSeparator();
    menurozd = N12->addAction(QString(), QKeySequence(Qt::Key_F4), this,
                              [this] { act([this] { engine->menurozdClick(); }); });
    menupause = N12->addAction(QString(), QKeySequence(Qt::Key_F5), this,
                               [this] { act([this] { engine->menupauseClick(); }); });
    N12->addSeparator();
    menuwinn = N12->addAction(QString(), QKeySequence(Qt::Key_F9), this, &TForm1::menuwinnClick);
    menustats = N12->addAction(QString(), QKeySequence(Qt::Key_F6), this, &TForm1::menustatsClick);
    menupscore = N12->addSeparator();
    menunilscore =
        N12->addAction(QString(), this, [this] { act([this] { engine->menunilscoreClick(); }); });
    menupsolve = N12->addSeparator();
    menuhint = N12->addAction(QString(), QKeySequence(Qt::Key_H), this, &TForm1::menuhintClick);
    menuwinnable = N12->addAction(QString(), this, &TForm1::menuwinnableClick);

    // The Test menu keeps its texts in every language.
    N4 = menuBar()->addMenu(QStringLiteral("Test"));
    N5 = N4->addAction(QStringLiteral("Победа"), this,
                       [this] { act([this] { engine->N5Click(); }); });
    N4->addSeparator();
    N7 = N4->addAction(QStringLiteral("Нет игры"), this,
                       [this] { act([this] { engine->N7Click(); }); });
    N4->addSeparator();
    N131 = N4->addAction(QStringLiteral("Всегда 13"), this,
                         [this] { act([this] { engine->N131Click(); }); });
    N131->setCheckable(true);

    Popup1 = new QMenu(this);
    N9 = Popup1->addAction(QString(), this, &TForm1::N21Click);
    peretminus = Popup1->addSeparator();
    popmenurozd =
        Popup1->addAction(QString(), this, [this] { act([this] { engine->menurozdClick(); }); });
    // The popup shows the keys, but they act through the main menu.
    for (QAction* a : {N9, popmenurozd})
        a->setShortcutContext(Qt::WidgetShortcut);
    N9->setShortcut(Qt::Key_F2);
    popmenurozd->setShortcut(Qt::Key_F4);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Popup1->popup(mapToGlobal(pos)); });
}

void TForm1::setpopup() {
    setContextMenuPolicy(options.showPopUp ? Qt::CustomContextMenu : Qt::PreventContextMenu);
}

namespace {

QStringList langtexts(std::initializer_list<int> numbers) {
    QStringList texts;
    for (int n : numbers)
        texts << langtext(n);
    return texts;
}

void setTabs(QTabBar& tabs, const QStringList& titles) {
    while (tabs.count() > 0)
        tabs.removeTab(0);
    for (const QString& title : titles)
        tabs.addTab(title);
}

// The options dialog's help topic is written in the text table as a number.
void setOptionsHelpContext() {
    bool ok = false;
    const int context = langtext(174).toInt(&ok);
    if (ok) {
        FormOptions->helpContext = context;
        return;
    }
    QMessageBox(QMessageBox::Critical, QStringLiteral("Error"),
                QStringLiteral("Incorrect resource meaning for Help Context(String N174)"),
                QMessageBox::Ok, Form1)
        .exec();
}

} // namespace

void TForm1::loadmyres() {
    N1->setTitle(langtext(103));
    menuopt->setText(langtext(104));
    menudeck->setText(langtext(105));
    N13->setText(langtext(106));
    N11->setText(langtext(107));
    N3->setText(langtext(108));
    N12->setTitle(langtext(109));
    N21->setText(langtext(129));
    menuselectdeal->setText(langtext(251));
    menurestartdeal->setText(langtext(252));
    menuundo->setText(langtext(290));
    menuredo->setText(langtext(291));
    menurozd->setText(langtext(110));
    menupause->setText(langtext(111));
    menuwinn->setText(langtext(112));
    menustats->setText(langtext(270));
    menunilscore->setText(langtext(113));
    menuhint->setText(langtext(230));
    menuwinnable->setText(langtext(231));
    N9->setText(langtext(129));
    popmenurozd->setText(langtext(110));
    setWindowTitle(langtext(102));
    setApplicationTitle(langtext(101));

    aboutform->setWindowTitle(langtext(205));
    aboutform->Labelfor->setText(langtext(206));
    aboutform->Labelver->setText(langtext(207));
    aboutform->Labelnewv->setText(langtext(208));

    FormEnter->setWindowTitle(langtext(130));
    FormEnter->Panelcapt->setText(langtext(131));
    FormEnter->Edit1->setText(langtext(132));

    TFormOptions& o = *FormOptions;
    o.setWindowTitle(langtext(160));
    setTabs(*o.TabSet1, langtexts({161, 162}));
    o.RadioScore->setTitle(langtext(163));
    o.RadioScore->setItems(langtexts({164, 165, 166}));
    o.RadioShow->setTitle(langtext(167));
    o.RadioShow->setItems(langtexts({168, 169}));
    o.Checkscore->setText(langtext(170));
    o.BitBtn1->setText(langtext(171));
    o.BitBtn3->setText(langtext(172));
    o.BitBtn2->setText(langtext(173));
    setOptionsHelpContext();
    o.BtnUninst->setText(langtext(175));
    o.CheckCur->setText(langtext(176));
    o.CheckOpNew->setText(langtext(177));
    o.CheckShowMenu->setText(langtext(178));
    o.CheckShowDialog->setText(langtext(220));
    o.CheckShowHint->setText(langtext(235));
    o.CheckWinnable->setText(langtext(256));
    o.CheckUndo->setText(langtext(292));
    o.BitBtn4->setText(langtext(179));
    o.BtnDop->setText(langtext(180));

    Formsmena->setWindowTitle(langtext(190));
    Formsmena->BitBtn1->setText(langtext(191));
    Formsmena->BitBtn2->setText(langtext(192));

    FormVict->RxLabel1->setText(langtext(201));
    FormVict->RxLabel2->setText(langtext(202));
    FormVict->RxLabel3->setText(langtext(203));

    Formwin->setWindowTitle(langtext(213));
    setTabs(*Formwin->Tabrez, langtexts({210, 211, 212}));
    Formwin->Panelcapt->setToolTip(langtext(193));

    helpFile = langtext(1);
    applyToolkitLanguage(language);
}

void TForm1::syncMenus() {
    const MenuState& m = engine->scene().menu;
    menurozd->setEnabled(m.menurozdEnabled);
    popmenurozd->setEnabled(m.popmenurozdEnabled);
    peretminus->setVisible(m.peretminusVisible);
    menupause->setEnabled(m.menupauseEnabled);
    menupscore->setVisible(m.menupscoreVisible);
    menunilscore->setVisible(m.menunilscoreVisible);
    N131->setChecked(m.N131Checked);
    for (QAction* a : {menupsolve, menuhint, menuwinnable})
        a->setVisible(options.showHint);
    menurestartdeal->setEnabled(engine->state().cardsCreated);
    menuundo->setEnabled(engine->canUndo());
    menuredo->setEnabled(engine->canRedo());
    menuhint->setEnabled(engine->state().gameRunning);
    menuwinnable->setEnabled(engine->state().gameRunning);
}
