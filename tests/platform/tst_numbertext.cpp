#include "platform/NumberText.h"

#include <QTest>

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    // Each text with the number it reads as, or none; U+0663 is an arabic-indic three.
    void onlyPlainDecimalTextIsANumber()
    {
        const std::optional<double> none;
        const std::pair<QString, std::optional<double>> table[] = {
            {" \t-.5 ", -0.5}, {"+5.", 5.0},    {"1.5e+3", 1500.0}, {"25E-2", 0.25},
            {"", none},        {"12abc", none}, {"0x10", none},     {"\u0663", none},
            {"nan", none},     {"-inf", none},  {"1e400", none},
        };
        for (const auto& [text, number] : table)
            QVERIFY2(numberFromText(text) == number, qPrintable(text));
    }

    void integerRoundsHalvesToEvenWithinSixteenBits()
    {
        QCOMPARE(integer16FromText(u"2.5"), 2);
        QCOMPARE(integer16FromText(u"3.5"), 4);
        QCOMPARE(integer16FromText(u"-2.5"), -2);
        QCOMPARE(integer16FromText(u"-32768.5"), -32768);
        QCOMPARE(integer16FromText(u"-32769"), std::nullopt);
        QCOMPARE(integer16FromText(u"32767.5"), std::nullopt);
        QCOMPARE(integer16FromText(u"32767"), 32767);
        QCOMPARE(integer16FromText(u"32768"), std::nullopt);
        QCOMPARE(integer16FromText(u"-32768"), -32768);
    }

    void numberTextIsTheShortestPlainFormAndReadsBack()
    {
        QCOMPARE(numberText(3000.0f), "3000");
        QCOMPARE(numberText(12.5f), "12.5");
        QCOMPARE(numberText(0.1f), "0.1");
        QCOMPARE(numberText(300000.0f), "300000");
        for (const float value : {1.0f / 3.0f, 123456.79f, 0x1.fffffep127f, 0x1p-149f})
            QVERIFY2(singleFromText(numberText(value)) == value, qPrintable(numberText(value)));
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
