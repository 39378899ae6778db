#include "skins/SkinLoader.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QFile>
#include <QTest>
#include <QWidget>

namespace {

struct Value {
    const char* section;
    const char* key;
    const char* text = "";
};

// The values that stop a load when missing, in the order the loader reads them.
constexpr Value RequiredKeys[] = {
    {"Positions", "PlayAreaX"},  {"Positions", "PlayAreaY"}, {"Positions", "ScoreTextX"},
    {"Positions", "ScoreTextY"}, {"Colors", "KrielR"},       {"Colors", "KrielG"},
    {"Colors", "KrielB"},        {"Colors", "NotifierR"},    {"Colors", "NotifierG"},
    {"Colors", "NotifierB"},     {"Colors", "KrielBorderR"}, {"Colors", "KrielBorderG"},
    {"Colors", "KrielBorderB"},  {"Colors", "PlayBorderR"},  {"Colors", "PlayBorderG"},
    {"Colors", "PlayBorderB"},   {"Colors", "ScoreR"},       {"Colors", "ScoreG"},
    {"Colors", "ScoreB"},        {"Styles", "KrielShape"},   {"Styles", "KrielBorder"},
    {"Styles", "PlayBorder"},    {"Styles", "FontSize"},     {"Ratio", "SizeRatio"},
};

constexpr Value OutOfRange[] = {
    {"Colors", "KrielR", "-1"},     {"Styles", "KrielShape", "6"}, {"Styles", "PlayBorder", "7"},
    {"Ratio", "SizeRatio", "0"},    {"Ratio", "SizeRatio", "-3"},  {"Ratio", "SizeRatio", "1e999"},
    {"Ratio", "SizeRatio", "0.01"},  // under one twip
};

// Where the shared test skin has the layout's own values, a value would not show whether it was
// applied. Kriel's components are above 255, a half down and a half up; cells may be fractional.
constexpr Value UnlikeTheLayout[] = {
    {"Colors", "KrielR", "300"},     {"Colors", "KrielG", "2.5"},
    {"Colors", "KrielB", "3.5"},     {"Colors", "KrielBorderR", "4"},
    {"Colors", "KrielBorderG", "5"}, {"Colors", "KrielBorderB", "6"},
    {"Styles", "KrielShape", "4"},   {"Styles", "KrielBorder", "2"},
    {"Styles", "PlayBorder", "3"},   {"Ratio", "SizeRatio", "12.5"},
};

std::optional<SkinError> load(const SkinFolder& skin, PlayWindowScene& s, QWidget* window = nullptr)
{
    return SkinLoader().load(skin.skinPath(), s, window, FixedFacts());
}

QRectF rect(const TwipsRect& r)
{
    return QRectF(r.left, r.top, r.width, r.height);
}

}  // namespace

class TestSkinLoader : public QObject {
    Q_OBJECT

private slots:
    void goodSkinSetsEveryValueAndTheWindowOutline()
    {
        SkinFolder skin;
        for (const auto& [section, key, text] : UnlikeTheLayout)
            skin.setValue(section, key, text);
        QWidget window(nullptr, Qt::FramelessWindowHint);
        PlayWindowScene s = playWindowLayout();
        QVERIFY(!load(skin, s, &window));
        QCOMPARE(QSizeF(s.width, s.height), QSizeF(900, 750));
        QCOMPARE(s.picture.size(), QSize(60, 50));
        QCOMPARE(s.shpfood.picture.size(), QSize(1, 1));
        QCOMPARE(rect(s.shprect.bounds), QRectF(60, 75, 3562.5, 3562.5));
        QCOMPARE(QPointF(s.lblfoodcount.left, s.lblfoodcount.top), QPointF(750, 30));
        QCOMPARE(rect(s.head().bounds).size(), QSizeF(187.5, 187.5));
        QCOMPARE(rect(s.shpfood.bounds).size(), QSizeF(187.5, 187.5));
        QCOMPARE(s.head().fillColor.value, 255 + 256 * 2 + 65536 * 4u);
        QCOMPARE(s.shpZip.backColor.value, 255 + 256 * 255u);
        QCOMPARE(s.shpZip.borderColor.value, 255 + 256 * 255u);
        QCOMPARE(s.head().borderColor.value, 4 + 256 * 5 + 65536 * 6u);
        QCOMPARE(s.shprect.borderColor.value, 10 + 256 * 20 + 65536 * 30u);
        QCOMPARE(s.lblfoodcount.foreColor.value, 200 + 256 * 100 + 65536 * 50u);
        QCOMPARE(s.head().shape, ShapeCode::RoundedRectangle);
        QCOMPARE(s.head().borderStyle, BorderStyle::Dash);
        QCOMPARE(s.shprect.borderStyle, BorderStyle::Dot);
        QCOMPARE(s.lblfoodcount.font.pointSize, 12.0f);
        QCOMPARE(s.lblfoodcount.font.face, QStringLiteral("Arial"));
        // The bottom-left pixel's colour is cut away, and the rightmost column always.
        QVERIFY(window.mask().xored(QRegion(0, 0, 59, 50) - QRegion(0, 49, 1, 1)).isEmpty());
    }

