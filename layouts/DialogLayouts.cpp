#include "DialogLayout.h"
#include "layouts/BuiltInPictures.h"

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
    DialogLayout d{QStringLiteral("Kriel - Begin a new game"), 5055, 3840, {}};
    d.controls = {
        control(Frame, "Frame1", "Difficulty Selection", Dialog, {120, 240, 4815, 1575}),
        control(OptionButton, "Option1", "Easy (4)", frame1, {120, 360, 975, 255}),
        control(OptionButton, "Option2", "Medium (6)", frame1, {120, 720, 1095, 255}),
        control(OptionButton, "Option3", "Hard (8)", frame1, {120, 1080, 975, 255}),
        control(Frame, "Frame2", "Options", Dialog, {120, 2160, 4815, 975}),
        control(CommandButton, "Command1", "Change Skin...", frame2, {120, 360, 1455, 375}),
        control(CommandButton, "Command2", "High Score", frame2, {1680, 360, 1455, 375}),
        control(CommandButton, "Command3", "Settings", frame2, {3240, 360, 1455, 375}),
        control(CommandButton, "Command4", "Play!", Dialog, {3720, 3360, 1215, 375}),
        control(CommandButton, "Command5", "Quit", Dialog, {2400, 3360, 1215, 375}),
    };
    named(d, "Option2").selected = true;
    return d;
}

DialogLayout gameOverLayout()
{
    const QString frame1 = QStringLiteral("Frame1");
    DialogLayout d{QStringLiteral("Kriel - Game Over"), 3930, 2295, {}};
    d.controls = {
        control(CommandButton, "Command2", "Ok", Dialog, {3000, 1800, 855, 375}),
        control(Frame, "Frame1", "Game Over", Dialog, {120, 240, 3735, 1335}),
        control(ControlKind::Label, "lblScore", "000", frame1, {1560, 360, 375, 240}),
        control(ControlKind::Label, "lbl4diff", "Difficulty Level:", frame1, {120, 840, 1215, 255}),
        control(ControlKind::Label, "lbl4Score", "Your Score:", frame1, {120, 360, 855, 255}),
        control(ControlKind::Label, "lblDiff", "EASY", frame1, {1560, 840, 1695, 255}),
        control(CommandButton, "Command3", "Enter Name", Dialog, {120, 1800, 1455, 375}),
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
    DialogLayout d{QStringLiteral("Kriel - Skin Selector"), 7815, 5175, {}};
    d.controls = {
        control(CommandButton, "Command1", "Apply", Dialog, {6480, 4680, 1215, 375}),
        control(CommandButton, "Command2", "Cancel", Dialog, {5160, 4680, 1215, 375}),
        control(Frame, "frameSkinNfo", "Skin Information", Dialog, {3960, 450, 3735, 3615}),
        control(ControlKind::Label, "skinname", "Skin Name:", info, {120, 360, 3495, 255}),
        control(ControlKind::Label, "author", "Author:", info, {120, 720, 3495, 255}),
        control(ControlKind::Label, "website", "Website:", info, {120, 1080, 735, 255}),
        control(TextBox, "description", "", info, {120, 2280, 3495, 1215}),
        control(ControlKind::Label, "Label2", "Author's Comments:", info, {120, 1920, 1455, 255}),
        control(TextBox, "websitetext", "", info, {120, 1320, 3495, 525}),
        control(ControlKind::Label, "Label1", "The following skins are installed:", Dialog,
                {120, 120, 2415, 255}),
        control(ListBox, "List1", "", Dialog, {120, 480, 3735, 3570}),
        control(ControlKind::Label, "Label3", "Skin Folder:", Dialog, {120, 4200, 7575, 255}),
        control(CommandButton, "Command3", "Refresh List", Dialog, {3840, 4680, 1215, 375}),
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
    DialogLayout d{QStringLiteral("Kriel - Highest Score"), 6735, 3705, {}};
    d.controls = {
        control(CommandButton, "Command2", "Ok", Dialog, {5760, 3240, 855, 375}),
        control(ControlKind::Label, "lblName", "...", Dialog, {3720, 600, 2970, 435}),
        control(PictureBox, "Picture1", "", Dialog, {120, 120, 3495, 3495}),
        control(Frame, "Frame1", "", Dialog, {3720, 1200, 2895, 1455}),
        control(ControlKind::Label, "lblLevel", "Label1", frame1, {720, 600, 2040, 240}),
        control(ControlKind::Label, "lblScore", "Label1", frame1, {720, 240, 2040, 240}),
        control(ControlKind::Label, "Label5", "Level:", frame1, {120, 600, 495, 255}),
        control(ControlKind::Label, "Label4", "Score:", frame1, {120, 240, 495, 255}),
        control(ControlKind::Label, "Label1", "Food Eaten:", frame1, {120, 960, 975, 255}),
        control(ControlKind::Label, "lblfoodeat", "Label1", frame1, {1080, 960, 1440, 240}),
        control(ControlKind::Label, "Label3", "Current Highest by", Dialog, {3720, 120, 2895, 255}),
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
    DialogLayout d{QStringLiteral("Kriel - Settings"), 4200, 5250, {}};
    d.controls = {
        control(CommandButton, "Command5", "Apply", Dialog, {3120, 4800, 975, 375}),
        control(CommandButton, "Command6", "Cancel", Dialog, {2040, 4800, 975, 375}),
        control(Frame, "Frame1", "Gameplay Settings", Dialog, {120, 240, 3975, 1575}),
        control(CheckBox, "Check3", "Show notifier at Startup", frame1, {120, 1080, 3495, 255}),
        control(CheckBox, "Check2", "Make Play Area always on top", frame1, {120, 720, 3495, 255}),
        control(CheckBox, "Check1", "Enable Sound", frame1, {120, 360, 3735, 255}),
        control(Frame, "Frame2", "Helpful Documents", Dialog, {120, 2160, 3975, 975}),
        control(CommandButton, "Command3", "View Skinning Help", frame2, {2280, 360, 1575, 375}),
        control(CommandButton, "Command2", "View Readme", frame2, {120, 360, 1575, 375}),
        control(Frame, "Frame3", "Program Settings", Dialog, {120, 3480, 3975, 975}),
        control(CommandButton, "Command4", "Restore Defaults", frame3, {2280, 360, 1575, 375}),
        control(CommandButton, "Command1", "Clean High Scores", frame3, {120, 360, 1575, 375}),
    };
    named(d, "Command5").isDefault = true;
    return d;
}
