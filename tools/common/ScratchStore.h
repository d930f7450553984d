#pragma once

// A per-user store of the tool's own, as a player past the first runs has it:
// the tools neither wait for the language chooser nor touch the developer's
// own settings and winners.

#include "IniStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

class ScratchStore {
public:
    explicit ScratchStore(int language = 2) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        const QString file = IniStore::programKeyFile();
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(QStringLiteral("[Format]\nFrstHlp=2\nLanguage=%1\n").arg(language).toUtf8());
    }

private:
    QTemporaryDir dir;
};
