#include "engine/Keys.h"
#include "engine/frmMain.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QPointer>
#include <QTest>
#include <QWidget>

namespace {

// A play window on doubled services, with a complete skin installed as the current one.
struct Game {
    Game()
    {
        fake.facts.folder = skin.programFolder();
        menu.PointsPerFood = 6;
        menu.SoundsSetting = menu.OnTopSetting = menu.NotifySetting = QStringLiteral("1");
        form.setGameOverDialog([this] { ++gameOvers; });
    }

    // Food and head of the next new game on these cells (column, row).
    void placeNextGame(QPoint food, QPoint head)
    {
        for (int i : {food.x(), food.y(), head.x(), head.y()})
            fake.random.scripted.push_back(SeededRandom::pickIndex(i));
    }

    void key(int code) { form.Form_KeyDown(code); }
    const TwipsRect& head() const { return form.scene().head().bounds; }

    // The notifier is a ring one 30-twip cell wide all round the head.
    bool ringsTheHead() const
    {
        const TwipsRect& ring = form.scene().shpZip.bounds;
        return form.scene().shpZip.visible && ring.left == head().left - 30
               && ring.top == head().top - 30;
    }

    void tickUntilOver()
    {
        for (int ticks = 0; form.isLoaded() && ticks < 100; ++ticks)
            fake.timers.tick();
    }

    FakePlatform fake;
    SkinFolder skin{QStringLiteral("Default")};
    StartMenuMembers menu;
    frmMain form{fake.platform, menu};
    int gameOvers = 0;
};

}  // namespace

class PlayWindowTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunOpensOnTheDefaultSkinAndSReloadsIt()
    {
        Game game;
        game.form.Show();
        QWidget* window = game.form.window();
        QVERIFY(window->isVisible());
        QCOMPARE(window->pos(), QPoint(13, 13));
        QCOMPARE(window->size(), QSize(60, 50));
        QCOMPARE(window->windowTitle(), QStringLiteral("Kriel"));
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(game.form.skinPath().endsWith(QStringLiteral("/Skins/Default")));
        QCOMPARE(game.form.scene().shpkriel.size(), std::size_t(1));
        QCOMPARE(game.form.scene().lblfoodcount.caption, QStringLiteral("0"));
        QVERIFY(game.ringsTheHead());
        // The first tick comes at once and sets the game's pace.
        game.form.TickInterval = QStringLiteral("65.9");
        QCOMPARE(game.fake.timers.interval(), 1);
        game.fake.timers.tick();
        QCOMPARE(game.fake.timers.interval(), 65);

        // S reads the skin folder as it now stands, and a broken one ends the program.
        const float left = game.form.scene().shprect.bounds.left;
        game.skin.setValue("Positions", "PlayAreaX", "6");
        game.key(KeyCodes::S);
        QCOMPARE(game.form.scene().shprect.bounds.left, left + 30);
        game.skin.setValue("Styles", "KrielShape", "6");
        game.key(KeyCodes::S);
        QCOMPARE(game.fake.dialogs.shown.value(0).title, QStringLiteral("Error"));
        QCOMPARE(game.fake.end.calls, 1);
    }

    void rememberedPositionIsUsedOrReplaced_data()
    {
        QTest::addColumn<QString>("winX");
        QTest::addColumn<QPointF>("expected");
        QTest::newRow("remembered") << "3000" << QPointF(3000, 1500.5);
        QTest::newRow("not a number") << "abc" << QPointF(200, 1500.5);
        QTest::newRow("off every screen") << "-90000" << QPointF(200, 200);
        QTest::newRow("far right") << "29000" << QPointF(200, 200);
    }

    // X ends without saving; Q saves an unmoved window's position exactly as it was given.
    void rememberedPositionIsUsedOrReplaced()
    {
        QFETCH(QString, winX);
        QFETCH(QPointF, expected);
        Game game;
        game.fake.settings.values["Config/WinX"] = winX;
        game.fake.settings.values["Config/WinY"] = "1500.5";

        game.form.Show();
        QCOMPARE(game.form.position(), expected);
        game.key(KeyCodes::X);
        QCOMPARE(game.fake.end.calls, 1);
        QVERIFY(game.fake.settings.writes.isEmpty());
        game.key(KeyCodes::Q);
        QCOMPARE(game.fake.settings.value("Config", "WinX"), QString::number(expected.x()));
        QCOMPARE(game.fake.settings.value("Config", "WinY"), QString::number(expected.y()));
    }

    void deathSavesThePositionAndHandsOverTheScore_data()
    {
        QTest::addColumn<QString>("setting");  // for on-top and sounds alike; only "1" is on
        QTest::newRow("1") << "1";
        QTest::newRow("0") << "0";
        QTest::newRow("x") << "x";
        QTest::newRow("empty") << "";
    }

    void deathSavesThePositionAndHandsOverTheScore()
    {
        QFETCH(QString, setting);
        Game game;
        game.menu.OnTopSetting = game.menu.SoundsSetting = setting;
        // The kriel eats the food two cells ahead, then runs on into the right wall.
        game.placeNextGame({5, 7}, {3, 7});
        game.form.Show();
        QPointer<QWidget> window = game.form.window();
        const bool on = setting == "1";
        QCOMPARE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        game.key(KeyCodes::Right);
        game.tickUntilOver();

        QCOMPARE(game.form.FinalScore, qint16(6));
        QCOMPARE(game.form.GameOver, qint16(-1));
        QCOMPARE(game.fake.settings.writes, QStringList({"Config/WinX=200", "Config/WinY=200"}));
        const QString folder = game.fake.facts.folder;
        QCOMPARE(game.fake.sound.played,
                 on ? QStringList({folder + "/eat.WAV", folder + "/die.WAV"}) : QStringList());
        QVERIFY(!game.fake.timers.anyRunning());
        for (int code : {KeyCodes::X, KeyCodes::Q, KeyCodes::P})
            game.key(code);
        QCOMPARE(game.fake.end.calls, 0);
        QCOMPARE(game.gameOvers, 1);
        QCOMPARE(game.form.kriel().Paused, qint16(0));

        // The widget outlives the event that ended the game; the program, the last window.
        QVERIFY(window && !window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        QCOMPARE(game.fake.quits, 0);
        QCoreApplication::processEvents();
        QCOMPARE(game.fake.quits, 1);

        // The next game stands still until its first arrow, whatever the last one was doing.
        game.form.GameOver = 0;
        game.form.Show();
        const TwipsRect start = game.head();
        game.fake.timers.tick();
        QVERIFY(game.form.isLoaded());
        QCOMPARE(game.head(), start);
    }

    // Only the exact code turns the collision tests off; a cancelled box answers "".
    void hiddenCodeMustMatchExactly()
    {
        Game game;
        game.form.Show();
        for (const char* wrong : {"Zestlime", " zestlime", "zestlimes", "zestlim", ""}) {
            game.fake.dialogs.answers.push_back(wrong);
            game.key(KeyCodes::Eight);
            QCOMPARE(game.form.kriel().CollisionsOn, qint16(1));
        }
        game.fake.dialogs.answers.push_back("zestlime");
        game.key(KeyCodes::Eight);
        QCOMPARE(game.form.kriel().CollisionsOn, qint16(0));
    }

    void brokenSkinAtLoadIsReportedAndEndsTheProgram_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::newRow("a required key missing") << "Default";
        QTest::newRow("no such folder") << "Missing";
    }

    void brokenSkinAtLoadIsReportedAndEndsTheProgram()
    {
        QFETCH(QString, skin);
        Game game;
        game.skin.removeValue("Styles", "FontSize");
        game.fake.settings.values["Config/Skin"] = skin;

        game.form.Show();
        QCOMPARE(game.fake.dialogs.shown.size(), 1);
        QCOMPARE(game.fake.dialogs.shown[0].prompt,
                 QString("There was an error loading the skin.  Please select a new skin. [%1]")
                     .arg(game.fake.facts.folder + "/Skins/" + skin));
        QCOMPARE(game.fake.dialogs.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(game.fake.settings.writes, QStringList({"Config/WinX=200", "Config/WinY=200"}));
        QCOMPARE(game.fake.end.calls, 1);
    }

    // A skin the player added to the data home plays, and S reads it again there.
    void playersOwnSkinPlaysAndReloads()
    {
        Game game;
        SkinFolder mine("Mine", "kriel/Skins");
        mine.setValue("Positions", "PlayAreaX", "8");
        game.fake.facts.playerData = mine.programFolder();
        game.fake.settings.values["Config/Skin"] = "Mine";
        game.form.Show();
        QCOMPARE(game.form.skinPath(), mine.skinPath());
        QCOMPARE(game.form.scene().shprect.bounds.left, 120.0f);
        mine.setValue("Positions", "PlayAreaX", "10");
        game.key(KeyCodes::S);
        QCOMPARE(game.form.scene().shprect.bounds.left, 150.0f);
        QVERIFY(game.fake.dialogs.shown.isEmpty());
    }

    // Each names the Default skin through a path: none is loaded, all get the missing-skin error.
    void pathLikeSkinNameIsNoSkin_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"../Skins/Default", "./Default", "Default/.", "..", " "})
            QTest::newRow(name) << QString(name);
        QTest::newRow("absolute") << QString();
    }

    void pathLikeSkinNameIsNoSkin()
    {
        QFETCH(QString, name);
        Game game;
        if (name.isNull())
            name = game.skin.skinPath();
        game.fake.settings.values["Config/Skin"] = name;
        game.form.Show();
        QCOMPARE(game.fake.dialogs.shown.value(0).prompt,
                 QString("There was an error loading the skin.  Please select a new skin. [%1]")
                     .arg(game.fake.facts.folder + "/Skins/" + name));
        QCOMPARE(game.form.scene().width, playWindowLayout().width);
        QCOMPARE(game.fake.end.calls, 1);
    }

    void draggingWithTheLeftButtonAloneMovesTheWindow()
    {
        Game game;
        game.fake.settings.values["Config/WinX"] = "1500";
        game.fake.settings.values["Config/WinY"] = "3000";
        game.form.Show();

        // Gripped 10, 8 pixels into the window at 100, 200, then moved 20 right and 5 up.
        game.form.Form_MouseDown(QPointF(10, 8));
        const QPointF target(130, 203);
        game.form.Form_MouseMove(Qt::RightButton, target);
        game.form.Form_MouseMove(Qt::LeftButton | Qt::RightButton, target);
        QCOMPARE(game.form.position(), QPointF(1500, 3000));
        game.form.Form_MouseMove(Qt::LeftButton, target);
        QCOMPARE(game.form.window()->pos(), QPoint(120, 195));

        // A press with another button still takes the grip point.
        game.form.Form_MouseDown(QPointF(0, 0));
        game.form.Form_MouseMove(Qt::LeftButton, QPointF(120, 195));
        game.key(KeyCodes::Q);
        QCOMPARE(game.fake.settings.value("Config", "WinX"), QStringLiteral("1800"));
        QCOMPARE(game.fake.settings.value("Config", "WinY"), QStringLiteral("2925"));
    }

    // A whole game on the shipped skin, driven by key presses on the real widget.
    void scriptedGameThroughTheRealWindow()
    {
        Game game;
        game.fake.facts.folder = QStringLiteral(KRIEL_DATA_DIR);
        game.placeNextGame({9, 4}, {9, 9});
        game.form.Show();
        QPointer<QWidget> window = game.form.window();

        // Up to the food, then left.
        QTest::keyClick(window, Qt::Key_Up);
        for (int i = 0; i < 5; ++i)
            game.fake.timers.tick();
        QTest::keyClick(window, Qt::Key_Left);
        game.fake.timers.tick();

        // The ticks go on while the pause box waits, and leave the kriel standing in its ring.
        const TwipsRect before = game.head();
        game.fake.dialogs.whileOpen = [&] {
            for (int i = 0; i < 3; ++i)
                QVERIFY(game.fake.timers.tick());
        };
        QTest::keyClick(window, Qt::Key_P, Qt::ShiftModifier);
        QCOMPARE(game.fake.dialogs.shown.value(0).prompt,
                 QStringLiteral("Game Paused.  Press 'P' again to resume."));
        QCOMPARE(game.fake.dialogs.shown.value(0).title, QStringLiteral("Pause"));
        QCOMPARE(game.head(), before);
        QVERIFY(game.ringsTheHead());
        // The second P resumes without a box.
        QTest::keyClick(window, Qt::Key_P);
        game.fake.timers.tick();
        QVERIFY(game.head() != before);
        QCOMPARE(game.fake.dialogs.shown.size(), 1);

        // The kriel dies while the hidden-code box waits: the window unloads under the key
        // handler that opened the box, which must come back to a dead game without touching it.
        game.fake.dialogs.answers.push_back(QStringLiteral("zestlime"));
        game.fake.dialogs.whileOpen = [&] { game.tickUntilOver(); };
        QTest::keyClick(window, Qt::Key_8);
        QCOMPARE(game.gameOvers, 1);
        QVERIFY(game.form.FinalScore >= 6);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);

        // The next game, as the start menu begins it, starts afresh with its collision tests on.
        game.form.Show();
        game.form.GameOver = 0;
        QCOMPARE(game.form.kriel().CollisionsOn, qint16(1));
        QCOMPARE(game.form.scene().shpkriel.size(), std::size_t(1));
    }
};

QTEST_MAIN(PlayWindowTest)
#include "tst_playwindow.moc"
