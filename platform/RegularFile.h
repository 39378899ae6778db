#pragma once

class QFile;
class QString;

enum class FileKind {
    Missing,
    Regular,  // a regular file, or a link to one
    Other,    // a folder, a FIFO, a device, a socket, a broken or looping link
};

// What stands at `path`, links followed; nothing is opened.
FileKind fileKindAt(const QString& path);

// Opens `file` read-only on `path` when that is a regular file (or a link to one), and refuses
// anything else at once. A FIFO opened for reading would wait for a writer for ever, and a
// device may never end, so they are refused without being read; a file swapped for one between
// the look and the open is refused too. False, with `file` closed, when refused or unreadable.
bool openRegularFile(QFile& file, const QString& path);
