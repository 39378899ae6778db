#include "engine/SkinPreview.h"
#include "platform/WindowShape.h"
#include "skins/SkinCheck.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QDir>
#include <QTest>

class SkinCheckTest : public QObject {
    Q_OBJECT

private slots:
    void everyShippedSkinIsTaken()
    {
        const QDir skins(KRIEL_DATA_DIR "/Skins");
        const QStringList names = skins.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(names.size() >= 2);
        for (const QString& name : names) {
            const SkinCheck check = checkSkin(skins.filePath(name), FixedFacts());
            QVERIFY2(check.ok && check.report.startsWith("ok: "), qPrintable(check.report));
        }
        const SkinCheck check = checkSkin(skins.filePath("Default"), FixedFacts());
        QVERIFY2(check.report.contains("480 × 388 pixels, cells of 16 pixels"),
                 qPrintable(check.report));
    }

    void theFirstRefusalIsNamed_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");  // "-" removes the file of that name instead
        QTest::addColumn<QString>("report");
        QTest::newRow("negative red") << "KrielR"
                                      << "-1"
                                      << "config.ini [Colors] KrielR = \"-1\": not a colour "
                                         "component from 0 up";
        QTest::newRow("missing") << "KrielR"
                                 << ""
                                 << "config.ini [Colors] KrielR = \"\": missing";
        QTest::newRow("no food") << "food.gif"
                                 << "-"
                                 << "food.gif: missing";
    }

    void theFirstRefusalIsNamed()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, report);
        SkinFolder skin;
        if (value == "-")
            skin.removeFile(key);
        else
            skin.setValue("Colors", key, value);
        const SkinCheck check = checkSkin(skin.skinPath(), FixedFacts());
        QVERIFY(!check.ok);
        QCOMPARE(check.report, report);
    }

    // Runs that change from every row to the next cannot be merged; stripes can.
    void outlineTooComplexForAWindowIsRefused()
    {
        SkinFolder skin;
        const FixedFacts facts;
        QImage board(202, 200, QImage::Format_RGB32);
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x)
                board.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 0, 255));
        skin.setBitmap(board);
        SkinCheck check = checkSkin(skin.skinPath(), facts);
        QCOMPARE(check.report, QString("skin.bmp: outline too complex: it takes more than %1 "
                                       "rectangles, even with rows alike merged")
                                   .arg(MaxOutlineRectangles));
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x)
                board.setPixel(x, y, x % 2 ? qRgb(0, 0, 0) : qRgb(255, 0, 255));
        skin.setBitmap(board);
        check = checkSkin(skin.skinPath(), facts);
        QVERIFY2(check.ok, qPrintable(check.report));
        QCOMPARE(check.outline.rectCount(), 100);
        QVERIFY2(check.report.contains("; an outline of 100 rectangles"), qPrintable(check.report));
    }

    // The picture an author gets of a skin: the play window a few moves into a game, cut to its
    // outline.
    void renderShowsTheWindowInPlayCutToItsOutline()
    {
        SkinFolder skin;
        skin.setValue("Styles", "KrielBorder", "0");
        const SkinCheck check = checkSkin(skin.skinPath(), FixedFacts());
        QVERIFY(check.ok);
        const PlayWindowScene scene = previewScene(check.scene);
        const QImage window = renderPlayWindow(scene, check.outline, PixelScale{15, 15});
        QCOMPARE(window.size(), QSize(60, 50));
        QCOMPARE(qAlpha(window.pixel(0, 49)), 0);   // the bottom-left colour
        QCOMPARE(qAlpha(window.pixel(59, 10)), 0);  // the rightmost column
        QCOMPARE(window.pixel(1, 1), qRgb(128, 128, 128));
        // The head at column 9, row 8 of a grid of 2-pixel cells from (4, 5), in the kriel's
        // colour, and the notifier round it.
        QCOMPARE(window.pixel(4 + 18, 5 + 16), qRgb(0, 0, 255));
        QCOMPARE(window.pixel(4 + 18 - 2, 5 + 16 - 2), qRgb(255, 255, 0));
        QCOMPARE(scene.lblfoodcount.caption, QStringLiteral("24"));
    }
};

QTEST_MAIN(SkinCheckTest)
#include "tst_skincheck.moc"
