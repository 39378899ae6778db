#include "SkinCheck.h"

#include "engine/Grid.h"
#include "layouts/PlayWindowLayout.h"
#include "formats/NumberText.h"
#include "platform/ProgramFacts.h"
#include "skins/SkinLoader.h"

#include <QFileInfo>

namespace {

// The report is read in a terminal, which would act on control characters in a skin's values or
// file names: each is written as an escape, and so are the marks that reorder or hide text.
QString printable(const QString& text)
{
    QString shown;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category kind = QChar::category(c);
        if (kind != QChar::Other_Control && kind != QChar::Other_Format
            && kind != QChar::Separator_Line && kind != QChar::Separator_Paragraph)
            shown += QString::fromUcs4(&c, 1);
        else
            shown +=
                (c <= 0xff ? QStringLiteral("\\x") : QStringLiteral("\\u"))
                + QString::number(uint(c), 16).rightJustified(c <= 0xff ? 2 : 4, u'0').toUpper();
    }
    return shown;
}

SkinCheck refusal(const QString& report)
{
    return {false, printable(report), {}, {}};
}

}  // namespace

SkinCheck checkSkin(const QString& folder, const ProgramFacts& facts)
{
    PlayWindowScene scene = playWindowLayout();
    SkinLoader loader;
    const QString path = QFileInfo(folder).absoluteFilePath();
    if (!QFileInfo(path).isDir())
        return refusal(path + QStringLiteral(": not a folder"));
    if (const std::optional<SkinError> error = loader.applySkin(path, scene, nullptr, facts)) {
        QString where = QFileInfo(error->file).fileName();
        if (!error->key.isEmpty())
            where +=
                QStringLiteral(" [%1] %2 = \"%3\"").arg(error->section, error->key, error->value);
        return refusal(where + QStringLiteral(": ") + error->reason);
    }

    const QString name = loader.LoadSkin(QStringLiteral("Info"), QStringLiteral("Name"));
    const auto pixels = [&](float twips) { return numberText(twips / facts.twipsPerPixelX()); };
    const TwipsRect& area = scene.shprect.bounds;
    QString report = QStringLiteral("ok: %1 × %2 pixels, cells of %3 pixels, a %8 × %8 grid of "
                                    "%4 × %4 pixels at %5, %6; an outline of %7 rectangles")
                         .arg(loader.skinPicture().width())
                         .arg(loader.skinPicture().height())
                         .arg(pixels(scene.head().bounds.width), pixels(area.width),
                              pixels(area.left), pixels(area.top))
                         .arg(loader.skinRegion().hndRegion().rectCount())
                         .arg(GridCells);
    if (name.isEmpty())
        report += QStringLiteral("; no [Info] Name, so the skin selector will not store it");
    else
        report += QStringLiteral("; named \"%1\"").arg(name);
    return {true, printable(report), scene, loader.skinRegion().hndRegion()};
}
