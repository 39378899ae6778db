#include "app/Startup.h"
#include "engine/frmMain.h"
#include "layouts/Pictures.h"
#include "menus/Windows.h"
#include "menus/frmGameOver.h"
#include "menus/frmHighScore.h"
#include "menus/frmOps.h"
#include "menus/frmOptions.h"
#include "platform/ClockRandom.h"
#include "platform/ImmediateExit.h"
#include "platform/OpenWindows.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/QtProgramFacts.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtShell.h"
#include "platform/QtSoundPlayer.h"
#include "platform/QtTimers.h"
#include "platform/SignalEndRequests.h"
#include "skins/SkinFolders.h"
#include "skins/frmSkin.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    switch (startRequest(argc, argv)) {
    case StartRequest::Version:
        std::fputs(qPrintable(versionText()), stdout);
        return 0;
    case StartRequest::Help: {
        // For the program's folder; no display is opened.
        QCoreApplication app(argc, argv);
        const QString text = helpText(skinsFolders(QtProgramFacts()), QtSettingsStore().location());
        std::fputs(qPrintable(text), stdout);
        return 0;
    }
    case StartRequest::Play:
        break;
    }
    // Qt's own answer to a missing display is an abort with advice to reinstall.
    if (const QString problem = chooseDisplay(); !problem.isEmpty()) {
        std::fputs(qPrintable(problem), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(applicationIcon());
    // The game counts its own windows (its dialogs are tool windows, which Qt does not count) and
    // ends when the last one has gone.
    QApplication::setQuitOnLastWindowClosed(false);

    QtSettingsStore settings;
    QtSoundPlayer sound;
    QtDialogs dialogs;
    ClockRandom random;
    QtProgramFacts facts;
    ImmediateExit end;
    QtTimers timers;
    OpenWindows openWindows([] { QCoreApplication::quit(); });
    QtShell shell(dialogs);
    SignalEndRequests endRequests;
    Platform platform{settings, sound,  dialogs,     random, facts,
                      end,      timers, openWindows, shell,  endRequests};

    Windows windows;
    frmOps menu(platform, windows);
    frmMain play(platform, menu);
    frmGameOver gameOver(platform, windows);
    frmHighScore highScore(platform, windows);
    frmOptions options(platform, windows);
    frmSkin skins(platform);
    windows = {&play, &menu, &gameOver, &highScore, &options, &skins};
    play.setGameOverDialog([&gameOver] { gameOver.Show(); });

    menu.Show();
    return QApplication::exec();
}
