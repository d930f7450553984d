#pragma once

// Lets GoogleTest print texts in failure messages instead of raw bytes.
#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
