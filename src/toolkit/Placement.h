#pragma once

#include <QPoint>

// Where a dialog opens: centred over the main window, then pulled back so
// that it stays at least `margin` pixels inside the screen. Plain integer
// arithmetic, so the rules can be tested without a window system.

// The top-left corner of a windowWidth x windowHeight window centred over the
// main window, kept on screen by keeponscreen. Odd differences are halved
// toward zero, so the window sits half a pixel left (or right) of centre
// rather than jumping a whole pixel.
QPoint placedialog(int mainLeft, int mainTop, int mainWidth, int mainHeight, int windowWidth,
                   int windowHeight, int margin, int screenWidth, int screenHeight);

// Moves (left, top) so the window keeps `margin` pixels from the screen's
// edges. Each axis on its own; the near edge wins, so a window too big for the
// screen starts at the margin (its title bar stays reachable) and runs over
// the far edge.
QPoint keeponscreen(int left, int top, int windowWidth, int windowHeight, int margin,
                    int screenWidth, int screenHeight);
