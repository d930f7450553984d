#include "resources.h"

#include <QtCore/qglobal.h>

void initZarvekResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(zarvek);
        return true;
    }();
    (void)done;
}
