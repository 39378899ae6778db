#include "menus/Crypt.h"
#include "menus/HighScoreRecord.h"
#include "platform/QtSettingsStore.h"
#include "platform/SettingKeys.h"
#include "support/FakePlatform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>

namespace {

// WinX, Skin, the score as the game-over dialog compares it, and the record as the viewer shows it.
QStringList whatIsRead(const SettingsStore& store)
{
    const ShownRecord shown = recordToShow(store);
    return QStringList{readSetting(store, SettingKeys::WinX), readSetting(store, SettingKeys::Skin),
                       QString::number(storedScore(store))}
           + QStringList{shown.name, shown.score, shown.level, shown.foodEaten.value_or("none")};
}

const char* const WriteRecords = "--write-records";

}  // namespace

class TestStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // QSettings settles the user folder when the first one is made, so this comes first.
        QVERIFY(m_configHome.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
        QVERIFY(QDir(m_configHome.path()).mkpath("Vamblet"));
    }

    // Whatever the file holds, the store reads what it can, and a new parse of the next write
    // gives back the value as it was written.
    void damagedStoreReadsWhatItCanAndTakesTheNextWrite_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("read");
        QTest::addColumn<QString>("next");  // WinY, written next
        QString allCodes;
        for (char16_t code = 1; code <= 0x17F; ++code)
            allCodes += QChar(code);
        const QStringList defaults{"200", "Default", "0", "Nobody", "0", "Easy", "0 pcs"};
        QByteArray garbage(16 << 10, Qt::Uninitialized);
        QRandomGenerator(1).fillRange(reinterpret_cast<quint32*>(garbage.data()), 4 << 10);
        QTest::newRow("garbage, then empty") << garbage << defaults << "";
        QTest::newRow("cut in a value, then backslashes and commas")
            << "[Config]\nWinX=30\n[HighScore]\nScore=" + Crypt::Encipher("120").toUtf8().chopped(1)
            << QStringList{"30", "Default", "12", "Nobody", "12", "Easy", "3 pcs"}
            << "C:\\Skins\\a, b,c,";
        const QByteArray mega(1 << 20, 'M');
        QTest::newRow("WinX not a number, Skin 1 MB long, then quotes and blanks around")
            << "[Config]\nWinX=abc\nSkin=" + mega + '\n'
            << QStringList{"abc", mega, "0", "Nobody", "0", "Easy", "0 pcs"}
            << " \"quoted\" 'x' \"\t";
        // Typed into the file by hand, an unquoted comma makes QSettings read a list.
        QTest::newRow("Skin with a comma by hand, then codes U+0001 to U+017F")
            << QByteArray("[Config]\nSkin=My, Own Skin\n")
            << QStringList{"200", "My, Own Skin", "0", "Nobody", "0", "Easy", "0 pcs"} << allCodes;
        // Each reader deciphers what it finds, enciphered or not, even into control codes.
        QTest::newRow("record by hand")
            << QByteArray("[HighScore]\nName=Bob\nScore=\x02\x03\nLevel=\x01\n")
            << QStringList{"200", "Default", "0", "!71", "\1\1", QString(QChar(u'\0')), "none"}
            << "450";
    }

    void damagedStoreReadsWhatItCanAndTakesTheNextWrite()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, read);
        QFETCH(QString, next);
        QVERIFY(putStoreFile(contents));
        QtSettingsStore store;
        QCOMPARE(whatIsRead(store), read);

        QVERIFY(writeSettings(store, {{SettingKeys::WinY, next}}));
        // Stamped anew, the file is parsed again, and only the first settings object to parse it
        // reports what it found wrong: the check comes before anything else reads it.
        QFile written(store.location());
        QVERIFY(written.open(QIODevice::ReadOnly) && putStoreFile(written.readAll()));
        QCOMPARE(QSettings(written.fileName(), QSettings::IniFormat).status(), QSettings::NoError);
        const QtSettingsStore fresh;
        QCOMPARE(whatIsRead(fresh), read);
        QCOMPARE(readSetting(fresh, SettingKeys::WinY), next);
    }

    // Whoever runs the test, a folder where the file should be cannot be replaced. Last of those
    // on this file: the values it keeps would cover what later tests put there.
    void aStoreThatCannotBeSavedSaysSoAndKeepsTheValuesForTheRun()
    {
        QtSettingsStore store;
        QVERIFY(store.writeAll({{"Config", "Skin", "Default"}}));
        const QString file = store.location();
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkdir(file));

        QVERIFY(!store.writeAll({{"Config", "Skin", "Neon"}, {"Config", "Sounds", "0"}}));
        QCOMPARE(store.read("Config", "Skin", "Default"), "Neon");
        QCOMPARE(store.read("Config", "Sounds", "1"), "0");
        QVERIFY(QDir().rmdir(file));
    }

    // Killed at any moment while it writes records one after the other, the program leaves a
    // store that reads back, holding one whole record: never the name of one with the score of
    // the other.
    void killedWhileWritingLeavesAWholeRecord()
    {
        for (int run = 0; run < 30; ++run) {
            QTemporaryDir home;
            QProcess writer;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("XDG_CONFIG_HOME", home.path());
            writer.setProcessEnvironment(environment);
            writer.start(QCoreApplication::applicationFilePath(), {WriteRecords});
            QVERIFY(writer.waitForReadyRead(10000));
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            writer.kill();
            QVERIFY(writer.waitForFinished(10000));

            // A file of its own each run: nothing of it is cached.
            const QSettings file(home.filePath("Vamblet/Vamblet.ini"), QSettings::IniFormat);
            QCOMPARE(file.status(), QSettings::NoError);
            FakeSettings store;
            for (const QString& key : file.allKeys())
                store.values[key] = file.value(key).toString();
            const ShownRecord record = recordToShow(store);
            const QString whole = record.name + ' ' + record.score + ' ' + record.level;
            QVERIFY2(whole == "Ann 100 Easy" || whole == "Bob 200 Hard", qPrintable(whole));
        }
    }

private:
    // Stamped with a time of its own: QSettings trusts a file that keeps its size and time.
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

int main(int argc, char** argv)
{
    // Run so, the program writes two records in turn for ever through the game's own store, for
    // the test above to kill; it says so once the first is on disk.
    if (argc == 2 && qstrcmp(argv[1], WriteRecords) == 0) {
        QCoreApplication app(argc, argv);
        QtSettingsStore store;
        for (long i = 0;; ++i) {
            const bool ann = i % 2 == 0;
            writeRecord(store, ann ? "Ann" : "Bob", ann ? "100" : "200", ann ? "Easy" : "Hard");
            if (i == 0) {
                std::puts("writing");
                std::fflush(stdout);
            }
        }
    }
    QCoreApplication app(argc, argv);
    TestStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_store.moc"
