#include "rules/Food.h"
#include "rules/Keys.h"
#include "rules/NewGame.h"
#include "rules/Score.h"
#include "rules/Tick.h"
#include "support/SeededRandom.h"

#include <QPointF>
#include <QTest>

char* toString(const KeyEffect& e)
{
    return QTest::toString(QString("action %1, heading %2").arg(int(e.action)).arg(int(e.heading)));
}

class RulesTest : public QObject {
    Q_OBJECT

    using enum Heading;
    SeededRandom random;

    // (column, row) of a 19 × 19 grid at (960, 840), 225 twips a step; fractions lie off it.
    using Cells = QList<QPointF>;

    TwipsRect rectOf(QPointF c)
    {
        return {float(960 + c.x() * 225), float(840 + c.y() * 225), 225, 225};
    }
    QPointF cellOf(const TwipsRect& r) { return {(r.left - 960) / 225.0, (r.top - 840) / 225.0}; }

    Board board(const Cells& kriel, QPointF food = {-3, -3})
    {
        Board board;
        board.shprect = {960, 840, 19 * 225, 19 * 225};
        for (QPointF cell : kriel)
            board.shpkriel.push_back(rectOf(cell));
        board.shpfood = rectOf(food);
        return board;
    }

    Cells krielOf(const Board& board)
    {
        Cells cells;
        for (const TwipsRect& cell : board.shpkriel)
            cells.append(cellOf(cell));
        return cells;
    }

    // A kriel whose head is at (0, 0) and whose body holds every cell but `free`.
    Cells krielFilling(const Cells& free)
    {
        Cells cells{{0, 0}};
        for (int i = 0; i < 19 * 19; ++i)
            if (!free.contains(QPointF(i % 19, i / 19)))
                cells.append(QPointF(i % 19, i / 19));
        return cells;
    }

private slots:
    void init() { random = SeededRandom(); }

