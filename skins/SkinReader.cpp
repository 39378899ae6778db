#include "SkinReader.h"

#include "formats/IniReader.h"
#include "formats/NumberText.h"
#include "formats/PictureLoading.h"
#include "platform/WindowShape.h"
#include "rules/Grid.h"
#include "skins/SkinValues.h"

#include <QCoreApplication>

namespace {

//: Why the skin's loader refuses a file or a value. Each reason follows the file's name, or its
//: section, key and value, and a colon, and so starts in lower case.
const char* const Missing = QT_TRANSLATE_NOOP("SkinLoader", "missing");

// Reads config.ini values onto a skin in order, and remembers the first one refused.
class ValueReader {
public:
    ValueReader(QString iniPath, const IniFile& ini, Skin& skin)
        : m_iniPath(std::move(iniPath))
        , m_ini(ini)
        , m_skin(skin)
    {}

    // Puts the value on the skin once `convert` takes it; false when it does not.
    template <typename Convert, typename Set>
    bool take(const QString& section, const QString& key, Convert convert, const char* reason,
              Set set)
    {
        const QString text = m_ini.value(section, key);
        const auto value = convert(text);
        if (value)
            set(m_skin, *value);
        else
            m_error = SkinError{
                m_iniPath, section, key, text,
                QCoreApplication::translate("SkinLoader", text.isEmpty() ? Missing : reason)};
        return value.has_value();
    }

    // The colour whose components are the keys `prefix` and R, G or B.
    template <typename Set> bool colour(const char* prefix, Set set)
    {
        int rgb[3] = {};
        for (int i = 0; i < 3; ++i)
            if (!take(QStringLiteral("Colors"), QLatin1String(prefix) + QLatin1Char("RGB"[i]),
                      colorComponent,
                      QT_TRANSLATE_NOOP("SkinLoader", "not a colour component from 0 up"),
                      [&](Skin&, int part) { rgb[i] = part; }))
                return false;
        set(m_skin, Color::fromRgb(rgb[0], rgb[1], rgb[2]));
        return true;
    }

