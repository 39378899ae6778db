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
                                 << "food.gif: missing, unreadable or not a picture";
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
};

QTEST_MAIN(SkinCheckTest)
#include "tst_skincheck.moc"
