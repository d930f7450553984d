#pragma once

#include "GameStatistics.h"

#include <QWidget>

// Bars for the latest games, oldest on the left: green for a win, red for a
// loss. Points rise above the zero line or fall below it; times, which are
// never negative, all rise from it.
class StatisticsChart : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsChart(QWidget* parent = nullptr);

    // Shows `games`; `times` charts their seconds instead of their points.
    void setGames(const QList<RecentGame>& games, bool times);
    // The bar of game i (0 the oldest shown); empty for a game of no value.
    QRect barRect(int i) const;
    // The height of the zero line.
    int zeroLine() const;

    static const QColor kWinColour;
    static const QColor kLossColour;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int valueOf(const RecentGame& game) const { return chartTimes ? game.seconds : game.points; }
    QRect plotArea() const;
    // The largest value above the zero line, or the deepest below it.
    qint64 largest(bool above) const;

    QList<RecentGame> shown;
    bool chartTimes = false;
};
