#include "engine/Keys.h"
#include "engine/frmMain.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QPointer>
#include <QTest>
#include <QWidget>

namespace {

const QString Config = QStringLiteral("Config");

// A play window on doubled services, with a complete skin installed as the current one.
struct Game {
    explicit Game(const QString& skinName = QStringLiteral("Default"))
        : skin(skinName)
    {
        fake.facts.folder = skin.programFolder();
        menu.PointsPerFood = 6;
        menu.DifficultyName = QStringLiteral("Medium");
        menu.SoundsSetting = QStringLiteral("1");
        menu.OnTopSetting = QStringLiteral("1");
        menu.NotifySetting = QStringLiteral("1");
        form.TickInterval = QStringLiteral("100");
        form.setGameOverDialog([this] { ++gameOvers; });
    }

    // Plays Play!'s part: show the window, then let it take keys.
    void start()
    {
        form.Show();
        form.GameOver = 0;
    }

    // Food and head of the next new game on these cells (column, row).
    void placeNextGame(QPoint food, QPoint head)
    {
        for (int i : {food.x(), food.y(), head.x(), head.y()})
            fake.random.scripted.push_back(SeededRandom::pickIndex(i));
    }

    QPoint cellOf(const TwipsRect& r) const
    {
        const TwipsRect& area = form.scene().shprect.bounds;
        const float step = form.scene().head().bounds.width;
        return {int((r.left - area.left) / step), int((r.top - area.top) / step)};
    }

    void key(int code) { form.Form_KeyDown(code); }

    int tickUntilOver(int limit = 100)
    {
        int ticks = 0;
        while (form.isLoaded() && ticks < limit && fake.timers.tick())
            ++ticks;
        return ticks;
    }

    FakePlatform fake;
    SkinFolder skin;
    StartMenuMembers menu;
    frmMain form{fake.platform, menu};
    int gameOvers = 0;
};

void destroyDeferred()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class PlayWindowTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunOpensAtDefaultPlaceWithDefaultSkin();
    void rememberedPositionIsUsedOrReplaced_data();
    void rememberedPositionIsUsedOrReplaced();
    void deathSavesPositionAndHandsOverTheScore();
    void xEndsAtOnceButNotOnceTheGameIsOver();
    void pausingShowsTheMessageAndTheSecondPResumesSilently();
    void hiddenCodeMustMatchExactly_data();
    void hiddenCodeMustMatchExactly();
    void deathWhileTheHiddenCodeBoxIsOpen();
    void sReloadsTheSkinFolderAsItNowStandsBrokenOrNot();
    void brokenSkinReportsUnloadsAndEnds_data();
    void brokenSkinReportsUnloadsAndEnds();
    void draggingWithTheLeftButtonAloneMovesTheWindow();
    void onTopAndSoundsFollowTheMenuCopies();
    void scriptedGameThroughTheRealWindow();
};

void PlayWindowTest::firstRunOpensAtDefaultPlaceWithDefaultSkin()
{
    Game game;
    game.start();

    QVERIFY(game.form.isLoaded());
    QCOMPARE(game.form.position(), QPointF(200, 200));
    QWidget* window = game.form.window();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->pos(), QPoint(13, 13));
    QCOMPARE(window->size(), QSize(60, 50));
    QCOMPARE(window->windowTitle(), QStringLiteral("Kriel"));
    QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(game.form.skinPath().endsWith(QStringLiteral("/Skins/Default")));

    const PlayWindowScene& scene = game.form.scene();
    QCOMPARE(scene.shpkriel.size(), std::size_t(1));
    QCOMPARE(scene.lblfoodcount.caption, QStringLiteral("0"));
    QCOMPARE(game.form.kriel().CollisionsOn, qint16(1));
    // The notifier rings the head.
    QVERIFY(scene.shpZip.visible);
    QCOMPARE(scene.shpZip.bounds.left, scene.head().bounds.left - 30);
    // The first tick comes at once and sets the game's pace.
    QCOMPARE(game.fake.timers.interval(), 1);
    game.fake.timers.tick();
    QCOMPARE(game.fake.timers.interval(), 100);
    game.form.TickInterval = QStringLiteral("65.9");
    game.fake.timers.tick();
    QCOMPARE(game.fake.timers.interval(), 65);
    QVERIFY(game.fake.settings.writes.isEmpty());
}

void PlayWindowTest::rememberedPositionIsUsedOrReplaced_data()
{
    QTest::addColumn<QString>("winX");
    QTest::addColumn<QString>("winY");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("remembered") << "3000"
                                << "1500.5" << QPointF(3000, 1500.5f);
    QTest::newRow("not a number") << "abc"
                                  << "1500" << QPointF(200, 1500);
    QTest::newRow("off every screen") << "-90000"
                                      << "1500" << QPointF(200, 200);
    QTest::newRow("far right") << "29000"
                               << "0" << QPointF(200, 200);
}

