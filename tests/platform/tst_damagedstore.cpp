#include "engine/frmMain.h"
#include "menus/Crypt.h"
#include "menus/HighScoreRecord.h"
#include "menus/SettingKeys.h"
#include "platform/QtSettingsStore.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray garbage(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.generate());
    return bytes;
}

QByteArray enciphered(const QString& plain)
{
    return Crypt::Encipher(plain).toUtf8();
}

QStringList shown(const ShownRecord& r)
{
    return {r.name, r.score, r.level, r.foodEaten.value_or("none")};
}

const QStringList NoRecord{"Nobody", "0", "Easy", "0 pcs"};

}  // namespace

class TestDamagedStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // QSettings settles the user folder when the first one is made, so this comes first.
        QVERIFY(m_configHome.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
        QVERIFY(QDir(m_configHome.path()).mkpath("Vamblet"));
    }

    void damagedStoreReadsWhatItCanAndTakesTheNextWrite_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("winX");
        QTest::addColumn<QString>("skin");
        QTest::addColumn<qint16>("score");        // as the game-over dialog compares it
        QTest::addColumn<QStringList>("record");  // as the viewer shows it

        QTest::newRow("garbage") << garbage(16 << 10, 1) << "200"
                                 << "Default" << qint16(0) << NoRecord;
        QTest::newRow("cut in a section header")
            << QByteArray("[Config]\nWinX=3000\nSkin=Moon\n[HighSc") << "3000"
            << "Moon" << qint16(0) << NoRecord;
        QTest::newRow("cut in a key") << QByteArray("[Config]\nWinX=3000\nSki") << "3000"
                                      << "Default" << qint16(0) << NoRecord;
        QTest::newRow("cut in a value")
            << "[Config]\nWinX=30\n[HighScore]\nScore=" + enciphered("120").chopped(1) << "30"
            << "Default" << qint16(12) << QStringList({"Nobody", "12", "Easy", "3 pcs"});
        QTest::newRow("not a number") << QByteArray("[Config]\nWinX=abc\n") << "abc"
                                      << "Default" << qint16(0) << NoRecord;

        const QByteArray mega(1 << 20, '9');
        QTest::newRow("1 MB values") << "[Config]\nSkin=" + mega + "\nWinX=" + mega + '\n'
                                     << QString(mega) << QString(mega) << qint16(0) << NoRecord;

        // A record written by hand: each reader deciphers what it finds, and a score that does
        // not decipher to a number counts as none.
        QTest::newRow("record not enciphered")
            << QByteArray("[HighScore]\nName=Bob\nScore=120\nLevel=Hard\n") << "200"
            << "Default" << qint16(0) << QStringList({"!71", "\x18\x19\x18", "$092", "none"});
        QTest::newRow("record of control codes")
            << QByteArray("[HighScore]\nName=\x7f\x1f\x10\nScore=\x01\x02\x03\nLevel=\x05\n")
            << "200"
            << "Default" << qint16(0)
            << QStringList({"?\x0f\x08", QString::fromUtf16(u"\0\1\1", 3), "\2", "none"});
        // Digits encipher to plain letters, which QSettings copies through; a megabyte it has to
        // escape takes minutes to write back under AddressSanitizer.
        const QString nines(100'000, '9');
        QTest::newRow("record of huge texts")
            << "[HighScore]\nName=" + enciphered(QString(1 << 20, '7'))
                   + "\nScore=" + enciphered(nines) + "\nLevel=" + enciphered("Hard") + '\n'
            << "200"
            << "Default" << qint16(0)
            << QStringList({QString(1 << 20, '7'), nines, "Hard", "none"});
    }

    void damagedStoreReadsWhatItCanAndTakesTheNextWrite()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, winX);
        QFETCH(QString, skin);
        QFETCH(qint16, score);
        QFETCH(QStringList, record);
        QVERIFY(putStoreFile(contents));

        QtSettingsStore store;
        QCOMPARE(readSetting(store, SettingKeys::WinX), winX);
        QCOMPARE(readSetting(store, SettingKeys::Skin), skin);
        QCOMPARE(storedScore(store), score);
        QCOMPARE(shown(recordToShow(store)), record);

        const bool saved = writeSetting(store, SettingKeys::WinY, "450");
        QVERIFY(saved);
        // What could be read before the write reads the same after it, beside the value written.
        const QtSettingsStore fresh;
        QCOMPARE(readSetting(fresh, SettingKeys::WinY), "450");
        QCOMPARE(readSetting(fresh, SettingKeys::WinX), winX);
        QCOMPARE(readSetting(fresh, SettingKeys::Skin), skin);
        QCOMPARE(storedScore(fresh), score);
        QCOMPARE(shown(recordToShow(fresh)), record);
        // The file left behind parses cleanly, even read from a path with nothing cached.
        const QString copy = m_configHome.filePath(QTest::currentDataTag() + QString(".ini"));
        QVERIFY(QFile::copy(fresh.location(), copy));
        const QSettings parsed(copy, QSettings::IniFormat);
        QCOMPARE(parsed.status(), QSettings::NoError);
        QCOMPARE(parsed.value("Config/WinY").toString(), "450");
    }

    void playWindowOpensAt200WhenTheStoredLeftIsNotANumber_data()
    {
        QTest::addColumn<QByteArray>("winX");
        QTest::addColumn<float>("left");
        QTest::newRow("a number") << QByteArray("3000") << 3000.0f;
        QTest::newRow("abc") << QByteArray("abc") << 200.0f;
        QTest::newRow("hexadecimal") << QByteArray("0x10") << 200.0f;
        QTest::newRow("empty") << QByteArray() << 200.0f;
        QTest::newRow("1 MB of digits") << QByteArray(1 << 20, '9') << 200.0f;
    }

    void playWindowOpensAt200WhenTheStoredLeftIsNotANumber()
    {
        QFETCH(QByteArray, winX);
        QFETCH(float, left);
        QVERIFY(putStoreFile("[Config]\nWinX=" + winX + "\nWinY=1500\n"));
        QtSettingsStore store;
        FakePlatform fake;
        const SkinFolder skin(QStringLiteral("Default"));
        fake.facts.folder = skin.programFolder();
        Platform platform{store,    fake.sound,  fake.dialogs, fake.random, fake.facts,
                          fake.end, fake.timers, fake.windows, fake.shell};
        const StartMenuMembers menu;
        frmMain form(platform, menu);
        form.Show();
        QVERIFY(form.isLoaded());
        QCOMPARE(form.position(), QPointF(left, 1500));
    }

private:
    // Stamped with a time of its own: QSettings trusts what it read before while a file keeps its
    // size and modification time.
    bool putStoreFile(const QByteArray& contents)
    {
        QFile file(m_configHome.filePath("Vamblet/Vamblet.ini"));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
               && file.write(contents) == contents.size()
               && file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000 + ++m_stamps),
                                   QFileDevice::FileModificationTime);
    }

    QTemporaryDir m_configHome;
    int m_stamps = 0;
};

QTEST_MAIN(TestDamagedStore)
#include "tst_damagedstore.moc"
