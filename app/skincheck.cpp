// kriel-skincheck [--render OUT.png] FOLDER: tells a skin's author whether the game takes the skin
// in FOLDER, and if not, the first thing it refuses; with --render, also draws the play window
// as a game shows it into OUT.png. Exits 0 for a skin the game takes, 1 otherwise, 2 for a
// command line it does not understand.

#include "skins/SkinCheck.h"

#include "engine/SkinPreview.h"
#include "platform/ProgramFacts.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstring>

namespace {

// Pixel values as the game reads them on a screen of 96 dots per inch.
class StandardScreen final : public ProgramFacts {
public:
    QString programFolder() const override { return {}; }
    QString dataHome() const override { return {}; }
    float twipsPerPixelX() const override { return 15; }
    float twipsPerPixelY() const override { return 15; }
    QList<QRect> screenAreas() const override { return {}; }
    QRect workArea() const override { return {}; }
};

const char Usage[] = "usage: kriel-skincheck [--render OUT.png] FOLDER\n";
const char Help[] =
    "\n"
    "Loads the skin in FOLDER as the game would and prints \"ok\" with the window's size, the\n"
    "cell size, the grid and the outline's rectangles, or the first thing the game would\n"
    "refuse. With --render, also draws the play window as the game shows it into OUT.png.\n"
    "Exits with 0 for a skin the game takes, 1 otherwise and 2 when called wrongly.\n";

}  // namespace

int main(int argc, char* argv[])
{
    const char* render = nullptr;
    const char* folder = nullptr;
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(Usage, stdout);
        std::fputs(Help, stdout);
        return 0;
    }
    if (argc == 2 && argv[1][0] != '-') {
        folder = argv[1];
    } else if (argc == 4 && std::strcmp(argv[1], "--render") == 0) {
        render = argv[2];
        folder = argv[3];
    }
    if (!folder) {
        std::fputs(Usage, stderr);
        return 2;
    }
    // Pictures and fonts need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const StandardScreen screen;
    const SkinCheck check = checkSkin(QString::fromLocal8Bit(folder), screen);
    std::printf("%s\n", qPrintable(check.report));
    if (!check.ok)
        return 1;
    if (render) {
        const PixelScale scale = PixelScale::of(screen);
        const QImage window = renderPlayWindow(previewScene(check.scene), check.outline, scale);
        if (!window.save(QString::fromLocal8Bit(render), "PNG")) {
            std::fprintf(stderr, "kriel-skincheck: could not write %s\n", render);
            return 1;
        }
    }
    return 0;
}
