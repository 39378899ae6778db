#include "engine/Food.h"
#include "engine/NewGame.h"
#include "engine/Score.h"
#include "engine/Tick.h"
#include "engine/WindowPlace.h"
#include "support/FakePlatform.h"

#include <QTest>
#include <QVector2D>

class RulesTest : public QObject {
    Q_OBJECT

    using enum Heading;
    SeededRandom random;

    // (column, row) of a 19 × 19 grid at (960, 840), 225 twips a step; fractions lie off it.
    using Cells = QList<QVector2D>;

    TwipsRect rectOf(QVector2D c) { return {960 + c.x() * 225, 840 + c.y() * 225, 225, 225}; }
    QVector2D cellOf(const TwipsRect& r) { return {(r.left - 960) / 225, (r.top - 840) / 225}; }

    PlayWindowScene board(const Cells& kriel, QVector2D food = {-3, -3})
    {
        PlayWindowScene scene = playWindowLayout();
        scene.shprect.bounds = {960, 840, 19 * 225, 19 * 225};
        scene.shpkriel.resize(kriel.size(), scene.head());
        for (qsizetype i = 0; i < kriel.size(); ++i)
            scene.shpkriel[i].bounds = rectOf(kriel[i]);
        scene.shpfood.bounds = rectOf(food);
        return scene;
    }

    Cells krielOf(const PlayWindowScene& scene)
    {
        Cells cells;
        for (const Shape& cell : scene.shpkriel)
            cells.append(cellOf(cell.bounds));
        return cells;
    }

    // A kriel whose head is at (0, 0) and whose body holds every cell but `free`.
    Cells krielFilling(const Cells& free)
    {
        Cells cells{{0, 0}};
        for (int i = 0; i < 19 * 19; ++i)
            if (!free.contains(QVector2D(i % 19, i / 19)))
                cells.append(QVector2D(i % 19, i / 19));
        return cells;
    }

private slots:
    void init() { random = SeededRandom(); }

    void bodyTakesPlaceOfCellAhead()
    {
        const std::pair<Heading, QVector2D> moves[] = {
            {Right, {6, 5}}, {Left, {4, 5}}, {Up, {5, 4}}, {Down, {5, 6}}};
        for (auto [heading, head] : moves) {
            PlayWindowScene scene = board({{5, 5}, {4, 5}, {4, 6}});
            moveKriel(scene, heading);
            QCOMPARE(krielOf(scene), (Cells{head, {5, 5}, {4, 5}}));
        }
    }

    void eatingAddsPointsAndACellAtTheTail()
    {
        PlayWindowScene scene = board({{5, 7}, {4, 7}, {3, 7}}, {6, 7});
        scene.lblfoodcount.caption = "36";
        QCOMPARE(Tick(scene, {Right, 0, 1}, 6, random), (TickResult{true, false}));
        QCOMPARE(krielOf(scene), (Cells{{6, 7}, {5, 7}, {4, 7}, {6, 7}}));
        QCOMPARE(scene.lblfoodcount.caption, "42");
        QCOMPARE(Tick(scene, {Right, 0, 1}, 6, random), (TickResult{false, false}));
        QCOMPARE(krielOf(scene), (Cells{{7, 7}, {6, 7}, {5, 7}, {4, 7}}));
    }

    void headOutsideAreaOrOnBodyEndsGameWhileCollisionsOn_data()
    {
        QTest::addColumn<Cells>("kriel");
        QTest::addColumn<Heading>("heading");
        QTest::addColumn<bool>("died");
        QTest::newRow("right from column 18") << Cells{{18, 5}} << Right << true;
        QTest::newRow("left from column 0") << Cells{{0, 5}} << Left << true;
        QTest::newRow("up from row 0") << Cells{{5, 0}} << Up << true;
        QTest::newRow("down from row 18") << Cells{{5, 18}} << Down << true;
        QTest::newRow("into the bottom-right cell") << Cells{{17, 18}} << Right << false;
        QTest::newRow("into the top-left cell") << Cells{{1, 0}} << Left << false;
        // The right-hand wall asks for exact equality with the first column outside.
        QTest::newRow("off grid, right") << Cells{{18.5, 5}} << Right << false;
        QTest::newRow("off grid, left") << Cells{{0.5, 5}} << Left << true;
        QTest::newRow("off grid, down") << Cells{{5, 18.5}} << Down << true;
        QTest::newRow("own body") << Cells{{5, 5}, {5, 6}, {6, 6}, {6, 5}, {6, 4}} << Right << true;
        QTest::newRow("straight back") << Cells{{5, 7}, {4, 7}, {3, 7}} << Left << true;
        QTest::newRow("tail moves away") << Cells{{5, 5}, {5, 6}, {6, 6}, {6, 5}} << Right << false;
        QTest::newRow("standing with a body") << Cells{{3, 3}, {2, 3}} << None << true;
    }

    void headOutsideAreaOrOnBodyEndsGameWhileCollisionsOn()
    {
        QFETCH(Cells, kriel);
        QFETCH(Heading, heading);
        QFETCH(bool, died);
        PlayWindowScene scene = board(kriel);
        QCOMPARE(Tick(scene, {heading, 0, 1}, 4, random).died, died);
        PlayWindowScene unchecked = board(kriel);
        QVERIFY(!Tick(unchecked, {heading, 0, 0}, 4, random).died);
    }

