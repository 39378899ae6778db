#include "engine/KeyEvents.h"
#include "engine/SceneChanges.h"
#include "engine/ScenePainter.h"
#include "engine/StartMenu.h"
#include "engine/WindowPlace.h"
#include "engine/Windows.h"
#include "engine/frmMain.h"
#include "layouts/BuiltInPictures.h"
#include "layouts/Fonts.h"
#include "layouts/PlayWindowLayout.h"
#include "rules/Keys.h"
#include "rules/NewGame.h"
#include "rules/Tick.h"
#include "skins/SkinReader.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <algorithm>

namespace {

// Stands for the game-over dialog: counts its showings, and goes at once, leaving the play window
// the program's last.
struct GameOverCount final : Form {
    explicit GameOverCount(Platform& platform)
        : Form(platform, gameOverLayout())
    {}
    void Form_Load() override
    {
        ++shown;
        Unload();
    }
    int shown = 0;
};

// A play window on doubled services, with a complete skin installed as the current one.
struct Game {
    Game()
    {
        fake.facts.folder = skin.programFolder();
        menu.PointsPerFood = 6;
        menu.settings = {true, true, true};
    }

    // Food and head of the next new game on these cells (column, row).
    void placeNextGame(QPoint food, QPoint head)
    {
        for (int i : {food.x(), food.y(), head.x(), head.y()})
            fake.random.scripted.push_back(SeededRandom::pickIndex(i));
    }

    void key(int code) { form.Form_KeyDown(code); }
    const TwipsRect& head() const { return form.board().head(); }

    // The notifier is a ring one 30-twip cell wide all round the head.
    bool ringsTheHead() const
    {
        const TwipsRect& ring = form.board().shpZip;
        return form.board().notifierShown && ring.left == head().left - 30
               && ring.top == head().top - 30;
    }

    FakePlatform fake;
    SkinFolder skin{QStringLiteral("Default")};
    StartMenu menu{fake.platform, startMenuLayout()};
    GameOverCount gameOver{fake.platform};
    Windows windows{.ops = &menu, .gameOver = &gameOver};
    frmMain form{fake.platform, windows};
};

constexpr Color Background = Color::fromRgb(16, 32, 48);
constexpr Color Fill = Color::fromRgb(0, 200, 0);
constexpr Color Border = Color::fromRgb(250, 0, 0);
constexpr auto rgb = [](Color c) { return qRgb(c.red(), c.green(), c.blue()); };

// The play window's board and look on a plain background, its head one cell 16 pixels wide and
// 12 (or 16) high at (10, 10); the other controls lie beyond the 40 × 40 pixels painted.
struct Scene {
    Board board = playWindowBoard();
    PlayLook look = layoutLook();
};

Scene sceneWithHead(ShapeCode code, BorderStyle style, int height = 12)
{
    Scene scene;
    scene.look.backColor = Background;
    scene.look.picture = QImage();
    scene.board.head() = {150, 150, 16 * 15, float(height) * 15};
    scene.look.cell.shape = code;
    scene.look.cell.borderStyle = style;
    scene.look.cell.borderColor = Border;
    scene.look.cell.fillColor = Fill;
    return scene;
}

QImage paint(const Scene& scene, PixelScale scale = {}, QSize size = {40, 40})
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    paintScene(painter, scene.board, scene.look, scale, image.rect());
    return image;
}

}  // namespace

class PlayWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Only the exact hidden code turns the collision tests off; a cancelled box answers "".
    void firstRunOpensOnTheDefaultSkinAndTakesItsKeys()
    {
        Game game;
        game.form.Show();
        QWidget* window = game.form.window();
        QVERIFY(window->isVisible() && window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window->geometry(), QRect(13, 13, 60, 50));
        QCOMPARE(window->windowTitle(), QStringLiteral("Kriel"));
        QVERIFY(game.form.skinPath().endsWith(QStringLiteral("/Skins/Default")));
        QCOMPARE(game.form.board().shpkriel.size(), std::size_t(1));
        QCOMPARE(game.form.board().score, 0);
        QVERIFY(game.ringsTheHead());
        // The first tick comes at once; with nothing to change, the game then sleeps until an
        // arrow sets it going at the game's pace.
        game.form.TickInterval = QStringLiteral("65.9");
        QCOMPARE(game.fake.timers.interval(), 1);
        game.fake.timers.tick();
        QVERIFY(!game.fake.timers.anyRunning());
        game.key(KeyCodes::Right);
        QCOMPARE(game.fake.timers.interval(), 65);

        for (const char* wrong : {"Zestlime", " zestlime", "zestlimes", "zestlim", ""}) {
            game.fake.dialogs.answers.push_back(wrong);
            game.key(KeyCodes::Eight);
            QCOMPARE(game.form.kriel().CollisionsOn, qint16(1));
        }
        game.fake.dialogs.answers.push_back("zestlime");
        game.key(KeyCodes::Eight);
        QCOMPARE(game.form.kriel().CollisionsOn, qint16(0));

        // S reads the skin folder as it now stands, and a broken one ends the program.
        game.skin.setValue("Styles", "KrielShape", "6");
        game.key(KeyCodes::S);
        QCOMPARE(game.fake.dialogs.shown.last().title, QStringLiteral("Error"));
        QCOMPARE(game.fake.end.calls, 1);
    }

    // Where the window system shows a window's whole rectangle (Wayland), the window is made
    // translucent, here by hand, and is drawn as that system shows it, whatever its mask. The
    // skin's colour for "no window here" must not show round it: all that lies outside the
    // outline (the bitmap's magenta corner and its rightmost column) stays fully transparent.
    void translucentWindowPaintsOnlyInsideItsOutline()
    {
        Game game;
        game.form.Show();
        QWidget* window = game.form.window();
        window->setAttribute(Qt::WA_OpaquePaintEvent, false);
        window->setAttribute(Qt::WA_TranslucentBackground);
        QImage shown(window->size(), QImage::Format_ARGB32_Premultiplied);
        shown.fill(Qt::transparent);
        window->render(&shown, {}, {}, QWidget::IgnoreMask);
        const QRegion outline = QRegion(0, 0, 59, 50) - QRegion(0, 49, 1, 1);
        QCOMPARE(window->mask(), outline);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                QVERIFY2(qAlpha(shown.pixel(x, y)) == (outline.contains(QPoint(x, y)) ? 255 : 0),
                         qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    }

    // X ends without saving; Q saves an unmoved window's edges exactly as they were given, and a
    // dragged one's where the drag put it. The screen has 15 twips a pixel across and 12 down.
    void windowKeepsItsPlaceUntilDraggedWithTheLeftButtonAlone()
    {
        Game game;
        game.fake.facts.twipsDown = 12;
        game.fake.settings.values["Config/WinX"] = "1500";
        game.fake.settings.values["Config/WinY"] = "3000.5";
        game.form.Show();
        QCOMPARE(game.form.window()->pos(), QPoint(100, 250));
        // Moved by the window system, it is where that put it; a drag goes on from where it was.
        game.form.window()->move(50, 60);
        QCOMPARE(game.form.position(), QPointF(750, 720));
        game.key(KeyCodes::X);
        QCOMPARE(game.fake.end.calls, 1);
        QVERIFY(game.fake.settings.writes.isEmpty());

        // Gripped 10, 8 pixels into the window, then moved 20 right and 5 up.
        game.form.Form_MouseDown(QPointF(10, 8));
        const QPointF target(130, 253);
        game.form.Form_MouseMove(Qt::RightButton, target);
        game.form.Form_MouseMove(Qt::LeftButton | Qt::RightButton, target);
        QCOMPARE(game.form.window()->pos(), QPoint(50, 60));
        game.form.Form_MouseMove(Qt::LeftButton, target);
        QCOMPARE(game.form.window()->pos(), QPoint(120, 245));

        // A press with another button still takes the grip point.
        game.form.Form_MouseDown(QPointF(0, 0));
        game.form.Form_MouseMove(Qt::LeftButton, QPointF(120, 245));
        game.key(KeyCodes::Q);
        QCOMPARE(game.fake.settings.values["Config/WinX"], QStringLiteral("1800"));
        QCOMPARE(game.fake.settings.values["Config/WinY"], QStringLiteral("2940.5"));
    }

    // Default lacks a required key, Missing is no folder, and each path-like name names the
    // Default skin through a path ("" stands for an absolute one): none is loaded.
    void brokenOrMissingSkinIsReportedAndEndsTheProgram()
    {
        for (QString name :
             {"Default", "Missing", "../Skins/Default", "./Default", "..", " ", ""}) {
            Game game;
            if (name == "Default")
                game.skin.removeValue("Styles", "FontSize");
            if (name.isEmpty())
                name = game.skin.skinPath();
            game.fake.settings.values["Config/Skin"] = name;
            game.form.Show();
            QCOMPARE(game.fake.dialogs.shown.size(), 1);
            QCOMPARE(game.fake.dialogs.shown[0].prompt,
                     QString("There was an error loading the skin.  Please select a new skin. [%1]")
                         .arg(game.fake.facts.folder + "/Skins/" + name));
            QCOMPARE(game.fake.dialogs.shown[0].title, QStringLiteral("Error"));
            if (name != "Default")  // one found is read until it fails; one not found, not at all
                QCOMPARE(game.form.look().width, layoutLook().width);
            // Under the box stands the skin's bitmap when it was read, else the layout's picture.
            QCOMPARE(game.form.look().picture == playWindowPlaceholder(), name != "Default");
            QCOMPARE(game.fake.settings.writes,
                     QStringList({"Config/WinX=200", "Config/WinY=200"}));
            QCOMPARE(game.fake.end.calls, 1);
        }
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
        QCOMPARE(game.form.board().shprect.left, 120.0f);
        mine.setValue("Positions", "PlayAreaX", "10");
        game.key(KeyCodes::S);
        QCOMPARE(game.form.board().shprect.left, 150.0f);
        QVERIFY(game.fake.dialogs.shown.isEmpty());
        // A game asleep wakes when the play area it stands in moves away from the head.
        game.fake.timers.tick();
        QVERIFY(!game.fake.timers.anyRunning());
        mine.setValue("Positions", "PlayAreaX", "0");
        mine.setValue("Ratio", "SizeRatio", "0.5");
        game.key(KeyCodes::S);
        QVERIFY(game.fake.timers.tick());
        QCOMPARE(game.gameOver.shown, 1);
    }

    // S reads the skin again: the head and the cells made after it take its new look, the cells
    // made before keep theirs.
    void reloadedSkinStylesOnlyTheCellsMadeAfterIt()
    {
        Game game;
        game.placeNextGame({5, 9}, {4, 9});
        game.form.Show();
        game.key(KeyCodes::Right);
        for (int i : {7, 9})  // the food after the first
            game.fake.random.scripted.push_back(SeededRandom::pickIndex(i));
        game.fake.timers.tick();
        const Color before = game.form.look().cell.fillColor;
        game.skin.setValue("Colors", "KrielR", "200");
        game.key(KeyCodes::S);
        game.fake.timers.tick();
        game.fake.timers.tick();
        const PlayLook& look = game.form.look();
        QCOMPARE(game.form.board().shpkriel.size(), std::size_t(3));
        QCOMPARE(look.cellLook(0).fillColor.red(), 200);
        QCOMPARE(look.cellLook(1).fillColor, before);
        QCOMPARE(look.cellLook(2).fillColor.red(), 200);
    }

    void wholeGameThroughTheRealWindow_data()
    {
        QTest::addColumn<QString>("setting");  // for on-top and sounds alike; only "1" is on
        for (const char* setting : {"1", "0", "x", ""})
            QTest::addRow("'%s'", setting) << QString(setting);
    }

    // A game on the shipped skin, driven by key presses on the real widget, to its death and the
    // next game.
    void wholeGameThroughTheRealWindow()
    {
        QFETCH(QString, setting);
        Game game;
        game.fake.settings.values["Config/OnTop"] = game.fake.settings.values["Config/Sounds"] =
            setting;
        game.menu.settings = GameplaySettings::read(game.fake.settings);
        game.fake.facts.folder = QStringLiteral(KRIEL_DATA_DIR);
        game.placeNextGame({9, 4}, {9, 9});
        game.form.Show();
        QPointer<QWidget> window = game.form.window();
        const bool on = setting == "1";
        QCOMPARE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        const QString folder = game.fake.facts.folder;
        const QStringList all{folder + "/eat.WAV", folder + "/die.WAV", folder + "/hiscore.WAV"};
        QCOMPARE(game.fake.sound.prepared, on ? all : QStringList());

        // Up to the food, then left.
        QTest::keyClick(window, Qt::Key_Up);
        for (int i = 0; i < 5; ++i)
            game.fake.timers.tick();
        QTest::keyClick(window, Qt::Key_Left);
        game.fake.timers.tick();

        // The game sleeps while the pause box waits, the kriel standing in its ring.
        const TwipsRect before = game.head();
        game.fake.dialogs.whileOpen = [&] { QVERIFY(!game.fake.timers.tick()); };
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
        game.fake.dialogs.whileOpen = [&] {
            for (int ticks = 0; game.form.isLoaded() && ticks < 100; ++ticks)
                game.fake.timers.tick();
        };
        QTest::keyClick(window, Qt::Key_8);
        QCOMPARE(game.gameOver.shown, 1);
        QCOMPARE(game.form.GameOver, qint16(-1));
        const int eaten = game.form.FinalScore / 6;
        QVERIFY(eaten >= 1 && game.form.FinalScore == eaten * 6);
        QCOMPARE(game.fake.settings.writes, QStringList({"Config/WinX=200", "Config/WinY=200"}));
        const QStringList sounds = QStringList(eaten, folder + "/eat.WAV") << folder + "/die.WAV";
        QCOMPARE(game.fake.sound.played, on ? sounds : QStringList());
        QVERIFY(!game.fake.timers.anyRunning());
        for (int code : {KeyCodes::X, KeyCodes::Q, KeyCodes::P})
            game.key(code);
        QCOMPARE(game.fake.end.calls, 0);
        QCOMPARE(game.gameOver.shown, 1);
        QCOMPARE(game.form.kriel().Paused, qint16(0));

        // The widget outlives the event that ended the game; the program, the last window.
        QVERIFY(window && !window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        QCOMPARE(game.fake.quits, 0);
        QCoreApplication::processEvents();
        QCOMPARE(game.fake.quits, 1);

        // The next game, as the start menu begins it, starts afresh with its collision tests on,
        // and stands still until its first arrow whatever the last one was doing.
        game.form.Show();
        game.form.GameOver = 0;
        QCOMPARE(game.form.kriel().CollisionsOn, qint16(1));
        QCOMPARE(game.form.board().shpkriel.size(), std::size_t(1));
        const TwipsRect start = game.head();
        game.fake.timers.tick();
        QVERIFY(game.form.isLoaded());
        QCOMPARE(game.head(), start);
    }

    void desktopsRequestEndsAsTheCloseBoxDoes_data()
    {
        QTest::addColumn<bool>("playing");
        QTest::addColumn<int>("key");  // pressed before the request; 0 for none
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<int>("boxes");  // those open when the request came
        const QStringList dragged{"Config/WinX=1805", "Config/WinY=3305"};
        QTest::newRow("no game") << false << 0 << QStringList() << 0;
        QTest::newRow("in play") << true << 0 << dragged << 0;
        QTest::newRow("under the pause box") << true << int(KeyCodes::P) << dragged << 1;
        QTest::newRow("under the code box") << true << int(KeyCodes::Eight) << dragged << 1;
        // Saved once, when the game ended.
        QTest::newRow("at the game-over dialog") << true << int(KeyCodes::Q) << dragged << 0;
    }

    // The desktop's request to end saves a dragged window's place, asks nothing, and ends the
    // program, whatever box is open.
    void desktopsRequestEndsAsTheCloseBoxDoes()
    {
        QFETCH(bool, playing);
        QFETCH(int, key);
        QFETCH(QStringList, saved);
        QFETCH(int, boxes);
        Game game;
        bool delivered = false;
        game.fake.dialogs.whileOpen = [&] {
            delivered = true;
            game.fake.endRequests.deliver();
        };
        if (playing) {
            game.form.Show();
            game.form.Form_MouseDown(QPointF(0, 0));
            game.form.Form_MouseMove(Qt::LeftButton, QPointF(120, 220));
        }
        if (key != 0)
            game.key(key);
        if (!delivered)
            game.fake.endRequests.deliver();
        QCOMPARE(game.fake.settings.writes, saved);
        QCOMPARE(game.fake.end.calls, 1);
        QCOMPARE(game.fake.dialogs.shown.size(), boxes);
        QCOMPARE(game.gameOver.shown, key == KeyCodes::Q ? 1 : 0);
        QVERIFY(!game.form.isLoaded());
    }

    void shapesDrawTheirFiguresAndOutlines()
    {
        using enum ShapeCode;
        using enum BorderStyle;
        // Whether the corner and the middle of the sides are filled, or mostly so where a round
        // edge blends in; on the 16 × 12 cell the square figures are 12 × 12 and centred.
        const auto isFill = [](QRgb pixel) { return qGreen(pixel) > 150 && qRed(pixel) < 60; };
        const std::tuple<ShapeCode, bool, bool> figures[] = {
            {Rectangle, true, true}, {Square, false, false},          {Oval, false, true},
            {Circle, false, false},  {RoundedRectangle, false, true}, {RoundedSquare, false, false},
        };
        for (auto [code, cornerFilled, sidesFilled] : figures) {
            const QImage image = paint(sceneWithHead(code, Transparent));
            QCOMPARE(image.pixel(18, 16), rgb(Fill));
            QCOMPARE(isFill(image.pixel(10, 10)), cornerFilled);
            QCOMPARE(isFill(image.pixel(10, 16)), sidesFilled);
        }

        // How many of the top edge's 16 pixels the outline takes; the fill has the rest.
        const std::tuple<BorderStyle, int, int> outlines[] = {
            {Transparent, 0, 0}, {Solid, 16, 16},       {Dash, 6, 14},
            {Dot, 4, 12},        {InsideSolid, 16, 16},
        };
        for (auto [style, fewest, most] : outlines) {
            const QImage image = paint(sceneWithHead(Rectangle, style, 16));
            const QRgb* top = reinterpret_cast<const QRgb*>(image.constScanLine(10));
            const int border = int(std::count(top, top + 40, rgb(Border)));
            QVERIFY2(border >= fewest && border <= most, qPrintable(QString::number(border)));
            QCOMPARE(border + std::count(top, top + 40, rgb(Fill)), 16);
        }
    }

    // Back to front: the notifier's ring, the play area, the kriel from its tail, and the food.
    // The score, beside them, is text set from its top-left corner.
    void layersAreDrawnBackToFrontAndTheScoreFromItsCorner()
    {
        Scene scene = sceneWithHead(ShapeCode::Rectangle, BorderStyle::Transparent, 16);
        ShowNotifier(scene.board);
        scene.board.shprect = {150, 150, 30 * 15, 30 * 15};
        // The tail half under the head, as a new tail lies at first; made before the head took
        // its look, it keeps the look before.
        scene.board.shpkriel.push_back(scene.board.head());
        scene.board.shpkriel.back().left += 8 * 15;
        scene.look.cell.fillColor = Border;
        scene.look.keepCellLooks(2);
        scene.look.cell.fillColor = Fill;
        scene.board.shpfood = {14 * 15, 14 * 15, 8 * 15, 8 * 15};
        scene.look.food = QImage(4, 4, QImage::Format_RGB32);
        scene.look.food.fill(Qt::magenta);
        const QImage image = paint(scene);

        for (QPoint p : {QPoint(8, 8), QPoint(9, 18), QPoint(18, 27), QPoint(27, 27)})
            QCOMPARE(image.pixel(p), rgb(scene.look.notifier.backColor));
        QCOMPARE(image.pixel(10, 27), rgb(scene.look.playArea.borderColor));
        for (QPoint p : {QPoint(10, 10), QPoint(25, 25), QPoint(24, 12)})
            QCOMPARE(image.pixel(p), rgb(Fill));
        QCOMPARE(image.pixel(30, 10), rgb(Border));
        QCOMPARE(image.pixel(18, 18), qRgb(255, 0, 255));
        QCOMPARE(image.pixel(7, 7), rgb(Background));

        // In its colour, sized by the height of a pixel alone: here 15 twips across and 12 down.
        const PixelScale scale{15, 12};
        QImage expected = paint(scene, scale, {80, 40});
        scene.board.score = 88;
        scene.look.scoreLeft = 45 * 15;
        scene.look.scoreTop = 5 * 12;
        scene.look.scoreFont = {"Arial", 18, false};
        scene.look.scoreColor = Border;
        QPainter painter(&expected);
        painter.setFont(layoutFont(scene.look.scoreFont, 12));
        painter.setPen(QColor(rgb(Border)));
        painter.drawText(QRect(45, 5, 40, 40), Qt::AlignLeft | Qt::AlignTop, "88");
        painter.end();
        QCOMPARE(paint(scene, scale, {80, 40}), expected);
    }

    // Repainting only the changed area over the last picture must give exactly the picture a
    // whole repaint gives, tick after tick: moving, turning, eating, growing, the notifier going,
    // a pause, and the score widening.
    void repaintingWhatChangedGivesTheWholePicture()
    {
        Scene scene;
        const SkinRead read = readSkin(KRIEL_DATA_DIR "/Skins/Default", {}, layoutLook());
        QVERIFY(!read.error);
        scene.look = read.skin.look;
        read.skin.grid.applyTo(scene.board);
        SeededRandom random;
        // Food at (4, 9), head at (9, 9); the next food at (4, 6).
        for (int i : {4, 9, 9, 9, 4, 6})
            random.scripted.push_back(SeededRandom::pickIndex(i));
        KrielState kriel;
        NewGame(scene.board, kriel, random);
        ShowNotifier(scene.board);

        const PixelScale scale;
        const QSize window(scale.pixelX(scene.look.width), scale.pixelY(scene.look.height));
        QImage shown = paint(scene, scale, window);
        const Heading moves[] = {Heading::Left, Heading::Left, Heading::Left,  Heading::Left,
                                 Heading::Left, Heading::Left, Heading::Up,    Heading::Up,
                                 Heading::Up,   Heading::Up,   Heading::Right, Heading::Right,
                                 Heading::Down};
        int tick = 0;
        for (Heading heading : moves) {
            kriel.Direction = heading;
            kriel.Paused = tick == 8 ? 1 : 0;
            const Board before = scene.board;
            Tick(scene.board, kriel, 6, random);
            if (tick == 9)
                scene.board.score = 1206;
            const QRegion changed = changedArea(before, scene.board, scene.look, scale);
            {
                QPainter painter(&shown);
                painter.setClipRegion(changed);
                paintScene(painter, scene.board, scene.look, scale, changed);
            }
            QVERIFY2(shown == paint(scene, scale, window),
                     qPrintable(QString("tick %1").arg(tick)));
            if (tick == 7) {
                // A skin loaded again in another colour: the cells made before keep theirs, and
                // the head's new look moves down the kriel as it grows.
                scene.look.keepCellLooks(scene.board.shpkriel.size());
                scene.look.cell.fillColor = Color::fromRgb(255, 0, 255);
                shown = paint(scene, scale, window);
            }
            ++tick;
        }
        QCOMPARE(scene.board.shpkriel.size(), std::size_t(3));  // it ate on the way, twice
    }

    // Cells 12.5 pixels wide and high tile the grid with neither gaps nor overlaps, each edge on
    // its nearest pixel; the screen has 15 twips a pixel across and 12 down.
    void fractionalCellsTileTheGrid()
    {
        const PixelScale scale{15, 12};
        QRegion covered;
        for (int row = 0; row < 19; ++row)
            for (int column = 0; column < 19; ++column) {
                const QRect cell =
                    scale.pixels({60 + column * 187.5f, 72 + row * 150.f, 187.5f, 150});
                QVERIFY(!covered.intersects(cell));
                covered += cell;
            }
        QCOMPARE(covered, QRegion(4, 6, 238, 238));
        QCOMPARE(scale.pixels({60, 72, 187.5f, 150}), QRect(4, 6, 13, 13));
        // Whatever a figure holds, its pixels fit an int: a million at most, and none for NaN.
        QCOMPARE(scale.pixelX(1e30f), 1'000'000);
        QCOMPARE(scale.pixelY(-1e30f), -1'000'000);
        QCOMPARE(scale.pixelX(qQNaN()), 0);
    }

    // Screens side by side, the left one from 0 to 1919, on a screen with 15 twips a pixel across
    // and 12 down: a 480 × 485 window (7200 × 5820 twips).
    void windowOpensWhereItWasUnlessNoScreenShowsIt()
    {
        const std::tuple<const char*, const char*, QPointF> places[] = {
            {"3000", "1500.5", {3000, 1500.5}},
            {"40000", "0", {40000, 0}},   // the second screen
            {"-7000", "0", {-7000, 0}},   // partly off the left
            {"0", "-5000", {0, -5000}},   // partly off the top
            {"-7200", "0", {200, 200}},   // wholly off the left
            {"0", "13000", {200, 200}},   // below every screen
            {"57600", "0", {200, 200}},   // past the second screen
            {"left", "900", {200, 900}},  // not a number
            {"", "", {200, 200}},
        };
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)};
        for (const auto& [winX, winY, expected] : places) {
            const WindowPlace place =
                WindowPlace::remembered(winX, winY, 7200, 5820, PixelScale{15, 12}, screens);
            QCOMPARE(QPointF(place.left, place.top), expected);
        }
    }

    // Scan codes as X11 gives them: a key's code follows the key, not the character it types.
    // Qt gives a Cyrillic or Greek letter key its capital's code point as key().
    void keyCodeFollowsTheKeyPressed_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<int>("code");
        const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
        QTest::newRow("left arrow") << int(Qt::Key_Left) << none << 113u << 37;
        QTest::newRow("shifted 8, *") << int(Qt::Key_Asterisk) << shift << 17u << 56;
        QTest::newRow("keypad 8") << int(Qt::Key_8) << keypad << 80u << 0;
        QTest::newRow("F1") << int(Qt::Key_F1) << none << 67u << 0;
        QTest::newRow("Russian P place, З") << 0x0417 << none << 33u << 80;
        QTest::newRow("Russian Q place, Й") << 0x0419 << none << 24u << 81;
        QTest::newRow("Russian X place, Ч") << 0x0427 << none << 53u << 88;
        QTest::newRow("Russian S place, Ы") << 0x042B << none << 39u << 83;
        QTest::newRow("Greek Q place, ;") << int(Qt::Key_Semicolon) << none << 24u << 81;
        QTest::newRow("Greek P place, Π") << 0x03A0 << none << 33u << 80;
        QTest::newRow("Hebrew S place, ד") << 0x05D3 << none << 39u << 83;
        QTest::newRow("Greek, no letter place") << int(Qt::Key_Apostrophe) << none << 48u << 0;
        QTest::newRow("AZERTY Q place, A") << int(Qt::Key_A) << none << 24u << 65;
        QTest::newRow("AZERTY A place, Q") << int(Qt::Key_Q) << none << 38u << 81;
        QTest::newRow("German Y place, Z") << int(Qt::Key_Z) << none << 29u << 90;
        QTest::newRow("Latin é at a letter place") << int(Qt::Key_Eacute) << none << 39u << 0;
    }

    void keyCodeFollowsTheKeyPressed()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(uint, scanCode);
        QFETCH(int, code);
        QCOMPARE(keyCodeOf(QKeyEvent(QEvent::KeyPress, key, modifiers, scanCode, 0, 0)), code);
    }
};

QTEST_MAIN(PlayWindowTest)
#include "tst_playwindow.moc"
