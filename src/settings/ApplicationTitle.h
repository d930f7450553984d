#pragma once

#include <QString>

class QWidget;

// The application's title: the name the task bar gives the running program.
// It is carried by the main window's icon text, which the window system shows
// for the program, so that no other window's caption changes with it (an
// application display name would be appended to every title bar).
QString applicationTitle();
void setApplicationTitle(const QString& title);
// The window whose icon text carries the title; until there is one the title
// is only remembered.
void setApplicationTitleWindow(QWidget* mainWindow);
