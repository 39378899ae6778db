#include "engine/Food.h"
#include "engine/Keys.h"
#include "engine/NewGame.h"
#include "engine/Score.h"
#include "engine/Tick.h"
#include "support/FakePlatform.h"

#include <QTest>
#include <QVector2D>

char* toString(const KeyEffect& e)
{
    return QTest::toString(QString("action %1, heading %2").arg(int(e.action)).arg(int(e.heading)));
}

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

    // Each cell takes the place of the one ahead; food eaten adds its points and a new tail cell,
    // laid first on the head's cell.
    void bodyFollowsTheHeadAndGrowsByEating()
    {
        const std::pair<Heading, QVector2D> moves[] = {
            {Right, {6, 5}}, {Left, {4, 5}}, {Up, {5, 4}}, {Down, {5, 6}}};
        for (auto [heading, head] : moves) {
            PlayWindowScene scene = board({{5, 5}, {4, 5}, {4, 6}});
            moveKriel(scene, heading);
            QCOMPARE(krielOf(scene), (Cells{head, {5, 5}, {4, 5}}));
        }

        PlayWindowScene scene = board({{5, 7}, {4, 7}, {3, 7}}, {6, 7});
        scene.lblfoodcount.caption = "36";
        QCOMPARE(Tick(scene, {Right, 0, 1}, 6, random), (TickResult{true, false}));
        QCOMPARE(krielOf(scene), (Cells{{6, 7}, {5, 7}, {4, 7}, {6, 7}}));
        QCOMPARE(scene.lblfoodcount.caption, "42");
        QCOMPARE(Tick(scene, {Right, 0, 1}, 6, random), (TickResult{false, false}));
        QCOMPARE(krielOf(scene), (Cells{{7, 7}, {6, 7}, {5, 7}, {4, 7}}));
    }

    // The kriel, its heading and whether it dies; with the collision tests off it never does.
    void headOutsideAreaOrOnBodyEndsGameWhileCollisionsOn()
    {
        const std::tuple<const char*, Cells, Heading, bool> moves[] = {
            {"right from column 18", {{18, 5}}, Right, true},
            {"left from column 0", {{0, 5}}, Left, true},
            {"up from row 0", {{5, 0}}, Up, true},
            {"down from row 18", {{5, 18}}, Down, true},
            {"into the bottom-right cell", {{17, 18}}, Right, false},
            {"into the top-left cell", {{1, 0}}, Left, false},
            // The right-hand wall asks for exact equality with the first column outside.
            {"off grid, right", {{18.5, 5}}, Right, false},
            {"off grid, left", {{0.5, 5}}, Left, true},
            {"off grid, down", {{5, 18.5}}, Down, true},
            {"own body", {{5, 5}, {5, 6}, {6, 6}, {6, 5}, {6, 4}}, Right, true},
            {"straight back", {{5, 7}, {4, 7}, {3, 7}}, Left, true},
            {"tail moves away", {{5, 5}, {5, 6}, {6, 6}, {6, 5}}, Right, false},
            {"standing with a body", {{3, 3}, {2, 3}}, None, true},
        };
        for (const auto& [name, kriel, heading, died] : moves) {
            PlayWindowScene scene = board(kriel);
            QVERIFY2(Tick(scene, {heading, 0, 1}, 4, random).died == died, name);
            PlayWindowScene unchecked = board(kriel);
            QVERIFY2(!Tick(unchecked, {heading, 0, 0}, 4, random).died, name);
        }
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

    // The score is kept as text while playing; only the final score is held to 16 bits.
    void scoreGrowsByPointsPerFoodAndEndsHeldAt16Bits()
    {
        QCOMPARE(scoreAfterEating("16", 8), "24");
        const std::pair<const char*, qint16> finals[] = {
            {"36", 36}, {"32767", 32767}, {"32768", 32767}, {"-32768", -32768}, {"-32769", -32768}};
        for (auto [caption, score] : finals)
            QCOMPARE(finalScore(caption), score);
    }

    // Only the exact opposite of the stored heading is refused: any arrow starts a standing kriel.
    void everyKeyActsButAnArrowStraightBack()
    {
        const std::tuple<int, Heading, Heading> arrows[] = {
            {37, Left, Right}, {38, Up, Down}, {39, Right, Left}, {40, Down, Up}};
        for (auto [code, heading, opposite] : arrows) {
            QCOMPARE(keyEffect(code, opposite), KeyEffect{});
            QCOMPARE(keyEffect(code, None), (KeyEffect{KeyAction::Steer, heading}));
        }
        QCOMPARE(keyEffect(80, Left), KeyEffect{KeyAction::TogglePause});
        QCOMPARE(keyEffect(88, None), KeyEffect{KeyAction::EndProgram});
        QCOMPARE(keyEffect(81, Up), KeyEffect{KeyAction::KillKriel});
        QCOMPARE(keyEffect(56, Down), KeyEffect{KeyAction::HiddenCode});
        QCOMPARE(keyEffect(83, Right), KeyEffect{KeyAction::ReloadSkin});
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
