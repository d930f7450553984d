#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <utility>

class QSettings;

// The program key of the per-user store, seen as an INI file: a section is a
// group, an ident a value name, and every value is kept as text. One object is
// one opening of the key; writes are committed together by close(), so a
// failed write leaves the previous contents whole. Lines of a damaged file
// that cannot be read count as missing; the file is set aside before it is
// first replaced (StoreGuard.h), never mended in place.
class IniStore {
public:
    // Opens the program key (Velmoran/Zarvek in the user's native store).
    IniStore();
    // Commits what close() has not, silently: a destructor must not throw.
    ~IniStore();
    IniStore(const IniStore&) = delete;
    IniStore& operator=(const IniStore&) = delete;

    // The text stored under section/ident, or `fallback` when there is none.
    // A value stored with another type (a list, bytes, a typed object) throws
    // "Invalid data type for '<ident>'".
    QString readString(const QString& section, const QString& ident, const QString& fallback);
    // Decimal or "0x"/"0X" hexadecimal text; anything else gives `fallback`.
    int readInteger(const QString& section, const QString& ident, int fallback);
    // An integer other than 0 is true.
    bool readBool(const QString& section, const QString& ident, bool fallback);

    // Throws "Failed to create key <section>" when the key cannot be made.
    void writeString(const QString& section, const QString& ident, const QString& value);
    void writeInteger(const QString& section, const QString& ident, int value);
    void writeBool(const QString& section, const QString& ident, bool value);

    // Commits the writes; throws "Failed to set data for '<ident>'" naming the
    // first value of the batch when the file cannot be replaced. The file is
    // then left as it was, and the next use of the store tries the batch again,
    // unless the file was one that could not be set aside: that batch is dropped.
    void close();

    // The file behind the program key, and the maker's folder holding it.
    static QString programKeyFile();
    static QString makerFolder();

private:
    // Hands the batch to the file unless the file must not be replaced.
    bool commit();

    QString file;
    std::unique_ptr<QSettings> key;
    // Writes wait here until close(), so a file that must be kept is never touched.
    QList<std::pair<QString, QString>> pending;
    QString firstPending;
};

// How stored text reads as an integer: decimal, or hexadecimal after "0x" or
// "0X" (the 32 bits taken as they are); anything else is `fallback`.
int parseStoredInteger(const QString& text, int fallback);

// Deletes the program key and, when nothing else is left in it, the maker's
// folder; a key that is already gone counts as deleted. False when something
// that exists could not be removed.
bool removeProgramKey();
