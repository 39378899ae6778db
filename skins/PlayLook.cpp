#include "PlayLook.h"

#include "layouts/BuiltInPictures.h"

PlayLook layoutLook()
{
    constexpr Color darkGrey = Color::fromRgb(64, 64, 64);
    constexpr Color white = Color::fromRgb(255, 255, 255);

    PlayLook look;
    look.width = 7200;
    look.height = 5790;
    look.backColor = white;
    look.food = layoutFoodPicture();

    look.cell.borderColor = darkGrey;
    look.cell.filled = true;
    look.cell.fillColor = Color::fromRgb(0, 0, 255);
    look.playArea.borderColor = darkGrey;
    look.notifier.borderColor = white;  // the title-bar text colour; every skin sets its own
    look.notifier.backOpaque = true;
    look.notifier.backColor = white;

    look.scoreLeft = 5880;
    look.scoreTop = 5160;
    look.scoreFont = {QStringLiteral("Times New Roman"), 14.25f, false};
    return look;
}