    // The notifier stays up through a pause with a heading; with none the tick leaves it alone.
    void pauseStopsOnlyTheMove()
    {
        PlayWindowScene scene = board({{4, 4}, {3, 4}}, {4, 4});
        scene.shpZip.visible = false;
        QCOMPARE(Tick(scene, {Right, 1, 1}, 6, random), (TickResult{true, false}));
        QCOMPARE(krielOf(scene), (Cells{{4, 4}, {3, 4}, {4, 4}}));
        QVERIFY(scene.shpZip.visible);
        Tick(scene, {Right, 0, 1}, 6, random);
        QVERIFY(!scene.shpZip.visible);
        for (bool shown : {false, true}) {
            scene.shpZip.visible = shown;
            Tick(scene, {None, 1, 1}, 6, random);
            QCOMPARE(scene.shpZip.visible, shown);
        }
    }

    // The free cells lie far apart, so that a fallback favouring cells near the draw would show.
    void foodGoesEvenlyToFreeCellsUntilNoneIsLeft()
    {
        const Cells free{{5, 0}, {6, 0}, {12, 18}};
        PlayWindowScene scene = board(krielFilling(free));
        QMap<qsizetype, int> counts;
        for (int i = 0; i < 3000; ++i) {
            QVERIFY(PlaceFood(scene, random));
            ++counts[free.indexOf(cellOf(scene.shpfood.bounds))];
        }
        QCOMPARE(counts.keys(), (QList<qsizetype>{0, 1, 2}));
        for (int count : counts)
            QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));

        // Paused, so that the kriel covering all but the food's cell stays put while it eats.
        scene = board(krielFilling({{0, 0}}), {0, 0});
        QCOMPARE(Tick(scene, {Right, 1, 1}, 4, random), (TickResult{true, true}));
        QVERIFY(!PlaceFood(scene, random));
        QCOMPARE(cellOf(scene.shpfood.bounds), QVector2D(0, 0));

        // A body cell off the grid holds no cell, not even the one its index would wrap onto.
        const std::pair<QVector2D, QVector2D> offGrid[] = {
            {{19, 0}, {0, 1}}, {{-1, 1}, {18, 0}}, {{3.5, 2}, {4, 2}}, {{0, -1}, {0, 0}}};
        for (const auto& [off, free] : offGrid) {
            Cells kriel = krielFilling({free});
            kriel.append(off);
            scene = board(kriel);
            QVERIFY(PlaceFood(scene, random));
            QCOMPARE(cellOf(scene.shpfood.bounds), free);
        }
    }

    void newGameResetsBoardButNotHeadingOrPause()
    {
        PlayWindowScene scene = board({{1, 1}}, {2, 2});
        scene.lblfoodcount.caption = "36";
        KrielState state{Left, 1, 0};
        for (int index : {0, 18, 18, 0})
            random.scripted.push_back(SeededRandom::pickIndex(index));
        NewGame(scene, state, random);
        QCOMPARE(scene.lblfoodcount.caption, "0");
        QCOMPARE(cellOf(scene.shpfood.bounds), QVector2D(0, 18));
        QCOMPARE(krielOf(scene), (Cells{{18, 0}}));
        QCOMPARE(state, (KrielState{Left, 1, 1}));
    }

    void scoreGrowsByPointsPerFoodAndEndsHeldAt16Bits()
    {
        QCOMPARE(scoreAfterEating("0", 4), "4");
        QCOMPARE(scoreAfterEating("16", 8), "24");
        QCOMPARE(finalScore("36"), qint16(36));
        QCOMPARE(finalScore("40000"), qint16(32767));
    }

    // Screens side by side, the left one from 0 to 1919; a 480 × 388 window (7200 × 5820 twips).
    void windowOpensWhereItWasUnlessNoScreenShowsIt_data()
    {
        QTest::addColumn<QString>("winX");
        QTest::addColumn<QString>("winY");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::newRow("remembered") << "3000"
                                    << "1500.5" << 3000.f << 1500.5f;
        QTest::newRow("on the second screen") << "40000"
                                              << "0" << 40000.f << 0.f;
        QTest::newRow("partly off the left") << "-7000"
                                             << "0" << -7000.f << 0.f;
        QTest::newRow("wholly off the left") << "-7200"
                                             << "0" << 200.f << 200.f;
        QTest::newRow("below every screen") << "0"
                                            << "16200" << 200.f << 200.f;
        QTest::newRow("past the second screen") << "57600"
                                                << "0" << 200.f << 200.f;
        QTest::newRow("not a number") << "left"
                                      << "900" << 200.f << 900.f;
        QTest::newRow("empty") << ""
                               << "" << 200.f << 200.f;
    }

    void windowOpensWhereItWasUnlessNoScreenShowsIt()
    {
        QFETCH(QString, winX);
        QFETCH(QString, winY);
        QFETCH(float, left);
        QFETCH(float, top);
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)};
        const WindowPlace place =
            WindowPlace::remembered(winX, winY, 7200, 5820, PixelScale{15, 15}, screens);
        QCOMPARE(place.left, left);
        QCOMPARE(place.top, top);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
