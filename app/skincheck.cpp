// kriel-skincheck [--render OUT.png] FOLDER: tells a skin's author whether the game takes the skin
// in FOLDER, and if not, the first thing it refuses; with --render, also draws the play window
// as a game shows it into OUT.png. Exits 0 for a skin the game takes, 1 otherwise, 2 for a
// command line it does not understand.

#include "skins/SkinCheck.h"

#include "app/CommandLine.h"
#include "engine/SkinPreview.h"
#include "platform/StandardScreen.h"
#include "translations/PlayerLanguage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

//: Keep the options as they are, and the second line's start under the first's "kriel-skincheck".
const char Usage[] =
    QT_TRANSLATE_NOOP("SkinCheck", "usage: kriel-skincheck [--render OUT.png] FOLDER\n"
                                   "       kriel-skincheck -h | --help | -v | --version\n");
//: Lines of at most 80 characters. Keep "ok", the options and the file names as they are.
const char Help[] = QT_TRANSLATE_NOOP(
    "SkinCheck",
    "\n"
    "Loads the skin in FOLDER as the game would and prints \"ok\" with the window's size, the\n"
    "cell size, the grid and the outline's rectangles, or the first thing the game would\n"
    "refuse. With --render, also draws the play window as the game shows it into OUT.png.\n"
    "Exits with 0 for a skin the game takes, 1 otherwise and 2 when called wrongly.\n");

void print(const QString& text, FILE* to)
{
    std::fputs(qPrintable(text), to);
}

// What the parser refuses of `arguments`, "" when it takes them all.
QString readCommandLine(QCommandLineParser& parser, const QCommandLineOption& render,
                        const QStringList& arguments)
{
    addHelpAndVersion(parser);
    parser.addOption(render);
    return parseArguments(parser, arguments);
}

// Status 2, with the usage. The command line is read again where its refusal can be worded in
// the player's language.
int calledWrongly(const QCommandLineOption& render, const QStringList& arguments)
{
    inPlayerLanguage([&] {
        QCommandLineParser parser;
        if (const QString refusal = readCommandLine(parser, render, arguments); !refusal.isEmpty())
            print(QStringLiteral("kriel-skincheck: ") + refusal + QLatin1Char('\n'), stderr);
        print(QCoreApplication::translate("SkinCheck", Usage), stderr);
    });
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
        //: %1 is the picture's file.
        print(QCoreApplication::translate("SkinCheck", "kriel-skincheck: could not write %1\n")
                  .arg(render),
              stderr);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const QStringList arguments = argumentsOf(argc, argv);
    const QCommandLineOption render(QStringLiteral("render"), QString(), QStringLiteral("OUT.png"));
    QCommandLineParser parser;
    if (!readCommandLine(parser, render, arguments).isEmpty())
        return calledWrongly(render, arguments);
    const StartRequest request = helpOrVersion(parser);
    if (request == StartRequest::Help) {
        inPlayerLanguage([] {
            print(QCoreApplication::translate("SkinCheck", Usage)
                      + QCoreApplication::translate("SkinCheck", Help),
                  stdout);
        });
        return 0;
    }
    if (request == StartRequest::Version) {
        std::fputs(qPrintable(versionText()), stdout);
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return calledWrongly(render, arguments);
    // Pictures and fonts need a GUI application, but no screen; none of the command line is Qt's.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int toolkitCount = 1;
    QGuiApplication app(toolkitCount, argv);
    const PlayerLanguage language;
    return checkAndRender(parser.positionalArguments().constFirst(), parser.value(render));
}
