#include "ToolkitLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const char* localeOf(int language) {
    return language == 1 ? "ru" : nullptr;
}

} // namespace

void applyToolkitLanguage(int language) {
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    const char* locale = localeOf(language);
    if (!locale)
        return;
    auto translator = new QTranslator;
    // Without the translations installed the buttons simply stay in English.
    if (translator->load(QStringLiteral("qtbase_") + QLatin1String(locale),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
        installed = translator;
    } else {
        delete translator;
    }
}
