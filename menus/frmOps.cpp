#include "frmOps.h"

#include "engine/Windows.h"
#include "engine/frmMain.h"
#include "menus/Difficulty.h"
#include "platform/Platform.h"
#include "rules/SettingKeys.h"

#include <QRadioButton>

using namespace SettingKeys;

frmOps::frmOps(Platform& platform, Windows& windows)
    : StartMenu(platform, startMenuLayout())
    , m_windows(windows)
{}

void frmOps::connectControls()
{
    for (const Difficulty& d : Difficulties)
        connect(control<QRadioButton>(QLatin1String(d.option)), &QRadioButton::clicked, this,
                [this, name = d.name] { Option_Click(name); });
    onClick("Command1", [this] { m_windows.skin->Show(); });
    onClick("Command2", [this] { m_windows.highScore->Show(); });
    onClick("Command3", [this] { m_windows.options->Show(); });
    onClick("Command4", [this] { Command4_Click(); });
    onClick("Command5", [this] { Command5_Click(); });
}

void frmOps::Form_Load()
{
    const SettingsStore& store = m_platform.settings;
    const QString LastDifficulty = readSetting(store, LastDiff);
    settings = GameplaySettings::read(store);

    if (const std::optional<Difficulty> last = difficultyNamed(LastDifficulty))
        control<QRadioButton>(QLatin1String(last->option))->setChecked(true);
}

void frmOps::Form_Unload()
{
    if (PlayStarted != 1)
        m_platform.end.endNow();
}

void frmOps::Option_Click(const char* difficulty)
{
    writeSettings(m_platform.settings, {{LastDiff, QLatin1String(difficulty)}});
}

void frmOps::Command4_Click()
{
    frmMain& play = *m_windows.main;
    for (const Difficulty& d : Difficulties) {
        if (control<QRadioButton>(QLatin1String(d.option))->isChecked()) {
            DifficultyName = QLatin1String(d.name);
            play.TickInterval = QLatin1String(d.TickInterval);
            PointsPerFood = d.PointsPerFood;
            break;
        }
    }
    PlayStarted = 1;
    Unload();
    play.Unload();
    play.Show();
    play.GameOver = 0;
}

void frmOps::Command5_Click()
{
    m_platform.end.endNow();
}
