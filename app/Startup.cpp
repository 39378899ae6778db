#include "Startup.h"

#include "platform/DisplayProbe.h"

QString usageText()
{
    return QStringLiteral("usage: kriel [-h | --help | -v | --version] [Qt's options]\n"
                          "       kriel --install-skin FILE|FOLDER\n");
}

QString helpText(const QStringList& skinsFolders, const QString& settingsFile)
{
    return usageText()
           + QStringLiteral(
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

QString chooseDisplay(const QString& platformOption, const QString& displayOption)
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
    if (x11.isEmpty() && wayland.isEmpty())
        return QStringLiteral(
            "kriel: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)\n");
    QStringList tried;
    if (!x11.isEmpty())
        tried.append(
            (displayOption.isEmpty() ? QStringLiteral("DISPLAY=") : QStringLiteral("-display "))
            + QString::fromLocal8Bit(x11));
    if (!wayland.isEmpty())
        tried.append(QStringLiteral("WAYLAND_DISPLAY=") + wayland);
    return QStringLiteral("kriel: no display to open the game on (nothing answers at %1)\n")
        .arg(tried.join(QStringLiteral(" or ")));
}
