#include "StatisticsDialog.h"

#include "DialogFlags.h"
#include "DialogPlacement.h"
#include "ErrorReport.h"
#include "StatisticsChart.h"
#include "StatisticsStore.h"
#include "Texts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kNoScoreMode = 2;
// Three pixels for each of 50 games, and the frame: the dialog must fit a
// 1024 x 768 screen at 200 %.
const QSize kChartSize(154, 72);
const QString kNothing = QStringLiteral("\u2013");

QString minutes(int seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString figureText(StatisticsDialog::Figure figure, const StatisticsCell& c, int scoreMode) {
    using F = StatisticsDialog::Figure;
    switch (figure) {
    case F::Played:
        return QString::number(c.played);
    case F::Won:
        return QString::number(c.won);
    case F::WinRate:
        return c.played ? QStringLiteral("%1 %").arg(c.winRate()) : kNothing;
    case F::Streak:
        return QString::number(c.streak);
    case F::LongestStreak:
        return QString::number(c.longestStreak);
    case F::BestScore:
        // Without a score every game ends on 0: there is no best.
        return c.bestScore && scoreMode != kNoScoreMode ? QString::number(*c.bestScore) : kNothing;
    case F::FastestWin:
        return c.fastestWin ? minutes(*c.fastestWin) : kNothing;
    case F::Winnable:
        return c.dealsChecked ? QStringLiteral("%1 / %2").arg(c.dealsWinnable).arg(c.dealsChecked)
                              : kNothing;
    case F::kFigures:
        break;
    }
    return QString();
}

StatisticsDialog::StatisticsDialog(QWidget* parent)
    : QDialog(parent, fixedDialogFlags(DialogFrame::Dialog)), Tabmode(new QTabBar(this)),
      BtnReset(new QPushButton(this)), BtnClose(new QPushButton(this)),
      Chartcapt(new QLabel(this)) {
    setModal(true);
    Tabmode->setExpanding(false);
    Tabmode->setDrawBase(true);
    for (int m = 0; m < kStatisticsScoreModes; ++m)
        Tabmode->addTab(QString());
    connect(Tabmode, &QTabBar::currentChanged, this, [this] { showMode(); });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    for (int d = 0; d < kStatisticsDrawModes; ++d) {
        headings[size_t(d)] = new QLabel(this);
        QFont bold = headings[size_t(d)]->font();
        bold.setBold(true);
        headings[size_t(d)]->setFont(bold);
        headings[size_t(d)]->setAlignment(Qt::AlignCenter);
        grid->addWidget(headings[size_t(d)], 0, d + 1);
    }
    for (int f = 0; f < kFigures; ++f) {
        names[size_t(f)] = new QLabel(this);
        grid->addWidget(names[size_t(f)], f + 1, 0);
        for (int d = 0; d < kStatisticsDrawModes; ++d) {
            auto* value = new QLabel(this);
            value->setAlignment(Qt::AlignCenter);
            value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            values[size_t(f)][size_t(d)] = value;
            grid->addWidget(value, f + 1, d + 1);
        }
    }
    // The caption sits beside the charts, in the room the figures' names leave.
    // It wraps to the names' width rather than widening the dialog, so the
    // dialog keeps its size from tab to tab.
    Chartcapt->setWordWrap(true);
    Chartcapt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Chartcapt->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid->addWidget(Chartcapt, kFigures + 1, 0);
    for (int d = 0; d < kStatisticsDrawModes; ++d) {
        charts[size_t(d)] = new StatisticsChart(this);
        charts[size_t(d)]->setFixedSize(kChartSize);
        grid->addWidget(charts[size_t(d)], kFigures + 1, d + 1);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnReset);
    buttons->addWidget(BtnClose);
    connect(BtnReset, &QPushButton::clicked, this, &StatisticsDialog::resetClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
    BtnClose->setDefault(true);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(9, 9, 9, 9);
    page->setSpacing(6);
    page->addWidget(Tabmode);
    page->addLayout(grid);
    page->addLayout(buttons);
    // Fixed, yet as large as the texts of the language shown need.
    page->setSizeConstraint(QLayout::SetFixedSize);
}

QString StatisticsDialog::text(int n) const {
    return langtext(dialogLanguage, n);
}

void StatisticsDialog::retranslate() {
    setWindowTitle(text(270));
    for (int m = 0; m < kStatisticsScoreModes; ++m)
        Tabmode->setTabText(m, text(271 + m));
    for (int d = 0; d < kStatisticsDrawModes; ++d)
        headings[size_t(d)]->setText(text(274 + d));
    for (int f = 0; f < kFigures; ++f)
        names[size_t(f)]->setText(text(276 + f));
    BtnReset->setText(text(287));
    BtnClose->setText(text(288));
}

void StatisticsDialog::showStatistics(int lang, int scoreMode, const QRect& mainWindow) {
    dialogLanguage = lang;
    retranslate();
    // A value that could not be read is reported, and the rest shown.
    StatisticsReading reading;
    reportingStoreErrors([&] {
        reading = loadStatistics();
        if (!reading.error.isNull())
            throw StoreError(reading.error);
    });
    setTable(reading.table);
    Tabmode->setCurrentIndex(std::clamp(scoreMode, 0, kStatisticsScoreModes - 1));
    showMode();
    adjustSize();
    placeOverMainWindow(*this, mainWindow);
    exec();
}

void StatisticsDialog::setTable(const StatisticsTable& table) {
    shown = table;
    showMode();
}

void StatisticsDialog::showMode() {
    const int m = std::max(0, Tabmode->currentIndex());
    const bool times = m == kNoScoreMode;
    Chartcapt->setText(text(times ? 286 : 285));
    for (int d = 0; d < kStatisticsDrawModes; ++d) {
        const StatisticsCell& cell = shown[size_t(m)][size_t(d)];
        for (int f = 0; f < kFigures; ++f)
            values[size_t(f)][size_t(d)]->setText(figureText(Figure(f), cell, m));
        charts[size_t(d)]->setGames(cell.recent, times);
    }
}

void StatisticsDialog::resetClick() {
    QMessageBox box(QMessageBox::Question, text(270), text(289), QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return;
    if (reportingStoreErrors([] { clearStatistics(); }))
        setTable(StatisticsTable{});
}
