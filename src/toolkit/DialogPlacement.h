#pragma once

#include <QRect>

class QWidget;

// Every dialog keeps this distance from the screen's edges.
inline constexpr int kDialogMargin = 10;

// Moves the top-level `dialog` so that its frame is centred over the main
// window's rectangle and stays kDialogMargin inside the primary screen as it
// is at this moment (the user may have changed the resolution since start-up).
void placeOverMainWindow(QWidget& dialog, const QRect& mainWindow);
