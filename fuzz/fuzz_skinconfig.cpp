#include "FuzzSupport.h"
#include "layouts/PlayWindowLayout.h"
#include "formats/IniReader.h"
#include "skins/SkinLoader.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <cmath>
#include <cstdint>

namespace {

SkinFolder* skin = nullptr;

void checkColour(Color colour)
{
    FUZZ_CHECK(colour.value <= 0xffffff);
}

void checkPlace(float twips)
{
    FUZZ_CHECK(std::isfinite(twips));
}

// What a skin the loader took must give the play window.
void checkApplied(const PlayWindowScene& scene, const FixedFacts& facts, const QImage& bitmap)
{
    const Shape& head = scene.head();
    FUZZ_CHECK(scene.width == float(bitmap.width()) * facts.twipsPerPixelX());
    FUZZ_CHECK(scene.height == float(bitmap.height()) * facts.twipsPerPixelY());

    checkPlace(scene.shprect.bounds.left);
    checkPlace(scene.shprect.bounds.top);
    checkPlace(scene.lblfoodcount.left);
    checkPlace(scene.lblfoodcount.top);

    checkColour(head.fillColor);
    checkColour(head.borderColor);
    checkColour(scene.shpZip.backColor);
    FUZZ_CHECK(scene.shpZip.borderColor == scene.shpZip.backColor);
    checkColour(scene.shprect.borderColor);
    checkColour(scene.lblfoodcount.foreColor);

    FUZZ_CHECK(int(head.shape) >= 0 && int(head.shape) <= 5);
    FUZZ_CHECK(int(head.borderStyle) >= 0 && int(head.borderStyle) <= 6);
    FUZZ_CHECK(int(scene.shprect.borderStyle) >= 0 && int(scene.shprect.borderStyle) <= 6);
    FUZZ_CHECK(scene.lblfoodcount.font.pointSize > 0 && scene.lblfoodcount.font.pointSize <= 2048);

    // Food placement divides by the step and a cell must land on a twip of its own.
    FUZZ_CHECK(head.bounds.width >= 0.5f && std::isfinite(head.bounds.height));
    FUZZ_CHECK(scene.shprect.bounds.width == 19 * head.bounds.width);
    FUZZ_CHECK(scene.shprect.bounds.height == 19 * head.bounds.width);
    FUZZ_CHECK(std::isfinite(scene.shprect.bounds.width));
    FUZZ_CHECK(scene.shpfood.bounds.width == head.bounds.width);
    FUZZ_CHECK(scene.shpfood.bounds.height == head.bounds.height);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzGui();
    static SkinFolder folder;
    skin = &folder;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray contents(reinterpret_cast<const char*>(data), qsizetype(size));
    skin->writeConfig(contents);

    FixedFacts facts;
    PlayWindowScene scene = playWindowLayout();
    SkinLoader loader;
    const std::optional<SkinError> error =
        loader.applySkin(skin->skinPath(), scene, nullptr, facts);

    if (!error) {
        checkApplied(scene, facts, loader.skinPicture());
        return 0;
    }
    // The bitmap and the food are sound, so only a value can be at fault, and the message must
    // quote it as the file has it.
    FUZZ_CHECK(error->file.endsWith(QLatin1String("/config.ini")));
    FUZZ_CHECK(!error->section.isEmpty() && !error->key.isEmpty() && !error->reason.isEmpty());
    FUZZ_CHECK(error->value == iniValueIn(contents, error->section, error->key));
    return 0;
}
