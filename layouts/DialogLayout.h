#pragma once

#include "layouts/Controls.h"

#include <QString>

#include <optional>
#include <vector>

enum class ControlKind {
    CommandButton,
    OptionButton,
    CheckBox,
    Frame,  // a captioned group box holding other controls
    Label,
    TextBox,
    ListBox,
    PictureBox,
};

// One control of a dialog as its layout gives it. Positions are in twips from the top-left corner
// of its container: the dialog's client area, or the frame named in `container`.
struct ControlLayout {
    QString name;
    ControlKind kind = ControlKind::Label;
    QString caption;
    QString container;
    TwipsRect bounds;
    std::optional<FontSpec> font;  // the default dialog font when not given
    bool visible = true;
    bool enabled = true;
    bool selected = false;  // an option button chosen, a check box ticked
    bool autoSize = false;  // a label that sizes itself to its text, its left edge fixed
    bool centred = false;
    bool isDefault = false;  // the dialog's default button: Enter anywhere presses it
    std::optional<Color> foreColor;
    bool buttonFaceBack = false;
    bool link = false;  // a text box drawn as a web link that opens on a click
    QString picture;    // a picture box's picture, drawn unscaled from its top-left corner
};

// A dialog: a fixed-size tool window, centred on the screen. Its controls are listed in tab order.
// Its caption and its controls' captions are in English, and shown in the player's language, where
// `context` names the dialog to translators.
struct DialogLayout {
    const char* context = "";
    QString caption;
    float width = 0;  // client area, twips
    float height = 0;
    std::vector<ControlLayout> controls;
};

DialogLayout startMenuLayout();
DialogLayout gameOverLayout();
DialogLayout skinSelectorLayout();
DialogLayout highScoreLayout();
DialogLayout settingsLayout();
