#include "InstallSkinCommand.h"

#include "formats/PrintableText.h"
#include "platform/QtProgramFacts.h"
#include "skins/SkinInstall.h"
#include "translations/PlayerLanguage.h"

#include <QGuiApplication>

#include <cstdio>

int installSkinCommand(char* program, const QString& source)
{
    // The skin's pictures are loaded to check it, which needs a GUI application, but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int toolkitCount = 1;
    char* toolkitArguments[] = {program, nullptr};
    const QGuiApplication app(toolkitCount, toolkitArguments);
    const PlayerLanguage language;
    const QtProgramFacts facts;
    removeInstallLeftovers(facts);
    const SkinInstall install = installSkin(source, facts, [](const QString&) { return false; });
    if (!install.ok()) {
        std::fputs(qPrintable(QStringLiteral("kriel: ") + printable(install.refusal) + u'\n'),
                   stderr);
        return 1;
    }
    const QString done =
        install.name == install.wanted
            ? QCoreApplication::translate("SkinInstall", "installed \"%1\" into %2")
                  .arg(install.name, install.path)
            : QCoreApplication::translate(
                  "SkinInstall",
                  "installed \"%1\" into %2, as a skin called \"%3\" was there already")
                  .arg(install.name, install.path, install.wanted);
    std::fputs(qPrintable(printable(done) + u'\n'), stdout);
    return 0;
}
