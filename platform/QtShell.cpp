#include "QtShell.h"

#include "Dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

QtShell::QtShell(Dialogs& dialogs, Opener opener)
    : m_dialogs(dialogs)
    , m_opener(std::move(opener))
{}

QtShell::Opener QtShell::desktopOpener()
{
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty())
        return programOpener(xdgOpen);
    return [](const QUrl& target, const std::function<void(bool)>& taken) {
        taken(QDesktopServices::openUrl(target));
    };
}

QtShell::Opener QtShell::programOpener(const QString& program)
{
    return [program](const QUrl& target, std::function<void(bool)> taken) {
        const QString argument =
            target.isLocalFile() ? target.toLocalFile() : target.toString(QUrl::FullyEncoded);
        // What the opener would read as one of its options is no document.
        if (argument.isEmpty() || argument.startsWith(u'-')) {
            taken(false);
            return;
        }
        // Not owned by the game: an opener still waiting on the application it started when the
        // game ends is left to finish, rather than killed with what it opened.
        auto* process = new QProcess;
        process->setProgram(program);
        process->setArguments({argument});
        process->setStandardInputFile(QProcess::nullDevice());
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        QObject::connect(process, &QProcess::finished, process,
                         [process, taken](int status, QProcess::ExitStatus exit) {
                             process->deleteLater();
                             taken(exit == QProcess::NormalExit && status == 0);
                         });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [process, taken](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart)
                                 return;
                             process->deleteLater();
                             taken(false);
                         });
        process->start();
    };
}

bool QtShell::open(const QUrl& target)
{
    // The outcome may come long after this call returns: the box is reached through a pointer
    // to the dialogs, which live for the run, not through this call's frame.
    Dialogs* dialogs = &m_dialogs;
    m_opener(target, [dialogs, target](bool taken) {
        if (taken)
            return;
        const QString what = target.isLocalFile() ? target.toLocalFile() : target.toString();
        //: %1 is a help document's file or a skin's web address.
        dialogs->message(nullptr,
                         QCoreApplication::translate("Desktop",
                                                     "Kriel could not open %1: this desktop has no "
                                                     "application set to open it. Please open it "
                                                     "by hand.")
                             .arg(what),
                         QCoreApplication::translate("Desktop", "Kriel - Cannot Open"));
    });
    return true;
}

bool QtShell::moveToTrash(const QString& path)
{
    if (QFile::moveToTrash(path))
        return true;
    // Where there is no trash. Removing through a link to a folder would empty what it points to.
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}
