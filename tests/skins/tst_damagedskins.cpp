#include "platform/Pictures.h"
#include "skins/SkinLoader.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QWidget>

#include <sys/stat.h>

namespace {

QByteArray garbage(quint32 seed)
{
    QByteArray bytes(4096, Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return bytes;
}

// One bit a pixel keeps the largest bitmap allowed to 4 MB.
QByteArray monoBitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return image.save(&buffer, "BMP") ? bytes : QByteArray();
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Contents that stand for something other than a file in the file's place.
const QByteArray Folder("\0folder", 7);
const QByteArray LinkToItself("\0link to itself", 15);
// Read, it would wait for a writer for ever: were it opened, this test would hang until CTest's
// timeout ends it.
const QByteArray Fifo("\0fifo", 5);

bool replaceFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    if (contents == Folder)
        return file.remove() && QDir().mkdir(path);
    if (contents == LinkToItself)
        return file.remove() && QFile::link(path, path);
    if (contents == Fifo)
        return file.remove() && mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(contents) == contents.size();
}

}  // namespace

class TestDamagedSkins : public QObject {
    Q_OBJECT

private slots:
    // A refused file is named, with the key of the first value refused in it or why the file
    // itself could not be used.
    void skinFileLoadsOrIsRefusedNamingIt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<qint64>("holeTo");    // the size the file is then grown to
        QTest::addColumn<QString>("refusal");  // the key, or how the reason starts; "" loads
        QVERIFY(m_bitmap.startsWith("BM") && m_food.startsWith("GIF"));
        const auto row = [](const QString& file, const QString& what, const QByteArray& contents,
                            const QString& refusal, qint64 holeTo = 0) {
            QTest::addRow("%s %s", qPrintable(file), qPrintable(what))
                << file << contents << holeTo << refusal;
        };
        const QString unreadable = "unreadable, not a picture";
        const QString notRegular = "not a regular file";
        // The image data comes last but for the trailer, which some writers leave out.
        for (qsizetype cut = 0; cut < m_food.size(); ++cut)
            row("food.gif", QString("cut to %1 bytes").arg(cut), m_food.left(cut),
                cut == m_food.size() - 1 ? "" : unreadable);
        row("food.gif", "garbage", "GIF89a" + garbage(1), unreadable);
        row("skin.bmp", "header only", m_bitmap.left(54), unreadable);
        row("skin.bmp", "half its pixels", m_bitmap.left(54 + (m_bitmap.size() - 54) / 2),
            unreadable);
        row("skin.bmp", "garbage", "BM" + garbage(2), unreadable);
        // 100000 x 100000, which would take 30 GB if allocated before being looked at.
        row("skin.bmp", "enormous",
            monoBitmap(1, 1).replace(18, 8, QByteArray::fromHex("a0860100a0860100")), unreadable);
        // Each limit refuses a whole file one pixel over it, which Qt alone would decode.
        row("skin.bmp", "8192 x 10", monoBitmap(8192, 10), "");
        row("skin.bmp", "10 x 8193", monoBitmap(10, 8193), unreadable);
        row("skin.bmp", "8000 x 4000", monoBitmap(8000, 4000), "");
        row("skin.bmp", "8000 x 4001", monoBitmap(8000, 4001), unreadable);
        for (const QString file : {"skin.bmp", "food.gif", "config.ini"}) {
            row(file, "empty", QByteArray(), file == "config.ini" ? "PlayAreaX" : unreadable);
            row(file, "a folder", Folder, notRegular);
            row(file, "a link to itself", LinkToItself, notRegular);
            row(file, "a FIFO", Fifo, notRegular);
        }
        row("config.ini", "garbage", garbage(3), "PlayAreaX");
        const QByteArray longLine = QByteArray(10 << 20, 'x') + '\n';
        row("config.ini", "10 MB line, then the keys", longLine + m_config, "PlayAreaX");
        row("config.ini", "the keys, then a 10 MB line", m_config + longLine, "");
        row("config.ini", "the keys, then 200 MB of hole", m_config, "", qint64(200) << 20);
    }

    void skinFileLoadsOrIsRefusedNamingIt()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(qint64, holeTo);
        QFETCH(QString, refusal);
        SkinFolder skin;
        const QString path = skin.skinPath() + '/' + file;
        QVERIFY(replaceFile(path, contents));
        if (holeTo)
            QVERIFY(QFile::resize(path, holeTo));
        PlayWindowScene scene = playWindowLayout();
        // Only the first MiB of config.ini is read: keys behind a 10 MB line are missing.
        const auto error = SkinLoader().load(skin.skinPath(), scene, nullptr, FixedFacts());
        QCOMPARE(error ? error->file : QString(), refusal.isEmpty() ? QString() : path);
        if (error && !error->key.isEmpty())
            QCOMPARE(error->key, refusal);
        else if (error)
            QVERIFY2(error->reason.startsWith(refusal), qPrintable(error->reason));
    }

    // The rightmost column never counts, so a single pixel leaves nothing to show.
    void oneByOneBitmapLoadsWithAnEmptyOutline()
    {
        SkinFolder skin;
        skin.setBitmap(SkinFolder::defaultBitmap().copy(0, 0, 1, 1));
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setAutoFillBackground(true);
        SkinLoader loader;
        PlayWindowScene scene = playWindowLayout();
        QVERIFY(!loader.load(skin.skinPath(), scene, &window, FixedFacts()));
        QVERIFY(loader.skinRegion().hndRegion().isEmpty());
        QImage seen(1, 1, QImage::Format_RGB32);
        seen.fill(Qt::black);
        window.render(&seen);
        QCOMPARE(seen.pixel(0, 0), qRgb(0, 0, 0));
    }

    // PlayAreaX in pixels, as taken from the text; NaN where the skin is refused.
    void oddNumberIsTakenOrRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("taken");
        const double refused = qQNaN();
        const std::pair<const char*, double> table[] = {
            {"1e999", refused},        {"nan", refused}, {"0x10", refused}, {" 12 ", 12},
            {"\u0661\u0662", refused}, {"-0", 0},        {"0.5", 0.5},
        };
        for (const auto& [text, value] : table)
            QTest::newRow(text) << QString(text) << value;
    }

    void oddNumberIsTakenOrRefused()
    {
        QFETCH(QString, text);
        QFETCH(double, taken);
        SkinFolder skin;
        skin.setValue("Positions", "PlayAreaX", text);
        PlayWindowScene scene = playWindowLayout();
        const auto error = SkinLoader().load(skin.skinPath(), scene, nullptr, FixedFacts());
        QCOMPARE(error ? error->key : "taken", qIsNaN(taken) ? "PlayAreaX" : "taken");
        if (!error)
            QCOMPARE(scene.shprect.bounds.left / 15.0, taken);
    }

private:
    const SkinFolder m_skin;
    const QByteArray m_bitmap = contentsOf(m_skin.skinPath() + "/skin.bmp");
    const QByteArray m_food = contentsOf(m_skin.skinPath() + "/food.gif");
    const QByteArray m_config = contentsOf(m_skin.skinPath() + "/config.ini");
};

QTEST_MAIN(TestDamagedSkins)
#include "tst_damagedskins.moc"
