#include "DialogLayout.h"
#include "layouts/BuiltInPictures.h"

#include <QtGlobal>

namespace {

using enum ControlKind;

const QString Dialog;

FontSpec sansSerif(float points, bool bold = true)
{
    return {QStringLiteral("MS Sans Serif"), points, bold};
}

ControlLayout control(ControlKind kind, const char* name, const char* caption,
                      const QString& container, TwipsRect bounds)
{
    ControlLayout c;
    c.kind = kind;
    c.name = QLatin1String(name);
    c.caption = QString::fromUtf8(caption);
    c.container = container;
    c.bounds = bounds;
    return c;
}

ControlLayout& named(DialogLayout& dialog, const char* name)
{
    for (ControlLayout& c : dialog.controls)
        if (c.name == QLatin1String(name))
            return c;
    Q_UNREACHABLE();
}

}  // namespace

DialogLayout startMenuLayout()
{
    const QString frame1 = QStringLiteral("Frame1");
    const QString frame2 = QStringLiteral("Frame2");
    DialogLayout d{
        "StartMenu", QT_TRANSLATE_NOOP("StartMenu", "Kriel - Begin a new game"), 5055, 3840, {}};
    d.controls = {
        control(Frame, "Frame1", QT_TRANSLATE_NOOP("StartMenu", "Difficulty Selection"), Dialog,
                {120, 240, 4815, 1575}),
        //: Each difficulty shows in brackets the points a piece of food is worth at it.
        control(OptionButton, "Option1", QT_TRANSLATE_NOOP("StartMenu", "Easy (4)"), frame1,
                {120, 360, 975, 255}),
        control(OptionButton, "Option2", QT_TRANSLATE_NOOP("StartMenu", "Medium (6)"), frame1,
                {120, 720, 1095, 255}),
        control(OptionButton, "Option3", QT_TRANSLATE_NOOP("StartMenu", "Hard (8)"), frame1,
                {120, 1080, 975, 255}),
        //: Heads the group of buttons that open the other windows.
        control(Frame, "Frame2", QT_TRANSLATE_NOOP("StartMenu", "Options"), Dialog,
                {120, 2160, 4815, 975}),
        control(CommandButton, "Command1", QT_TRANSLATE_NOOP("StartMenu", "Change Skin..."), frame2,
                {120, 360, 1455, 375}),
        control(CommandButton, "Command2", QT_TRANSLATE_NOOP("StartMenu", "High Score"), frame2,
                {1680, 360, 1455, 375}),
        control(CommandButton, "Command3", QT_TRANSLATE_NOOP("StartMenu", "Settings"), frame2,
                {3240, 360, 1455, 375}),
        //: Starts a game.
        control(CommandButton, "Command4", QT_TRANSLATE_NOOP("StartMenu", "Play!"), Dialog,
                {3720, 3360, 1215, 375}),
        control(CommandButton, "Command5", QT_TRANSLATE_NOOP("StartMenu", "Quit"), Dialog,
                {2400, 3360, 1215, 375}),
    };
    named(d, "Option2").selected = true;
    return d;
}

DialogLayout gameOverLayout()
{
    const QString frame1 = QStringLiteral("Frame1");
    DialogLayout d{"GameOver", QT_TRANSLATE_NOOP("GameOver", "Kriel - Game Over"), 3930, 2295, {}};
    d.controls = {
        control(CommandButton, "Command2", QT_TRANSLATE_NOOP("GameOver", "Ok"), Dialog,
                {3000, 1800, 855, 375}),
        control(Frame, "Frame1", QT_TRANSLATE_NOOP("GameOver", "Game Over"), Dialog,
                {120, 240, 3735, 1335}),
        control(ControlKind::Label, "lblScore", "000", frame1, {1560, 360, 375, 240}),
        //: Followed by the difficulty the game was played at.
        control(ControlKind::Label, "lbl4diff", QT_TRANSLATE_NOOP("GameOver", "Difficulty Level:"),
                frame1, {120, 840, 1215, 255}),
        control(ControlKind::Label, "lbl4Score", QT_TRANSLATE_NOOP("GameOver", "Your Score:"),
                frame1, {120, 360, 855, 255}),
        control(ControlKind::Label, "lblDiff", "EASY", frame1, {1560, 840, 1695, 255}),
        //: Shown for a new record: asks for the name to store with it.
        control(CommandButton, "Command3", QT_TRANSLATE_NOOP("GameOver", "Enter Name"), Dialog,
                {120, 1800, 1455, 375}),
    };
    named(d, "lblScore").font = sansSerif(9.75f);
    named(d, "lblScore").autoSize = true;
    named(d, "lblDiff").font = sansSerif(9.75f);
    named(d, "Command3").visible = false;
    return d;
}

