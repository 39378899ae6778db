// kriel-skincheck [--render OUT.png] FOLDER: tells a skin's author whether the game takes the skin
// in FOLDER, and if not, the first thing it refuses; with --render, also draws the play window
// as a game shows it into OUT.png. Exits 0 for a skin the game takes, 1 otherwise, 2 for a
// command line it does not understand.

#include "skins/SkinCheck.h"

#include "app/CommandLine.h"
#include "engine/SkinPreview.h"
#include "platform/StandardScreen.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

const char Usage[] = "usage: kriel-skincheck [--render OUT.png] FOLDER\n"
                     "       kriel-skincheck -h | --help | -v | --version\n";
const char Help[] =
    "\n"
    "Loads the skin in FOLDER as the game would and prints \"ok\" with the window's size, the\n"
    "cell size, the grid and the outline's rectangles, or the first thing the game would\n"
    "refuse. With --render, also draws the play window as the game shows it into OUT.png.\n"
    "Exits with 0 for a skin the game takes, 1 otherwise and 2 when called wrongly.\n";

// Status 2, with the usage.
int calledWrongly(const QString& refusal)
{
    if (!refusal.isEmpty())
        std::fputs(qPrintable(QStringLiteral("kriel-skincheck: ") + refusal + QLatin1Char('\n')),
                   stderr);
    std::fputs(Usage, stderr);
    return 2;
}

int checkAndRender(const QString& folder, const QString& render)
{
    const StandardScreen screen;
    const SkinCheck check = checkSkin(folder, screen);
    std::fputs(qPrintable(check.report + QLatin1Char('\n')), stdout);
    if (!check.ok)
        return 1;
    if (render.isEmpty())
        return 0;
    const PixelScale scale = PixelScale::of(screen);
    const QImage window =
        renderPlayWindow(previewBoard(check.board), check.look, check.outline, scale);
    if (!window.save(render, "PNG")) {
        std::fputs(qPrintable(QStringLiteral("kriel-skincheck: could not write ") + render
                              + QLatin1Char('\n')),
                   stderr);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCommandLineParser parser;
    addHelpAndVersion(parser);
    const QCommandLineOption render(QStringLiteral("render"), QString(), QStringLiteral("OUT.png"));
    parser.addOption(render);
    if (const QString refusal = parseArguments(parser, argumentsOf(argc, argv)); !refusal.isEmpty())
        return calledWrongly(refusal);
    const StartRequest request = helpOrVersion(parser);
    if (request == StartRequest::Help) {
        std::fputs(Usage, stdout);
        std::fputs(Help, stdout);
        return 0;
    }
    if (request == StartRequest::Version) {
        std::fputs(qPrintable(versionText()), stdout);
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return calledWrongly({});
    // Pictures and fonts need a GUI application, but no screen; none of the command line is Qt's.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int toolkitCount = 1;
    QGuiApplication app(toolkitCount, argv);
    return checkAndRender(parser.positionalArguments().constFirst(), parser.value(render));
}
