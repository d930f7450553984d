#pragma once

// Creates the program's nine windows once each, in their fixed order: the
// main window first (closing it ends the program), then the picture store,
// the back chooser, About, options, winners, name entry, victory banner and
// the language chooser. Each is reached through its one global reference.
void createWindows();
// Destroys them again, last created first.
void destroyWindows();
