#include "engine/Keys.h"
#include "menus/Crypt.h"
#include "support/FakeProgram.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void menuOpensWithTheRememberedDifficulty_data()
    {
        QTest::addColumn<QString>("lastDiff");  // "-" for nothing stored
        QTest::addColumn<QString>("selected");
        QTest::newRow("first run") << "-"
                                   << "Option2";
        QTest::newRow("x") << "x"
                           << "Option2";
        QTest::newRow("lower case") << "medium"
                                    << "Option2";
        QTest::newRow("Easy") << "Easy"
                              << "Option1";
        QTest::newRow("Hard") << "Hard"
                              << "Option3";
    }

    void menuOpensWithTheRememberedDifficulty()
    {
        QFETCH(QString, lastDiff);
        QFETCH(QString, selected);
        FakeProgram program;
        if (lastDiff != "-")
            program.fake.settings.write("Config", "LastDiff", lastDiff);
        program.fake.settings.write("Config", "Sounds", "0");
        program.fake.settings.writes.clear();

        program.menu.Show();
        QWidget* window = program.menu.window();
        QCOMPARE(window->windowTitle(), QStringLiteral("Kriel - Begin a new game"));
        QCOMPARE(window->size(), QSize(337, 256));
        QVERIFY(window->windowFlags().testFlag(Qt::Tool));
        QVERIFY(program.menu.control<QRadioButton>(selected)->isChecked());
        QCOMPARE(program.menu.SoundsSetting, QStringLiteral("0"));
        QCOMPARE(program.menu.NotifySetting, QStringLiteral("1"));
        QVERIFY(program.fake.settings.writes.isEmpty());
    }

    void playStartsAGameAtTheChosenDifficulty_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<int>("points");
        QTest::newRow("Easy") << "Option1"
                              << "Easy"
                              << "135" << 4;
        QTest::newRow("Medium") << "Option2"
                                << "Medium"
                                << "100" << 6;
        QTest::newRow("Hard") << "Option3"
                              << "Hard"
                              << "65" << 8;
    }

    void playStartsAGameAtTheChosenDifficulty()
    {
        QFETCH(QString, option);
        QFETCH(QString, name);
        QFETCH(QString, interval);
        QFETCH(int, points);
        FakeProgram program;
        program.menu.Show();
        program.click(program.menu, qPrintable(option));
        QCOMPARE(program.fake.settings.value("Config", "LastDiff"), name);

        program.click(program.menu, "Command4");
        QVERIFY(!program.menu.isLoaded());
        QVERIFY(program.play.isLoaded());
        QCOMPARE(program.play.TickInterval, interval);
        QCOMPARE(program.menu.PointsPerFood, points);
        QCOMPARE(program.menu.DifficultyName, name);
        QCOMPARE(program.menu.PlayStarted, qint16(1));
        QCOMPARE(program.play.GameOver, qint16(0));
        QCOMPARE(program.fake.end.calls, 0);
    }

    // Before the first Play! the menu is the program; after it, the program lasts as long as
    // any of its windows.
    void programEndsWithTheMenuOnlyBeforeTheFirstGame()
    {
        for (const char* leave : {"Command5", "close box"}) {
            FakeProgram program;
            program.menu.Show();
            if (leave == QLatin1String("close box"))
                program.menu.window()->close();
            else
                program.click(program.menu, leave);
            QCOMPARE(program.fake.end.calls, 1);
        }

        FakeProgram program;
        program.menu.Show();
        program.click(program.menu, "Command4");
        program.play.Form_KeyDown(KeyCodes::Q);
        QVERIFY(program.gameOver.isLoaded());
        program.click(program.gameOver, "Command2");
        QVERIFY(program.menu.isLoaded());
        QVERIFY(program.menu.control<QRadioButton>("Option2")->isChecked());
        program.menu.window()->close();
        QCoreApplication::processEvents();
        QCOMPARE(program.fake.end.calls, 0);
        QCOMPARE(program.fake.quits, 1);
    }

    void gameOverOffersANameOnlyForANewRecord()
    {
        FakeProgram program;
        program.menu.DifficultyName = "Medium";
        program.menu.SoundsSetting = "1";
        program.fake.settings.write("HighScore", "Score", Crypt::Encipher("36"));

        program.play.FinalScore = 36;
        program.gameOver.Show();
        QCOMPARE(program.gameOver.window()->windowTitle(), QStringLiteral("Kriel - Game Over"));
        QVERIFY(program.gameOver.control("Command3")->isHidden());
        QCOMPARE(program.caption(program.gameOver, "lblScore"), QStringLiteral("36"));
        QCOMPARE(program.caption(program.gameOver, "lblDiff"), QStringLiteral("Medium"));
        QVERIFY(program.fake.sound.played.isEmpty());
        program.click(program.gameOver, "Command2");

        program.play.FinalScore = 42;
        program.gameOver.Show();
        QCOMPARE(program.gameOver.window()->windowTitle(),
                 QStringLiteral("Kriel - New High Score!!"));
        QVERIFY(!program.gameOver.control("Command3")->isHidden());
        QCOMPARE(program.fake.sound.played,
                 QStringList(program.fake.facts.folder + "/hiscore.WAV"));

        program.fake.dialogs.answers = {"Ann"};
        program.click(program.gameOver, "Command3");
        QCOMPARE(program.fake.dialogs.shown.back().prompt,
                 QStringLiteral("Please enter your name."));
        QCOMPARE(program.fake.dialogs.shown.back().title, QStringLiteral("High Score"));
        QCOMPARE(program.fake.settings.value("HighScore", "Name"), Crypt::Encipher("Ann"));
        QCOMPARE(program.fake.settings.value("HighScore", "Score"), Crypt::Encipher("42"));
        QCOMPARE(program.fake.settings.value("HighScore", "Level"), Crypt::Encipher("Medium"));
        QVERIFY(!program.gameOver.isLoaded());
        QVERIFY(program.menu.isLoaded());

        // Sounds off: the new record shows but plays nothing; Cancel stores an empty name.
        program.menu.SoundsSetting = "0";
        program.play.FinalScore = 50;
        program.gameOver.Show();
        program.click(program.gameOver, "Command3");
        QCOMPARE(program.fake.sound.played.size(), 1);
        QCOMPARE(program.fake.settings.value("HighScore", "Name"), QString());
        QCOMPARE(program.fake.settings.value("HighScore", "Score"), Crypt::Encipher("50"));
    }

    void viewerShowsTheStoredRecord()
    {
        FakeProgram program;
        program.fake.settings.write("HighScore", "Name", Crypt::Encipher("Ann"));
        program.fake.settings.write("HighScore", "Score", Crypt::Encipher("126"));
        program.fake.settings.write("HighScore", "Level", Crypt::Encipher("Medium"));
        program.highScore.Show();
        QCOMPARE(program.highScore.window()->windowTitle(),
                 QStringLiteral("Kriel - Highest Score"));
        QCOMPARE(program.caption(program.highScore, "lblName"), QStringLiteral("Ann"));
        QCOMPARE(program.caption(program.highScore, "lblfoodeat"), QStringLiteral("21 pcs"));
        program.click(program.highScore, "Command2");
        QVERIFY(!program.highScore.isLoaded());
        QVERIFY(program.menu.isLoaded());

        program.fake.settings.write("HighScore", "Score", Crypt::Encipher("many"));
        program.highScore.Show();
        QCOMPARE(program.caption(program.highScore, "lblScore"), QStringLiteral("many"));
        QCOMPARE(program.caption(program.highScore, "lblfoodeat"), QStringLiteral("Label1"));
    }

    void settingsShowAndChangeTheMenuCopies()
    {
        FakeProgram program;
        program.fake.settings.write("Config", "OnTop", "0");
        program.fake.settings.writes.clear();
        program.menu.Show();
        program.options.Show();
        QCOMPARE(program.options.window()->windowTitle(),
                 QStringLiteral("Kriel - Settings - [Version 0.7.8]"));
        const auto box = [&](const char* name) { return program.options.control<QCheckBox>(name); };
        QVERIFY(box("Check1")->isChecked() && !box("Check2")->isChecked()
                && box("Check3")->isChecked());

        box("Check1")->setChecked(false);
        program.click(program.options, "Command6");  // Cancel
        QVERIFY(program.fake.settings.writes.isEmpty());
        QCOMPARE(program.menu.SoundsSetting, QStringLiteral("1"));

        program.options.Show();
        box("Check1")->setChecked(false);
        box("Check3")->setChecked(false);
        // Enter while a check box has the focus presses Apply.
        box("Check3")->setFocus();
        QTest::keyClick(program.options.window(), Qt::Key_Return);
        QCOMPARE(program.fake.settings.writes,
                 QStringList({"Config/Sounds=0", "Config/OnTop=0", "Config/Notify=0"}));
        QCOMPARE(program.menu.SoundsSetting + program.menu.OnTopSetting
                     + program.menu.NotifySetting,
                 QStringLiteral("000"));
        QVERIFY(!program.options.isLoaded());
        QVERIFY(program.menu.isLoaded());
    }

    // A store that cannot be saved: no success is claimed, the player is told where it failed.
    void unsavedSettingsAreReportedInsteadOfSuccess()
    {
        FakeProgram program;
        program.fake.settings.failing = true;
        program.options.Show();
        program.click(program.options, "Command1");
        program.click(program.options, "Command4");
        program.menu.DifficultyName = "Easy";
        program.play.FinalScore = 12;
        program.gameOver.Show();
        program.click(program.gameOver, "Command3");

        const QString notSaved = "The settings could not be saved to /fake/Vamblet/Vamblet.ini.";
        QStringList titles;
        for (const auto& box : program.fake.dialogs.shown.mid(0, 4)) {
            if (box.kind == "message")
                QVERIFY2(box.prompt.startsWith(notSaved), qPrintable(box.prompt));
            titles << box.title;
        }
        QCOMPARE(titles, QStringList({"Clear High Scores", "Reset", "High Score", "High Score"}));
        QCOMPARE(program.fake.dialogs.shown[2].kind, QStringLiteral("input"));
        QVERIFY(!program.gameOver.isLoaded());
    }

    void settingsClearTheRecordRestoreDefaultsAndOpenTheHelp()
    {
        FakeProgram program;
        program.options.Show();
        program.click(program.options, "Command1");
        program.click(program.options, "Command4");
        program.click(program.options, "Command2");
        program.click(program.options, "Command3");

        QStringList shown;
        for (const auto& box : program.fake.dialogs.shown)
            shown << box.prompt + " | " + box.title;
        QCOMPARE(shown, QStringList({"High Scores Cleared. | Clear High Scores",
                                     "All settings have returned to default. | Reset"}));
        QCOMPARE(program.fake.settings.writes.mid(3),
                 QStringList({"Config/LastDiff=Medium", "Config/Skin=Default", "Config/Sounds=1",
                              "Config/OnTop=1", "Config/Notify=1", "Config/Trans=0",
                              "Config/TransLevel=255", "Config/WinX=200", "Config/WinY=200"}));
        QCOMPARE(program.fake.settings.value("HighScore", "Name"), Crypt::Encipher("Nobody"));
        const QString folder = QUrl::fromLocalFile(program.fake.facts.folder).toString();
        QCOMPARE(program.fake.shell.opened,
                 QStringList({folder + "/readme.htm", folder + "/skinning.htm"}));
        QVERIFY(program.options.isLoaded());
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
