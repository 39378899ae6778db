#include "frmGameOver.h"

#include "engine/StartMenu.h"
#include "engine/Windows.h"
#include "engine/frmMain.h"
#include "menus/Difficulty.h"
#include "menus/HighScoreRecord.h"
#include "platform/Platform.h"
#include "rules/SettingKeys.h"

#include <QCoreApplication>

frmGameOver::frmGameOver(Platform& platform, Windows& windows)
    : Form(platform, gameOverLayout())
    , m_windows(windows)
{}

void frmGameOver::connectControls()
{
    onClick("Command2", [this] { Command2_Click(); });
    onClick("Command3", [this] { Command3_Click(); });
}

void frmGameOver::Form_Load()
{
    m_score = m_windows.main->FinalScore;
    const StartMenu& menu = *m_windows.ops;
    setCaption(control("lblScore"), QString::number(m_score));
    setCaption(control("lblDiff"), shownDifficulty(menu.DifficultyName));

    if (isNewRecord(storedScore(m_platform.settings), m_score)) {
        control("Command3")->setVisible(true);
        setTitle(QCoreApplication::translate("GameOver", "Kriel - New High Score!!"));
        menu.sounds.play(GameSound::HighScore);
    }
}

void frmGameOver::Command2_Click()
{
    Unload();
    m_windows.ops->Show();
}

void frmGameOver::Command3_Click()
{
    const QString title = QCoreApplication::translate("GameOver", "High Score");
    const QString name = m_platform.dialogs.input(
        window(), QCoreApplication::translate("GameOver", "Please enter your name."), title);
    // Another copy of the game may have saved a record while this one waited for the name: looked
    // at again now, so that a record is never lowered. A record is entered without a word; only
    // one that is not stored is reported.
    const qint16 stored = storedScore(m_platform.settings);
    if (!isNewRecord(stored, m_score))
        m_platform.dialogs.message(window(), recordOvertakenMessage(stored, m_score), title);
    else if (!writeRecord(m_platform.settings, storableName(name), captionOf(control("lblScore")),
                          m_windows.ops->DifficultyName))
        m_platform.dialogs.message(window(), notSavedMessage(m_platform.settings), title);
    Unload();
    m_windows.ops->Show();
}
