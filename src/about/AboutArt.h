#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

// The About box's own pictures: the title lettering and the credit line in
// each language, from their SVG sources, and the program icon. Each is
// rendered for `ratio` device pixels per logical pixel, so it stays crisp at
// 150 % and 200 %, and is meant to be shown at `size` logical pixels.
enum class AboutPicture { NameR, NameE, NamR, NamE };

QImage renderAboutPicture(AboutPicture which, QSize size, qreal ratio);
QImage renderAboutIcon(int size, qreal ratio);
// The program icon in the sizes a title bar and a task switcher ask for.
QIcon aboutWindowIcon();
