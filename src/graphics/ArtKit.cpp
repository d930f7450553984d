#include "ArtKit.h"

#include "CardArt.h"

#include "resources.h"

#include <QString>
#include <QSvgRenderer>

namespace {

const char* const kSuitNames[] = {"hearts", "diamonds", "clubs", "spades"};
const char* const kCourtNames[] = {"jack", "queen", "king"};

// Backs whose design is a woven pattern are drawn in code; the rest are pictures.
const char* const kBackFiles[] = {nullptr,           nullptr,       "robot",  "roses",
                                  "climbing-leaves", "clown-fish",  "reef",   "seashell",
                                  "blossom",         "fan-of-aces", "castle", "palm-beach"};

std::unique_ptr<QSvgRenderer> load(const QString& path) {
    auto renderer = std::make_unique<QSvgRenderer>(path);
    // A missing or broken file is a build mistake, never the player's: say so
    // (the tests also notice the blank art) but let the game run.
    if (!renderer->isValid())
        qWarning("Zarvek art: cannot read %s", qPrintable(path));
    return renderer;
}

} // namespace

ArtKit::ArtKit(qreal ratio) : devicePixelRatio(ratio), blank(blankCardPicture(ratio)) {
    initZarvekResources();
}

ArtKit::~ArtKit() = default;

std::unique_ptr<QSvgRenderer> ArtKit::court(int suit, int face) const {
    return load(
        QStringLiteral(":/art/court/%1-%2.svg")
            .arg(QLatin1String(kCourtNames[face - 11]), QLatin1String(kSuitNames[suit - 1])));
}

std::unique_ptr<QSvgRenderer> ArtKit::aceOfSpades() const {
    return load(QStringLiteral(":/art/ace-of-spades.svg"));
}

std::unique_ptr<QSvgRenderer> ArtKit::backMotif(int n) const {
    if (!kBackFiles[n - 1])
        return nullptr;
    return load(QStringLiteral(":/art/backs/%1-%2.svg")
                    .arg(n, 2, 10, QLatin1Char('0'))
                    .arg(QLatin1String(kBackFiles[n - 1])));
}
