#pragma once

#include "Card.h"

#include <QString>

// What a screen reader says for a card: "Queen of spades", "Дама пик"; a
// card lying face down is not named.
QString cardName(int language, const Card& card);
// The stock place's name.
QString stockPlaceName(int language);
