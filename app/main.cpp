#include "engine/StartMenuMembers.h"
#include "engine/frmMain.h"
#include "platform/ClockRandom.h"
#include "platform/ImmediateExit.h"
#include "platform/OpenWindows.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/QtProgramFacts.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtSoundPlayer.h"
#include "platform/QtTimers.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The game tracks its own windows and ends when the last one has gone.
    QApplication::setQuitOnLastWindowClosed(false);

    QtSettingsStore settings;
    QtSoundPlayer sound;
    QtDialogs dialogs;
    ClockRandom random;
    QtProgramFacts facts;
    ImmediateExit end;
    QtTimers timers;
    OpenWindows windows([] { QCoreApplication::quit(); });
    Platform platform{settings, sound, dialogs, random, facts, end, timers, windows};

    // TEMPORARY, until the start menu exists: start a Medium game directly, with sounds,
    // always-on-top and the notifier on, as a first run would.
    StartMenuMembers frmOps;
    frmOps.PointsPerFood = 6;
    frmOps.DifficultyName = QStringLiteral("Medium");
    frmOps.SoundsSetting = QStringLiteral("1");
    frmOps.OnTopSetting = QStringLiteral("1");
    frmOps.NotifySetting = QStringLiteral("1");

    frmMain playWindow(platform, frmOps);
    playWindow.TickInterval = QStringLiteral("100");
    playWindow.Show();
    playWindow.GameOver = 0;

    return QApplication::exec();
}
