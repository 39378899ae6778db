#include "SkinCheck.h"

#include "formats/NumberText.h"
#include "formats/PrintableText.h"
#include "layouts/PlayWindowLayout.h"
#include "platform/ProgramFacts.h"
#include "rules/Grid.h"
#include "skins/SkinReader.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The report is read in a terminal, which would act on control characters in a skin's values or
// file names.
SkinCheck refusal(const QString& report)
{
    return {false, printable(report), {}, {}, {}};
}

}  // namespace

SkinCheck checkSkin(const QString& folder, const ProgramFacts& facts)
{
    const QString path = QFileInfo(folder).absoluteFilePath();
    if (!QFileInfo(path).isDir())
        return refusal(path + QStringLiteral(": ")
                       + QCoreApplication::translate("SkinLoader", "not a folder"));
    const SkinRead read = readSkin(path, PixelScale::of(facts), layoutLook());
    if (const std::optional<SkinError>& error = read.error) {
        QString where = QFileInfo(error->file).fileName();
        if (!error->key.isEmpty())
            where +=
                QStringLiteral(" [%1] %2 = \"%3\"").arg(error->section, error->key, error->value);
        return refusal(where + QStringLiteral(": ") + error->reason);
    }

    Board board = playWindowBoard();
    read.skin.grid.applyTo(board);
    const QString name = LoadSkin(path + QStringLiteral("/config.ini"), QStringLiteral("Info"),
                                  QStringLiteral("Name"));
    const auto pixels = [&](float twips) { return numberText(twips / facts.twipsPerPixelX()); };
    const TwipsRect& area = board.shprect;
    // Scripts look for the "ok" at the start, which stays as it is in every language.
    //: What kriel-skincheck prints after "ok: " for a skin the game takes; one of the two texts
    //: that start with "; " follows it.
    QString report =
        QStringLiteral("ok: ")
        + QCoreApplication::translate("SkinCheck", "%1 × %2 pixels, cells of %3 pixels, a %8 × "
                                                   "%8 grid of %4 × %4 pixels at %5, %6; an "
                                                   "outline of %7 rectangles")
              .arg(read.skin.look.picture.width())
              .arg(read.skin.look.picture.height())
              .arg(pixels(board.head().width), pixels(area.width), pixels(area.left),
                   pixels(area.top))
              .arg(read.skin.SkinRegion->hndRegion().rectCount())
              .arg(GridCells);
    if (name.isEmpty())
        report += QCoreApplication::translate(
            "SkinCheck", "; no [Info] Name, so the skin selector will not store it");
    else
        report += QCoreApplication::translate("SkinCheck", "; named \"%1\"").arg(name);
    return {true, printable(report), board, read.skin.look, read.skin.SkinRegion->hndRegion()};
}
