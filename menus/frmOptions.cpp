#include "frmOptions.h"

#include "engine/StartMenu.h"
#include "engine/Windows.h"
#include "menus/HighScoreRecord.h"
#include "menus/Shellx.h"
#include "platform/Platform.h"
#include "rules/SettingKeys.h"

#include <QCheckBox>
#include <QCoreApplication>

frmOptions::frmOptions(Platform& platform, Windows& windows)
    : Form(platform, settingsLayout())
    , m_windows(windows)
{}

void frmOptions::connectControls()
{
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [this] { openDocument("readme.htm"); });
    onClick("Command3", [this] { openDocument("skinning.htm"); });
    onClick("Command4", [this] { Command4_Click(); });
    onClick("Command5", [this] { Command5_Click(); });
    onClick("Command6", [this] { backToMenu(); });
}

void frmOptions::Form_Load()
{
    const ProgramVersion version = ProgramFacts::version();
    setTitle(QCoreApplication::translate("Settings", "Kriel - Settings - [Version %1.%2.%3]")
                 .arg(version.major)
                 .arg(version.minor)
                 .arg(version.revision));
    const StartMenu& menu = *m_windows.ops;
    control<QCheckBox>("Check1")->setChecked(menu.settings.SoundsSetting);
    control<QCheckBox>("Check2")->setChecked(menu.settings.OnTopSetting);
    control<QCheckBox>("Check3")->setChecked(menu.settings.NotifySetting);
}

void frmOptions::Command1_Click()
{
    const QString title = QCoreApplication::translate("Settings", "Clear High Scores");
    if (clearRecord(m_platform.settings))
        m_platform.dialogs.message(
            window(), QCoreApplication::translate("Settings", "High Scores Cleared."), title);
    else
        m_platform.dialogs.message(window(), notSavedMessage(m_platform.settings), title);
}

void frmOptions::Command4_Click()
{
    SettingsStore& store = m_platform.settings;
    const bool saved = writeDefaults(store);
    m_platform.dialogs.message(
        window(),
        saved ? QCoreApplication::translate("Settings", "All settings have returned to default.")
              : notSavedMessage(store),
        QCoreApplication::translate("Settings", "Reset"));
}

void frmOptions::Command5_Click()
{
    SettingsStore& store = m_platform.settings;
    const GameplaySettings chosen{control<QCheckBox>("Check1")->isChecked(),
                                  control<QCheckBox>("Check2")->isChecked(),
                                  control<QCheckBox>("Check3")->isChecked()};
    chosen.write(store);
    // Not saved, they still hold for this run: the copies read them back, all but OnTop.
    GameplaySettings& copies = m_windows.ops->settings;
    copies = GameplaySettings::read(store);
    copies.OnTopSetting = chosen.OnTopSetting;
    backToMenu();
}

void frmOptions::openDocument(const char* fileName)
{
    OpenDocument(m_platform.shell,
                 m_platform.facts.programFolder() + '/' + QLatin1String(fileName));
}

void frmOptions::backToMenu()
{
    Unload();
    m_windows.ops->Show();
}
