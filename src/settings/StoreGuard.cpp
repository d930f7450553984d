#include "StoreGuard.h"

#include "IniText.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <utility>

namespace {

// A file already checked, and set aside when it needed it, by its size and
// time. Only the window thread uses the store.
struct Checked {
    qint64 size = 0;
    QDateTime modified;
};

QHash<QString, Checked>& checkedFiles() {
    static QHash<QString, Checked> files;
    return files;
}

QStringList& setAside() {
    static QStringList places;
    return places;
}

// Moved, not copied: a file this large must not be read again.
bool moveAside(const QString& file) {
    const QString stem =
        file + QStringLiteral(".too-large-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stem;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = stem + u'-' + QString::number(n);
    if (!QFile::rename(file, target))
        return false;
    setAside().append(target);
    return true;
}

bool copyAside(const QString& file, const QByteArray& bytes) {
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
    const QString target = file + QStringLiteral(".damaged-") + QString::fromLatin1(digest.left(8));
    QFile earlier(target);
    if (earlier.open(QIODevice::ReadOnly) && earlier.size() == bytes.size() &&
        earlier.readAll() == bytes)
        return true;
    QSaveFile copy(target);
    // Flushed before the commit, which would not notice a flush finding no room.
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() || !copy.flush() ||
        !copy.commit())
        return false;
    setAside().append(target);
    return true;
}

} // namespace

bool guardStoreFile(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile() || info.size() == 0) {
        checkedFiles().remove(file);
        return true;
    }
    const Checked now{info.size(), info.lastModified()};
    const auto known = checkedFiles().constFind(file);
    if (known != checkedFiles().cend() && known->size == now.size &&
        known->modified == now.modified)
        return true;
    if (now.size > kStoreFileLimit)
        return moveAside(file);
    QFile in(file);
    // One that cannot be opened is left to the store, which neither reads nor replaces it.
    if (!in.open(QIODevice::ReadOnly))
        return true;
    const QByteArray bytes = in.read(kStoreFileLimit + 1);
    in.close();
    if (bytes.size() > kStoreFileLimit) // grown since it was measured
        return moveAside(file);
    // A copy that failed is tried again at the next use: the disk may have room by then.
    if (readIniText(bytes).damaged && !copyAside(file, bytes))
        return false;
    checkedFiles().insert(file, now);
    return true;
}

QStringList takeSetAsideFiles() {
    return std::exchange(setAside(), {});
}
