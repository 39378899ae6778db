#include "platform/Pictures.h"

#include <QDataStream>
#include <QTest>

#include <cstdlib>

namespace {

// A complete 1-bit BMP of the given size, all pixels of the first colour; a negative height stores
// the rows top first, and the reader then gives the height as negative.
QByteArray monoBitmap(qint32 width, qint32 height)
{
    const qint32 rowBytes = (width + 31) / 32 * 4;
    const qint32 dataBytes = rowBytes * std::abs(height);
    const qint32 dataStart = 14 + 40 + 8;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(dataStart + dataBytes) << quint32(0) << quint32(dataStart);
    out << quint32(40) << width << height << quint16(1) << quint16(1) << quint32(0)
        << quint32(dataBytes) << qint32(2835) << qint32(2835) << quint32(2) << quint32(0);
    out << quint32(0x000000) << quint32(0xffffff);
    bytes.append(dataBytes, '\0');
    return bytes;
}

// A GIF with a logical screen of the given size holding one 1 x 1 frame: the reader gives the
// frame's size, the picture comes out as large as the screen.
QByteArray gifScreen(quint16 width, quint16 height)
{
    QByteArray bytes = QByteArray::fromHex("47494638396101000100800000ffffff00000021f904010000000"
                                           "02c00000000010001000002024401003b");
    bytes[6] = char(width & 0xff);
    bytes[7] = char(width >> 8);
    bytes[8] = char(height & 0xff);
    bytes[9] = char(height >> 8);
    return bytes;
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void pictureBeyondTheSizeLimitIsRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("top-down BMP too wide") << monoBitmap(MaxPictureSide + 1, -1);
        QTest::newRow("top-down BMP too tall") << monoBitmap(1, -(MaxPictureSide + 1));
        QTest::newRow("top-down BMP of too many pixels") << monoBitmap(4000, -8001);
        QTest::newRow("GIF screen too wide") << gifScreen(MaxPictureSide + 1, 1);
        QTest::newRow("GIF screen too tall") << gifScreen(1, MaxPictureSide + 1);
    }

    void pictureBeyondTheSizeLimitIsRefused()
    {
        QFETCH(QByteArray, file);
        QVERIFY(!pictureFromBytes(file));
    }

    void pictureWithinTheSizeLimitLoads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("top-down BMP") << monoBitmap(MaxPictureSide, -2) << QSize(MaxPictureSide, 2);
        QTest::newRow("GIF screen") << gifScreen(MaxPictureSide, 1) << QSize(MaxPictureSide, 1);
    }

    void pictureWithinTheSizeLimitLoads()
    {
        QFETCH(QByteArray, file);
        QFETCH(QSize, size);
        const std::optional<QImage> picture = pictureFromBytes(file);
        QVERIFY(picture);
        QCOMPARE(picture->size(), size);
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
