#include "engine/NewGame.h"
#include "engine/SceneChanges.h"
#include "engine/ScenePainter.h"
#include "engine/Tick.h"
#include "skins/SkinLoader.h"
#include "support/FakePlatform.h"

#include <QPainter>
#include <QTest>

namespace {

constexpr QRgb Background = 0xff102030;
constexpr Color Fill = Color::fromRgb(0, 200, 0);
constexpr Color Border = Color::fromRgb(250, 0, 0);

// A cell of 16 × 12 pixels (or 16 × 16) with its top-left pixel at (10, 10), nothing else drawn.
PlayWindowScene sceneWithHead(ShapeCode code, BorderStyle style, int height = 12)
{
    PlayWindowScene scene = playWindowLayout();
    scene.width = 40 * 15;
    scene.height = 40 * 15;
    scene.backColor = Color::fromRgb(qRed(Background), qGreen(Background), qBlue(Background));
    scene.picture = QImage();
    scene.shprect.visible = false;
    scene.shpZip.visible = false;
    scene.lblfoodcount.caption.clear();
    Shape& head = scene.head();
    head.bounds = {150, 150, 16 * 15, float(height) * 15};
    head.shape = code;
    head.borderStyle = style;
    head.fillColor = Fill;
    head.borderColor = Border;
    return scene;
}

QImage paint(const PlayWindowScene& scene)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    paintScene(painter, scene, PixelScale{}, image.rect());
    return image;
}

QRgb rgb(Color c)
{
    return qRgb(c.red(), c.green(), c.blue());
}

// Mostly the fill colour: the edges of round figures are blended with what lies under them.
bool isFill(QRgb pixel)
{
    return qGreen(pixel) > 150 && qRed(pixel) < 60;
}

}  // namespace

class ScenePainterTest : public QObject {
    Q_OBJECT

private slots:
    void shapeCodesDrawTheirFigures_data();
    void shapeCodesDrawTheirFigures();
    void borderStylesDrawTheOutline_data();
    void borderStylesDrawTheOutline();
    void notifierShowsAsARingAroundTheHead();
    void foodLiesOverTheKrielAndTheHeadOverThePlayArea();
    void scoreIsDrawnFromItsLeftEdge();
    void repaintingWhatChangedGivesTheWholePicture();
};

void ScenePainterTest::shapeCodesDrawTheirFigures_data()
{
    QTest::addColumn<ShapeCode>("code");
    QTest::addColumn<bool>("cornerFilled");  // the bounds' top-left pixel
    QTest::addColumn<bool>("sidesFilled");   // the middle of the left and right edges
    QTest::newRow("rectangle") << ShapeCode::Rectangle << true << true;
    QTest::newRow("square") << ShapeCode::Square << false << false;
    QTest::newRow("oval") << ShapeCode::Oval << false << true;
    QTest::newRow("circle") << ShapeCode::Circle << false << false;
    QTest::newRow("rounded rectangle") << ShapeCode::RoundedRectangle << false << true;
    QTest::newRow("rounded square") << ShapeCode::RoundedSquare << false << false;
}

// On a 16 × 12 cell: the square figures are 12 × 12 and centred, leaving 2 columns free on
// either side; the round ones leave the corner free.
void ScenePainterTest::shapeCodesDrawTheirFigures()
{
    QFETCH(ShapeCode, code);
    QFETCH(bool, cornerFilled);
    QFETCH(bool, sidesFilled);
    const QImage image = paint(sceneWithHead(code, BorderStyle::Transparent));

    QCOMPARE(image.pixel(18, 16), rgb(Fill));
    QCOMPARE(isFill(image.pixel(10, 10)), cornerFilled);
    QCOMPARE(isFill(image.pixel(10, 16)), sidesFilled);
    QCOMPARE(isFill(image.pixel(25, 16)), sidesFilled);
    QCOMPARE(image.pixel(26, 16), Background);
    QCOMPARE(image.pixel(18, 22), Background);
}

void ScenePainterTest::borderStylesDrawTheOutline_data()
{
    QTest::addColumn<BorderStyle>("style");
    QTest::addColumn<int>("minBorderPixels");
    QTest::addColumn<int>("maxBorderPixels");
    // The top edge of a 16-pixel-wide rectangle.
    QTest::newRow("none") << BorderStyle::Transparent << 0 << 0;
    QTest::newRow("solid") << BorderStyle::Solid << 16 << 16;
    QTest::newRow("dashed") << BorderStyle::Dash << 6 << 14;
    QTest::newRow("dotted") << BorderStyle::Dot << 4 << 12;
    QTest::newRow("inside solid") << BorderStyle::InsideSolid << 16 << 16;
}

