#pragma once

#include "StoreError.h"

// The general error report: a store failure is shown in an error box and
// the program goes on. Handlers that touch the store run their work through
// reportingStoreErrors, so the report lives in this one place.
void reportError(const StoreError& error);

// Runs `work`; a StoreError ends it and is reported. True when it finished.
template <typename Work> bool reportingStoreErrors(Work&& work) {
    try {
        work();
        return true;
    } catch (const StoreError& error) {
        reportError(error);
        return false;
    }
}
