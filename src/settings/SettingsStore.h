#pragma once

#include "Settings.h"

#include <QRect>

class IniStore;

// The stored options of section "Format", each checked against its range as
// it is read: an out-of-range value falls back to its default.
void readFormat(IniStore& store, Settings& settings);
void writeFormat(IniStore& store, const Settings& settings);

// The language stored under "Language": its low 8 bits. A language without
// texts would leave every caption empty, so it reads as English.
std::uint8_t readLanguage(IniStore& store);

// The main window's outer rectangle from section "Form" (5, 20, 630 x 440 when
// nothing is stored), and back.
QRect readWindowPlacement(IniStore& store);
void writeWindowPlacement(IniStore& store, const QRect& outer);

// A stored outer rectangle made fit for a screen: a size below 150 or larger
// than the screen becomes 630 x 440 (no larger than the screen), and an axis
// on which fewer than 20 pixels would show, or that had to shrink, is centred.
QRect checkWindowPlacement(QRect outer, int screenWidth, int screenHeight);

// Whether the text table holds language n (its help file name exists).
bool languageHasTexts(int n);
