#pragma once

#include <QString>

#include <cstdint>

// The interface language of the run: 1 Russian, 2 English.
extern std::uint8_t language;

// The string resource with this identifier, or the empty text when there is none.
QString stringResource(int id);

// Text n of the current language (string resource 1000 * language + n),
// looked up anew at every call so a change of language reaches every later text.
QString langtext(int n);
