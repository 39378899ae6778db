#include "app/CommandLine.h"
#include "app/InstallSkinCommand.h"
#include "app/Startup.h"
#include "engine/SkinPreview.h"
#include "engine/Windows.h"
#include "engine/frmMain.h"
#include "layouts/BuiltInPictures.h"
#include "menus/frmGameOver.h"
#include "menus/frmHighScore.h"
#include "menus/frmOps.h"
#include "menus/frmOptions.h"
#include "platform/ClockRandom.h"
#include "platform/ImmediateExit.h"
#include "platform/LazySoundPlayer.h"
#include "platform/OpenWindows.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/QtProgramFacts.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtShell.h"
#include "platform/QtTimers.h"
#include "platform/SignalEndRequests.h"
#include "skins/SkinFolders.h"
#include "skins/SkinInstall.h"
#include "skins/frmSkin.h"
#include "translations/PlayerLanguage.h"

#include <QApplication>

#include <cstdio>
#include <vector>

namespace {

// The argv QApplication reads and keeps for as long as it runs: the program's name, then Qt's
// own options. What the parser took as positional, or read after "--", never reaches Qt.
class ToolkitArguments {
public:
    ToolkitArguments(const char* program, const QStringList& options)
    {
        text_.emplace_back(program);
        for (const QString& option : options)
            text_.push_back(option.toLocal8Bit());
        for (QByteArray& argument : text_)
            pointers_.push_back(argument.data());
        pointers_.push_back(nullptr);
        count_ = static_cast<int>(text_.size());
    }
    ToolkitArguments(const ToolkitArguments&) = delete;
    ToolkitArguments& operator=(const ToolkitArguments&) = delete;

    int& count() { return count_; }
    char** values() { return pointers_.data(); }

private:
    std::vector<QByteArray> text_;
    std::vector<char*> pointers_;
    int count_ = 0;
};

// The game itself: its windows on the platform's services, until the last window has gone.
int playGame(const char* program, const QStringList& toolkitOptions)
{
    ToolkitArguments toolkit(program, toolkitOptions);
    QApplication app(toolkit.count(), toolkit.values());
    const PlayerLanguage language;
    QApplication::setWindowIcon(applicationIcon());
    // The game counts its own windows (its dialogs are tool windows, which Qt does not count) and
    // ends when the last one has gone.
    QApplication::setQuitOnLastWindowClosed(false);

    QtSettingsStore settings;
    QtProgramFacts facts;
    // Before this run begins an install: a staging folder there now was left by a run killed
    // mid-install, or, rarely, is being filled by another run, whose install then fails whole.
    removeInstallLeftovers(facts);
    LazySoundPlayer sound(facts.programFolder());
    QtDialogs dialogs;
    ClockRandom random;
    ImmediateExit end;
    QtTimers timers;
    OpenWindows openWindows([] { QCoreApplication::quit(); });
    QtShell shell(dialogs);
    SignalEndRequests endRequests;
    Platform platform{settings, sound,  dialogs,     random, facts,
                      end,      timers, openWindows, shell,  endRequests};

    Windows windows;
    frmOps menu(platform, windows);
    frmMain play(platform, windows);
    frmGameOver gameOver(platform, windows);
    frmHighScore highScore(platform, windows);
    frmOptions options(platform, windows);
    frmSkin skins(platform, [](const SkinCheck& skin, const PixelScale& scale) {
        return renderPlayWindow(previewBoard(skin.board), skin.look, skin.outline, scale);
    });
    windows = {&play, &menu, &gameOver, &highScore, &options, &skins};

    menu.Show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[])
{
    const QStringList arguments = argumentsOf(argc, argv);
    const GameCommandLine line = readGameCommandLine(arguments);
    switch (line.request) {
    case StartRequest::Refused:
        // Read again where the refusal can be worded in the player's language.
        inPlayerLanguage([&arguments] {
            const QString refusal = readGameCommandLine(arguments).refusal;
            std::fputs(qPrintable(QStringLiteral("kriel: ") + refusal + QLatin1Char('\n')), stderr);
            std::fputs(qPrintable(usageText()), stderr);
        });
        return 2;
    case StartRequest::Version:
        std::fputs(qPrintable(versionText()), stdout);
        return 0;
    case StartRequest::Help:
        // The application also gives the program's folder; no display is opened.
        inPlayerLanguage([] {
            std::fputs(
                qPrintable(helpText(skinsFolders(QtProgramFacts()), QtSettingsStore().location())),
                stdout);
        });
        return 0;
    case StartRequest::InstallSkin:
        return installSkinCommand(argv[0], line.skinSource);
    case StartRequest::Play:
        break;
    }
    // Qt's own answer to a missing display is an abort with advice to reinstall.
    if (const DisplayChoice display = chooseDisplay(line.platform, line.display); !display.found) {
        inPlayerLanguage(
            [&display] { std::fputs(qPrintable(noDisplayText(display.tried)), stderr); });
        return 1;
    }
    return playGame(argv[0], line.toolkitOptions);
}
