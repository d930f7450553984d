#include "Score.h"

#include "Texts.h"

QString ScoreClock::scoreText() const {
    const QString digits = QString::number(score);
    return scoreMode == smCasino ? QStringLiteral("$ ") + digits : digits;
}

QString ScoreClock::timeText() const {
    return langtext(116) + QString::number(gameSeconds);
}

QString ScoreClock::pauseText() {
    return langtext(117);
}

bool ScoreClock::tick() {
    if (scoreMode == smStandard)
        return false;
    ++gameSeconds;
    ++chargeTicks;
    if (chargeTicks < 10)
        return false;
    chargeTicks = 0;
    --score;
    return true;
}
