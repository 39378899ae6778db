#include "engine/NewGame.h"
#include "engine/SceneChanges.h"
#include "engine/ScenePainter.h"
#include "engine/Tick.h"
#include "skins/SkinLoader.h"
#include "support/FakePlatform.h"

#include <QPainter>
#include <QTest>

#include <algorithm>

namespace {

constexpr Color Background = Color::fromRgb(16, 32, 48);
constexpr Color Fill = Color::fromRgb(0, 200, 0);
constexpr Color Border = Color::fromRgb(250, 0, 0);
constexpr auto rgb = [](Color c) { return qRgb(c.red(), c.green(), c.blue()); };

// The play window's scene on a plain background, its head one cell 16 pixels wide and 12 (or 16)
// high at (10, 10); the other controls lie beyond the 40 × 40 pixels painted.
PlayWindowScene sceneWithHead(ShapeCode code, BorderStyle style, int height = 12)
{
    PlayWindowScene scene = playWindowLayout();
    scene.backColor = Background;
    scene.picture = QImage();
    Shape& head = scene.head();
    head.bounds = {150, 150, 16 * 15, float(height) * 15};
    head.shape = code;
    head.borderStyle = style;
    head.borderColor = Border;
    head.fillColor = Fill;
    return scene;
}

QImage paint(const PlayWindowScene& scene)
{
    QImage image(40, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    paintScene(painter, scene, PixelScale{}, image.rect());
    return image;
}

}  // namespace

class ScenePainterTest : public QObject {
    Q_OBJECT

private slots:
    void shapesDrawTheirFiguresAndOutlines()
    {
        using enum ShapeCode;
        using enum BorderStyle;
        // Whether the corner and the middle of the sides are filled, or mostly so where a round
        // edge blends in; on the 16 × 12 cell the square figures are 12 × 12 and centred.
        const auto isFill = [](QRgb pixel) { return qGreen(pixel) > 150 && qRed(pixel) < 60; };
        const std::tuple<ShapeCode, bool, bool> figures[] = {
            {Rectangle, true, true}, {Square, false, false},          {Oval, false, true},
            {Circle, false, false},  {RoundedRectangle, false, true}, {RoundedSquare, false, false},
        };
        for (auto [code, cornerFilled, sidesFilled] : figures) {
            const QImage image = paint(sceneWithHead(code, Transparent));
            QCOMPARE(image.pixel(18, 16), rgb(Fill));
            QCOMPARE(isFill(image.pixel(10, 10)), cornerFilled);
            QCOMPARE(isFill(image.pixel(10, 16)), sidesFilled);
        }

        // How many of the top edge's 16 pixels the outline takes; the fill has the rest.
        const std::tuple<BorderStyle, int, int> outlines[] = {
            {Transparent, 0, 0}, {Solid, 16, 16},       {Dash, 6, 14},
            {Dot, 4, 12},        {InsideSolid, 16, 16},
        };
        for (auto [style, fewest, most] : outlines) {
            const QImage image = paint(sceneWithHead(Rectangle, style, 16));
            const QRgb* top = reinterpret_cast<const QRgb*>(image.constScanLine(10));
            const int border = int(std::count(top, top + 40, rgb(Border)));
            QVERIFY2(border >= fewest && border <= most, qPrintable(QString::number(border)));
            QCOMPARE(border + std::count(top, top + 40, rgb(Fill)), 16);
        }
    }

    // Back to front: the notifier's ring, the play area, the kriel and the food.
    void layersAreDrawnBackToFront()
    {
        PlayWindowScene scene = sceneWithHead(ShapeCode::Rectangle, BorderStyle::Transparent, 16);
        ShowNotifier(scene);
        scene.shprect.bounds = {150, 150, 30 * 15, 30 * 15};
        scene.shpkriel.push_back(scene.head());
        scene.shpkriel.back().bounds.left += 16 * 15;
        scene.shpfood.bounds = {14 * 15, 14 * 15, 8 * 15, 8 * 15};
        scene.shpfood.picture = QImage(4, 4, QImage::Format_RGB32);
        scene.shpfood.picture.fill(Qt::magenta);
        const QImage image = paint(scene);

        for (QPoint p : {QPoint(8, 8), QPoint(9, 18), QPoint(18, 27), QPoint(27, 27)})
            QCOMPARE(image.pixel(p), rgb(scene.shpZip.backColor));
        QCOMPARE(image.pixel(10, 27), rgb(scene.shprect.borderColor));
        for (QPoint p : {QPoint(10, 10), QPoint(25, 25), QPoint(26, 18), QPoint(30, 10)})
            QCOMPARE(image.pixel(p), rgb(Fill));
        QCOMPARE(image.pixel(18, 18), qRgb(255, 0, 255));
        QCOMPARE(image.pixel(7, 7), rgb(Background));
    }

