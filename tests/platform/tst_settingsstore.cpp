#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // QSettings settles the user folder when the first one is made, so this comes first.
        QVERIFY(m_configHome.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    }

    // The file is read with the store still open, so only a write-through puts the value there.
    void keyIsAbsentUntilWrittenThroughToVambletIni()
    {
        QtSettingsStore store;
        QCOMPARE(store.read("Config", "WinX", "200"), "200");
        store.writeAll({{"Config", "WinX", "3000"}});
        QFile file(m_configHome.filePath("Vamblet/Vamblet.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Config]\nWinX=3000\n"));
    }

    // Typed into the file by hand, an unquoted comma makes QSettings read a list.
    void handEditedListReadsAsItsText()
    {
        QFile file(QtSettingsStore().location());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Config]\nSkin=My, Own Skin\n");
        file.close();
        QCOMPARE(QtSettingsStore().read("Config", "Skin", "Default"), "My, Own Skin");
    }

    void writtenValueReadsBackFromANewStore_data()
    {
        QTest::addColumn<QString>("value");
        QString allCodes;
        for (char16_t code = 1; code <= 0x17F; ++code)
            allCodes += QChar(code);
        QTest::newRow("empty, not absent") << "";
        QTest::newRow("backslashes and commas") << "C:\\Skins\\a, b,c,";
        QTest::newRow("quotes and blanks around") << " \"quoted\" 'x' \"\t";
        QTest::newRow("codes U+0001 to U+017F") << allCodes;
    }

    void writtenValueReadsBackFromANewStore()
    {
        QFETCH(QString, value);
        QtSettingsStore().writeAll({{"HighScore", "Name", value}});
        // A path of its own, so that QSettings parses the file instead of serving it from cache.
        const QString copy = m_configHome.filePath(QTest::currentDataTag() + QString(".ini"));
        QVERIFY(QFile::copy(QtSettingsStore().location(), copy));
        QCOMPARE(QSettings(copy, QSettings::IniFormat).value("HighScore/Name").toString(), value);
        QCOMPARE(QtSettingsStore().read("HighScore", "Name", "fallback"), value);
    }

    // Whoever runs the test, a folder where the file should be cannot be replaced.
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

private:
    QTemporaryDir m_configHome;
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
