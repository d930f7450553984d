#pragma once

#include <QString>
#include <QStringList>

// A store file the program cannot read in full is set aside before anything
// replaces it, so that what could not be read is not lost with the next write.

// The largest store file read; real ones hold a few kilobytes.
inline constexpr qint64 kStoreFileLimit = 1 << 20;

// Checks `file` before the store uses it. A file over the limit is moved
// aside unread; a file with lines that cannot be read is copied aside, under
// a name made from its contents, so the same damage is copied only once. The
// check is redone only when the file's size or time has changed. False when
// the file needs setting aside and that failed: it must not be replaced.
bool guardStoreFile(const QString& file);

// The places files were set aside to since the last call, for the player to
// be told once.
QStringList takeSetAsideFiles();
