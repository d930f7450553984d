#include "zarvek_win.h"

#include "BevelPanel.h"
#include "DialogFlags.h"
#include "ErrorReport.h"
#include "FrameExtents.h"
#include "IniStore.h"
#include "Texts.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProxyStyle>
#include <QScreen>
#include <QTabBar>

TFormwin* Formwin = nullptr;

namespace {

const QColor kMaroon(128, 0, 0);
const QColor kNavy(0, 0, 128);
const QRect kBevel(4, 4, 313, 0); // its height follows the rows
const QRect kCaption(8, 8, 304, 25);
constexpr int kRowHeight = 24;
constexpr int kRowStep = 26;
constexpr int kNameWidth = 240;
constexpr int kValueWidth = 62;
constexpr int kTabsHeight = 21;
constexpr int kScreenMargin = 4;

using Bevel = BevelPanel::Bevel;

// Tabs with just room round their titles.
class NarrowTabs : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace)
            return 8;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

int half(int v) {
    return static_cast<int>(v * 0.5);
}

// One axis of centerform: the far edge is tested first, then the near one.
int centred(int ownerStart, int ownerSize, int size, int screenSize) {
    const int start = ownerStart + half(ownerSize) - half(size);
    if (screenSize < start + size)
        return screenSize - size - kScreenMargin;
    return start < 0 ? kScreenMargin : start;
}

} // namespace

TFormwin::TFormwin(QWidget* parent)
    : QDialog(parent, fixedDialogFlags(DialogFrame::Dialog)), Bevel1(new QFrame(this)),
      Panelcapt(new BevelPanel(Bevel::Raised, Bevel::None, 0, this)), Tabrez(new QTabBar(this)) {
    setModal(true);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Bevel1->setGeometry(kBevel);

    Panelcapt->setGeometry(kCaption);
    Panelcapt->setAlignment(Qt::AlignCenter);
    Panelcapt->setTextColour(kMaroon);
    connect(Panelcapt, &BevelPanel::clicked, this, &TFormwin::PanelcaptClick);

    Tabrez->setShape(QTabBar::RoundedSouth);
    Tabrez->setDrawBase(false);
    Tabrez->setExpanding(false);
    // The three Russian titles must fit side by side under the rows: the
    // strip takes the form's small font and narrow tabs, and a title that
    // still does not fit is shortened rather than scrolled out of sight.
    auto* narrow = new NarrowTabs;
    narrow->setParent(this); // outlives the strip, which was made first
    Tabrez->setStyle(narrow);
    QFont small = Tabrez->font();
    small.setPixelSize(11);
    Tabrez->setFont(small);
    Tabrez->setUsesScrollButtons(false);
    Tabrez->setElideMode(Qt::ElideRight);
    // The dialog takes every key itself: any key closes it.
    Tabrez->setFocusPolicy(Qt::NoFocus);
    connect(Tabrez, &QTabBar::currentChanged, this, &TFormwin::TabrezChange);
}

QString TFormwin::text(int n) const {
    return stringResource(1000 * dialogLanguage + n);
}

void TFormwin::showpage(int lang, int newPage, int ownerTop, int ownerLeft, int ownerHeight,
                        int ownerWidth) {
    dialogLanguage = lang;
    page = newPage;
    firstcreate();
    Tabrez->setCurrentIndex(page - 1); // a change runs TabrezChange
    showscore(page);
    centerform(ownerTop, ownerLeft, ownerHeight, ownerWidth);
    exec();
}

void TFormwin::firstcreate() {
    if (!names[1])
        buildRows();
    IniStore store;
    slots.load(store);
    store.close();
    showscore(page);
}

