#pragma once

#include "GameStatistics.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QTabBar;
class StatisticsChart;

// The statistics: one tab per score mode, both cards modes side by side with
// their figures and a chart of their latest games. Reset clears every mode
// after asking.
class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // The figures, top to bottom.
    enum Figure {
        Played,
        Won,
        WinRate,
        Streak,
        LongestStreak,
        BestScore,
        FastestWin,
        Winnable,
        kFigures
    };

    explicit StatisticsDialog(QWidget* parent = nullptr);

    // Reads the store and opens modally on `scoreMode`'s tab, its texts in
    // `lang`, over the main window's rectangle; returns when it closes. A
    // value that could not be read is reported before it opens.
    void showStatistics(int lang, int scoreMode, const QRect& mainWindow);
    // Shows `table` on the current tab.
    void setTable(const StatisticsTable& table);
    // Asks, then clears the statistics of every mode, shown and stored.
    void resetClick();

    QTabBar* Tabmode;
    QPushButton* BtnReset;
    QPushButton* BtnClose;
    QLabel* Chartcapt;
    QLabel* valueLabel(Figure figure, int drawThree) const {
        return values[size_t(figure)][size_t(drawThree)];
    }
    QLabel* figureLabel(Figure figure) const { return names[size_t(figure)]; }
    QLabel* drawHeading(int drawThree) const { return headings[size_t(drawThree)]; }
    StatisticsChart* chart(int drawThree) const { return charts[size_t(drawThree)]; }

private:
    void retranslate();
    void showMode();
    QString text(int n) const;

    int dialogLanguage = 2;
    StatisticsTable shown;
    std::array<QLabel*, kFigures> names{};
    std::array<std::array<QLabel*, kStatisticsDrawModes>, kFigures> values{};
    std::array<QLabel*, kStatisticsDrawModes> headings{};
    std::array<StatisticsChart*, kStatisticsDrawModes> charts{};
};

// How a figure reads in the dialog: "–" where there is nothing to show yet.
QString figureText(StatisticsDialog::Figure figure, const StatisticsCell& cell, int scoreMode);
