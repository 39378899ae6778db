#pragma once

#include <QString>

#include <optional>

class QFile;

// Why `path` cannot be read as a regular file (or a link to one), in words for the player:
// "missing", "not a regular file" (a folder, a FIFO, a device, a socket, a looping link), or
// "cannot be read" with the system's reason, such as "(permission denied)". None when it can be
// read. The file is opened to find out, never read, and a FIFO or device is not even opened.
std::optional<QString> regularFileProblem(const QString& path);

// Opens `file` read-only on `path` when that is a regular file (or a link to one), and refuses
// anything else at once. A FIFO opened for reading would wait for a writer for ever, and a
// device may never end, so they are refused without being read; a file swapped for one between
// the look and the open is refused too. False, with `file` closed, when refused or unreadable.
bool openRegularFile(QFile& file, const QString& path);
