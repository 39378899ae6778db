#include "engine/frmMain.h"
#include "menus/Crypt.h"
#include "menus/HighScoreRecord.h"
#include "platform/QtSettingsStore.h"
#include "platform/SettingKeys.h"
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

// WinX, Skin, the score as the game-over dialog compares it, and the record as the viewer shows it.
QStringList whatIsRead(const QtSettingsStore& store)
{
    const ShownRecord shown = recordToShow(store);
    return QStringList{readSetting(store, SettingKeys::WinX), readSetting(store, SettingKeys::Skin),
                       QString::number(storedScore(store))}
           + QStringList{shown.name, shown.score, shown.level, shown.foodEaten.value_or("none")};
}

}  // namespace

class TestDamagedStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // QSettings settles the user folder when the first one is made, so this comes first.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
        QVERIFY(QDir(m_configHome.path()).mkpath("Vamblet"));
    }

    void damagedStoreReadsWhatItCanAndTakesTheNextWrite_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("read");
        const QStringList defaults{"200", "Default", "0", "Nobody", "0", "Easy", "0 pcs"};
        QByteArray garbage(16 << 10, Qt::Uninitialized);
        QRandomGenerator(1).fillRange(reinterpret_cast<quint32*>(garbage.data()), 4 << 10);
        QTest::newRow("garbage") << garbage << defaults;
        QTest::newRow("cut in a value")
            << "[Config]\nWinX=30\n[HighScore]\nScore=" + Crypt::Encipher("120").toUtf8().chopped(1)
            << QStringList{"30", "Default", "12", "Nobody", "12", "Easy", "3 pcs"};
        const QByteArray mega(1 << 20, 'M');
        QTest::newRow("WinX not a number, Skin 1 MB long")
            << "[Config]\nWinX=abc\nSkin=" + mega + '\n'
            << QStringList{"abc", mega, "0", "Nobody", "0", "Easy", "0 pcs"};
        // Each reader deciphers what it finds, enciphered or not, even into control codes.
        QTest::newRow("record by hand")
            << QByteArray("[HighScore]\nName=Bob\nScore=\x02\x03\nLevel=\x01\n")
            << QStringList{"200", "Default", "0", "!71", "\1\1", QString(QChar(u'\0')), "none"};
    }

    void damagedStoreReadsWhatItCanAndTakesTheNextWrite()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, read);
        QVERIFY(putStoreFile(contents));
        QtSettingsStore store;
        QCOMPARE(whatIsRead(store), read);

        QVERIFY(writeSettings(store, {{SettingKeys::WinY, "450"}}));
        // Stamped anew, the file is parsed again, and only the first settings object to parse it
        // reports what it found wrong: the check comes before anything else reads it.
        QFile written(store.location());
        QVERIFY(written.open(QIODevice::ReadOnly) && putStoreFile(written.readAll()));
        QCOMPARE(QSettings(written.fileName(), QSettings::IniFormat).status(), QSettings::NoError);
        const QtSettingsStore fresh;
        QCOMPARE(whatIsRead(fresh), read);
        QCOMPARE(readSetting(fresh, SettingKeys::WinY), "450");
    }

    void playWindowOpensAt200WhenTheStoredLeftIsNotANumber()
    {
        QVERIFY(putStoreFile("[Config]\nWinX=abc\nWinY=1500\n"));
        QtSettingsStore store;
        FakePlatform fake;
        const SkinFolder skin(QStringLiteral("Default"));
        fake.facts.folder = skin.programFolder();
        Platform platform{store,    fake.sound,  fake.dialogs, fake.random, fake.facts,
                          fake.end, fake.timers, fake.windows, fake.shell};
        const StartMenuMembers menu;
        frmMain form(platform, menu);
        form.Show();
        QCOMPARE(form.position(), QPointF(200, 1500));
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

QTEST_MAIN(TestDamagedStore)
#include "tst_damagedstore.moc"