DialogLayout skinSelectorLayout()
{
    const QString info = QStringLiteral("frameSkinNfo");
    DialogLayout d{
        "SkinSelector", QT_TRANSLATE_NOOP("SkinSelector", "Kriel - Skin Selector"), 7815, 5175, {}};
    d.controls = {
        control(CommandButton, "Command1", QT_TRANSLATE_NOOP("SkinSelector", "Apply"), Dialog,
                {6480, 4680, 1215, 375}),
        control(CommandButton, "Command2", QT_TRANSLATE_NOOP("SkinSelector", "Cancel"), Dialog,
                {5160, 4680, 1215, 375}),
        control(Frame, "frameSkinNfo", QT_TRANSLATE_NOOP("SkinSelector", "Skin Information"),
                Dialog, {3960, 450, 3735, 3615}),
        control(ControlKind::Label, "skinname", QT_TRANSLATE_NOOP("SkinSelector", "Skin Name:"),
                info, {120, 360, 3495, 255}),
        control(ControlKind::Label, "author", QT_TRANSLATE_NOOP("SkinSelector", "Author:"), info,
                {120, 720, 3495, 255}),
        //: Above the skin author's web address.
        control(ControlKind::Label, "website", QT_TRANSLATE_NOOP("SkinSelector", "Website:"), info,
                {120, 1080, 735, 255}),
        control(TextBox, "description", "", info, {120, 2280, 3495, 1215}),
        //: Above what the skin's author wrote about it.
        control(ControlKind::Label, "Label2",
                QT_TRANSLATE_NOOP("SkinSelector", "Author's Comments:"), info,
                {120, 1920, 1455, 255}),
        control(TextBox, "websitetext", "", info, {120, 1320, 3495, 525}),
        control(ControlKind::Label, "Label1",
                QT_TRANSLATE_NOOP("SkinSelector", "The following skins are installed:"), Dialog,
                {120, 120, 2415, 255}),
        control(ListBox, "List1", "", Dialog, {120, 480, 3735, 3570}),
        control(ControlKind::Label, "Label3", QT_TRANSLATE_NOOP("SkinSelector", "Skin Folder:"),
                Dialog, {120, 4200, 7575, 255}),
        control(CommandButton, "Command3", QT_TRANSLATE_NOOP("SkinSelector", "Refresh List"),
                Dialog, {3840, 4680, 1215, 375}),
    };
    named(d, "website").foreColor = Color::fromRgb(0, 0, 0);
    ControlLayout& description = named(d, "description");
    description.buttonFaceBack = true;
    description.enabled = false;
    ControlLayout& address = named(d, "websitetext");
    address.link = true;
    address.foreColor = Color::fromRgb(0, 0, 255);
    address.buttonFaceBack = true;
    return d;
}

