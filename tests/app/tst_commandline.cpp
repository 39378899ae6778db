#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The programs as a player starts them, before any window: what they print and how they end.
class CommandLineTest : public QObject {
    Q_OBJECT

    // The exit status, then what went to standard output and to standard error.
    static QStringList run(const QString& program, const QStringList& arguments,
                           const QMap<QString, QString>& set = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            environment.remove(name);
        for (auto it = set.begin(); it != set.end(); ++it)
            environment.insert(it.key(), it.value());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {QString::number(process.exitCode()),
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

private slots:
    void withoutADisplayOnlyVersionAndHelpAnswer()
    {
        const QStringList unset{"1", "",
                                "kriel: no display to open the game on (DISPLAY and "
                                "WAYLAND_DISPLAY are unset)\n"};
        QCOMPARE(run(KRIEL_PROGRAM, {}), unset);
        QCOMPARE(run(KRIEL_PROGRAM, {"--no-such-option"}), unset);
        QCOMPARE(
            run(KRIEL_PROGRAM, {}, {{"DISPLAY", ":9731"}, {"WAYLAND_DISPLAY", "/nonexistent/wl"}}),
            QStringList({"1", "",
                         "kriel: no display to open the game on (nothing answers at "
                         "DISPLAY=:9731 or WAYLAND_DISPLAY=/nonexistent/wl)\n"}));

        // The version and the help need none.
        QCOMPARE(run(KRIEL_PROGRAM, {"--version"}),
                 QStringList({"0", KRIEL_PROJECT_VERSION "\n", ""}));

        // Relative XDG folders are ignored, as if unset.
        QStringList r;
        for (const char* relative : {"", "cfg"}) {
            r = run(KRIEL_PROGRAM, {"--help"},
                    {{"HOME", "/home/ann"},
                     {"XDG_DATA_HOME", relative},
                     {"XDG_CONFIG_HOME", relative}});
            QCOMPARE(r.value(0), "0");
            QVERIFY2(r.value(1).startsWith("usage: kriel [--version | --help]\n"),
                     qPrintable(r.value(1)));
            for (const char* line : {"  P           pause, and resume\n",
                                     "your own in /home/ann/.local/share/kriel/Skins\n",
                                     "Settings: /home/ann/.config/Vamblet/Vamblet.ini\n"})
                QVERIFY2(r.value(1).contains(line), line);
        }

        r = run(KRIEL_PROGRAM, {"--help"},
                {{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "/data"}, {"XDG_CONFIG_HOME", "/cfg"}});
        QVERIFY(r.value(1).contains("your own in /data/kriel/Skins\n"));
        QVERIFY(r.value(1).contains("Settings: /cfg/Vamblet/Vamblet.ini\n"));

        r = run(KRIEL_SKINCHECK, {"--help"});
        QCOMPARE(r.value(0), "0");
        QVERIFY(r.value(1).startsWith("usage: kriel-skincheck [--render OUT.png] FOLDER\n"));
    }

    // A skin's author reads the answer from the status: 0 (and the picture) for a skin the game
    // takes, 1 for one it refuses, 2 for a command line the check does not understand.
    void skinCheckAnswersByItsStatus()
    {
        const QTemporaryDir dir;
        const QString png = dir.filePath("window.png");
        QCOMPARE(run(KRIEL_SKINCHECK, {"--render", png, KRIEL_DATA_DIR "/Skins/Default"}).value(0),
                 "0");
        QVERIFY(!QImage(png).isNull());
        QCOMPARE(run(KRIEL_SKINCHECK, {dir.path()}).value(0), "1");
        QCOMPARE(run(KRIEL_SKINCHECK, {"--render", png}).value(0), "2");
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
