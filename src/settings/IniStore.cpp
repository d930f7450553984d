#include "IniStore.h"

#include "IniText.h"
#include "StoreError.h"
#include "StoreGuard.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kMaker = QStringLiteral("Velmoran");
const QString kProgram = QStringLiteral("Zarvek");

QString pathOf(const QString& section, const QString& ident) {
    return section + u'/' + ident;
}

bool readStoreText(QIODevice& device, QSettings::SettingsMap& values) {
    // A larger file was set aside unread; one grown since is not read either.
    const QByteArray text = device.read(kStoreFileLimit + 1);
    if (text.size() <= kStoreFileLimit)
        values = readIniText(text).values;
    return true;
}

bool writeStoreText(QIODevice& device, const QSettings::SettingsMap& values) {
    const QByteArray text = writeIniText(values);
    // Flushed here: a flush that finds no room at the commit would go unnoticed,
    // and the cut file would replace the whole one.
    auto* file = qobject_cast<QFileDevice*>(&device);
    return device.write(text) == text.size() && file && file->flush();
}

// QSettings keeps the file's caching, locking and replacement through a
// temporary file; the text itself is read and written by our own INI code.
QSettings::Format storeFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readStoreText, writeStoreText);
    return format;
}

} // namespace

IniStore::IniStore() : file(programKeyFile()) {
    guardStoreFile(file);
    key = std::make_unique<QSettings>(file, storeFormat());
}

IniStore::~IniStore() {
    if (key)
        commit();
}

QString IniStore::programKeyFile() {
    // Found through the maker's file: opening the program key in the native
    // format would have QSettings parse it, however large it is.
    const QSettings maker(QSettings::NativeFormat, QSettings::UserScope, kMaker);
    return QFileInfo(maker.fileName()).absolutePath() + u'/' + kMaker + u'/' + kProgram +
           QStringLiteral(".conf");
}

QString IniStore::makerFolder() {
    return QFileInfo(programKeyFile()).absolutePath();
}

QString IniStore::readString(const QString& section, const QString& ident,
                             const QString& fallback) {
    const QVariant value = key->value(pathOf(section, ident));
    if (!value.isValid())
        return fallback;
    // Text with a comma reads back as a list, "@ByteArray(...)" or
    // "@Variant(...)" as a typed object: none was written by us as text.
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
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        throw StoreError(QStringLiteral("Failed to create key %1").arg(section));
    pending.append({pathOf(section, ident), value});
    if (firstPending.isNull())
        firstPending = ident;
}

void IniStore::writeInteger(const QString& section, const QString& ident, int value) {
    writeString(section, ident, QString::number(value));
}

void IniStore::writeBool(const QString& section, const QString& ident, bool value) {
    writeString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniStore::commit() {
    const auto batch = std::exchange(pending, {});
    // Checked again: the file may have changed since the opening.
    if (!batch.isEmpty() && !guardStoreFile(file))
        return false;
    for (const auto& [path, value] : batch)
        key->setValue(path, value);
    key->sync();
    return true;
}

void IniStore::close() {
    if (!key)
        return;
    const bool kept = !commit();
    // Reading never fails; only a batch that did not reach the file counts.
    const bool failed = kept || (key->status() == QSettings::AccessError && !firstPending.isNull());
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
    // The files set aside from it hold the same records, and go with it.
    const QDir folder = info.dir();
    for (const QString& aside : folder.entryList({info.fileName() + QStringLiteral(".damaged-*"),
                                                  info.fileName() + QStringLiteral(".too-large-*")},
                                                 QDir::Files))
        QFile::remove(folder.filePath(aside));
    QDir maker(IniStore::makerFolder());
    if (maker.exists() &&
        maker.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return maker.removeRecursively();
    return true;
}
