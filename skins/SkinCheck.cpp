#include "SkinCheck.h"

#include "layouts/PlayWindowLayout.h"
#include "platform/NumberText.h"
#include "platform/ProgramFacts.h"
#include "skins/SkinLoader.h"

#include <QFileInfo>

SkinCheck checkSkin(const QString& folder, const ProgramFacts& facts)
{
    PlayWindowScene scene = playWindowLayout();
    SkinLoader loader;
    const QString path = QFileInfo(folder).absoluteFilePath();
    if (!QFileInfo(path).isDir())
        return {false, path + QStringLiteral(": not a folder"), {}, {}};
    if (const std::optional<SkinError> error = loader.load(path, scene, nullptr, facts)) {
        QString where = QFileInfo(error->file).fileName();
        if (!error->key.isEmpty())
            where +=
                QStringLiteral(" [%1] %2 = \"%3\"").arg(error->section, error->key, error->value);
        return {false, where + QStringLiteral(": ") + error->reason, {}, {}};
    }

    const QString name = loader.LoadSkin(QStringLiteral("Info"), QStringLiteral("Name"));
    const auto pixels = [&](float twips) { return numberText(twips / facts.twipsPerPixelX()); };
    const TwipsRect& area = scene.shprect.bounds;
    QString report = QStringLiteral("ok: %1 × %2 pixels, cells of %3 pixels, a 19 × 19 grid of "
                                    "%4 × %4 pixels at %5, %6; an outline of %7 rectangles")
                         .arg(loader.skinPicture().width())
                         .arg(loader.skinPicture().height())
                         .arg(pixels(scene.head().bounds.width), pixels(area.width),
                              pixels(area.left), pixels(area.top))
                         .arg(loader.skinRegion().hndRegion().rectCount());
    if (name.isEmpty())
        report += QStringLiteral("; no [Info] Name, so the skin selector will not store it");
    else
        report += QStringLiteral("; named \"%1\"").arg(name);
    return {true, report, scene, loader.skinRegion().hndRegion()};
}
