#include "Startup.h"

#include "platform/DisplayProbe.h"

#include <QCoreApplication>

QString usageText()
{
    //: Keep the options as they are, and the second line's start under the first's "kriel".
    return QCoreApplication::translate(
        "CommandLine", "usage: kriel [-h | --help | -v | --version] [Qt's options]\n"
                       "       kriel --install-skin FILE|FOLDER\n");
}

QString helpText(const QStringList& skinsFolders, const QString& settingsFile)
{
    //: Lines of at most 80 characters. Keep the options, the keys and the file names as they are;
    //: %1 and %2 are folders, %3 the settings file.
    return usageText()
           + QCoreApplication::translate(
                 "CommandLine",
                 "\n"
                 "Kriel opens its start menu: choose Easy, Medium or Hard and press Play!, then\n"
                 "steer the kriel to the food. Keys in the play window:\n"
                 "  arrow keys  steer; the first one sets the kriel moving\n"
                 "  P           pause, and resume\n"
                 "  Q           give up this game\n"
                 "  X           quit at once, saving nothing\n"
                 "  S           load the skin again from its folder\n"
                 "\n"
                 "Qt's own options go to Qt: -platform NAME, -display HOST:SCREEN, -session ID,\n"
                 "-style NAME, -qwindowgeometry WxH+X+Y, -reverse and the like.\n"
                 "\n"
                 "--install-skin FILE|FOLDER installs a shared skin among your own, from a .zip,\n"
                 ".tar.gz, .tgz, .tar.xz or .tar.bz2 archive or a skin folder, and opens no\n"
                 "window. A name already taken is kept: the new skin gets a free one, such as\n"
                 "\"Neon (2)\". Dropping the same on the skin selector's list installs it too.\n"
                 "\n"
                 "Skins:    %1, and your own in %2\n"
                 "Settings: %3\n")
                 .arg(skinsFolders.value(0), skinsFolders.value(1), settingsFile);
}

DisplayChoice chooseDisplay(const QString& platformOption, const QString& displayOption)
{
    const QByteArray platform =
        platformOption.isEmpty() ? qgetenv("QT_QPA_PLATFORM") : platformOption.toLocal8Bit();
    const QByteArray x11 =
        displayOption.isEmpty() ? qgetenv("DISPLAY") : displayOption.toLocal8Bit();
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
    DisplayChoice none{false, {}};
    if (!x11.isEmpty())
        none.tried.append(
            (displayOption.isEmpty() ? QStringLiteral("DISPLAY=") : QStringLiteral("-display "))
            + QString::fromLocal8Bit(x11));
    if (!wayland.isEmpty())
        none.tried.append(QStringLiteral("WAYLAND_DISPLAY=") + wayland);
    return none;
}

QString noDisplayText(const QStringList& tried)
{
    if (tried.isEmpty())
        return QCoreApplication::translate(
            "CommandLine",
            "kriel: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)\n");
    //: %1 is where the game looked, as "DISPLAY=:0 or WAYLAND_DISPLAY=wayland-0".
    return QCoreApplication::translate(
               "CommandLine", "kriel: no display to open the game on (nothing answers at %1)\n")
        .arg(tried.join(QCoreApplication::translate("CommandLine", " or ")));
}
