#include "FuzzSupport.h"
#include "formats/IniReader.h"
#include "layouts/PixelScale.h"
#include "layouts/PlayWindowLayout.h"
#include "skins/PlayLook.h"
#include "skins/SkinReader.h"
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

// What a skin the reader took must give the play window.
void checkRead(const Skin& skin, const FixedFacts& facts)
{
    const PlayLook& look = skin.look;
    FUZZ_CHECK(look.width == float(look.picture.width()) * facts.twipsPerPixelX());
    FUZZ_CHECK(look.height == float(look.picture.height()) * facts.twipsPerPixelY());
    FUZZ_CHECK(skin.SkinRegion && !skin.SkinRegion->hndRegion().isEmpty());

    // A measure left unread would leave the layout's own on the board, which passes what follows.
    FUZZ_CHECK(skin.grid.left && skin.grid.top && skin.grid.cell);
    Board board = playWindowBoard();
    skin.grid.applyTo(board);
    const TwipsRect& head = board.head();
    checkPlace(board.shprect.left);
    checkPlace(board.shprect.top);
    checkPlace(look.scoreLeft);
    checkPlace(look.scoreTop);

    checkColour(look.cell.fillColor);
    checkColour(look.cell.borderColor);
    checkColour(look.notifier.backColor);
    FUZZ_CHECK(look.notifier.borderColor == look.notifier.backColor);
    checkColour(look.playArea.borderColor);
    checkColour(look.scoreColor);

    FUZZ_CHECK(int(look.cell.shape) >= 0 && int(look.cell.shape) <= 5);
    FUZZ_CHECK(int(look.cell.borderStyle) >= 0 && int(look.cell.borderStyle) <= 6);
    FUZZ_CHECK(int(look.playArea.borderStyle) >= 0 && int(look.playArea.borderStyle) <= 6);
    FUZZ_CHECK(look.scoreFont.pointSize > 0 && look.scoreFont.pointSize <= 2048);

    // Food placement divides by the step and a cell must land on a twip of its own.
    FUZZ_CHECK(head.width >= 0.5f && std::isfinite(head.height));
    FUZZ_CHECK(board.shprect.width == 19 * head.width);
    FUZZ_CHECK(board.shprect.height == 19 * head.width);
    FUZZ_CHECK(std::isfinite(board.shprect.width));
    FUZZ_CHECK(board.shpfood.width == head.width);
    FUZZ_CHECK(board.shpfood.height == head.height);
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

    const FixedFacts facts;
    const SkinRead read = readSkin(skin->skinPath(), PixelScale::of(facts), layoutLook());
    const std::optional<SkinError>& error = read.error;

    if (!error) {
        checkRead(read.skin, facts);
        return 0;
    }
    // The bitmap and the food are sound, so only config.ini can be at fault.
    FUZZ_CHECK(error->file.endsWith(QLatin1String("/config.ini")));
    FUZZ_CHECK(!error->reason.isEmpty());
    if (error->section.isEmpty()) {
        // Only UTF-16 text is refused as a whole, where every value would come out empty: it
        // starts with a byte-order mark or has a zero among its first two bytes.
        FUZZ_CHECK(error->key.isEmpty() && error->value.isEmpty());
        FUZZ_CHECK(contents.startsWith("\xFF\xFE") || contents.startsWith("\xFE\xFF")
                   || contents.left(2).contains('\0'));
        return 0;
    }
    // Otherwise a value is at fault, and the message must quote it as the file has it.
    FUZZ_CHECK(!error->key.isEmpty());
    FUZZ_CHECK(error->value == iniValueIn(contents, error->section, error->key));
    return 0;
}
