#pragma once

#include "Shell.h"

#include <functional>

class Dialogs;
class QString;

// Opens through the desktop's opener (xdg-open, or else a portal). Where none takes the document
// or address, says so in a message box naming it, so that the player can open it by hand; the
// game's callers never look at the result.
class QtShell final : public Shell {
public:
    // Hands `target` on and returns at once; `taken` is called with the outcome once it is known.
    using Opener = std::function<void(const QUrl& target, std::function<void(bool)> taken)>;

    explicit QtShell(Dialogs& dialogs, Opener opener = desktopOpener());
    // True when the opener was asked; the message follows if it then fails.
    bool open(const QUrl& target) override;
    bool moveToTrash(const QString& path) override;

    static Opener desktopOpener();
    // Runs `program` with the document's path or the address as its one argument. An opener ends
    // with a failure status when it has no application for the target (xdg-open: 3, "no method
    // available"), which is as good as having none.
    static Opener programOpener(const QString& program);

private:
    Dialogs& m_dialogs;
    Opener m_opener;
};
