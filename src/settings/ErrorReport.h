#pragma once

#include "StoreError.h"

#include <optional>

// The general error report: a store failure is shown in an error box and
// the program goes on. Handlers that touch the store run their work through
// reportingStoreErrors, so the report lives in this one place.
void reportError(const StoreError& error);

// Tells the player, in the current language, where each store file set aside
// since the last report went (StoreGuard.h).
void reportSetAsideFiles();

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