void TFormwin::buildRows() {
    const int firstTop = kCaption.bottom() + 1 + 4;
    for (int i = 1; i <= kRows; ++i) {
        const int top = firstTop + (i - 1) * kRowStep;
        auto* name = new BevelPanel(Bevel::Raised, Bevel::Lowered, 1, this);
        name->setGeometry(kCaption.left(), top, kNameWidth, kRowHeight);
        name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        auto* value = new BevelPanel(Bevel::Raised, Bevel::Lowered, 1, this);
        value->setGeometry(kCaption.left() + kNameWidth + 2, top, kValueWidth, kRowHeight);
        value->setAlignment(Qt::AlignCenter);
        const QColor colour = i == 1 ? kNavy : Qt::black;
        name->setTextColour(colour);
        value->setTextColour(colour);
        name->show();
        value->show();
        names[size_t(i)] = name;
        values[size_t(i)] = value;
    }
    // The dialog closes round its content.
    Tabrez->setGeometry(kCaption.left(), names[kRows]->geometry().bottom() + 1 + 4,
                        kCaption.width(), kTabsHeight);
    Bevel1->resize(kBevel.width(), Tabrez->geometry().bottom() + 1 - kBevel.top() + 1);
    setFixedSize(Bevel1->width() + 2 * kBevel.left(), Bevel1->height() + 2 * kBevel.top());
}

void TFormwin::showscore(int shown) {
    if (shown < 1 || shown > kWinnerTables || !names[1])
        return;
    const int table = shown - 1;
    // The heading follows the dialog's language, which may have changed since
    // the rows were built.
    names[1]->setText(text(143));
    values[1]->setText(text(140 + table));
    for (int r = 1; r <= kWinnerRanks; ++r) {
        const WinnerEntry& e = slots.slot(kWinnerRanks * table + r);
        names[size_t(r + 1)]->setText(e.name);
        names[size_t(r + 1)]->setToolTip(e.deal == kNoDeal ? QString() : text(250).arg(e.deal));
        values[size_t(r + 1)]->setText(winnerValueText(table, e.value));
    }
}

void TFormwin::newwinner(int table, qint32 score, qint32 time, const QString& name, qint32 deal) {
    // Another running instance may have stored winners since these tables
    // were loaded, and may have pushed this result out of the five meanwhile.
    if (!qualifies(table, score, time))
        return;
    IniStore store;
    slots.load(store);
    slots.insert(table, entryValue(table, score, time), name, deal);
    slots.write(store, table);
    store.close();
}

void TFormwin::TabrezChange(int newTab) {
    if (newTab >= 0)
        page = newTab + 1;
    showscore(newTab + 1);
    Panelcapt->setText(Tabrez->tabText(newTab));
}

void TFormwin::PanelcaptClick() {
    reportingStoreErrors([this] { clearscore(); });
}

void TFormwin::clearscore() {
    const int t = Tabrez->currentIndex();
    if (t < 0 || t >= kWinnerTables)
        return;
    const int which[kWinnerTables] = {144, 144, 147};
    const int whose[kWinnerTables] = {145, 146, 148};
    QMessageBox box(QMessageBox::Question, text(151) + text(whose[t]),
                    text(149) + text(which[t]) + text(150), QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return;
    slots.clear(t);
    showscore(t + 1);
    IniStore store;
    slots.write(store, t);
    store.close();
}

QPoint TFormwin::centerPosition(const QRect& owner, QSize dialog, QSize screen) {
    return {centred(owner.left(), owner.width(), dialog.width(), screen.width()),
            centred(owner.top(), owner.height(), dialog.height(), screen.height())};
}

void TFormwin::centerform(int ownerTop, int ownerLeft, int ownerHeight, int ownerWidth) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize frame = size().grownBy(frameExtents(*this));
    moveFrameTo(*this, centerPosition(QRect(ownerLeft, ownerTop, ownerWidth, ownerHeight), frame,
                                      screen->geometry().size()));
}

void TFormwin::keyPressEvent(QKeyEvent* event) {
    // A key still held from the dialog before must not close this one.
    if (!event->isAutoRepeat())
        accept();
}
