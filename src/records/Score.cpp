#include "Score.h"

#include "Texts.h"

QString ScoreClock::scoreText() const {
    const QString digits = QString::number(score);
    return scoreMode == smCasino ? QStringLiteral("$ ") + digits : digits;
}

QString ScoreClock::timeText(int language) const {
    return langtext(language, 116) + QString::number(gameSeconds);
}

QString ScoreClock::pauseText(int language) {
    return langtext(language, 117);
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
