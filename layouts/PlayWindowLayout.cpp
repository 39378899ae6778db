#include "PlayWindowLayout.h"

#include "layouts/BuiltInPictures.h"

PlayWindowScene playWindowLayout()
{
    constexpr Color darkGrey = Color::fromRgb(64, 64, 64);
    constexpr Color white = Color::fromRgb(255, 255, 255);

    PlayWindowScene scene;
    scene.caption = QStringLiteral("Kriel");
    scene.width = 7200;
    scene.height = 5790;
    scene.backColor = white;
    scene.picture = playWindowPlaceholder();

    scene.shpfood.bounds = {4680, 3960, 240, 240};
    scene.shpfood.picture = layoutFoodPicture();

    Shape head;
    head.bounds = {3840, 3960, 225, 225};
    head.borderColor = darkGrey;
    head.filled = true;
    head.fillColor = Color::fromRgb(0, 0, 255);
    scene.shpkriel.push_back(head);

    scene.lblfoodcount.left = 5880;
    scene.lblfoodcount.top = 5160;
    scene.lblfoodcount.caption = QStringLiteral("0");
    scene.lblfoodcount.font = {QStringLiteral("Times New Roman"), 14.25f, false};

    scene.shprect.bounds = {960, 840, 4800, 4800};
    scene.shprect.borderColor = darkGrey;

    scene.shpZip.bounds = {6120, 1560, 375, 375};
    scene.shpZip.borderColor = white;  // the title-bar text colour; every skin sets its own
    scene.shpZip.backOpaque = true;
    scene.shpZip.backColor = white;

    return scene;
}
