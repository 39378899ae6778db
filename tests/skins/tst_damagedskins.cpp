#include "platform/Pictures.h"
#include "skins/SkinLoader.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QWidget>
#include <QtEndian>

namespace {

QByteArray garbage(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.generate());
    return bytes;
}

// A bitmap file: a header for width × height pixels of `bitCount` bits, whose pixel data takes
// `dataSize` bytes (compressed, or else all of the rows), a palette, and `pixels`.
QByteArray bitmapFile(qint32 width, qint32 height, quint16 bitCount, const QByteArray& pixels,
                      quint32 compression = 0, quint32 dataSize = 0)
{
    const quint32 dataStart = 54 + (bitCount <= 8 ? 4 << bitCount : 0);
    QByteArray bytes(dataStart, '\0');
    char* header = bytes.data();
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(dataStart + pixels.size(), header + 2);
    qToLittleEndian<quint32>(dataStart, header + 10);
    qToLittleEndian<quint32>(40, header + 14);  // info header size
    qToLittleEndian<qint32>(width, header + 18);
    qToLittleEndian<qint32>(height, header + 22);
    qToLittleEndian<quint16>(1, header + 26);  // planes
    qToLittleEndian<quint16>(bitCount, header + 28);
    qToLittleEndian<quint32>(compression, header + 30);
    qToLittleEndian<quint32>(dataSize, header + 34);
    return bytes + pixels;
}

// Uncompressed, with `dataBytes` of its pixel bytes, or all of them when that is negative.
QByteArray bitmapClaiming(qint32 width, qint32 height, quint16 bitCount = 24, qint64 dataBytes = 16)
{
    if (dataBytes < 0)
        dataBytes = (qint64(width) * bitCount + 31) / 32 * 4 * height;
    return bitmapFile(width, height, bitCount, QByteArray(dataBytes, '\x40'));
}

// 4 × 2 pixels of colour 1, run-length encoded: a run of four, end of line, a run of four, end.
const QByteArray Rle8Pixels("\x04\x01\x00\x00\x04\x01\x00\x01", 8);
constexpr quint32 Rle8 = 1;

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool replaceFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(contents) == contents.size();
}

std::optional<SkinError> load(const SkinFolder& skin, PlayWindowScene& scene)
{
    return SkinLoader().load(skin.skinPath(), scene, nullptr, FixedFacts());
}

}  // namespace

