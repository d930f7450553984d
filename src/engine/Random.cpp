#include "Random.h"

#include <QDateTime>

TimeOfDaySource systemTimeOfDay() {
    return [] { return quint32(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay()); };
}

std::optional<quint32> parseDealNumber(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    quint32 number = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9') // ASCII digits only, not other scripts' digits
            return std::nullopt;
        number = number * 10 + quint32(c.unicode() - u'0');
        if (number >= kDealNumbers) // also keeps the next step from overflowing
            return std::nullopt;
    }
    return number;
}

std::array<int, 53> shuffledCodes(quint32 msOfDay) {
    RandomGenerator random(msOfDay);
    std::array<double, 53> shuffleKeys{};
    for (int i = 1; i <= 52; ++i)
        shuffleKeys[i] = random.next();
    std::array<double, 53> sortedKeys = shuffleKeys;

    // Exchange of neighbours, stepping back after every exchange.
    int i = 1;
    while (i <= 51) {
        if (sortedKeys[i + 1] < sortedKeys[i]) {
            std::swap(sortedKeys[i], sortedKeys[i + 1]);
            if (i > 1)
                --i;
        } else {
            ++i;
        }
    }

    std::array<int, 53> codes{};
    for (int card = 1; card <= 52; ++card)
        for (int j = 1; j <= 52; ++j)
            if (sortedKeys[j] == shuffleKeys[card])
                codes[card] = j;
    return codes;
}