    std::optional<SkinError> error() const { return m_error; }

private:
    QString m_iniPath;
    const IniFile& m_ini;
    Skin& m_skin;
    std::optional<SkinError> m_error;
};

// A file refused as a whole: no section or key of its own.
SkinError fileError(const QString& path, const QString& reason)
{
    return {path, {}, {}, {}, reason};
}

// The bitmap (the window's size, picture and outline) and the food's picture.
std::optional<SkinError> readPictures(const QString& SkinPath, const PixelScale& scale, Skin& skin)
{
    const QString SkinBmpPath = SkinPath + QStringLiteral("/skin.bmp");
    PictureResult bitmap = loadPicture(SkinBmpPath);
    if (!bitmap.loaded())
        return fileError(SkinBmpPath, bitmap.refusal);
    skin.look.width = scale.twipsX(bitmap.picture.width());
    skin.look.height = scale.twipsY(bitmap.picture.height());

    const QString foodPath = SkinPath + QStringLiteral("/food.gif");
    PictureResult food = loadPicture(foodPath);
    if (!food.loaded())
        return fileError(foodPath, food.refusal);
    skin.look.food = std::move(food.picture);

    Region SkinRegion;
    qint32 transColor = 1;
    SkinRegion.ScanPicture(bitmap.picture, transColor);
    if (SkinRegion.tooComplex())
        return fileError(SkinBmpPath,
                         QCoreApplication::translate("SkinLoader",
                                                     "outline too complex: it takes more than %1 "
                                                     "rectangles, even with rows alike merged")
                             .arg(MaxOutlineRectangles));
    if (SkinRegion.hndRegion().isEmpty())
        return fileError(SkinBmpPath,
                         QCoreApplication::translate("SkinLoader",
                                                     "leaves no pixel of the window to see: every "
                                                     "pixel has the bottom-left one's colour or "
                                                     "lies in the rightmost column"));
    skin.look.picture = std::move(bitmap.picture);
    skin.SkinRegion = std::move(SkinRegion);
    return std::nullopt;
}

// The numeric keys, the font and the cell size, in the order they are read: the first that
// cannot be used is the skin's error, and what came before it is kept.
std::optional<SkinError> readValues(const QString& iniPath, const IniFile& ini,
                                    const PixelScale& scale, Skin& skin)
{
    const auto across = [=](QStringView text) { return positionTwips(text, scale.x); };
    const auto down = [=](QStringView text) { return positionTwips(text, scale.y); };
    const auto gridAcross = [=](QStringView text) { return gridTwips(text, scale.x); };
    const auto gridDown = [=](QStringView text) { return gridTwips(text, scale.y); };
    const auto anyText = [](QStringView text) { return std::optional(text.toString()); };
    // Across a grid step, held to the grid's sixteenths; down the unrounded pixels.
    const auto cell = [=](QStringView text) -> std::optional<SkinGrid::CellSize> {
        const std::optional<float> step = cellStep(text, scale.x);
        if (!step)
            return std::nullopt;
        return SkinGrid::CellSize{*step, scale.twipsY(*numberFromText(text))};
    };
    const QString positions = QStringLiteral("Positions");
    const QString styles = QStringLiteral("Styles");
    const char* notPixels =
        QT_TRANSLATE_NOOP("SkinLoader", "not a number of pixels a window can hold");
    const char* notCode = QT_TRANSLATE_NOOP("SkinLoader", "not one of the codes allowed");
    using S = Skin;
    ValueReader r(iniPath, ini, skin);
    r.take(positions, "PlayAreaX", gridAcross, notPixels, [](S& s, float v) { s.grid.left = v; })
        && r.take(positions, "PlayAreaY", gridDown, notPixels,
                  [](S& s, float v) { s.grid.top = v; })
        && r.take(positions, "ScoreTextX", across, notPixels,
                  [](S& s, float v) { s.look.scoreLeft = v; })
        && r.take(positions, "ScoreTextY", down, notPixels,
                  [](S& s, float v) { s.look.scoreTop = v; })
        && r.colour("Kriel", [](S& s, Color c) { s.look.cell.fillColor = c; })
        && r.colour(
            "Notifier",
            [](S& s, Color c) { s.look.notifier.backColor = s.look.notifier.borderColor = c; })
        && r.colour("KrielBorder", [](S& s, Color c) { s.look.cell.borderColor = c; })
        && r.colour("PlayBorder", [](S& s, Color c) { s.look.playArea.borderColor = c; })
        && r.colour("Score", [](S& s, Color c) { s.look.scoreColor = c; })
        && r.take(styles, "KrielShape", shapeCode, notCode,
                  [](S& s, ShapeCode v) { s.look.cell.shape = v; })
        && r.take(styles, "KrielBorder", borderStyle, notCode,
                  [](S& s, BorderStyle v) { s.look.cell.borderStyle = v; })
        && r.take(styles, "PlayBorder", borderStyle, notCode,
                  [](S& s, BorderStyle v) { s.look.playArea.borderStyle = v; })
        && r.take(
            styles, "FontSize", fontSize,
            QT_TRANSLATE_NOOP("SkinLoader", "not a font size above 0 and at most 2048 points"),
            [](S& s, float v) { s.look.scoreFont.pointSize = v; })
        && r.take(styles, "Font", anyText, "",
                  [](S& s, const QString& v) { s.look.scoreFont.face = v; })
        && r.take(QStringLiteral("Ratio"), "SizeRatio", cell,
                  QT_TRANSLATE_NOOP("SkinLoader", "not a usable cell size"),
                  [](S& s, SkinGrid::CellSize v) { s.grid.cell = v; });
    return r.error();
}

// A play area the window does not wholly hold could not be played: the value to change is named,
// the edge that lies outside, or the cell size where a row of cells is more than the window holds.
std::optional<SkinError> playAreaOutside(const Skin& skin, const PixelScale& scale,
                                         const QString& iniPath, const IniFile& ini)
{
    Board board;
    board.shpkriel.resize(1);
    skin.grid.applyTo(board);
    const TwipsRect& area = board.shprect;
    const struct {
        float edge, extent, windowTwips;
        const char* key;
    } sides[] = {{area.left, area.width, skin.look.width, "PlayAreaX"},
                 {area.top, area.height, skin.look.height, "PlayAreaY"}};
    for (const auto& side : sides) {
        if (side.edge >= 0 && side.edge + side.extent <= side.windowTwips)
            continue;
        const bool tooLarge = side.extent > side.windowTwips;
        const QString section = tooLarge ? QStringLiteral("Ratio") : QStringLiteral("Positions");
        const QString key = tooLarge ? QStringLiteral("SizeRatio") : QLatin1String(side.key);
        //: %1 × %2 is the play area's size in pixels, %3, %4 its top-left corner, %5 × %6 the
        //: window's size and %7 the cells the play area has across and down.
        const QString outside =
            (tooLarge ? QCoreApplication::translate("SkinLoader",
                                                    "makes the play area of %7 × %7 cells (%1 × "
                                                    "%2 pixels at %3, %4) outside the %5 × %6 "
                                                    "pixel window")
                      : QCoreApplication::translate("SkinLoader",
                                                    "puts part of the play area (%1 × %2 pixels "
                                                    "at %3, %4) outside the %5 × %6 pixel window"))
                .arg(numberText(area.width / scale.x), numberText(area.height / scale.y),
                     numberText(area.left / scale.x), numberText(area.top / scale.y))
                .arg(skin.look.picture.width())
                .arg(skin.look.picture.height());
        const QString reason = tooLarge ? outside.arg(GridCells) : outside;
        return SkinError{iniPath, section, key, ini.value(section, key), reason};
    }
    return std::nullopt;
}

}  // namespace

void SkinGrid::applyTo(Board& board) const
{
    if (left)
        board.shprect.left = *left;
    if (top)
        board.shprect.top = *top;
    if (!cell)
        return;
    board.head().width = cell->width;
    board.head().height = cell->height;
    board.shprect.width = float(GridCells) * cell->width;
    board.shprect.height = float(GridCells) * cell->width;
    board.shpfood.width = cell->width;
    board.shpfood.height = cell->height;
}

QString LoadSkin(const QString& SkinIniPath, const QString& Header, const QString& Variable)
{
    return readIniValue(SkinIniPath, Header, Variable);
}

SkinRead readSkin(const QString& SkinPath, const PixelScale& scale, PlayLook look)
{
    SkinRead read{{std::move(look), {}, {}}, {}};
    read.error = readPictures(SkinPath, scale, read.skin);
    if (read.error)
        return read;

    const QString SkinIniPath = SkinPath + QStringLiteral("/config.ini");
    // Read once for all its values; refused as a file where they would only come out empty.
    const IniFile ini = IniFile::read(SkinIniPath);
    if (ini.problem()) {
        read.error = fileError(SkinIniPath, *ini.problem());
        return read;
    }
    read.error = readValues(SkinIniPath, ini, scale, read.skin);
    if (!read.error)
        read.error = playAreaOutside(read.skin, scale, SkinIniPath, ini);
    return read;
}
