#pragma once

#include <QPoint>

// Where the playing panel goes in the main window's client area: centred,
// pinned to the left or top edge when the client is smaller than the panel.
// The vertical centre leaves room for the status bar (height statusBar, 0
// when hidden), but the test whether there is room compares without it, so a
// client just a little taller than the panel puts the panel a few pixels
// above the top edge; players of earlier versions know the table that way.
QPoint panelPosition(int clientWidth, int clientHeight, int panelWidth, int panelHeight,
                     int statusBar);
