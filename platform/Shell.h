#pragma once

class QUrl;

// Hands a document or a web address to the desktop's application for it.
class Shell {
public:
    virtual ~Shell() = default;

    // True when the desktop took it; what the application then does is not known.
    virtual bool open(const QUrl& target) = 0;
};