void PlayWindowTest::rememberedPositionIsUsedOrReplaced()
{
    QFETCH(QString, winX);
    QFETCH(QString, winY);
    QFETCH(QPointF, expected);
    Game game;
    game.fake.settings.write(Config, QStringLiteral("WinX"), winX);
    game.fake.settings.write(Config, QStringLiteral("WinY"), winY);
    game.fake.facts.screens = {QRect(0, 0, 1024, 768)};

    game.start();
    QCOMPARE(game.form.position(), expected);

    // A window that was not moved gives back exactly what it was given.
    game.key(KeyCodes::Q);
    QCOMPARE(game.fake.settings.value(Config, QStringLiteral("WinX")),
             QString::number(expected.x()));
    QCOMPARE(game.fake.settings.value(Config, QStringLiteral("WinY")),
             QString::number(expected.y()));
}

void PlayWindowTest::deathSavesPositionAndHandsOverTheScore()
{
    Game game;
    // Food two cells right of the head; the kriel eats it on its second step and runs on into
    // the right wall.
    game.placeNextGame({5, 7}, {3, 7});
    game.start();
    QPointer<QWidget> window = game.form.window();

    game.key(KeyCodes::Right);
    const int ticks = game.tickUntilOver();
    QCOMPARE(ticks, 16);  // 15 steps to the last column, the 16th leaves the play area

    QCOMPARE(game.form.FinalScore, qint16(6));
    QCOMPARE(game.form.GameOver, qint16(-1));
    QCOMPARE(game.gameOvers, 1);
    QVERIFY(!game.form.isLoaded());
    QCOMPARE(game.form.kriel().Direction, Heading::None);
    QCOMPARE(game.fake.settings.writes, QStringList({"Config/WinX=200", "Config/WinY=200"}));
    const QString folder = game.fake.facts.folder;
    QCOMPARE(game.fake.sound.played, QStringList({folder + "/eat.WAV", folder + "/die.WAV"}));
    QVERIFY(!game.fake.timers.anyRunning());

    // The widget goes once the event that ended the game is over; the program once the last
    // window has gone.
    QVERIFY(window && !window->isVisible());
    destroyDeferred();
    QVERIFY(!window);
    QCOMPARE(game.fake.quits, 0);
    QCoreApplication::processEvents();
    QCOMPARE(game.fake.quits, 1);
}

void PlayWindowTest::xEndsAtOnceButNotOnceTheGameIsOver()
{
    Game game;
    game.start();
    game.key(KeyCodes::X);
    QCOMPARE(game.fake.end.calls, 1);
    QVERIFY(game.fake.settings.writes.isEmpty());
    QCOMPARE(game.gameOvers, 0);

    game.key(KeyCodes::Q);
    QCOMPARE(game.gameOvers, 1);
    for (int code : {KeyCodes::X, KeyCodes::Q, KeyCodes::P})
        game.key(code);
    QCOMPARE(game.fake.end.calls, 1);
    QCOMPARE(game.gameOvers, 1);
    QCOMPARE(game.form.kriel().Paused, qint16(0));
}

void PlayWindowTest::pausingShowsTheMessageAndTheSecondPResumesSilently()
{
    Game game;
    game.placeNextGame({0, 0}, {3, 7});
    game.start();
    game.key(KeyCodes::Right);
    game.fake.timers.tick();
    QVERIFY(!game.form.scene().shpZip.visible);

    // While the box is up the ticks go on, and the kriel stands inside its ring.
    int ticksDuringBox = 0;
    game.fake.dialogs.whileOpen = [&] {
        for (; ticksDuringBox < 3; ++ticksDuringBox)
            game.fake.timers.tick();
    };
    game.key(KeyCodes::P);
    QCOMPARE(game.fake.dialogs.shown.size(), 1);
    QCOMPARE(game.fake.dialogs.shown[0].prompt,
             QStringLiteral("Game Paused.  Press 'P' again to resume."));
    QCOMPARE(game.fake.dialogs.shown[0].title, QStringLiteral("Pause"));
    QCOMPARE(game.form.kriel().Paused, qint16(1));
    QCOMPARE(ticksDuringBox, 3);
    QCOMPARE(game.cellOf(game.form.scene().head().bounds), QPoint(4, 7));
    QVERIFY(game.form.scene().shpZip.visible);
    QCOMPARE(game.cellOf(game.form.scene().shpZip.bounds),
             game.cellOf(game.form.scene().head().bounds) - QPoint(1, 1));

    game.key(KeyCodes::P);
    QCOMPARE(game.form.kriel().Paused, qint16(0));
    QCOMPARE(game.fake.dialogs.shown.size(), 1);
    game.fake.timers.tick();
    QCOMPARE(game.cellOf(game.form.scene().head().bounds), QPoint(5, 7));
    QVERIFY(!game.form.scene().shpZip.visible);
}

