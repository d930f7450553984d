#pragma once

// The program's store file, written and read as plain text, so tests set up
// and inspect exactly what a player's disk would hold.

#include "IniStore.h"
#include "StoreGuard.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

// The files the store set aside, next to it.
inline QStringList setAsideFiles() {
    const QFileInfo file(IniStore::programKeyFile());
    QStringList found;
    for (const QFileInfo& f : file.dir().entryInfoList({file.fileName() + ".*"}, QDir::Files))
        if (f.suffix() != "lock")
            found << f.absoluteFilePath();
    return found;
}

// Replaces the store with `text` (INI lines); an empty text removes it, and
// the files set aside from earlier ones. Each store starts a run of its own:
// what the player was to be told about earlier files is forgotten.
inline void writeStoreFile(const QByteArray& text) {
    const QString file = IniStore::programKeyFile();
    QFile::remove(file);
    takeSetAsideFiles();
    if (text.isEmpty()) {
        for (const QString& aside : setAsideFiles())
            QFile::remove(aside);
        return;
    }
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(text);
    out.flush(); // the time set below must be the last change to the file
    // The store rereads a file only when its size or time has changed; two
    // files of one size written within a clock tick must still differ.
    static int written = 0;
    out.setFileTime(QDateTime::currentDateTime().addSecs(++written),
                    QFileDevice::FileModificationTime);
}

inline QByteArray readStoreFile() {
    QFile in(IniStore::programKeyFile());
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// One stored value as the store itself reads it; empty when missing.
inline QString storedValue(const QString& key) {
    return QSettings(IniStore::programKeyFile(), QSettings::IniFormat).value(key).toString();
}
