#pragma once

#include "StoreError.h"

#include <QString>

#include <optional>

// The general error report: a store failure is shown to the player and the
// program goes on. Handlers that touch the store run their work through
// reportingStoreErrors, so the report lives in this one place.
void reportError(const StoreError& error);

// Tells the player, in the current language, where each store file set aside
// since the last report went (StoreGuard.h).
void reportSetAsideFiles();

// How a report reaches the player: the program installs its error box at
// start-up (ErrorBox.h). With none installed, as in tools without windows, the
// report goes to the log, so no failure passes unsaid.
using ErrorReporter = void (*)(const QString& text);
void setErrorReporter(ErrorReporter reporter);

// Runs `work`; a StoreError ends it and is reported, after the store files
// the work had set aside. True when it finished.
template <typename Work> bool reportingStoreErrors(Work&& work) {
    std::optional<StoreError> failure;
    try {
        work();
    } catch (const StoreError& error) {
        failure = error;
    }
    reportSetAsideFiles();
    if (failure)
        reportError(*failure);
    return !failure;
}