void PlayWindowTest::hiddenCodeMustMatchExactly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint16>("collisions");
    QTest::newRow("the code") << "zestlime" << qint16(0);
    QTest::newRow("capital first letter") << "Zestlime" << qint16(1);
    QTest::newRow("leading blank") << " zestlime" << qint16(1);
    QTest::newRow("cancelled") << "" << qint16(1);
}

void PlayWindowTest::hiddenCodeMustMatchExactly()
{
    QFETCH(QString, typed);
    QFETCH(qint16, collisions);
    Game game;
    game.start();
    game.fake.dialogs.answers.push_back(typed);

    game.key(KeyCodes::Eight);
    QCOMPARE(game.fake.dialogs.shown.size(), 1);
    QCOMPARE(game.fake.dialogs.shown[0].kind, QStringLiteral("input"));
    QCOMPARE(game.fake.dialogs.shown[0].prompt, QStringLiteral("..."));
    QCOMPARE(game.fake.dialogs.shown[0].title, QStringLiteral("..."));
    QCOMPARE(game.form.codeEntry(), typed);
    QCOMPARE(game.form.kriel().CollisionsOn, collisions);
}

// The box waits for the player while the kriel runs on into a wall: the window unloads under the
// key handler that opened the box, which must come back to a dead game without touching it.
void PlayWindowTest::deathWhileTheHiddenCodeBoxIsOpen()
{
    Game game;
    game.placeNextGame({0, 0}, {16, 7});
    game.start();
    game.key(KeyCodes::Right);
    QPointer<QWidget> window = game.form.window();

    game.fake.dialogs.answers.push_back(QStringLiteral("zestlime"));
    game.fake.dialogs.whileOpen = [&] { game.tickUntilOver(); };
    QTest::keyClick(window, Qt::Key_8);

    QVERIFY(!game.form.isLoaded());
    QCOMPARE(game.gameOvers, 1);
    QCOMPARE(game.form.GameOver, qint16(-1));
    QCOMPARE(game.fake.settings.value(Config, QStringLiteral("WinX")), QStringLiteral("200"));
    destroyDeferred();
    QVERIFY(!window);

    // The next game starts from a fresh scene with its collision tests on.
    game.start();
    QVERIFY(game.form.isLoaded());
    QCOMPARE(game.form.kriel().CollisionsOn, qint16(1));
    QCOMPARE(game.form.scene().shpkriel.size(), std::size_t(1));
}

void PlayWindowTest::sReloadsTheSkinFolderAsItNowStandsBrokenOrNot()
{
    Game game;
    game.start();
    const float left = game.form.scene().shprect.bounds.left;

    game.skin.setValue(QStringLiteral("Positions"), QStringLiteral("PlayAreaX"),
                       QStringLiteral("6"));
    game.key(KeyCodes::S);
    QCOMPARE(game.form.scene().shprect.bounds.left, left + 30);
    QVERIFY(game.fake.dialogs.shown.isEmpty());

    game.skin.setValue(QStringLiteral("Styles"), QStringLiteral("KrielShape"), QStringLiteral("6"));
    game.key(KeyCodes::S);
    QCOMPARE(game.fake.dialogs.shown.size(), 1);
    QCOMPARE(game.fake.dialogs.shown[0].title, QStringLiteral("Error"));
    QVERIFY(!game.form.isLoaded());
    QCOMPARE(game.fake.end.calls, 1);
    QCOMPARE(game.gameOvers, 0);
}

void PlayWindowTest::brokenSkinReportsUnloadsAndEnds_data()
{
    QTest::addColumn<QString>("skinSetting");
    QTest::addColumn<bool>("removeFontSize");
    QTest::newRow("a required key missing") << "Default" << true;
    QTest::newRow("no such folder") << "Missing" << false;
}

void PlayWindowTest::brokenSkinReportsUnloadsAndEnds()
{
    QFETCH(QString, skinSetting);
    QFETCH(bool, removeFontSize);
    Game game;
    if (removeFontSize)
        game.skin.removeValue(QStringLiteral("Styles"), QStringLiteral("FontSize"));
    game.fake.settings.write(Config, QStringLiteral("Skin"), skinSetting);
    game.fake.settings.writes.clear();

    game.start();

    const QString skinPath = game.fake.facts.folder + QStringLiteral("/Skins/") + skinSetting;
    QCOMPARE(game.fake.dialogs.shown.size(), 1);
    QCOMPARE(game.fake.dialogs.shown[0].prompt,
             QStringLiteral("There was an error loading the skin.  Please select a new skin. [")
                 + skinPath + QStringLiteral("]"));
    QCOMPARE(game.fake.dialogs.shown[0].title, QStringLiteral("Error"));
    QVERIFY(!game.form.isLoaded());
    QCOMPARE(game.fake.settings.writes, QStringList({"Config/WinX=200", "Config/WinY=200"}));
    QCOMPARE(game.fake.end.calls, 1);
    QVERIFY(!game.fake.timers.anyRunning());
}