void ScenePainterTest::borderStylesDrawTheOutline()
{
    QFETCH(BorderStyle, style);
    QFETCH(int, minBorderPixels);
    QFETCH(int, maxBorderPixels);
    const QImage image = paint(sceneWithHead(ShapeCode::Rectangle, style, 16));

    int border = 0;
    for (int x = 10; x < 26; ++x) {
        QVERIFY(image.pixel(x, 10) == rgb(Border) || image.pixel(x, 10) == rgb(Fill));
        border += image.pixel(x, 10) == rgb(Border);
    }
    QVERIFY2(border >= minBorderPixels && border <= maxBorderPixels,
             qPrintable(QString::number(border)));
    // The outline stays within the bounds, and the inside is filled.
    QCOMPARE(image.pixel(9, 10), Background);
    QCOMPARE(image.pixel(26, 10), Background);
    QCOMPARE(image.pixel(18, 18), rgb(Fill));
}

void ScenePainterTest::notifierShowsAsARingAroundTheHead()
{
    PlayWindowScene scene = sceneWithHead(ShapeCode::Rectangle, BorderStyle::Transparent, 16);
    const Color amber = Color::fromRgb(255, 170, 40);
    scene.shpZip.backColor = amber;
    scene.shpZip.borderColor = amber;
    ShowNotifier(scene);
    const QImage image = paint(scene);

    // Two pixels of ring on every side, the head whole inside it.
    for (QPoint p : {QPoint(8, 8), QPoint(9, 18), QPoint(27, 18), QPoint(18, 27)})
        QCOMPARE(image.pixel(p), rgb(amber));
    for (QPoint p : {QPoint(10, 10), QPoint(25, 25)})
        QCOMPARE(image.pixel(p), rgb(Fill));
    for (QPoint p : {QPoint(7, 7), QPoint(28, 18)})
        QCOMPARE(image.pixel(p), Background);
}

void ScenePainterTest::foodLiesOverTheKrielAndTheHeadOverThePlayArea()
{
    PlayWindowScene scene = sceneWithHead(ShapeCode::Rectangle, BorderStyle::Transparent, 16);
    QImage food(4, 4, QImage::Format_ARGB32);
    food.fill(Qt::white);
    scene.shpfood.picture = food;
    scene.shpfood.bounds = scene.head().bounds;
    scene.shprect.visible = true;
    scene.shprect.bounds = {150, 150, 30 * 15, 30 * 15};
    scene.shprect.borderColor = Border;
    // A body cell beside the head, over the play area's top edge.
    Shape body = scene.head();
    body.bounds.left += 16 * 15;
    scene.shpkriel.push_back(body);
    const QImage image = paint(scene);

    QCOMPARE(image.pixel(18, 18), qRgb(255, 255, 255));  // food over head
    QCOMPARE(image.pixel(30, 10), rgb(Fill));            // body over the play area's edge
    QCOMPARE(image.pixel(39, 30), rgb(Border));          // the edge where nothing covers it
}

void ScenePainterTest::scoreIsDrawnFromItsLeftEdge()
{
    PlayWindowScene scene = sceneWithHead(ShapeCode::Rectangle, BorderStyle::Transparent);
    scene.head().visible = false;
    scene.lblfoodcount.caption = QStringLiteral("88");
    scene.lblfoodcount.left = 5 * 15;
    scene.lblfoodcount.top = 5 * 15;
    scene.lblfoodcount.font = {QStringLiteral("Arial"), 18, false};
    scene.lblfoodcount.foreColor = Color::fromRgb(255, 255, 255);
    const QImage image = paint(scene);

    int inked = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (image.pixel(x, y) != Background) {
                QVERIFY2(x >= 5 && y >= 5, "text drawn left of or above its place");
                ++inked;
            }
    QVERIFY(inked > 20);
}

// Repainting only the changed area over the last picture must give exactly the picture a whole
// repaint gives, tick after tick: moving, turning, eating, growing, the notifier going, a pause,
// and the score widening.
void ScenePainterTest::repaintingWhatChangedGivesTheWholePicture()
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
        QImage image(scale.pixelX(scene.width), scale.pixelY(scene.height), QImage::Format_RGB32);
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
}

QTEST_MAIN(ScenePainterTest)
#include "tst_scenepainter.moc"
