#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QSettings>
#include <QString>

// The store file's text, read and written by the program itself rather than
// by QSettings, so that nothing it cannot read is taken for something else.
// It is the INI text QSettings writes: "[Section]" lines, "ident=value"
// lines, values escaped and quoted the same way, byte for byte, so files
// written before and after read alike.

// A value stored as a typed object ("@Variant(...)", "@ByteArray(...)"), as
// another program writing the same key may leave it. It is kept as its stored
// text, goes back into the file unchanged, and never reads as text.
struct ForeignValue {
    QString text;
};
Q_DECLARE_METATYPE(ForeignValue)

struct IniReading {
    QSettings::SettingsMap values;
    // Some line could not be read; the values hold every line that could.
    bool damaged = false;
};

// Reads the INI text: lines in UTF-8, a line that is not valid UTF-8 in the
// Windows Cyrillic code page. A value with a comma outside quotes is a list
// (QStringList, its items as stored); a typed value is a ForeignValue.
IniReading readIniText(QByteArrayView text);

// The INI text of `values`, with sections and idents in sorted order.
QByteArray writeIniText(const QSettings::SettingsMap& values);

// Text in the Windows Cyrillic code page; byte 0x98, which has no character
// there, reads as U+FFFD.
QString fromWindows1251(QByteArrayView bytes);
