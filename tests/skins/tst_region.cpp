#include "skins/Region.h"

#include <QImage>
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
        Region region;
        region.setHndRegion(given);
        region.OffsetHeader(&window);
        region.ApplyRgn(&window);
        region.setHndRegion(QRegion(5, 5, 3, 3));
        // Only the area counts, not how QRegion cuts it into rectangles.
        QVERIFY(window.mask().xored(given).isEmpty());
    }
};

QTEST_MAIN(TestRegion)
#include "tst_region.moc"
