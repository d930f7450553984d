#pragma once

#include <QString>
#include <QtGlobal>

// Score modes, in the order of the options dialog; also the winners table index.
enum ScoreMode : int { smCasino = 0, smStandard = 1, smNone = 2 };

// The running score and the game clock of one run. Never stored.
struct ScoreClock {
    int scoreMode = smCasino;
    qint32 score = 0;
    qint32 gameSeconds = 0;
    // Ticks toward the next one-point time charge; carried across games.
    qint32 chargeTicks = 0;

    // Points taken at every new game: 150 with one card per turn, 50 with three.
    static int stake(bool drawThree) { return drawThree ? 50 : 150; }

    // The status-bar texts: panel 2 ("$ -150" in Casino, "-150" otherwise)
    // and panel 0 ("Time = 75" in the given language, 1 Russian, 2 English).
    QString scoreText() const;
    QString timeText(int language) const;
    // Panel 0 while a game is paused.
    static QString pauseText(int language);

    // One second of the game clock. Returns true when the time charge took a
    // point. Does nothing in Standard mode, where the clock is not kept.
    bool tick();

    bool operator==(const ScoreClock&) const = default;
};
