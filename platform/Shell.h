#pragma once

class QUrl;

class QString;

// Hands a document or a web address to the desktop's application for it, and files to its trash.
class Shell {
public:
    virtual ~Shell() = default;

    // True when the desktop took it; what the application then does is not known.
    virtual bool open(const QUrl& target) = 0;
    // Moves the file or folder at `path` to the desktop's trash, or removes it where there is no
    // trash; a link goes, not what it points to. True when nothing is left at `path`.
    virtual bool moveToTrash(const QString& path) = 0;
};