class TestDamagedSkins : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const SkinFolder skin;
        m_bitmap = contentsOf(skin.skinPath() + "/skin.bmp");
        m_food = contentsOf(skin.skinPath() + "/food.gif");
        m_config = contentsOf(skin.skinPath() + "/config.ini");
        QVERIFY(m_bitmap.startsWith("BM") && m_food.startsWith("GIF") && !m_config.isEmpty());
    }

    // A picture refused names its file; a config.ini refused names the first value read.
    void damagedFileIsRefusedNamingIt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("key");

        const qsizetype half = 54 + (m_bitmap.size() - 54) / 2;
        for (const qsizetype cut : {qsizetype(0), qsizetype(2), qsizetype(14), qsizetype(53),
                                    qsizetype(54), half, m_bitmap.size() - 1})
            QTest::addRow("skin.bmp cut to %lld bytes", qlonglong(cut))
                << "skin.bmp" << m_bitmap.left(cut) << "";
        // The image data comes last but for the trailer, so every cut loses part of the image.
        for (qsizetype cut = 0; cut < m_food.size() - 1; ++cut)
            QTest::addRow("food.gif cut to %lld bytes", qlonglong(cut))
                << "food.gif" << m_food.left(cut) << "";
        QTest::newRow("skin.bmp run-length encoded, cut")
            << "skin.bmp" << bitmapFile(4, 2, 8, Rle8Pixels.left(4), Rle8, Rle8Pixels.size()) << "";
        QTest::newRow("skin.bmp garbage after BM") << "skin.bmp"
                                                   << "BM" + garbage(4096, 1) << "";
        QTest::newRow("food.gif garbage after GIF89a") << "food.gif"
                                                       << "GIF89a" + garbage(4096, 2) << "";

        // Refused from the header alone: over a side, over the pixel count, within both but with
        // nothing behind the header, and a width no picture has.
        QTest::newRow("claims 100000 x 100000")
            << "skin.bmp" << bitmapClaiming(100000, 100000) << "";
        QTest::newRow("claims 9000 x 10") << "skin.bmp" << bitmapClaiming(9000, 10) << "";
        QTest::newRow("claims 8000 x 4001") << "skin.bmp" << bitmapClaiming(8000, 4001) << "";
        QTest::newRow("claims 4000 x 4000") << "skin.bmp" << bitmapClaiming(4000, 4000) << "";
        QTest::newRow("claims -4000 x 4000") << "skin.bmp" << bitmapClaiming(-4000, 4000) << "";

        QTest::newRow("config.ini empty") << "config.ini" << QByteArray() << "PlayAreaX";
        QTest::newRow("config.ini binary") << "config.ini" << garbage(64 << 10, 3) << "PlayAreaX";
    }

    void damagedFileIsRefusedNamingIt()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(QString, key);
        SkinFolder skin;
        QVERIFY(replaceFile(skin.skinPath() + '/' + file, contents));
        PlayWindowScene scene = playWindowLayout();
        const std::optional<SkinError> error = load(skin, scene);
        QVERIFY(error);
        QCOMPARE(error->file, skin.skinPath() + '/' + file);
        QCOMPARE(error->key, key);
    }

    void unopenableFileIsRefusedNamingIt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("key");
        for (const char* kind : {"folder", "link to itself", "link to nothing"}) {
            QTest::addRow("skin.bmp, %s", kind) << "skin.bmp" << kind << "";
            QTest::addRow("food.gif, %s", kind) << "food.gif" << kind << "";
            QTest::addRow("config.ini, %s", kind) << "config.ini" << kind << "PlayAreaX";
        }
    }

    // Root reads any file whatever its permissions, so unreadable here means unopenable.
    void unopenableFileIsRefusedNamingIt()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QString, key);
        SkinFolder skin;
        const QString path = skin.skinPath() + '/' + file;
        QVERIFY(QFile::remove(path));
        if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else
            QVERIFY(QFile::link(kind == "link to itself" ? path : path + ".gone", path));
        PlayWindowScene scene = playWindowLayout();
        const std::optional<SkinError> error = load(skin, scene);
        QVERIFY(error);
        QCOMPARE(error->file, path);
        QCOMPARE(error->key, key);
    }

    // Each limit refuses a whole file one pixel over it, which Qt alone would decode.
    void wholeBitmapLoadsWithinTheLimits_data()
    {
        QTest::addColumn<QByteArray>("bitmap");
        QTest::addColumn<bool>("loads");
        QTest::newRow("8192 x 10") << bitmapClaiming(8192, 10, 24, -1) << true;
        QTest::newRow("8193 x 10") << bitmapClaiming(8193, 10, 24, -1) << false;
        QTest::newRow("10 x 8193") << bitmapClaiming(10, 8193, 24, -1) << false;
        QTest::newRow("8000 x 4000") << bitmapClaiming(8000, 4000, 1, -1) << true;
        QTest::newRow("8000 x 4001") << bitmapClaiming(8000, 4001, 1, -1) << false;
        QTest::newRow("run-length encoded")
            << bitmapFile(4, 2, 8, Rle8Pixels, Rle8, Rle8Pixels.size()) << true;
    }

    void wholeBitmapLoadsWithinTheLimits()
    {
        QFETCH(QByteArray, bitmap);
        QFETCH(bool, loads);
        QCOMPARE(pictureFromBytes(bitmap).has_value(), loads);
    }

    // Loads: the rightmost column never counts, so a single pixel leaves nothing to show.
    void oneByOneBitmapLoadsWithAnEmptyOutline()
    {
        SkinFolder skin;
        QImage pixel(1, 1, QImage::Format_RGB32);
        pixel.fill(Qt::white);
        skin.setBitmap(pixel);
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setAutoFillBackground(true);
        window.resize(1, 1);
        SkinLoader loader;
        PlayWindowScene scene = playWindowLayout();
        QVERIFY(!loader.load(skin.skinPath(), scene, &window, FixedFacts()));
        QCOMPARE(QSizeF(scene.width, scene.height), QSizeF(15, 15));
        QVERIFY(loader.skinRegion().hndRegion().isEmpty());

        QImage seen(1, 1, QImage::Format_RGB32);
        seen.fill(Qt::black);
        window.render(&seen);
        QCOMPARE(seen.pixel(0, 0), qRgb(0, 0, 0));
    }

    // Loads: some writers leave the trailer out, and the image before it is whole.
    void gifWithoutItsTrailerLoads()
    {
        SkinFolder skin;
        QVERIFY(replaceFile(skin.skinPath() + "/food.gif", m_food.chopped(1)));
        PlayWindowScene scene = playWindowLayout();
        QVERIFY(!load(skin, scene));
        QCOMPARE(scene.shpfood.picture.size(), QSize(1, 1));
    }

    void onlyTheFirstMebibyteOfConfigIsRead_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<qint64>("sparseSize");  // the file is then grown to this, as a hole
        QTest::addColumn<bool>("loads");
        const QByteArray longLine = QByteArray(10 << 20, 'x') + '\n';
        QTest::newRow("10 MB line, then the keys") << longLine + m_config << qint64(0) << false;
        QTest::newRow("the keys, then a 10 MB line") << m_config + longLine << qint64(0) << true;
        QTest::newRow("the keys, then 200 MB of hole") << m_config << (qint64(200) << 20) << true;
    }

    void onlyTheFirstMebibyteOfConfigIsRead()
    {
        QFETCH(QByteArray, contents);
        QFETCH(qint64, sparseSize);
        QFETCH(bool, loads);
        SkinFolder skin;
        const QString path = skin.skinPath() + "/config.ini";
        QVERIFY(replaceFile(path, contents));
        if (sparseSize)
            QVERIFY(QFile::resize(path, sparseSize));

        PlayWindowScene scene = playWindowLayout();
        QElapsedTimer timer;
        timer.start();
        const std::optional<SkinError> error = load(skin, scene);
        // Each of the 25 values is looked up afresh: whole files would take many seconds.
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(!error, loads);
        if (error)
            QCOMPARE(QStringList({error->key, error->reason}),
                     QStringList({"PlayAreaX", "missing"}));
    }

    // The value as written to config.ini (the reader drops blanks and one pair of quotes), and
    // what it gives: pixels for PlayAreaX, the red component for KrielR; NaN where it is refused.
    void oddNumberIsTakenOrRefused_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("taken");
        const double refused = qQNaN();
        const std::pair<const char*, double> table[] = {
            {"1e999", refused}, {"1e-999", refused}, {"nan", refused}, {"-0", 0},
            {"0x10", refused},  {" 12 ", 12},        {"' 12 '", 12},   {"\u0661\u0662", refused},
        };
        for (const auto& [text, value] : table) {
            QTest::addRow("PlayAreaX %s", text) << "PlayAreaX" << QString(text) << value;
            QTest::addRow("KrielR %s", text) << "KrielR" << QString(text) << value;
        }
        // Where the two kinds part: a fraction, and numbers beyond 16 bits or 255.
        const std::tuple<const char*, const char*, double> parting[] = {
            {"PlayAreaX", "0.5", 0.5}, {"KrielR", "0.5", 0},       {"PlayAreaX", "1e6", 1e6},
            {"KrielR", "1e4", 255},    {"KrielR", "1e6", refused},
        };
        for (const auto& [key, text, value] : parting)
            QTest::addRow("%s %s", key, text) << QString(key) << QString(text) << value;
    }

    void oddNumberIsTakenOrRefused()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(double, taken);
        SkinFolder skin;
        const QString section = key == "KrielR" ? "Colors" : "Positions";
        skin.setValue(section, key, text);
        PlayWindowScene scene = playWindowLayout();
        const std::optional<SkinError> error = load(skin, scene);
        if (qIsNaN(taken)) {
            QVERIFY(error);
            QCOMPARE(QStringList({error->section, error->key}), QStringList({section, key}));
            return;
        }
        QVERIFY2(!error, error ? qPrintable(error->key + ": " + error->reason) : "");
        if (key == "KrielR")
            QCOMPARE(scene.head().fillColor.red(), int(taken));
        else
            QCOMPARE(scene.shprect.bounds.left, float(taken * 15));
    }

private:
    QByteArray m_bitmap;
    QByteArray m_food;
    QByteArray m_config;
};

QTEST_MAIN(TestDamagedSkins)
#include "tst_damagedskins.moc"