DialogLayout highScoreLayout()
{
    const QString frame1 = QStringLiteral("Frame1");
    DialogLayout d{
        "HighScore", QT_TRANSLATE_NOOP("HighScore", "Kriel - Highest Score"), 6735, 3705, {}};
    d.controls = {
        control(CommandButton, "Command2", QT_TRANSLATE_NOOP("HighScore", "Ok"), Dialog,
                {5760, 3240, 855, 375}),
        control(ControlKind::Label, "lblName", "...", Dialog, {3720, 600, 2970, 435}),
        control(PictureBox, "Picture1", "", Dialog, {120, 120, 3495, 3495}),
        control(Frame, "Frame1", "", Dialog, {3720, 1200, 2895, 1455}),
        control(ControlKind::Label, "lblLevel", "Label1", frame1, {720, 600, 2040, 240}),
        control(ControlKind::Label, "lblScore", "Label1", frame1, {720, 240, 2040, 240}),
        //: Followed by the difficulty the record was set at.
        control(ControlKind::Label, "Label5", QT_TRANSLATE_NOOP("HighScore", "Level:"), frame1,
                {120, 600, 495, 255}),
        control(ControlKind::Label, "Label4", QT_TRANSLATE_NOOP("HighScore", "Score:"), frame1,
                {120, 240, 495, 255}),
        //: Followed by the pieces of food the record's score stands for.
        control(ControlKind::Label, "Label1", QT_TRANSLATE_NOOP("HighScore", "Food Eaten:"), frame1,
                {120, 960, 975, 255}),
        control(ControlKind::Label, "lblfoodeat", "Label1", frame1, {1080, 960, 1440, 240}),
        //: Above the name of the player who holds the high score.
        control(ControlKind::Label, "Label3", QT_TRANSLATE_NOOP("HighScore", "Current Highest by"),
                Dialog, {3720, 120, 2895, 255}),
    };
    ControlLayout& holder = named(d, "lblName");
    holder.font = sansSerif(18);
    holder.centred = true;
    holder.autoSize = true;
    named(d, "Picture1").picture = QLatin1String(MedalPicture);
    for (const char* name : {"lblLevel", "lblScore", "lblfoodeat"}) {
        named(d, name).font = sansSerif(9.75f);
        named(d, name).autoSize = true;
    }
    return d;
}

DialogLayout settingsLayout()
{
    const QString frame1 = QStringLiteral("Frame1");
    const QString frame2 = QStringLiteral("Frame2");
    const QString frame3 = QStringLiteral("Frame3");
    DialogLayout d{"Settings", QT_TRANSLATE_NOOP("Settings", "Kriel - Settings"), 4200, 5250, {}};
    d.controls = {
        control(CommandButton, "Command5", QT_TRANSLATE_NOOP("Settings", "Apply"), Dialog,
                {3120, 4800, 975, 375}),
        control(CommandButton, "Command6", QT_TRANSLATE_NOOP("Settings", "Cancel"), Dialog,
                {2040, 4800, 975, 375}),
        control(Frame, "Frame1", QT_TRANSLATE_NOOP("Settings", "Gameplay Settings"), Dialog,
                {120, 240, 3975, 1575}),
        //: The notifier is the ring that marks the kriel's head as a game starts.
        control(CheckBox, "Check3", QT_TRANSLATE_NOOP("Settings", "Show notifier at Startup"),
                frame1, {120, 1080, 3495, 255}),
        //: The play window stays above every other window.
        control(CheckBox, "Check2", QT_TRANSLATE_NOOP("Settings", "Make Play Area always on top"),
                frame1, {120, 720, 3495, 255}),
        control(CheckBox, "Check1", QT_TRANSLATE_NOOP("Settings", "Enable Sound"), frame1,
                {120, 360, 3735, 255}),
        control(Frame, "Frame2", QT_TRANSLATE_NOOP("Settings", "Helpful Documents"), Dialog,
                {120, 2160, 3975, 975}),
        control(CommandButton, "Command3", QT_TRANSLATE_NOOP("Settings", "View Skinning Help"),
                frame2, {2280, 360, 1575, 375}),
        control(CommandButton, "Command2", QT_TRANSLATE_NOOP("Settings", "View Readme"), frame2,
                {120, 360, 1575, 375}),
        control(Frame, "Frame3", QT_TRANSLATE_NOOP("Settings", "Program Settings"), Dialog,
                {120, 3480, 3975, 975}),
        //: Returns every setting to its default.
        control(CommandButton, "Command4", QT_TRANSLATE_NOOP("Settings", "Restore Defaults"),
                frame3, {2280, 360, 1575, 375}),
        //: Clears the stored high score.
        control(CommandButton, "Command1", QT_TRANSLATE_NOOP("Settings", "Clean High Scores"),
                frame3, {120, 360, 1575, 375}),
    };
    named(d, "Command5").isDefault = true;
    return d;
}
