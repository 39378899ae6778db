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
        QTest::newRow("16-bit top") << Encipher("32767") << qint16(32767) << false;
        QTest::newRow("one past the top") << Encipher("32768") << qint16(1) << true;
        QTest::newRow("16-bit bottom") << Encipher("-32768") << qint16(-32767) << true;
        QTest::newRow("a fraction") << Encipher("12.5") << qint16(1) << true;
        QTest::newRow("not enciphered") << "36" << qint16(1) << true;
    }

    void onlyAStrictlyHigherScoreIsANewRecord()
    {
        QFETCH(QString, stored);
        QFETCH(qint16, score);
        FakeSettings store;
        if (stored != QLatin1String("-"))
            store.writeAll({{"HighScore", "Score", stored}});
        QTEST(isNewRecord(storedScore(store), score), "newRecord");
    }

    // An absent record reads as the cleared one.
    void recordIsWrittenEncipheredNameFirstAndClearedToNobody()
    {
        FakeSettings store;
        const ShownRecord nobody{"Nobody", "0", "Easy", QStringLiteral("0 pcs")};
        QCOMPARE(recordToShow(store), nobody);
        writeRecord(store, storableName(QStringLiteral("Zoë Ŝ")), "120", "Hard");
        QCOMPARE(store.writes, QStringList({"HighScore/Name=" + Encipher("Zo? ?"),
                                            "HighScore/Score=" + Encipher("120"),
                                            "HighScore/Level=" + Encipher("Hard")}));
        QCOMPARE(recordToShow(store).name, QStringLiteral("Zo? ?"));
        clearRecord(store);
        QCOMPARE(recordToShow(store), nobody);
    }

    void viewerShowsTheFoodTheScoreStandsFor()
    {
        const struct {
            QString score;
            QString level;
            std::optional<QString> food;
        } records[] = {
            {"126", "Medium", "21 pcs"}, {"120", "Hard", "15 pcs"}, {"6", "Easy", "1.5 pcs"},
            {"120", "Expert", {}},       {"lots", "Hard", {}},
        };
        for (const auto& [score, level, food] : records) {
            FakeSettings store;
            writeRecord(store, "Ann", score, level);
            QCOMPARE(recordToShow(store), (ShownRecord{"Ann", score, level, food}));
        }
    }
};

QTEST_GUILESS_MAIN(HighScoreRecordTest)
#include "tst_highscorerecord.moc"
