#include "menus/HighScoreRecord.h"
#include "platform/SettingsStore.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

// Reads one store file as it lies on disk.
class FileStore final : public SettingsStore {
public:
    explicit FileStore(const QString& file)
        : m_settings(file, QSettings::IniFormat)
    {}
    QString read(const QString& section, const QString& key, const QString& fallback) const override
    {
        return m_settings.value(section + '/' + key, fallback).toString();
    }
    bool writeAll(const QList<SettingValue>&) override { return false; }
    QString location() const override { return m_settings.fileName(); }
    QSettings::Status status() const { return m_settings.status(); }

private:
    QSettings m_settings;
};

}  // namespace

class StoreCrashTest : public QObject {
    Q_OBJECT

private slots:
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
            writer.start(RECORD_WRITER);
            QVERIFY(writer.waitForReadyRead(10000));
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            writer.kill();
            QVERIFY(writer.waitForFinished(10000));

            FileStore store(home.filePath("Vamblet/Vamblet.ini"));
            QCOMPARE(store.status(), QSettings::NoError);
            const ShownRecord record = recordToShow(store);
            const QString whole = record.name + ' ' + record.score + ' ' + record.level;
            QVERIFY2(whole == "Ann 100 Easy" || whole == "Bob 200 Hard", qPrintable(whole));
        }
    }
};

QTEST_GUILESS_MAIN(StoreCrashTest)
#include "tst_storecrash.moc"
