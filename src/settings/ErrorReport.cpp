#include "ErrorReport.h"

#include "StoreGuard.h"
#include "Texts.h"

#include <QDebug>
#include <QDir>

namespace {

ErrorReporter& installedReporter() {
    static ErrorReporter reporter = nullptr;
    return reporter;
}

} // namespace

void setErrorReporter(ErrorReporter reporter) {
    installedReporter() = reporter;
}

void reportError(const StoreError& error) {
    QString text = error.message();
    if (!text.endsWith(u'.'))
        text += u'.';
    if (ErrorReporter reporter = installedReporter())
        reporter(text);
    else
        qWarning().noquote() << text;
}

void reportSetAsideFiles() {
    for (const QString& place : takeSetAsideFiles())
        reportError(StoreError(langtext(240).arg(QDir::toNativeSeparators(place))));
}
