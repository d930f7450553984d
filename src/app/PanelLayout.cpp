#include "PanelLayout.h"

namespace {

// v * 0.5 truncated toward zero, as all placement arithmetic halves.
int half(int v) {
    return v / 2;
}

} // namespace

QPoint panelPosition(int clientWidth, int clientHeight, int panelWidth, int panelHeight,
                     int statusBar) {
    const int left = clientWidth < panelWidth ? 0 : half(clientWidth - panelWidth);
    const int top = clientHeight < panelHeight ? 0 : half(clientHeight - panelHeight - statusBar);
    return {left, top};
}
