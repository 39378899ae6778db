// kriel-skincheck FOLDER: tells a skin's author whether the game takes the skin in FOLDER, and if
// not, the first thing it refuses. Exits 0 for a skin the game takes, 1 otherwise.

#include "skins/SkinCheck.h"

#include "platform/ProgramFacts.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

// Pixel values as the game reads them on a screen of 96 dots per inch.
class StandardScreen final : public ProgramFacts {
public:
    QString programFolder() const override { return {}; }
    float twipsPerPixelX() const override { return 15; }
    float twipsPerPixelY() const override { return 15; }
    QList<QRect> screenAreas() const override { return {}; }
};

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kriel-skincheck FOLDER\n");
        return 2;
    }
    // Pictures and fonts need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const SkinCheck check = checkSkin(QString::fromLocal8Bit(argv[1]), StandardScreen());
    std::printf("%s\n", qPrintable(check.report));
    return check.ok ? 0 : 1;
}
