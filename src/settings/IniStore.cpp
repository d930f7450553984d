#include "IniStore.h"

#include "StoreError.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>

namespace {

const QString kMaker = QStringLiteral("Velmoran");
const QString kProgram = QStringLiteral("Zarvek");

QString pathOf(const QString& section, const QString& ident) {
    return section + u'/' + ident;
}

QByteArray contentsOf(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Whether the reader takes `line` as it stands: text that is blank, a section
// header or an ident with its value, with no open quote or trailing backslash
// that would join the lines after it to this one.
bool isLegible(QByteArrayView line) {
    line = line.trimmed();
    if (line.isEmpty())
        return true;
    const auto control = [](char c) { return (uchar(c) < 0x20 && c != '\t') || c == 0x7f; };
    if (!line.isValidUtf8() || std::any_of(line.begin(), line.end(), control))
        return false;
    if (line.front() == '[')
        return line.back() == ']';
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\\') {
            if (++i == line.size())
                return false;
        } else if (line[i] == '"') {
            quoted = !quoted;
        }
    }
    return !quoted && line.indexOf('=') > 0;
}

// The legible lines of `text`; `damaged` tells whether any line was not.
QByteArray legibleLines(const QByteArray& text, bool& damaged) {
    QByteArray kept;
    damaged = false;
    for (const QByteArray& line : text.split('\n')) {
        if (isLegible(line))
            kept += line + '\n';
        else
            damaged = true;
    }
    return kept;
}

// A cut copy, a crash or a bad sector can leave the file damaged. Read as it
// stands, a stray quote in the damage swallows the legible lines after it and
// the junk goes back into every later write; so the file is first rewritten
// with its legible lines, under the lock the store's own writes take. When
// that fails the file is read as it stands.
void repairDamagedFile(const QString& file) {
    bool damaged = false;
    legibleLines(contentsOf(file), damaged);
    if (!damaged)
        return;
    QLockFile lock(file + QStringLiteral(".lock"));
    lock.lock();
    // Another instance may have written the file meanwhile.
    const QByteArray kept = legibleLines(contentsOf(file), damaged);
    QSaveFile out(file);
    // Unbuffered: a short write at the final flush would still be committed.
    if (damaged && out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        out.write(kept) == kept.size())
        out.commit();
}

} // namespace

IniStore::IniStore() {
    repairDamagedFile(programKeyFile());
    key = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kMaker,
                                      kProgram);
}

IniStore::~IniStore() {
    if (key)
        key->sync();
}

QString IniStore::programKeyFile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kMaker, kProgram).fileName();
}

QString IniStore::makerFolder() {
    return QFileInfo(programKeyFile()).absolutePath();
}

QString IniStore::readString(const QString& section, const QString& ident,
                             const QString& fallback) {
    const QVariant value = key->value(pathOf(section, ident));
    if (!value.isValid())
        return fallback;
    // Text with a comma reads back as a list, "@ByteArray(...)" as bytes:
    // neither was written by us as text.
    if (value.typeId() != QMetaType::QString)
        throw StoreError(QStringLiteral("Invalid data type for '%1'").arg(ident));
    return value.toString();
}

int IniStore::readInteger(const QString& section, const QString& ident, int fallback) {
    const QString text = readString(section, ident, QString());
    return text.isNull() ? fallback : parseStoredInteger(text, fallback);
}

bool IniStore::readBool(const QString& section, const QString& ident, bool fallback) {
    return readInteger(section, ident, fallback ? 1 : 0) != 0;
}

void IniStore::writeString(const QString& section, const QString& ident, const QString& value) {
    if (!QDir().mkpath(makerFolder()))
        throw StoreError(QStringLiteral("Failed to create key %1").arg(section));
    key->setValue(pathOf(section, ident), value);
    if (firstPending.isNull())
        firstPending = ident;
}

void IniStore::writeInteger(const QString& section, const QString& ident, int value) {
    writeString(section, ident, QString::number(value));
}

void IniStore::writeBool(const QString& section, const QString& ident, bool value) {
    writeString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniStore::close() {
    if (!key)
        return;
    key->sync();
    // A file that could not be parsed is still replaced; only a failed write counts.
    const bool failed = key->status() == QSettings::AccessError && !firstPending.isNull();
    const QString ident = firstPending;
    key.reset();
    if (failed)
        throw StoreError(QStringLiteral("Failed to set data for '%1'").arg(ident));
}

int parseStoredInteger(const QString& text, int fallback) {
    bool ok = false;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        const uint bits = text.mid(2).toUInt(&ok, 16);
        return ok ? static_cast<int>(bits) : fallback;
    }
    const int value = text.toInt(&ok, 10);
    return ok ? value : fallback;
}

bool removeProgramKey() {
    const QString file = IniStore::programKeyFile();
    const QFileInfo info(file);
    if (info.exists() || info.isSymLink()) {
        if (info.isDir() || !QFile::remove(file))
            return false;
    }
    QFile::remove(file + QStringLiteral(".lock"));
    QDir maker(IniStore::makerFolder());
    if (maker.exists() &&
        maker.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return maker.removeRecursively();
    return true;
}
