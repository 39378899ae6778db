#include "frmOptions.h"

#include "menus/HighScoreRecord.h"
#include "menus/Shellx.h"
#include "menus/Windows.h"
#include "menus/frmOps.h"
#include "platform/Platform.h"
#include "platform/SettingKeys.h"

#include <QCheckBox>
#include <QPushButton>

using namespace SettingKeys;

namespace {

QString onOff(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

frmOptions::frmOptions(Platform& platform, Windows& windows)
    : Form(platform, settingsLayout())
    , m_windows(windows)
{}

void frmOptions::connectControls()
{
    const auto onClick = [this](const char* name, auto handler) {
        connect(control<QPushButton>(QLatin1String(name)), &QPushButton::clicked, this, handler);
    };
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
    setTitle(QStringLiteral("Kriel - Settings - [Version %1.%2.%3]")
                 .arg(version.major)
                 .arg(version.minor)
                 .arg(version.revision));
    const frmOps& menu = *m_windows.ops;
    control<QCheckBox>("Check1")->setChecked(isOn(menu.SoundsSetting));
    control<QCheckBox>("Check2")->setChecked(isOn(menu.OnTopSetting));
    control<QCheckBox>("Check3")->setChecked(isOn(menu.NotifySetting));
}

void frmOptions::Command1_Click()
{
    const QString title = QStringLiteral("Clear High Scores");
    if (clearRecord(m_platform.settings))
        m_platform.dialogs.message(window(), QStringLiteral("High Scores Cleared."), title);
    else
        m_platform.dialogs.message(window(), notSavedMessage(m_platform.settings), title);
}

void frmOptions::Command4_Click()
{
    SettingsStore& store = m_platform.settings;
    const bool saved = writeDefaults(store);
    m_platform.dialogs.message(window(),
                               saved ? QStringLiteral("All settings have returned to default.")
                                     : notSavedMessage(store),
                               QStringLiteral("Reset"));
}

void frmOptions::Command5_Click()
{
    SettingsStore& store = m_platform.settings;
    const QCheckBox* onTop = control<QCheckBox>("Check2");
    // Not saved, they still hold for this run: the copies below read them back.
    writeSettings(store, {{Sounds, onOff(control<QCheckBox>("Check1"))},
                          {OnTop, onOff(onTop)},
                          {Notify, onOff(control<QCheckBox>("Check3"))}});

    frmOps& menu = *m_windows.ops;
    menu.SoundsSetting = readSetting(store, Sounds);
    menu.NotifySetting = readSetting(store, Notify);
    menu.OnTopSetting = onOff(onTop);
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
