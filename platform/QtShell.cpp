#include "QtShell.h"

#include "Dialogs.h"

#include <QDesktopServices>
#include <QUrl>

QtShell::QtShell(Dialogs& dialogs, Opener opener)
    : m_dialogs(dialogs)
    , m_opener(std::move(opener))
{}

QtShell::Opener QtShell::desktopOpener()
{
    return [](const QUrl& target) { return QDesktopServices::openUrl(target); };
}

bool QtShell::open(const QUrl& target)
{
    if (m_opener(target))
        return true;
    const QString what = target.isLocalFile() ? target.toLocalFile() : target.toString();
    m_dialogs.message(nullptr,
                      QStringLiteral("Kriel could not open %1: this desktop has no application "
                                     "set to open it. Please open it by hand.")
                          .arg(what),
                      QStringLiteral("Kriel - Cannot Open"));
    return false;
}