    void scoreIsDrawnFromItsLeftEdge()
    {
        PlayWindowScene scene = sceneWithHead(ShapeCode::Rectangle, BorderStyle::Transparent);
        const QImage blank = paint(scene);
        scene.lblfoodcount = {5 * 15, 5 * 15, "88", {"Arial", 18, false}, Border};
        const QImage image = paint(scene);

        // Drawn, and nothing in the strips above and left of its top-left corner at (5, 5).
        QVERIFY(image != blank);
        QCOMPARE(image.copy(0, 0, 40, 5), blank.copy(0, 0, 40, 5));
        QCOMPARE(image.copy(0, 0, 5, 40), blank.copy(0, 0, 5, 40));
    }

    // Repainting only the changed area over the last picture must give exactly the picture a
    // whole repaint gives, tick after tick: moving, turning, eating, growing, the notifier going,
    // a pause, and the score widening.
    void repaintingWhatChangedGivesTheWholePicture()
    {
        FixedFacts facts;
        PlayWindowScene scene = playWindowLayout();
        SkinLoader loader;
        QVERIFY(!loader.load(KRIEL_DATA_DIR "/Skins/Default", scene, nullptr, facts));
        SeededRandom random;
        for (int i : {4, 9, 9, 9})  // food at (4, 9), head at (9, 9)
            random.scripted.push_back(SeededRandom::pickIndex(i));
        KrielState kriel;
        NewGame(scene, kriel, random);
        ShowNotifier(scene);

        const PixelScale scale;
        const auto whole = [&] {
            QImage image(scale.pixelX(scene.width), scale.pixelY(scene.height),
                         QImage::Format_RGB32);
            QPainter painter(&image);
            paintScene(painter, scene, scale, image.rect());
            return image;
        };
        QImage shown = whole();
        const Heading moves[] = {Heading::Left,  Heading::Left,  Heading::Left, Heading::Left,
                                 Heading::Left,  Heading::Left,  Heading::Up,   Heading::Up,
                                 Heading::Right, Heading::Right, Heading::Down};
        int tick = 0;
        for (Heading heading : moves) {
            kriel.Direction = heading;
            kriel.Paused = tick == 8 ? 1 : 0;
            const PlayWindowScene before = scene;
            Tick(scene, kriel, 6, random);
            if (tick == 9)
                scene.lblfoodcount.caption = QStringLiteral("1206");
            const QRegion changed = changedArea(before, scene, scale);
            {
                QPainter painter(&shown);
                painter.setClipRegion(changed);
                paintScene(painter, scene, scale, changed);
            }
            QVERIFY2(shown == whole(), qPrintable(QStringLiteral("tick %1").arg(tick)));
            ++tick;
        }
        QCOMPARE(scene.shpkriel.size(), std::size_t(2));  // it ate on the way

        // A skin of another size, grown or shrunk: the larger of the two windows is redrawn.
        PlayWindowScene larger = scene;
        larger.width += 300;
        larger.height += 150;
        const QRegion all(0, 0, scale.pixelX(larger.width), scale.pixelY(larger.height));
        QCOMPARE(changedArea(scene, larger, scale), all);
        QCOMPARE(changedArea(larger, scene, scale), all);
    }

    // Cells 12.5 pixels wide tile the grid with neither gaps nor overlaps.
    void fractionalCellsTileTheGrid()
    {
        const PixelScale scale;
        QRegion covered;
        for (int row = 0; row < 19; ++row)
            for (int column = 0; column < 19; ++column) {
                const QRect cell =
                    scale.pixels({60 + column * 187.5f, 75 + row * 187.5f, 187.5f, 187.5f});
                QVERIFY(!covered.intersects(cell));
                covered += cell;
            }
        QCOMPARE(covered, QRegion(scale.pixels({60, 75, 19 * 187.5f, 19 * 187.5f})));
    }
};

QTEST_MAIN(ScenePainterTest)
#include "tst_scenepainter.moc"
