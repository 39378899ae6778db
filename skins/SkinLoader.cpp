#include "SkinLoader.h"

#include "layouts/PixelScale.h"
#include "platform/IniReader.h"
#include "platform/NumberText.h"
#include "platform/Pictures.h"
#include "platform/ProgramFacts.h"
#include "platform/RegularFile.h"
#include "platform/WindowShape.h"
#include "skins/SkinValues.h"

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
        const auto part = [&](const char* component) {
            return read(QStringLiteral("Colors"), prefix + QLatin1String(component), colorComponent,
                        "not a colour component from 0 up");
        };
        const std::optional<int> red = part("R");
        if (!red)
            return std::nullopt;
        const std::optional<int> green = part("G");
        if (!green)
            return std::nullopt;
        const std::optional<int> blue = part("B");
        if (!blue)
            return std::nullopt;
        return Color::fromRgb(*red, *green, *blue);
    }

    std::optional<SkinError> error() const { return m_error; }

private:
    const SkinLoader& m_loader;
    QString m_iniPath;
    std::optional<SkinError> m_error;
};

// Why a file of the skin could not be used, when it was not what it holds.
std::optional<QString> fileProblem(const QString& path)
{
    switch (fileKindAt(path)) {
    case FileKind::Missing:
        return QStringLiteral("missing");
    case FileKind::Other:
        return QStringLiteral("not a regular file");
    case FileKind::Regular:
        break;
    }
    return std::nullopt;
}

SkinError pictureError(const QString& path)
{
    return {path,
            {},
            {},
            {},
            fileProblem(path).value_or(
                QStringLiteral("unreadable, not a picture, or larger than %1 pixels a side or %2 "
                               "in all")
                    .arg(MaxPictureSide)
                    .arg(MaxPicturePixels))};
}

}  // namespace

QString SkinLoader::LoadSkin(const QString& Header, const QString& Variable) const
{
    return readIniValue(SkinIniPath, Header, Variable);
}

std::optional<SkinError> SkinLoader::load(const QString& SkinPath, PlayWindowScene& scene,
                                          QWidget* window, const ProgramFacts& facts)
{
    SkinBmpPath = SkinPath + QStringLiteral("/skin.bmp");
    SkinIniPath = SkinPath + QStringLiteral("/config.ini");

    std::optional<QImage> bitmap = loadPicture(SkinBmpPath);
    if (!bitmap)
        return pictureError(SkinBmpPath);
    SkinPicture = std::move(*bitmap);

    const PixelScale scale = PixelScale::of(facts);
    scene.width = scale.twipsX(SkinPicture.width());
    scene.height = scale.twipsY(SkinPicture.height());

    const QString foodPath = SkinPath + QStringLiteral("/food.gif");
    std::optional<QImage> food = loadPicture(foodPath);
    if (!food)
        return pictureError(foodPath);
    scene.shpfood.picture = std::move(*food);

    qint32 transColor = 1;
    SkinRegion.ScanPicture(SkinPicture, transColor);
    if (SkinRegion.tooComplex())
        return SkinError{SkinBmpPath,
                         {},
                         {},
                         {},
                         QStringLiteral("outline too complex: it takes more than %1 rectangles, "
                                        "even with rows alike merged")
                             .arg(MaxOutlineRectangles)};
    SkinRegion.OffsetHeader(window);
    scene.picture = SkinPicture;
    SkinRegion.ApplyRgn(window);

    // Read as a file, where its values would only come out empty.
    if (const std::optional<QString> problem = fileProblem(SkinIniPath))
        return SkinError{SkinIniPath, {}, {}, {}, *problem};

    ValueReader values(*this, SkinIniPath);
    const QString positions = QStringLiteral("Positions");
    const QString styles = QStringLiteral("Styles");
    const char* notNumber = "not a number of pixels a window can hold";

    const auto x = [&](const char* key) {
        const auto convert = [&](QStringView text) {
            return positionTwips(text, facts.twipsPerPixelX());
        };
        return values.read(positions, QLatin1String(key), convert, notNumber);
    };
    const auto y = [&](const char* key) {
        const auto convert = [&](QStringView text) {
            return positionTwips(text, facts.twipsPerPixelY());
        };
        return values.read(positions, QLatin1String(key), convert, notNumber);
    };

    if (const auto v = x("PlayAreaX"))
        scene.shprect.bounds.left = *v;
    else
        return values.error();
    if (const auto v = y("PlayAreaY"))
        scene.shprect.bounds.top = *v;
    else
        return values.error();
    if (const auto v = x("ScoreTextX"))
        scene.lblfoodcount.left = *v;
    else
        return values.error();
    if (const auto v = y("ScoreTextY"))
        scene.lblfoodcount.top = *v;
    else
        return values.error();

    Shape& head = scene.head();
    if (const auto c = values.color(QStringLiteral("Kriel")))
        head.fillColor = *c;
    else
        return values.error();
    if (const auto c = values.color(QStringLiteral("Notifier"))) {
        scene.shpZip.backColor = *c;
        scene.shpZip.borderColor = *c;
    } else {
        return values.error();
    }
    if (const auto c = values.color(QStringLiteral("KrielBorder")))
        head.borderColor = *c;
    else
        return values.error();
    if (const auto c = values.color(QStringLiteral("PlayBorder")))
        scene.shprect.borderColor = *c;
    else
        return values.error();
    if (const auto c = values.color(QStringLiteral("Score")))
        scene.lblfoodcount.foreColor = *c;
    else
        return values.error();

    const char* notCode = "not one of the codes allowed";
    if (const auto v = values.read(styles, QStringLiteral("KrielShape"), shapeCode, notCode))
        head.shape = *v;
    else
        return values.error();
    if (const auto v = values.read(styles, QStringLiteral("KrielBorder"), borderStyle, notCode))
        head.borderStyle = *v;
    else
        return values.error();
    if (const auto v = values.read(styles, QStringLiteral("PlayBorder"), borderStyle, notCode))
        scene.shprect.borderStyle = *v;
    else
        return values.error();
    if (const auto v = values.read(styles, QStringLiteral("FontSize"), fontSize,
                                   "not a font size above 0 and at most 2048 points"))
        scene.lblfoodcount.font.pointSize = *v;
    else
        return values.error();
    scene.lblfoodcount.font.face = LoadSkin(styles, QStringLiteral("Font"));

    const QString CellSizeText = LoadSkin(QStringLiteral("Ratio"), QStringLiteral("SizeRatio"));
    const std::optional<float> step = cellStep(CellSizeText, facts.twipsPerPixelX());
    if (!step)
        return SkinError{SkinIniPath, QStringLiteral("Ratio"), QStringLiteral("SizeRatio"),
                         CellSizeText,
                         CellSizeText.isEmpty() ? QStringLiteral("missing")
                                                : QStringLiteral("not a usable cell size")};
    const double cellPixels = *numberFromText(CellSizeText);
    head.bounds.width = *step;
    head.bounds.height = PixelScale::of(facts).twipsY(cellPixels);
    scene.shprect.bounds.width = 19.0f * head.bounds.width;
    scene.shprect.bounds.height = 19.0f * head.bounds.width;
    scene.shpfood.bounds.width = head.bounds.width;
    scene.shpfood.bounds.height = head.bounds.height;
    return std::nullopt;
}
