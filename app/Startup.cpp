#include "Startup.h"

#include "platform/ProgramFacts.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <xcb/xcb.h>

StartRequest startRequest(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0)
            return StartRequest::Version;
        if (std::strcmp(argv[i], "--help") == 0)
            return StartRequest::Help;
    }
    return StartRequest::Play;
}

QString versionText()
{
    constexpr ProgramVersion version = ProgramFacts::version();
    return QStringLiteral("%1.%2.%3\n").arg(version.major).arg(version.minor).arg(version.revision);
}

QString helpText(const QStringList& skinsFolders, const QString& settingsFile)
{
    return QStringLiteral(
               "usage: kriel [--version | --help]\n"
               "\n"
               "Kriel opens its start menu: choose Easy, Medium or Hard and press Play!, then\n"
               "steer the kriel to the food. Keys in the play window:\n"
               "  arrow keys  steer; the first one sets the kriel moving\n"
               "  P           pause, and resume\n"
               "  Q           give up this game\n"
               "  X           quit at once, saving nothing\n"
               "  S           load the skin again from its folder\n"
               "\n"
               "Skins:    %1, and your own in %2\n"
               "Settings: %3\n")
        .arg(skinsFolders.value(0), skinsFolders.value(1), settingsFile);
}

namespace {

bool xServerAnswers(const QByteArray& display)
{
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// A compositor's socket: the name itself when it is a path, else in XDG_RUNTIME_DIR.
bool waylandSocketExists(const QString& name)
{
    const QString path = QDir::isAbsolutePath(name)
                             ? name
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
    return QFileInfo(path).exists();
}

}  // namespace

QString chooseDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray x11 = qgetenv("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return {};
    if ((platform.isEmpty() || platform.startsWith("xcb")) && !x11.isEmpty()
        && xServerAnswers(x11)) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return {};
    }
    if ((platform.isEmpty() || platform.startsWith("wayland")) && !wayland.isEmpty()
        && waylandSocketExists(wayland)) {
        if (platform.isEmpty())
            qputenv("QT_QPA_PLATFORM", "wayland");
        return {};
    }
    if (x11.isEmpty() && wayland.isEmpty())
        return QStringLiteral(
            "kriel: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)\n");
    QStringList tried;
    if (!x11.isEmpty())
        tried.append(QStringLiteral("DISPLAY=") + QString::fromLocal8Bit(x11));
    if (!wayland.isEmpty())
        tried.append(QStringLiteral("WAYLAND_DISPLAY=") + wayland);
    return QStringLiteral("kriel: no display to open the game on (nothing answers at %1)\n")
        .arg(tried.join(QStringLiteral(" or ")));
}