    // Each cell takes the place of the one ahead; food eaten adds its points and a new tail cell,
    // laid first on the head's cell.
    void bodyFollowsTheHeadAndGrowsByEating()
    {
        const std::pair<Heading, QPointF> moves[] = {
            {Right, {6, 5}}, {Left, {4, 5}}, {Up, {5, 4}}, {Down, {5, 6}}};
        for (auto [heading, head] : moves) {
            Board b = board({{5, 5}, {4, 5}, {4, 6}});
            moveKriel(b, heading);
            QCOMPARE(krielOf(b), (Cells{head, {5, 5}, {4, 5}}));
        }

        Board b = board({{5, 7}, {4, 7}, {3, 7}}, {6, 7});
        b.score = 36;
        QCOMPARE(Tick(b, {Right, 0, 1}, 6, random), (TickResult{true, false}));
        QCOMPARE(krielOf(b), (Cells{{6, 7}, {5, 7}, {4, 7}, {6, 7}}));
        QCOMPARE(b.score, 42);
        QCOMPARE(Tick(b, {Right, 0, 1}, 6, random), (TickResult{false, false}));
        QCOMPARE(krielOf(b), (Cells{{7, 7}, {6, 7}, {5, 7}, {4, 7}}));
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
            Board b = board(kriel);
            QVERIFY2(Tick(b, {heading, 0, 1}, 4, random).died == died, name);
            Board unchecked = board(kriel);
            QVERIFY2(!Tick(unchecked, {heading, 0, 0}, 4, random).died, name);
        }
    }

    // The notifier stays up through a pause with a heading; with none the tick leaves it alone.
    void pauseStopsOnlyTheMove()
    {
        Board b = board({{4, 4}, {3, 4}}, {4, 4});
        b.notifierShown = false;
        QCOMPARE(Tick(b, {Right, 1, 1}, 6, random), (TickResult{true, false}));
        QCOMPARE(krielOf(b), (Cells{{4, 4}, {3, 4}, {4, 4}}));
        QVERIFY(b.notifierShown);
        Tick(b, {Right, 0, 1}, 6, random);
        QVERIFY(!b.notifierShown);
        for (bool shown : {false, true}) {
            b.notifierShown = shown;
            Tick(b, {None, 1, 1}, 6, random);
            QCOMPARE(b.notifierShown, shown);
        }
    }

    // A game may sleep only where a tick would change nothing. At every heading, pause, length,
    // place and notifier state, a board judged idle comes out of a tick as it went in; and the
    // two waits a player makes (before the first arrow, and paused) are judged idle.
    void aBoardJudgedIdleIsOneATickLeavesAlone()
    {
        const Cells kriels[] = {{{5, 5}},         {{0, 0}},         {{18, 5}}, {{-1, 3}},
                                {{5, 5}, {4, 5}}, {{5, 5}, {5, 5}}, {{9, 9}}};
        int idle = 0;
        for (Heading heading : {None, Left, Up, Right, Down})
            for (qint16 paused : {0, 1})
                for (qint16 collisions : {0, 1})
                    for (bool shown : {false, true})
                        for (const Cells& kriel : kriels) {
                            Board b = board(kriel, {9, 9});
                            b.notifierShown = shown;
                            const KrielState state{heading, paused, collisions};
                            if (!tickChangesNothing(b, state))
                                continue;
                            ++idle;
                            Board after = b;
                            QCOMPARE(Tick(after, state, 6, random), TickResult{});
                            QVERIFY(after == b);
                        }
        QVERIFY(idle > 0);
        for (bool shown : {false, true}) {
            Board b = board({{5, 5}}, {9, 9});
            b.notifierShown = shown;
            QVERIFY(tickChangesNothing(b, {None, 0, 1}));
            b.shpkriel.push_back(rectOf({4, 5}));
            b.notifierShown = true;
            QVERIFY(tickChangesNothing(b, {Right, 1, 1}));
            QVERIFY(!tickChangesNothing(b, {Right, 0, 1}));
        }
    }

    // The free cells lie far apart, so that a fallback favouring cells near the draw would show.
    void foodGoesEvenlyToFreeCellsUntilNoneIsLeft()
    {
        const Cells free{{5, 0}, {6, 0}, {12, 18}};
        Board b = board(krielFilling(free));
        QMap<qsizetype, int> counts;
        for (int i = 0; i < 3000; ++i) {
            QVERIFY(PlaceFood(b, random));
            ++counts[free.indexOf(cellOf(b.shpfood))];
        }
        QCOMPARE(counts.keys(), (QList<qsizetype>{0, 1, 2}));
        for (int count : counts)
            QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));

        // Paused, so that the kriel covering all but the food's cell stays put while it eats.
        b = board(krielFilling({{0, 0}}), {0, 0});
        QCOMPARE(Tick(b, {Right, 1, 1}, 4, random), (TickResult{true, true}));
        QVERIFY(!PlaceFood(b, random));
        QCOMPARE(cellOf(b.shpfood), QPointF(0, 0));

        // A body cell off the grid holds no cell, not even the one its index would wrap onto.
        const std::pair<QPointF, QPointF> offGrid[] = {
            {{19, 0}, {0, 1}}, {{-1, 1}, {18, 0}}, {{3.5, 2}, {4, 2}}, {{0, -1}, {0, 0}}};
        for (const auto& [off, free] : offGrid) {
            Cells kriel = krielFilling({free});
            kriel.append(off);
            b = board(kriel);
            QVERIFY(PlaceFood(b, random));
            QCOMPARE(cellOf(b.shpfood), free);
        }
    }

    void newGameResetsBoardButNotHeadingOrPause()
    {
        Board b = board({{1, 1}}, {2, 2});
        b.score = 36;
        KrielState state{Left, 1, 0};
        for (int index : {0, 18, 18, 0})
            random.scripted.push_back(SeededRandom::pickIndex(index));
        NewGame(b, state, random);
        QCOMPARE(b.score, 0);
        QCOMPARE(cellOf(b.shpfood), QPointF(0, 18));
        QCOMPARE(krielOf(b), (Cells{{18, 0}}));
        QCOMPARE(state, (KrielState{Left, 1, 1}));
    }

    // Only the final score is held to 16 bits.
    void finalScoreIsHeldAt16Bits()
    {
        const std::pair<qint64, qint16> finals[] = {
            {36, 36}, {32767, 32767}, {32768, 32767}, {-32768, -32768}, {-32769, -32768}};
        for (auto [score, final] : finals)
            QCOMPARE(finalScore(score), final);
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