    void refusedValueStopsTheLoadAtItsKey_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");  // null: the key is left out
        for (const auto& [section, key, text] : RequiredKeys)
            QTest::addRow("%s missing", key) << section << key << QString();
        for (const auto& [section, key, text] : OutOfRange)
            QTest::addRow("%s %s", key, text) << section << key << text;
    }

    void refusedValueStopsTheLoadAtItsKey()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        SkinFolder skin;
        if (value.isNull())
            skin.removeValue(section, key);
        else
            skin.setValue(section, key, value);
        PlayWindowScene s = playWindowLayout();
        const std::optional<SkinError> error = load(skin, s);
        QVERIFY(error);
        QCOMPARE(QStringList({error->file, error->section, error->key, error->value}),
                 QStringList({skin.skinPath() + "/config.ini", section, key, value}));
        // What was read before the refused key is applied, nothing after it.
        QCOMPARE(s.shprect.bounds.left, key == "PlayAreaX" ? 960.0f : 60.0f);
        const bool coloursRead = section == "Styles" || section == "Ratio";
        QCOMPARE(s.lblfoodcount.foreColor.value, coloursRead ? 200u + 256 * 100 + 65536 * 50 : 0u);
        QCOMPARE(rect(s.head().bounds), rect(playWindowLayout().head().bounds));
    }

    // Every code the format allows, read from the file; one past the last, and 16-bit ends.
    void codesAndComponentsAreTakenUpToTheirLimits()
    {
        const auto loaded = [](const char* section, const char* key, const QString& text) {
            SkinFolder skin;
            skin.setValue(section, key, text);
            PlayWindowScene s = playWindowLayout();
            const std::optional<SkinError> error = load(skin, s);
            return error ? std::optional<PlayWindowScene>() : std::optional(s);
        };
        for (int code = 0; code <= 7; ++code) {
            const QString text = QString::number(code);
            const auto shape = loaded("Styles", "KrielShape", text);
            QCOMPARE(shape.has_value(), code <= 5);
            if (shape)
                QCOMPARE(int(shape->head().shape), code);
            const auto kriel = loaded("Styles", "KrielBorder", text);
            const auto play = loaded("Styles", "PlayBorder", text);
            QCOMPARE(kriel.has_value(), code <= 6);
            QCOMPARE(play.has_value(), code <= 6);
            if (kriel && play) {
                QCOMPARE(int(kriel->head().borderStyle), code);
                QCOMPARE(int(play->shprect.borderStyle), code);
            }
        }
        QCOMPARE(loaded("Colors", "KrielR", "32767")->head().fillColor.red(), 255);
        for (const char* text : {"32768", "-1", "-32768"})
            QVERIFY2(!loaded("Colors", "KrielR", text), text);
        QVERIFY(!loaded("Styles", "KrielShape", "65536"));  // 0 once cut to 16 bits
    }

    // A screen with 15 twips a pixel across and 12 down: each figure goes by its own direction.
    void acrossAndDownAreScaledApart()
    {
        SkinFolder skin;
        skin.setValue("Ratio", "SizeRatio", "10");
        FixedFacts facts;
        facts.twipsDown = 12;
        PlayWindowScene s = playWindowLayout();
        QVERIFY(!SkinLoader().load(skin.skinPath(), s, nullptr, facts));
        QCOMPARE(QSizeF(s.width, s.height), QSizeF(60 * 15, 50 * 12));
        QCOMPARE(QPointF(s.shprect.bounds.left, s.shprect.bounds.top), QPointF(4 * 15, 5 * 12));
        QCOMPARE(QPointF(s.lblfoodcount.left, s.lblfoodcount.top), QPointF(50 * 15, 2 * 12));
        QCOMPARE(rect(s.head().bounds).size(), QSizeF(10 * 15, 10 * 12));
    }

    void sectionsAndKeysAreFoundWhateverTheirCase()
    {
        SkinFolder skin;
        QFile config(skin.skinPath() + QStringLiteral("/config.ini"));
        QVERIFY(config.open(QIODevice::ReadOnly));
        skin.writeConfig(config.readAll().toLower());
        PlayWindowScene s = playWindowLayout();
        QVERIFY(!load(skin, s));
    }

    void missingFileStopsTheLoadNamingIt()
    {
        for (const QString file : {"skin.bmp", "food.gif", "config.ini"}) {
            SkinFolder skin;
            skin.removeFile(file);
            PlayWindowScene s = playWindowLayout();
            const std::optional<SkinError> error = load(skin, s);
            QVERIFY(error);
            QCOMPARE(error->file, skin.skinPath() + '/' + file);
        }
    }

    // The S key: the same folder is read again onto a scene in play.
    void reloadTakesInEditsAndRestylesOnlyTheHead()
    {
        SkinFolder skin;
        SkinLoader loader;
        const FixedFacts facts;
        PlayWindowScene s = playWindowLayout();
        QVERIFY(!loader.load(skin.skinPath(), s, nullptr, facts));
        s.shpkriel.push_back(s.head());
        const Shape body = s.shpkriel.back();
        skin.setBitmap(SkinFolder::defaultBitmap().copy(0, 20, 40, 30));
        skin.setValue("Colors", "KrielR", "7");
        skin.setValue("Ratio", "SizeRatio", "16");
        QVERIFY(!loader.load(skin.skinPath(), s, nullptr, facts));
        QCOMPARE(QSizeF(s.width, s.height), QSizeF(600, 450));
        QCOMPARE(loader.skinRegion().hndRegion().boundingRect(), QRect(0, 0, 39, 30));
        QCOMPARE(s.head().fillColor.value, 7u + 65536 * 255);
        QCOMPARE(s.head().bounds.width, 240.0f);
        QCOMPARE(rect(s.shprect.bounds).size(), QSizeF(4560, 4560));
        QVERIFY(s.shpkriel.at(1) == body);
    }
};

QTEST_MAIN(TestSkinLoader)
#include "tst_skinloader.moc"
