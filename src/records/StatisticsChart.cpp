#include "StatisticsChart.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

const QColor StatisticsChart::kWinColour(0, 150, 0);
const QColor StatisticsChart::kLossColour(200, 0, 0);

namespace {

constexpr int kInset = 2;

} // namespace

StatisticsChart::StatisticsChart(QWidget* parent) : QWidget(parent) {}

void StatisticsChart::setGames(const QList<RecentGame>& games, bool times) {
    shown = games.mid(std::max<qsizetype>(0, games.size() - kRecentGames));
    chartTimes = times;
    update();
}

QRect StatisticsChart::plotArea() const {
    return rect().adjusted(kInset, kInset, -kInset, -kInset);
}

qint64 StatisticsChart::largest(bool above) const {
    qint64 most = 0;
    for (const RecentGame& g : shown)
        most = std::max<qint64>(most, above ? valueOf(g) : -qint64(valueOf(g)));
    return most;
}

int StatisticsChart::zeroLine() const {
    const QRect area = plotArea();
    // The line sits where the largest gain and the largest loss both fit, so
    // a chart of losses alone hangs from the top.
    const qint64 up = largest(true), down = largest(false);
    if (up + down == 0)
        return chartTimes ? area.bottom() : area.top() + area.height() / 2;
    return area.top() + int((area.height() - 1) * up / (up + down));
}

QRect StatisticsChart::barRect(int i) const {
    if (i < 0 || i >= shown.size() || valueOf(shown[i]) == 0)
        return {};
    const QRect area = plotArea();
    const qint64 value = valueOf(shown[i]);
    const int zero = zeroLine();
    const qint64 room = value > 0 ? zero - area.top() : area.bottom() - zero;
    // Even the smallest value shows as a bar one pixel high.
    const int height = int(std::max<qint64>(1, room * std::abs(value) / largest(value > 0)));
    // Every slot is as wide as 50 games need, so the bars keep their width
    // while the first games come in.
    const int slot = area.width() / kRecentGames;
    const int left = area.left() + i * slot;
    const int width = std::max(1, slot - 1);
    return value > 0 ? QRect(left, zero - height, width, height)
                     : QRect(left, zero + 1, width, height);
}

void StatisticsChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    for (int i = 0; i < shown.size(); ++i)
        p.fillRect(barRect(i), shown[i].won ? kWinColour : kLossColour);
    const QRect area = plotArea();
    p.setPen(Qt::black);
    p.drawLine(area.left(), zeroLine(), area.right(), zeroLine());
}
