#include "engine/Keys.h"

#include <QKeyEvent>
#include <QTest>

char* toString(const KeyEffect& e)
{
    return QTest::toString(QString("action %1, heading %2").arg(int(e.action)).arg(int(e.heading)));
}

class KeysTest : public QObject {
    Q_OBJECT

    using enum Heading;

private slots:
    // Scan codes as X11 gives them: a key's code follows the key, not the character it types.
    void keyCodeFollowsTheKeyPressed()
    {
        const auto codeOf = [](int key, Qt::KeyboardModifiers modifiers, quint32 scanCode) {
            return keyCodeOf(QKeyEvent(QEvent::KeyPress, key, modifiers, scanCode, 0, 0));
        };
        QCOMPARE(codeOf(Qt::Key_Left, {}, 113), 37);
        QCOMPARE(codeOf(Qt::Key_P, Qt::ShiftModifier, 33), 80);
        QCOMPARE(codeOf(Qt::Key_8, {}, 17), 56);
        QCOMPARE(codeOf(Qt::Key_Asterisk, Qt::ShiftModifier, 17), 56);
        QCOMPARE(codeOf(Qt::Key_8, Qt::KeypadModifier, 80), 0);
        QCOMPARE(codeOf(Qt::Key_F1, {}, 67), 0);
    }

    // Qt gives a Cyrillic or Greek letter key its capital's code point as key().
    void lettersOfOtherScriptsCountByTheirPlace_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<int>("code");
        QTest::newRow("Russian P place, З") << 0x0417 << 33u << 80;
        QTest::newRow("Russian Q place, Й") << 0x0419 << 24u << 81;
        QTest::newRow("Russian X place, Ч") << 0x0427 << 53u << 88;
        QTest::newRow("Russian S place, Ы") << 0x042B << 39u << 83;
        QTest::newRow("Greek Q place, ;") << int(Qt::Key_Semicolon) << 24u << 81;
        QTest::newRow("Greek P place, Π") << 0x03A0 << 33u << 80;
        QTest::newRow("Hebrew S place, ד") << 0x05D3 << 39u << 83;
        QTest::newRow("Greek, no letter place") << int(Qt::Key_Apostrophe) << 48u << 0;
        QTest::newRow("AZERTY Q place, A") << int(Qt::Key_A) << 24u << 65;
        QTest::newRow("AZERTY A place, Q") << int(Qt::Key_Q) << 38u << 81;
        QTest::newRow("German Y place, Z") << int(Qt::Key_Z) << 29u << 90;
        QTest::newRow("a Latin letter at a letter place") << int(Qt::Key_Eacute) << 39u << 0;
    }

    void lettersOfOtherScriptsCountByTheirPlace()
    {
        QFETCH(int, key);
        QFETCH(uint, scanCode);
        QFETCH(int, code);
        QCOMPARE(keyCodeOf(QKeyEvent(QEvent::KeyPress, key, {}, scanCode, 0, 0)), code);
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

QTEST_GUILESS_MAIN(KeysTest)
#include "tst_keys.moc"
