#pragma once

#include <QString>

#include <cstdint>

// The interface language of the windows: 1 Russian, 2 English. Only the
// windows read it; the rules and the records are given theirs.
extern std::uint8_t language;

// The string resource with this identifier, or the empty text when there is none.
QString stringResource(int id);

// Text n of the given language (string resource 1000 * language + n). The
// rules and the records are handed the language and ask through this.
QString langtext(int language, int n);

// Text n of the window's current language, looked up anew at every call so a
// change of language reaches every later text.
QString langtext(int n);
