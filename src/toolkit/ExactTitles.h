#pragma once

#include <QString>

class QApplication;
class QWidget;

// Title bars show exactly the caption the program sets. Qt's window system
// plugins put the application's name into a title that is empty (the banner
// spells its caption out from nothing, and a missing text leaves a caption
// empty); once installed, every window whose caption is empty gets an empty
// title bar again whenever it is shown or retitled. Only the X11 title can be
// written this way; elsewhere the plugin's fallback stays.
void keepEmptyTitlesEmpty(QApplication& app);

// The title the window system holds for `window`, as the title bar shows it;
// the window's own caption where the window system cannot be asked.
QString titleBarText(const QWidget& window);
