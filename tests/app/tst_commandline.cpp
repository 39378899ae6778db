#include <QProcess>
#include <QTest>

// The programs as a player starts them, before any window: what they print and how they end.
class CommandLineTest : public QObject {
    Q_OBJECT

    struct Run {
        int status = -1;
        QString out;
        QString err;
    };

    static Run run(const QString& program, const QStringList& arguments,
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
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

private slots:
    void noDisplayIsOneLineAndStatusOne()
    {
        Run r = run(KRIEL_PROGRAM, {});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, "kriel: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are "
                        "unset)\n");
        QCOMPARE(r.out, QString());

        r = run(KRIEL_PROGRAM, {"--no-such-option"});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.startsWith("kriel: no display"));

        r = run(KRIEL_PROGRAM, {}, {{"DISPLAY", ":9731"}, {"WAYLAND_DISPLAY", "/nonexistent/wl"}});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, "kriel: no display to open the game on (nothing answers at DISPLAY=:9731 "
                        "or WAYLAND_DISPLAY=/nonexistent/wl)\n");
    }

    void versionAndHelpNeedNoDisplay()
    {
        Run r = run(KRIEL_PROGRAM, {"--version"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral(KRIEL_PROJECT_VERSION "\n"));

        r = run(KRIEL_PROGRAM, {"--help"}, {{"HOME", "/home/ann"}});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.startsWith("usage: kriel [--version | --help]\n"), qPrintable(r.out));
        for (const char* line : {"  P           pause, and resume\n",
                                 "your own in /home/ann/.local/share/kriel/Skins\n",
                                 "Settings: /home/ann/.config/Vamblet/Vamblet.ini\n"})
            QVERIFY2(r.out.contains(line), line);

        r = run(KRIEL_PROGRAM, {"--help"},
                {{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "/data"}, {"XDG_CONFIG_HOME", "/cfg"}});
        QVERIFY(r.out.contains("your own in /data/kriel/Skins\n"));
        QVERIFY(r.out.contains("Settings: /cfg/Vamblet/Vamblet.ini\n"));

        r = run(KRIEL_SKINCHECK, {"--help"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.startsWith("usage: kriel-skincheck [--render OUT.png] FOLDER\n"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
