#pragma once

#include "Shell.h"

#include <functional>

class Dialogs;

// Opens through the desktop's opener (xdg-open, or a portal). Where none takes the document or
// address, says so in a message box naming it, so that the player can open it by hand; the
// game's callers never look at the result.
class QtShell final : public Shell {
public:
    using Opener = std::function<bool(const QUrl&)>;

    explicit QtShell(Dialogs& dialogs, Opener opener = desktopOpener());
    bool open(const QUrl& target) override;

    static Opener desktopOpener();

private:
    Dialogs& m_dialogs;
    Opener m_opener;
};
