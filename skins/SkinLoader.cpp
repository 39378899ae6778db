#include "SkinLoader.h"

#include "engine/Grid.h"
#include "layouts/PixelScale.h"
#include "formats/IniReader.h"
#include "formats/NumberText.h"
#include "formats/PictureLoading.h"
#include "platform/ProgramFacts.h"
#include "platform/WindowShape.h"
#include "skins/SkinValues.h"

#include <functional>

namespace {

// Reads config.ini values in order and remembers the first one refused.
class ValueReader {
public:
    ValueReader(const SkinLoader& loader, QString iniPath)
        : m_loader(loader)
        , m_iniPath(std::move(iniPath))
    {}

    template <typename Convert>
    auto read(const QString& section, const QString& key, Convert convert, const char* reason)
        -> decltype(convert(QStringView()))
    {
        const QString text = m_loader.LoadSkin(section, key);
        auto value = convert(text);
        if (!value)
            m_error =
                SkinError{m_iniPath, section, key, text,
                          text.isEmpty() ? QStringLiteral("missing") : QString::fromLatin1(reason)};
        return value;
    }

    std::optional<Color> color(const QString& prefix)
    {
        int rgb[3] = {};
        for (int i = 0; i < 3; ++i) {
            const std::optional<int> part =
                read(QStringLiteral("Colors"), prefix + QLatin1Char("RGB"[i]), colorComponent,
                     "not a colour component from 0 up");
            if (!part)
                return std::nullopt;
            rgb[i] = *part;
        }
        return Color::fromRgb(rgb[0], rgb[1], rgb[2]);
    }

    std::optional<SkinError> error() const { return m_error; }

private:
    const SkinLoader& m_loader;
    QString m_iniPath;
    std::optional<SkinError> m_error;
};

// A file refused as a whole: no section or key of its own.
SkinError fileError(const QString& path, const QString& reason)
{
    return {path, {}, {}, {}, reason};
}

// A play area the window does not wholly hold could not be played: the value to change is named,
// the edge that lies outside, or the cell size where a row of cells is more than the window holds.
std::optional<SkinError> playAreaOutside(const PlayWindowScene& scene, const QSize& window,
                                         const PixelScale& scale, const SkinLoader& loader,
                                         const QString& iniPath)
{
    const TwipsRect& area = scene.shprect.bounds;
    const struct {
        float edge, extent, windowTwips;
        const char* key;
    } sides[] = {{area.left, area.width, scene.width, "PlayAreaX"},
                 {area.top, area.height, scene.height, "PlayAreaY"}};
    for (const auto& side : sides) {
        if (side.edge >= 0 && side.edge + side.extent <= side.windowTwips)
            continue;
        const bool tooLarge = side.extent > side.windowTwips;
        const QString section = tooLarge ? QStringLiteral("Ratio") : QStringLiteral("Positions");
        const QString key = tooLarge ? QStringLiteral("SizeRatio") : QLatin1String(side.key);
        const QString what =
            tooLarge ? QStringLiteral("makes the play area of %1 × %1 cells").arg(GridCells)
                     : QStringLiteral("puts part of the play area");
        const QString reason =
            QStringLiteral("%1 (%2 × %3 pixels at %4, %5) outside the %6 × %7 pixel window")
                .arg(what, numberText(area.width / scale.x), numberText(area.height / scale.y),
                     numberText(area.left / scale.x), numberText(area.top / scale.y))
                .arg(window.width())
                .arg(window.height());
        return SkinError{iniPath, section, key, loader.LoadSkin(section, key), reason};
    }
    return std::nullopt;
}

}  // namespace

QString SkinLoader::LoadSkin(const QString& Header, const QString& Variable) const
{
    return readIniValue(SkinIniPath, Header, Variable);
}

