#include "RedealPenalty.h"

RedealPenalty RedealPenalty::fromInteger(int v) {
    RedealPenalty p;
    p.value = v;
    return p;
}

int RedealPenalty::wholePart() const { return int(value); }
void RedealPenalty::addHalf() { value += 0.5; }
void RedealPenalty::addSixth() { value += 1.0 / 6.0; }
