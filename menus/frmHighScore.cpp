#include "frmHighScore.h"

#include "engine/StartMenu.h"
#include "engine/Windows.h"
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
    setCaption(control("lblName"), record.name);
    setCaption(control("lblLevel"), record.level);
    if (record.foodEaten)
        setCaption(control("lblfoodeat"), *record.foodEaten);
}
