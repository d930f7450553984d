// Every window's texts in both languages, and the title bars as the window
// system gets them.
#include "WindowFixture.h"

#include "About01.h"
#include "ApplicationTitle.h"
#include "RadioGroup.h"
#include "Smena.h"
#include "enterfrm.h"
#include "frmopt.h"
#include "frmvict.h"
#include "selectlng.h"
#include "zarvek_win.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <qpa/qplatformwindow.h>

namespace {

QStringList tabs(const QTabBar* bar) {
    QStringList titles;
    for (int i = 0; i < bar->count(); ++i)
        titles << bar->tabText(i);
    return titles;
}

// How the window system's title bar spells a window's title.
struct TitleBar : QPlatformWindow {
    using QPlatformWindow::formatWindowTitle;
};

struct TextRow {
    const char* where;
    std::function<QStringList()> shown;
    std::vector<int> numbers;
};

} // namespace

TEST_F(WindowTest, EveryWindowTakesItsTextsInEitherLanguage) {
    const TFormOptions& o = *FormOptions;
    const TextRow rows[] = {
        {"File menu", [] { return QStringList{Form1->N1->title()}; }, {103}},
        {"File items",
         [] {
             return QStringList{Form1->menuopt->text(), Form1->menudeck->text(), Form1->N13->text(),
                                Form1->N11->text(), Form1->N3->text()};
         },
         {104, 105, 106, 107, 108}},
        {"Game items",
         [] {
             return QStringList{Form1->N12->title(),     Form1->N21->text(),
                                Form1->menurozd->text(), Form1->menupause->text(),
                                Form1->menuwinn->text(), Form1->menunilscore->text(),
                                Form1->menuhint->text(), Form1->menuwinnable->text()};
         },
         {109, 129, 110, 111, 112, 113, 230, 231}},
        {"popup",
         [] {
             return QStringList{Form1->N9->text(), Form1->popmenurozd->text()};
         },
         {129, 110}},
        {"main captions",
         [] {
             return QStringList{Form1->windowTitle(), applicationTitle()};
         },
         {102, 101}},
        {"about",
         [] {
             return QStringList{aboutform->windowTitle(), aboutform->Labelfor->text(),
                                aboutform->Labelver->text(), aboutform->Labelnewv->text()};
         },
         {205, 206, 207, 208}},
        {"name entry",
         [] {
             return QStringList{FormEnter->windowTitle(), FormEnter->Panelcapt->text(),
                                FormEnter->Edit1->text()};
         },
         {130, 131, 132}},
        {"options",
         [&o] {
             return QStringList{o.windowTitle()} + tabs(o.TabSet1) +
                    QStringList{o.RadioScore->title()} + o.RadioScore->items() +
                    QStringList{o.RadioShow->title()} + o.RadioShow->items() +
                    QStringList{o.Checkscore->text(),
                                o.BitBtn1->text(),
                                o.BitBtn3->text(),
                                o.BitBtn2->text(),
                                QString::number(o.helpContext),
                                o.BtnUninst->text(),
                                o.CheckCur->text(),
                                o.CheckOpNew->text(),
                                o.CheckShowMenu->text(),
                                o.CheckShowDialog->text(),
                                o.CheckShowHint->text(),
                                o.BitBtn4->text(),
                                o.BtnDop->text()};
         },
         {160, 161, 162, 163, 164, 165, 166, 167, 168, 169, 170, 171,
          172, 173, 174, 175, 176, 177, 178, 220, 235, 179, 180}},
        {"back chooser",
         [] {
             return QStringList{Formsmena->windowTitle(), Formsmena->BitBtn1->text(),
                                Formsmena->BitBtn2->text()};
         },
         {190, 191, 192}},
        {"banner",
         [] {
             return QStringList{FormVict->RxLabel1->text(), FormVict->RxLabel2->text(),
                                FormVict->RxLabel3->text()};
         },
         {201, 202, 203}},
        {"winners",
         [] {
             return QStringList{Formwin->windowTitle()} + tabs(Formwin->Tabrez) +
                    QStringList{Formwin->Panelcapt->toolTip()};
         },
         {213, 210, 211, 212, 193}},
        {"help file", [] { return QStringList{Form1->helpFile}; }, {1}},
    };
    for (std::uint8_t lang : {1, 2}) {
        language = lang;
        Form1->loadmyres();
        for (const TextRow& row : rows) {
            QStringList expected;
            for (int n : row.numbers)
                expected << stringResource(1000 * lang + n);
            EXPECT_EQ(row.shown(), expected) << row.where << " in language " << int(lang);
        }
    }
    // Spot checks against the table itself, with its trailing spaces.
    EXPECT_EQ(Form1->N1->title(), "&File ");
    EXPECT_EQ(tabs(Formwin->Tabrez).last(), "Best time ");
    EXPECT_EQ(FormVict->RxLabel1->text(), "Congratulation");
}

TEST_F(WindowTest, TitleBarsCarryTheirOwnCaptionAndTheTaskBarTheApplicationTitle) {
    const QWidget* windows[] = {Form1, Formsmena, FormOptions, FormSelLang, Formwin, FormEnter};
    for (std::uint8_t lang : {1, 2}) {
        language = lang;
        Form1->loadmyres();
        for (const QWidget* w : windows)
            EXPECT_EQ(TitleBar::formatWindowTitle(w->windowTitle(), QStringLiteral(" — ")),
                      w->windowTitle());
        EXPECT_EQ(Form1->windowIconText(), langtext(101));
    }
    EXPECT_EQ(Form1->windowIconText(), "Zarvek");
}