std::optional<SkinError> SkinLoader::applySkin(const QString& SkinPath, PlayWindowScene& scene,
                                               QWidget* window, const ProgramFacts& facts)
{
    SkinBmpPath = SkinPath + QStringLiteral("/skin.bmp");
    SkinIniPath = SkinPath + QStringLiteral("/config.ini");

    PictureResult bitmap = loadPicture(SkinBmpPath);
    if (!bitmap.loaded())
        return fileError(SkinBmpPath, bitmap.refusal);
    SkinPicture = std::move(bitmap.picture);

    const PixelScale scale = PixelScale::of(facts);
    scene.width = scale.twipsX(SkinPicture.width());
    scene.height = scale.twipsY(SkinPicture.height());

    const QString foodPath = SkinPath + QStringLiteral("/food.gif");
    PictureResult food = loadPicture(foodPath);
    if (!food.loaded())
        return fileError(foodPath, food.refusal);
    scene.shpfood.picture = std::move(food.picture);

    qint32 transColor = 1;
    SkinRegion.ScanPicture(SkinPicture, transColor);
    if (SkinRegion.tooComplex())
        return fileError(SkinBmpPath, QStringLiteral("outline too complex: it takes more than "
                                                     "%1 rectangles, even with rows alike merged")
                                          .arg(MaxOutlineRectangles));
    if (SkinRegion.hndRegion().isEmpty())
        return fileError(SkinBmpPath, QStringLiteral("leaves no pixel of the window to see: every "
                                                     "pixel has the bottom-left one's colour or "
                                                     "lies in the rightmost column"));
    SkinRegion.OffsetHeader(window);
    scene.picture = SkinPicture;
    SkinRegion.ApplyRgn(window);

    // Read as a file, where its values would only come out empty.
    if (const std::optional<QString> problem = iniFileProblem(SkinIniPath))
        return fileError(SkinIniPath, *problem);

    // The numeric keys in the order they are read: the first that cannot be used is the
    // skin's error, and what came before it stays applied.
    using Step = std::function<bool(ValueReader&, PlayWindowScene&)>;
    const auto number = [](const char* section, const char* key, auto convert, const char* why,
                           auto set) -> Step {
        return [=](ValueReader& values, PlayWindowScene& scene) {
            const auto value =
                values.read(QLatin1String(section), QLatin1String(key), convert, why);
            if (value)
                set(scene, *value);
            return value.has_value();
        };
    };
    const auto colour = [](const char* name, auto set) -> Step {
        return [=](ValueReader& values, PlayWindowScene& scene) {
            const std::optional<Color> value = values.color(QLatin1String(name));
            if (value)
                set(scene, *value);
            return value.has_value();
        };
    };
    const auto across = [&](QStringView text) { return positionTwips(text, scale.x); };
    const auto down = [&](QStringView text) { return positionTwips(text, scale.y); };
    const auto gridAcross = [&](QStringView text) { return gridTwips(text, scale.x); };
    const auto gridDown = [&](QStringView text) { return gridTwips(text, scale.y); };
    const char* notPixels = "not a number of pixels a window can hold";
    const char* notCode = "not one of the codes allowed";
    const char* notFontSize = "not a font size above 0 and at most 2048 points";
    using S = PlayWindowScene;
    const Step steps[] = {
        number("Positions", "PlayAreaX", gridAcross, notPixels,
               [](S& s, float v) { s.shprect.bounds.left = v; }),
        number("Positions", "PlayAreaY", gridDown, notPixels,
               [](S& s, float v) { s.shprect.bounds.top = v; }),
        number("Positions", "ScoreTextX", across, notPixels,
               [](S& s, float v) { s.lblfoodcount.left = v; }),
        number("Positions", "ScoreTextY", down, notPixels,
               [](S& s, float v) { s.lblfoodcount.top = v; }),
        colour("Kriel", [](S& s, Color c) { s.head().fillColor = c; }),
        colour("Notifier", [](S& s, Color c) { s.shpZip.backColor = s.shpZip.borderColor = c; }),
        colour("KrielBorder", [](S& s, Color c) { s.head().borderColor = c; }),
        colour("PlayBorder", [](S& s, Color c) { s.shprect.borderColor = c; }),
        colour("Score", [](S& s, Color c) { s.lblfoodcount.foreColor = c; }),
        number("Styles", "KrielShape", shapeCode, notCode,
               [](S& s, ShapeCode v) { s.head().shape = v; }),
        number("Styles", "KrielBorder", borderStyle, notCode,
               [](S& s, BorderStyle v) { s.head().borderStyle = v; }),
        number("Styles", "PlayBorder", borderStyle, notCode,
               [](S& s, BorderStyle v) { s.shprect.borderStyle = v; }),
        number("Styles", "FontSize", fontSize, notFontSize,
               [](S& s, float v) { s.lblfoodcount.font.pointSize = v; }),
    };
    ValueReader values(*this, SkinIniPath);
    for (const Step& step : steps)
        if (!step(values, scene))
            return values.error();
    const QString styles = QStringLiteral("Styles");
    scene.lblfoodcount.font.face = LoadSkin(styles, QStringLiteral("Font"));

    const QString CellSizeText = LoadSkin(QStringLiteral("Ratio"), QStringLiteral("SizeRatio"));
    const std::optional<float> step = cellStep(CellSizeText, scale.x);
    if (!step)
        return SkinError{SkinIniPath, QStringLiteral("Ratio"), QStringLiteral("SizeRatio"),
                         CellSizeText,
                         CellSizeText.isEmpty() ? QStringLiteral("missing")
                                                : QStringLiteral("not a usable cell size")};
    const double cellPixels = *numberFromText(CellSizeText);
    Shape& head = scene.head();
    head.bounds.width = *step;
    head.bounds.height = scale.twipsY(cellPixels);
    scene.shprect.bounds.width = float(GridCells) * head.bounds.width;
    scene.shprect.bounds.height = float(GridCells) * head.bounds.width;
    scene.shpfood.bounds.width = head.bounds.width;
    scene.shpfood.bounds.height = head.bounds.height;
    return playAreaOutside(scene, SkinPicture.size(), scale, *this, SkinIniPath);
}
