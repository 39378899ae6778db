#include "frmHighScore.h"

#include "engine/StartMenu.h"
#include "engine/Windows.h"
#include "menus/Difficulty.h"
#include "menus/HighScoreRecord.h"
#include "platform/Platform.h"

frmHighScore::frmHighScore(Platform& platform, Windows& windows)
    : Form(platform, highScoreLayout())
    , m_windows(windows)
{}

void frmHighScore::connectControls()
{
    onClick("Command2", [this] {
        Unload();
        m_windows.ops->Show();
    });
}

void frmHighScore::Form_Load()
{
    const ShownRecord record = recordToShow(m_platform.settings);
    setCaption(control("lblScore"), record.score);
    // The cleared record's holder is the game's word, not a player's name.
    setCaption(control("lblName"), record.name == QLatin1String("Nobody")
                                       ? QCoreApplication::translate("HighScore", "Nobody")
                                       : record.name);
    setCaption(control("lblLevel"), shownDifficulty(record.level));
    if (record.foodEaten)
        setCaption(control("lblfoodeat"), *record.foodEaten);
}
