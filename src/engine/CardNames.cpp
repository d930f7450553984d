#include "CardNames.h"

#include "Texts.h"

QString cardName(int language, const Card& card) {
    if (!card.faceUp)
        return langtext(language, 319);
    return langtext(language, 317)
        .arg(langtext(language, 299 + card.rank), langtext(language, 312 + card.suit));
}

QString stockPlaceName(int language) {
    return langtext(language, 318);
}
