// Every window's texts in both languages, and the title bars as the window
// system gets them.
#include "WindowFixture.h"

#include "About01.h"
#include "ApplicationTitle.h"
#include "RadioGroup.h"
#include "Smena.h"
#include "frmopt.h"
#include "selectlng.h"

#include <QCheckBox>
#include <QMenu>
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

// Every text the windows show, and below, their numbers in the text table.
QStringList shownTexts() {
    const TForm1& f = *Form1;
    const TFormOptions& o = *FormOptions;
    QStringList t;
    t << f.N1->title() << f.menuopt->text() << f.menudeck->text() << f.N13->text() << f.N11->text()
      << f.N3->text() << f.N12->title() << f.N21->text() << f.menurozd->text()
      << f.menupause->text() << f.menuwinn->text() << f.menunilscore->text() << f.menuhint->text()
      << f.menuwinnable->text() << f.N9->text() << f.popmenurozd->text() << f.windowTitle()
      << applicationTitle() << f.helpFile;
    t << aboutform->windowTitle() << aboutform->Labelfor->text() << aboutform->Labelver->text()
      << aboutform->Labelnewv->text();
    t << FormEnter->windowTitle() << FormEnter->Panelcapt->text() << FormEnter->Edit1->text();
    t << o.windowTitle() << tabs(o.TabSet1) << o.RadioScore->title() << o.RadioScore->items()
      << o.RadioShow->title() << o.RadioShow->items() << o.Checkscore->text() << o.BitBtn1->text()
      << o.BitBtn3->text() << o.BitBtn2->text() << QString::number(o.helpContext)
      << o.BtnUninst->text() << o.CheckCur->text() << o.CheckOpNew->text()
      << o.CheckShowMenu->text() << o.CheckShowDialog->text() << o.CheckShowHint->text()
      << o.BitBtn4->text() << o.BtnDop->text();
    t << Formsmena->windowTitle() << Formsmena->BitBtn1->text() << Formsmena->BitBtn2->text();
    t << FormVict->RxLabel1->text() << FormVict->RxLabel2->text() << FormVict->RxLabel3->text();
    t << Formwin->windowTitle() << tabs(Formwin->Tabrez) << Formwin->Panelcapt->toolTip();
    return t;
}
const int kTextNumbers[] = {
    103, 104, 105, 106, 107, 108, 109, 129, 110, 111, 112, 113, 230, 231, 129,
    110, 102, 101, 1,   205, 206, 207, 208, 130, 131, 132, 160, 161, 162, 163,
    164, 165, 166, 167, 168, 169, 170, 171, 172, 173, 174, 175, 176, 177, 178,
    220, 235, 179, 180, 190, 191, 192, 201, 202, 203, 213, 210, 211, 212, 193,
};

} // namespace

TEST_F(WindowTest, EveryWindowTakesItsTextsAndTitleBarsTheirOwnCaptionInEitherLanguage) {
    const QWidget* windows[] = {Form1, Formsmena, FormOptions, FormSelLang, Formwin, FormEnter};
    for (std::uint8_t lang : {1, 2}) {
        language = lang;
        Form1->loadmyres();
        const QStringList shown = shownTexts();
        ASSERT_EQ(size_t(shown.size()), std::size(kTextNumbers));
        for (size_t i = 0; i < std::size(kTextNumbers); ++i)
            EXPECT_EQ(shown[qsizetype(i)], stringResource(1000 * lang + kTextNumbers[i]))
                << "text " << kTextNumbers[i] << " in language " << int(lang);
        // No application name appended; the task bar shows the application title.
        for (const QWidget* w : windows)
            EXPECT_EQ(TitleBar::formatWindowTitle(w->windowTitle(), QStringLiteral(" — ")),
                      w->windowTitle());
        EXPECT_EQ(Form1->windowIconText(), langtext(101));
    }
    EXPECT_EQ(Form1->N1->title(), "&File ") << "the table's text as it stands";
}
