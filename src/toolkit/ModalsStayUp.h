#pragma once

class QApplication;

// A modal box cannot be minimised. Some window managers offer minimise on
// every dialog whatever its flags say, and minimising a modal box takes the
// game's own window down with it, leaving nothing on the screen to return
// to. Once installed, a modal window that is minimised is shown again at
// once, together with the windows it belongs to.
void keepModalsUp(QApplication& app);
