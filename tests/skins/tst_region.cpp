#include "platform/WindowShape.h"
#include "skins/Region.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTest>
#include <QWidget>

namespace {

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb White = qRgb(255, 255, 255);
// Red, green and blue all differ, so that the order they are read in shows.
constexpr QRgb Clear = qRgb(10, 20, 30);

// Rows top first: '.' Clear, anything else black.
QImage picture(const QStringList& rows)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[y][x] == '.' ? Clear : Black);
    return image;
}

// `rows` runs a row, each one pixel wide with one transparent pixel after it, shifted by a pixel
// from one row to the next so that no two rows are alike, and `extra` more runs in a last row.
QImage checkerboard(int rows, int runs, int extra = 0)
{
    QImage image(2 * runs + 2, rows + (extra ? 1 : 0), QImage::Format_RGB32);
    image.fill(Clear);
    for (int y = 0; y < image.height(); ++y)
        for (int i = 0; i < (y < rows ? runs : extra); ++i)
            image.setPixel(2 * i + (y < rows ? y % 2 : 1), y, Black);
    return image;
}

}  // namespace

class TestRegion : public QObject {
    Q_OBJECT

private slots:
    void outlineIsEveryPixelNotOfTheBottomLeftColourBarTheRightmostColumn_data()
    {
        QTest::addColumn<QImage>("image");
        QImage disc(24, 20, QImage::Format_RGB32);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 24; ++x)  // radius 7 about (16, 10): it reaches the last column
                disc.setPixel(x, y,
                              (x - 16) * (x - 16) + (y - 10) * (y - 10) <= 49 ? Black : White);
        QTest::newRow("black disc on white") << disc;
        // Read upside down, this one would take its top-left colour instead.
        QTest::newRow("only the corner") << picture({"#####", "#####", ".####"});
        QTest::newRow("one-pixel hole") << picture({"#####", "##.##", ".####"});
        QTest::newRow("runs of every kind")
            << picture({"..##..###.#.", "#.#.#.#.#.##", "############", "...#####....",
                        "##.......###", "............", "#..........#", ".#.#.#.#.#.#"});
        // Rows alike, next to each other or apart, and rows that differ only in a run's end or
        // in their last column, which the outline never holds.
        QTest::newRow("rows alike")
            << picture({"#..##.", "#..##.", "#..##.", "#..###", "#..#..", "#..##.", "......",
                        "......", "#..##.", ".....#", "......", "##.###", ".#.##."});
        // Pictures made of a few distinct rows, repeated at random.
        QRandomGenerator random(7);
        for (int n = 0; n < 20; ++n) {
            QStringList kinds;
            for (int k = 0; k < 3; ++k) {
                QString row;
                for (int x = 0; x < 9; ++x)
                    row += random.bounded(2) ? '#' : '.';
                kinds << row;
            }
            QStringList rows;
            for (int y = 0; y < 12; ++y)
                rows << kinds[random.bounded(3)];
            rows.last()[0] = '.';
            QTest::addRow("random %d", n) << picture(rows);
        }
    }

    // The outline is built from whole runs in one go; it must cover what the pixels do.
    void outlineIsEveryPixelNotOfTheBottomLeftColourBarTheRightmostColumn()
    {
        QFETCH(QImage, image);
        const QRgb corner = image.pixel(0, image.height() - 1);
        qint32 transColor = 1;
        Region region;
        region.ScanPicture(image, transColor);
        QCOMPARE(transColor, 65536 * qRed(corner) + 256 * qGreen(corner) + qBlue(corner));
        QRegion pixels;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width() - 1; ++x)
                if (image.pixel(x, y) != corner)
                    pixels += QRect(x, y, 1, 1);
        // Where the two disagree, if anywhere.
        QCOMPARE(region.hndRegion().xored(pixels).boundingRect(), QRect());
    }

    // Every other column transparent: one rectangle per stripe, however tall.
    void stripesMakeOneRectangleEach()
    {
        QImage stripes(400, 300, QImage::Format_RGB32);
        for (int x = 0; x < stripes.width(); ++x)
            for (int y = 0; y < stripes.height(); ++y)
                stripes.setPixel(x, y, x % 2 ? Black : Clear);
        qint32 transColor = 1;
        Region region;
        region.ScanPicture(stripes, transColor);
        QVERIFY(!region.tooComplex());
        QCOMPARE(region.hndRegion().rectCount(), 199);
        QCOMPARE(region.hndRegion().boundingRect(), QRect(1, 0, 397, 300));
    }

    // An outline the window system could not take whole is not built at all.
    void outlineOfMoreRectanglesThanAWindowTakesIsTooComplex_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<bool>("tooComplex");
        const int rows = 128;
        const int runs = MaxOutlineRectangles / rows;
        QVERIFY(rows * runs == MaxOutlineRectangles);
        QTest::newRow("at the limit") << checkerboard(rows, runs) << false;
        QTest::newRow("one past it") << checkerboard(rows, runs, 1) << true;
        QTest::newRow("far past it") << checkerboard(2000, 1000) << true;
    }

    void outlineOfMoreRectanglesThanAWindowTakesIsTooComplex()
    {
        QFETCH(QImage, image);
        QFETCH(bool, tooComplex);
        Region region;
        qint32 transColor = 1;
        region.ScanPicture(image, transColor);
        QCOMPARE(region.tooComplex(), tooComplex);
        QCOMPARE(region.hndRegion().rectCount(), tooComplex ? 0 : int(MaxOutlineRectangles));
        // A simple picture after a complex one is built again.
        region.ScanPicture(picture({"##.", "..."}), transColor);
        QVERIFY(!region.tooComplex());
        QCOMPARE(region.hndRegion(), QRegion(0, 0, 2, 1));
    }

    // OffsetHeader goes by the flag alone, so a frame measured before the window lost its border
    // does not move the outline; later changes to it wait for the next ApplyRgn.
    void framelessWindowTakesTheOutlineUnmovedAndKeepsIt()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.frameGeometry() != window.geometry());  // else nothing could move it
        window.overrideWindowFlags(window.windowFlags() | Qt::FramelessWindowHint);
        const QRegion given = QRegion(0, 0, 10, 10) - QRegion(2, 2, 1, 1);
        QImage picture(11, 10, QImage::Format_RGB32);
        picture.fill(Qt::black);
        picture.setPixel(2, 2, qRgb(255, 0, 255));
        qint32 magenta = 0xFF00FF;
        Region region;
        region.ScanPicture(picture, magenta);
        region.OffsetHeader(&window);
        region.ApplyRgn(&window);
        picture = QImage(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::black);
        region.ScanPicture(picture, magenta);
        // Only the area counts, not how QRegion cuts it into rectangles.
        QVERIFY(window.mask().xored(given).isEmpty());
    }
};

QTEST_MAIN(TestRegion)
#include "tst_region.moc"
