#include "support/ArchiveWriter.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

namespace {

const QString GameUsage = "usage: kriel [-h | --help | -v | --version] [Qt's options]\n"
                          "       kriel --install-skin FILE|FOLDER\n";
const QString CheckUsage = "usage: kriel-skincheck [--render OUT.png] FOLDER\n"
                           "       kriel-skincheck -h | --help | -v | --version\n";
const QString NoDisplay = "kriel: no display to open the game on (DISPLAY and WAYLAND_DISPLAY "
                          "are unset)\n";
// Qt's last words when the platform it was given cannot be loaded from the folder it was given.
const QString QtGotItsOptions = "Could not find the Qt platform plugin \"nosuch\" in "
                                "\"/nonexistent\"";
const QStringList NoSuchPlatform{"-platform", "nosuch", "-platformpluginpath", "/nonexistent"};

}  // namespace

// The programs as a player starts them, before any window: what they print and how they end.
class CommandLineTest : public QObject {
    Q_OBJECT

    // The exit status ("crashed" for an abort), then what went to standard output and to
    // standard error. `set` holds "NAME=value" pairs for the environment.
    static QStringList run(const QString& program, const QStringList& arguments,
                           const QStringList& set = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            environment.remove(name);
        for (const QString& pair : set)
            environment.insert(pair.section('=', 0, 0), pair.section('=', 1));
        QProcess process;
        process.setProcessEnvironment(environment);
        // Qt ends with an abort when its platform cannot be loaded; that leaves no core file.
        process.setChildProcessModifier([] {
            const rlimit none{0, 0};
            setrlimit(RLIMIT_CORE, &none);
        });
        process.start(program, arguments);
        if (!process.waitForFinished(60000))
            return {};
        return {process.exitStatus() == QProcess::NormalExit ? QString::number(process.exitCode())
                                                             : QStringLiteral("crashed"),
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

private slots:
    void gameRefusesWhatItDoesNotKnow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("long") << QStringList{"--bogus"} << "unknown option '--bogus'";
        QTest::newRow("short") << QStringList{"-x"} << "unknown option '-x'";
        QTest::newRow("word") << QStringList{"-bogus"} << "unknown option '-bogus'";
        QTest::newRow("bundled") << QStringList{"-hx"} << "unknown option '-hx'";
        QTest::newRow("with a value") << QStringList{"--bogus=1"} << "unknown option '--bogus'";
        QTest::newRow("after help")
            << QStringList{"--help", "--bogus"} << "unknown option '--bogus'";
        QTest::newRow("after a file") << QStringList{"file", "-x"} << "unknown option '-x'";
        QTest::newRow("after Qt's") << QStringList{"-display", "-x", "-y"} << "unknown option '-y'";
        QTest::newRow("only the first") << QStringList{"-a", "-b"} << "unknown option '-a'";
        QTest::newRow("as typed") << QStringList{"--%s%n%1"} << "unknown option '--%s%n%1'";
        QTest::newRow("not ASCII") << QStringList{"--größe"} << "unknown option '--größe'";
        QTest::newRow("help with a value")
            << QStringList{"--help=1"} << "Unexpected value after '--help'.";
        QTest::newRow("Qt's without value")
            << QStringList{"-platform"} << "Missing value after '-platform'.";
        QTest::newRow("no skin to install")
            << QStringList{"--install-skin"} << "Missing value after '--install-skin'.";
    }

    void gameRefusesWhatItDoesNotKnow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, refusal);
        QCOMPARE(run(KRIEL_PROGRAM, arguments),
                 QStringList({"2", "", "kriel: " + refusal + "\n" + GameUsage}));
    }

    // Help and version need no display; the first asked for is answered.
    void gameAnswersWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("help");
        QTest::newRow("--version") << QStringList{"--version"} << false;
        QTest::newRow("-v") << QStringList{"-v"} << false;
        QTest::newRow("--help") << QStringList{"--help"} << true;
        QTest::newRow("-h") << QStringList{"-h"} << true;
        QTest::newRow("version first") << QStringList{"-v", "-h"} << false;
        QTest::newRow("help first") << QStringList{"--help", "--version"} << true;
        QTest::newRow("after a file") << QStringList{"file", "-v"} << false;
        QTest::newRow("after Qt's") << QStringList{"-platform", "xcb", "-reverse", "-h"} << true;
    }

    void gameAnswersWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, help);
        const QStringList r = run(KRIEL_PROGRAM, arguments, {"HOME=/home/ann"});
        QCOMPARE(r.value(0), "0");
        QCOMPARE(r.value(2), "");
        if (!help) {
            QCOMPARE(r.value(1), KRIEL_PROJECT_VERSION "\n");
            return;
        }
        QVERIFY2(r.value(1).startsWith(GameUsage + "\n"), qPrintable(r.value(1)));
        for (const char* line :
             {"  P           pause, and resume\n", "Qt's own options go to Qt: -platform NAME",
              "your own in /home/ann/.local/share/kriel/Skins\n"})
            QVERIFY2(r.value(1).contains(line), line);
    }

    // Relative XDG folders are ignored, as if unset.
    void helpNamesTheFolders()
    {
        for (const char* relative : {"", "cfg"}) {
            const QStringList r = run(KRIEL_PROGRAM, {"--help"},
                                      {"HOME=/home/ann", QString("XDG_DATA_HOME=") + relative,
                                       QString("XDG_CONFIG_HOME=") + relative});
            QVERIFY(r.value(1).contains("your own in /home/ann/.local/share/kriel/Skins\n"));
            QVERIFY(r.value(1).contains("Settings: /home/ann/.config/Vamblet/Vamblet.ini\n"));
        }
        const QStringList r =
            run(KRIEL_PROGRAM, {"--help"},
                {"HOME=/home/ann", "XDG_DATA_HOME=/data", "XDG_CONFIG_HOME=/cfg"});
        QVERIFY(r.value(1).contains("your own in /data/kriel/Skins\n"));
        QVERIFY(r.value(1).contains("Settings: /cfg/Vamblet/Vamblet.ini\n"));
    }

    // Whatever the game does not read itself, it starts on: here it finds no display.
    void gameStartsOnAnythingElse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("problem");
        QTest::newRow("nothing") << QStringList{} << QStringList{} << NoDisplay;
        QTest::newRow("a file") << QStringList{"file.txt", "-"} << QStringList{} << NoDisplay;
        QTest::newRow("options after --")
            << QStringList{"--", "--bogus", "-h"} << QStringList{} << NoDisplay;
        QTest::newRow("Qt's options")
            << QStringList{"-session",     "1_2",   "-reverse",         "-style=fusion",
                           "--stylesheet", "k.qss", "-qwindowgeometry", "-0-0",
                           "--name",       "k",     "-nograb"}
            << QStringList{} << NoDisplay;
        QTest::newRow("nothing answers")
            << QStringList{} << QStringList{"DISPLAY=:9731", "WAYLAND_DISPLAY=/nonexistent/wl"}
            << "kriel: no display to open the game on (nothing answers at DISPLAY=:9731 or "
               "WAYLAND_DISPLAY=/nonexistent/wl)\n";
        QTest::newRow("only DISPLAY")
            << QStringList{} << QStringList{"DISPLAY=:9731"}
            << "kriel: no display to open the game on (nothing answers at DISPLAY=:9731)\n";
        QTest::newRow("only WAYLAND_DISPLAY")
            << QStringList{} << QStringList{"WAYLAND_DISPLAY=/nonexistent/wl"}
            << "kriel: no display to open the game on (nothing answers at "
               "WAYLAND_DISPLAY=/nonexistent/wl)\n";
        QTest::newRow("-display") << QStringList{"-display", ":9731"} << QStringList{"DISPLAY=:0"}
                                  << "kriel: no display to open the game on (nothing answers at "
                                     "-display :9731)\n";
        QTest::newRow("-display=") << QStringList{"--display=-x"} << QStringList{}
                                   << "kriel: no display to open the game on (nothing answers "
                                      "at -display -x)\n";
        QTest::newRow("-platform over QT_QPA_PLATFORM")
            << QStringList{"-platform", "xcb"} << QStringList{"QT_QPA_PLATFORM=nosuch"}
            << NoDisplay;
    }

    void gameStartsOnAnythingElse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, problem);
        QCOMPARE(run(KRIEL_PROGRAM, arguments, environment), QStringList({"1", "", problem}));
    }

    // Each of Qt's options, in each form, leaves what follows it for Qt to read as Qt would.
    void qtReadsItsOwnOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        for (const char* name :
             {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
              "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "session", "style",
              "stylesheet", "qmljsdebugger", "display", "name", "visual"}) {
            QTest::addRow("-%s VALUE", name) << QStringList{QString("-") + name, "1_1"};
            QTest::addRow("--%s=VALUE", name) << QStringList{QString("--") + name + "=-x"};
        }
        for (const char* name : {"reverse", "widgetcount", "testability", "nograb", "dograb"})
            QTest::addRow("-%s", name) << QStringList{QString("-") + name};
        QTest::newRow("--platform=") << QStringList{"--platform=nosuch"};
        QTest::newRow("among files") << QStringList{"a", "-platform", "nosuch", "b"};
    }

    void qtReadsItsOwnOptions()
    {
        QFETCH(QStringList, arguments);
        const QStringList r = run(KRIEL_PROGRAM, arguments + NoSuchPlatform);
        QCOMPARE(r.value(0), "crashed");
        QVERIFY2(r.value(2).contains(QtGotItsOptions), qPrintable(r.value(2)));
    }

    // What follows "--" is no option to the game, nor to Qt.
    void qtReadsNothingAfterTheEnd()
    {
        const QStringList r =
            run(KRIEL_PROGRAM, NoSuchPlatform + QStringList{"--", "-platform", "offscreen"});
        QCOMPARE(r.value(0), "crashed");
        QVERIFY2(r.value(2).contains(QtGotItsOptions), qPrintable(r.value(2)));
    }

    // A skin is installed with no display, the player told where and under which name, or why
    // not, in terminal-safe text.
    void gameInstallsASkinWithoutAWindow()
    {
        const QTemporaryDir dir;
        const QString zip = dir.filePath("Lagoon.zip");
        QVERIFY(writeArchive(zip, skinEntries(KRIEL_DATA_DIR "/Skins/Default", "")));
        const QStringList set{"HOME=/nonexistent", "XDG_DATA_HOME=" + dir.path(),
                              "XDG_RUNTIME_DIR=" + dir.path()};
        const QString skins = dir.path() + "/kriel/Skins/";
        QCOMPARE(run(KRIEL_PROGRAM, {"--install-skin", zip}, set),
                 QStringList({"0", "installed \"Lagoon\" into " + skins + "Lagoon\n", ""}));
        QCOMPARE(run(KRIEL_PROGRAM, {"--install-skin=" + zip}, set),
                 QStringList({"0",
                              "installed \"Lagoon (2)\" into " + skins
                                  + "Lagoon (2), as a skin called \"Lagoon\" was there already\n",
                              ""}));
        QVERIFY(writeArchive(zip, {{"L\x1b[2J/skin.bmp", "x", ArchiveEntry::Kind::Link}}));
        QCOMPARE(run(KRIEL_PROGRAM, {"--install-skin", zip}, set),
                 QStringList({"1", "",
                              "kriel: The archive holds a link (L\\x1B[2J/skin.bmp), which a skin "
                              "never needs.\n"}));
    }

    // A skin's author reads the answer from the status: 0 (and the picture) for a skin the game
    // takes, 1 for one it refuses, 2 for a command line the check does not understand. In the
    // arguments, @skin stands for a skin the game takes, @empty for a folder it refuses, @png for
    // where the picture goes.
    void skinCheckAnswersByItsStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<bool>("picture");
        const QString wrongly = "kriel-skincheck: %1\n" + CheckUsage;
        QTest::newRow("--help") << QStringList{"--help"} << "0" << CheckUsage + "\nLoads"
                                << "" << false;
        QTest::newRow("-h") << QStringList{"-h", "@skin"} << "0" << CheckUsage + "\nLoads"
                            << "" << false;
        QTest::newRow("--version") << QStringList{"--version"} << "0" << KRIEL_PROJECT_VERSION "\n"
                                   << "" << false;
        QTest::newRow("-v") << QStringList{"-v"} << "0" << KRIEL_PROJECT_VERSION "\n"
                            << "" << false;
        QTest::newRow("ok") << QStringList{"@skin"} << "0"
                            << "ok: "
                            << "" << false;
        QTest::newRow("--render") << QStringList{"--render", "@png", "@skin"} << "0"
                                  << "ok: "
                                  << "" << true;
        QTest::newRow("--render=") << QStringList{"--render=@png", "@skin"} << "0"
                                   << "ok: "
                                   << "" << true;
        QTest::newRow("folder first") << QStringList{"@skin", "-render", "@png"} << "0"
                                      << "ok: "
                                      << "" << true;
        QTest::newRow("refused") << QStringList{"--render", "@png", "@empty"} << "1"
                                 << ""
                                 << "" << false;
        QTest::newRow("folder after --") << QStringList{"--", "-h"} << "1"
                                         << ""
                                         << "" << false;
        QTest::newRow("no folder") << QStringList{"--render", "@png"} << "2"
                                   << "" << CheckUsage << false;
        QTest::newRow("two folders") << QStringList{"@skin", "@empty"} << "2"
                                     << "" << CheckUsage << false;
        QTest::newRow("no picture named")
            << QStringList{"@skin", "--render"} << "2"
            << "" << wrongly.arg("Missing value after '--render'.") << false;
        QTest::newRow("unknown") << QStringList{"--bogus", "@skin"} << "2"
                                 << "" << wrongly.arg("unknown option '--bogus'") << false;
        QTest::newRow("unknown with a value")
            << QStringList{"@skin", "--render-to=@png"} << "2"
            << "" << wrongly.arg("unknown option '--render-to'") << false;
        QTest::newRow("bundled") << QStringList{"-hx"} << "2"
                                 << "" << wrongly.arg("unknown option '-hx'") << false;
        QTest::newRow("Qt's") << QStringList{"-platform", "xcb", "@skin"} << "2"
                              << "" << wrongly.arg("unknown option '-platform'") << false;
    }

    void skinCheckAnswersByItsStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(bool, picture);
        const QTemporaryDir dir;
        const QString png = dir.filePath("window.png");
        arguments.replaceInStrings("@skin", KRIEL_DATA_DIR "/Skins/Default");
        arguments.replaceInStrings("@empty", dir.path());
        arguments.replaceInStrings("@png", png);
        // Qt warns on standard error of a runtime folder that is not there.
        const QStringList r = run(KRIEL_SKINCHECK, arguments, {"XDG_RUNTIME_DIR=" + dir.path()});
        QCOMPARE(r.value(0), status);
        if (status == "2")
            QCOMPARE(r.value(1), "");
        else
            QVERIFY2(r.value(1).startsWith(out), qPrintable(r.value(1)));
        QCOMPARE(r.value(2), err);
        QCOMPARE(!QImage(png).isNull(), picture);
    }

    // The picture shows the skin a little way into a game, each piece on a cell of the grid the
    // report names: a kriel of five cells in the skin's colour (config.ini), the head alone
    // ringed by the notifier, and the food, whose opaque pixels all show as they are.
    void skinCheckDrawsAGameUnderWay()
    {
        const QString skin = KRIEL_DATA_DIR "/Skins/Default";
        const QTemporaryDir dir;
        const QString png = dir.filePath("window.png");
        const QStringList r =
            run(KRIEL_SKINCHECK, {"--render", png, skin}, {"XDG_RUNTIME_DIR=" + dir.path()});
        const QRegularExpressionMatch grid =
            QRegularExpression("cells of (\\d+) pixels, .* at (\\d+), (\\d+);").match(r.value(1));
        QVERIFY2(grid.hasMatch(), qPrintable(r.value(1)));
        const int side = grid.captured(1).toInt();
        const QPoint origin(grid.captured(2).toInt(), grid.captured(3).toInt());
        const QImage window = QImage(png).convertToFormat(QImage::Format_ARGB32);
        const QImage food = QImage(skin + "/food.gif").convertToFormat(QImage::Format_ARGB32);
        const auto showsFood = [&](const QRect& cell) {
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x)
                    if (qAlpha(food.pixel(x, y)) == 255
                        && window.pixel(cell.topLeft() + QPoint(x, y)) != food.pixel(x, y))
                        return false;
            return true;
        };
        int kriel = 0, ringed = 0, foods = 0;
        for (int row = 0; row < 19; ++row)
            for (int column = 0; column < 19; ++column) {
                const QRect cell(origin + QPoint(column, row) * side, QSize(side, side));
                if (window.pixel(cell.center()) == qRgb(168, 228, 72)) {
                    ++kriel;
                    ringed += window.pixel(cell.center().x(), cell.top() - 1) == qRgb(255, 176, 40);
                }
                foods += showsFood(cell);
            }
        QCOMPARE(kriel, 5);
        QCOMPARE(ringed, 1);
        QCOMPARE(foods, 1);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