void PlayWindowTest::draggingWithTheLeftButtonAloneMovesTheWindow()
{
    Game game;
    game.fake.settings.write(Config, QStringLiteral("WinX"), QStringLiteral("1500"));
    game.fake.settings.write(Config, QStringLiteral("WinY"), QStringLiteral("3000"));
    game.start();
    const QPoint origin = game.form.window()->pos();
    QCOMPARE(origin, QPoint(100, 200));

    // Pressed 10, 8 pixels into the window; the mouse then travels 20 right and 5 up.
    game.form.Form_MouseDown(QPointF(10, 8));
    const QPointF target = QPointF(origin + QPoint(30, 3));
    game.form.Form_MouseMove(Qt::RightButton, target);
    game.form.Form_MouseMove(Qt::LeftButton | Qt::RightButton, target);
    QCOMPARE(game.form.position(), QPointF(1500, 3000));

    game.form.Form_MouseMove(Qt::LeftButton, target);
    QCOMPARE(game.form.position(), QPointF(1800, 2925));
    QCOMPARE(game.form.window()->pos(), QPoint(120, 195));

    // A press with another button still takes the grip point.
    game.form.Form_MouseDown(QPointF(0, 0));
    game.form.Form_MouseMove(Qt::LeftButton, QPointF(game.form.window()->pos()));
    QCOMPARE(game.form.position(), QPointF(1800, 2925));

    game.key(KeyCodes::Q);
    QCOMPARE(game.fake.settings.value(Config, QStringLiteral("WinX")), QStringLiteral("1800"));
    QCOMPARE(game.fake.settings.value(Config, QStringLiteral("WinY")), QStringLiteral("2925"));
}

// Only the exact text "1" switches either on.
void PlayWindowTest::onTopAndSoundsFollowTheMenuCopies()
{
    for (const char* setting : {"1", "0", "x", ""}) {
        Game game;
        game.menu.OnTopSetting = game.menu.SoundsSetting = QLatin1String(setting);
        game.placeNextGame({5, 7}, {3, 7});
        game.start();
        const bool on = game.menu.OnTopSetting == QLatin1String("1");
        QCOMPARE(game.form.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        game.key(KeyCodes::Right);
        game.tickUntilOver();
        QCOMPARE(game.form.FinalScore, qint16(6));
        QCOMPARE(game.fake.sound.played.size(), on ? 2 : 0);
    }
}

// A whole game on the shipped skin, driven by key presses on the real widget.
void PlayWindowTest::scriptedGameThroughTheRealWindow()
{
    Game game;
    game.fake.facts.folder = QStringLiteral(KRIEL_DATA_DIR);
    game.placeNextGame({9, 4}, {9, 9});
    game.start();
    QWidget* window = game.form.window();
    QVERIFY(window);
    QCOMPARE(game.form.kriel().CollisionsOn, qint16(1));

    // Up to the food at (9, 4); the next food comes from the seeded generator.
    QTest::keyClick(window, Qt::Key_Up);
    for (int i = 0; i < 5; ++i)
        game.fake.timers.tick();
    QCOMPARE(game.form.scene().lblfoodcount.caption, QStringLiteral("6"));
    QCOMPARE(game.form.scene().shpkriel.size(), std::size_t(2));

    // Down is straight back and refused; Left then Down turns the kriel round.
    QTest::keyClick(window, Qt::Key_Down);
    QCOMPARE(game.form.kriel().Direction, Heading::Up);
    QTest::keyClick(window, Qt::Key_Left);
    game.fake.timers.tick();
    QTest::keyClick(window, Qt::Key_P, Qt::ShiftModifier);
    QCOMPARE(game.form.kriel().Paused, qint16(1));
    QTest::keyClick(window, Qt::Key_P);
    QTest::keyClick(window, Qt::Key_Down);
    const int ticks = game.tickUntilOver();
    QVERIFY(ticks > 0);

    QVERIFY(!game.form.isLoaded());
    QCOMPARE(game.gameOvers, 1);
    QVERIFY(game.form.FinalScore >= 6);
    QCOMPARE(game.form.FinalScore % 6, 0);
    QCOMPARE(game.fake.sound.played.back(), QStringLiteral(KRIEL_DATA_DIR "/die.WAV"));
    QVERIFY(game.fake.sound.played.contains(QStringLiteral(KRIEL_DATA_DIR "/eat.WAV")));
}

QTEST_MAIN(PlayWindowTest)
#include "tst_playwindow.moc"
