#include "menus/Crypt.h"
#include "menus/HighScoreRecord.h"
#include "support/FakePlatform.h"

#include <QTest>

using Crypt::Decipher;
using Crypt::Encipher;

class HighScoreRecordTest : public QObject {
    Q_OBJECT

private slots:
    void cipherDoublesEachCodeAndComesBack()
    {
        QCOMPARE(Encipher("abc"), QString(QChar(194)) + QChar(196) + QChar(198));
        for (const char* plain : {"", "Nobody", "0", "32767", "Ann-Marie O'Neill, Jr. (#1)!"})
            QCOMPARE(Decipher(Encipher(QLatin1String(plain))), QLatin1String(plain));
        // An odd code has no plain character behind it and loses its lowest bit.
        QCOMPARE(Decipher(QString(QChar(195))), QStringLiteral("a"));
    }

    void onlyAStrictlyHigherScoreIsANewRecord_data()
    {
        QTest::addColumn<QString>("stored");  // "-" for no record at all
        QTest::addColumn<qint16>("score");
        QTest::addColumn<bool>("newRecord");
        QTest::newRow("no record, 0") << "-" << qint16(0) << false;
        QTest::newRow("no record, 4") << "-" << qint16(4) << true;
        QTest::newRow("cleared, 6") << Encipher("0") << qint16(6) << true;
        QTest::newRow("equal") << Encipher("36") << qint16(36) << false;
        QTest::newRow("higher") << Encipher("36") << qint16(42) << true;
        QTest::newRow("lower") << Encipher("36") << qint16(30) << false;
        // Hand-edited stores: whatever is not a 16-bit whole number counts as 0.
        QTest::newRow("not a number") << Encipher("lots") << qint16(1) << true;
        QTest::newRow("out of range") << Encipher("40000") << qint16(1) << true;
        QTest::newRow("a fraction") << Encipher("12.5") << qint16(1) << true;
        QTest::newRow("not enciphered") << "36" << qint16(1) << true;
    }

    void onlyAStrictlyHigherScoreIsANewRecord()
    {
        QFETCH(QString, stored);
        QFETCH(qint16, score);
        QFETCH(bool, newRecord);
        FakeSettings store;
        if (stored != QLatin1String("-"))
            store.write("HighScore", "Score", stored);
        QCOMPARE(isNewRecord(storedScore(store), score), newRecord);
    }

    void recordIsWrittenEncipheredNameFirst()
    {
        FakeSettings store;
        writeRecord(store, storableName(QStringLiteral("Zoë Ŝ")), "120", "Hard");
        QCOMPARE(store.writes, QStringList({"HighScore/Name=" + Encipher("Zo? ?"),
                                            "HighScore/Score=" + Encipher("120"),
                                            "HighScore/Level=" + Encipher("Hard")}));
        QCOMPARE(recordToShow(store).name, QStringLiteral("Zo? ?"));
    }

    void viewerShowsTheFoodTheScoreStandsFor_data()
    {
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("food");  // "" when the design text stays
        QTest::newRow("Medium") << "126"
                                << "Medium"
                                << "21 pcs";
        QTest::newRow("Hard") << "120"
                              << "Hard"
                              << "15 pcs";
        QTest::newRow("Easy, a fraction") << "6"
                                          << "Easy"
                                          << "1.5 pcs";
        QTest::newRow("unknown level") << "120"
                                       << "Expert"
                                       << "";
        QTest::newRow("score not a number") << "lots"
                                            << "Hard"
                                            << "";
    }

    void viewerShowsTheFoodTheScoreStandsFor()
    {
        QFETCH(QString, score);
        QFETCH(QString, level);
        QFETCH(QString, food);
        FakeSettings store;
        writeRecord(store, "Ann", score, level);
        const ShownRecord shown = recordToShow(store);
        QCOMPARE(shown.score, score);
        QCOMPARE(shown.level, level);
        QCOMPARE(shown.foodEaten.value_or(QString()), food);
    }

    void clearedAndAbsentRecordsShowNobody()
    {
        FakeSettings store;
        const ShownRecord absent = recordToShow(store);
        QVERIFY(store.writes.isEmpty());
        clearRecord(store);
        QCOMPARE(recordToShow(store), absent);
        QCOMPARE(absent, (ShownRecord{"Nobody", "0", "Easy", QStringLiteral("0 pcs")}));
        QCOMPARE(storedScore(store), qint16(0));
    }
};

QTEST_GUILESS_MAIN(HighScoreRecordTest)
#include "tst_highscorerecord.moc"
