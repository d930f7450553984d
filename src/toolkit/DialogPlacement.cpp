#include "DialogPlacement.h"

#include "FrameExtents.h"
#include "Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void placeOverMainWindow(QWidget& dialog, const QRect& mainWindow) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return; // no display at all: nowhere sensible to put it
    const QRect screenRect = screen->geometry();
    // The frame, not the client area, must fit on screen; move() places the frame too.
    const QSize frame = dialog.size().grownBy(frameExtents(dialog));
    moveFrameTo(dialog, placedialog(mainWindow.left(), mainWindow.top(), mainWindow.width(),
                                    mainWindow.height(), frame.width(), frame.height(),
                                    kDialogMargin, screenRect.width(), screenRect.height()));
}
