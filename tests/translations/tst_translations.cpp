#include "engine/Windows.h"
#include "engine/frmMain.h"
#include "layouts/DialogBuilder.h"
#include "menus/Crypt.h"
#include "menus/Difficulty.h"
#include "menus/HighScoreRecord.h"
#include "menus/frmGameOver.h"
#include "menus/frmHighScore.h"
#include "menus/frmOps.h"
#include "menus/frmOptions.h"
#include "skins/frmSkin.h"
#include "support/FakeProgram.h"
#include "translations/PlayerLanguage.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

namespace {

// What a caption needs across: a button's text its frame and a margin, a frame's title its
// insets and an option's or check box's the mark before it, as the style draws them.
int widthNeeded(const QWidget* control, const QString& text)
{
    const int advance = QFontMetrics(control->font()).horizontalAdvance(text);
    if (auto* button = qobject_cast<const QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect inside =
            control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return advance + control->width() - inside.width()
               + control->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
    }
    if (qobject_cast<const QGroupBox*>(control))
        return advance + 16;
    if (qobject_cast<const QAbstractButton*>(control))
        return advance + control->sizeHint().width()
               - QFontMetrics(control->font()).horizontalAdvance(captionOf(control));
    return advance;
}

// The rows a caption's ink reaches down to, drawn from the top of the line. A character from a
// fallback face puts the baseline as low as that face's ascent, which the font's metrics round.
int inkHeight(const QFont& font, const QString& text)
{
    QImage line(QFontMetrics(font).horizontalAdvance(text) + 1, 64, QImage::Format_Grayscale8);
    line.fill(Qt::white);
    QPainter painter(&line);
    painter.setFont(font);
    painter.drawText(line.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter.end();
    for (int y = line.height() - 1; y >= 0; --y)
        for (int x = 0; x < line.width(); ++x)
            if (line.pixelColor(x, y) != Qt::white)
                return y + 1;
    return 0;
}

// The width a control's caption may take: its own, but an option or check box grows to the right
// inside its frame, keeping as far from the frame's right edge as from its left.
int widthAllowed(const QWidget* control)
{
    if (qobject_cast<const QAbstractButton*>(control) && !qobject_cast<const QPushButton*>(control))
        return control->parentWidget()->width() - 2 * control->x();
    return control->width();
}

using Layout = DialogLayout (*)();

}  // namespace

// The player's language is looked for as the desktop does, and every catalogue the game comes
// with fits the dialogs, which keep their sizes in every language.
class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    // The game's English needs no catalogue: none is looked for in the C locale, whatever the
    // languages the player lists, nor for any language listed after English.
    void looksForThePlayersLanguagesBeforeEnglish_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("wanted");
        QTest::newRow("C") << QLocale::C << QStringList{"de"} << QStringList{};
        QTest::newRow("English") << QLocale::English << QStringList{"en-US", "de"} << QStringList{};
        QTest::newRow("German") << QLocale::German << QStringList{"de-AT", "de", "en", "fr"}
                                << QStringList{"de-AT", "de"};
        QTest::newRow("Italian, then Japanese")
            << QLocale::Italian << QStringList{"it", "ja-JP", "C"} << QStringList{"it", "ja-JP"};
    }

    void looksForThePlayersLanguagesBeforeEnglish()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, wanted);
        QCOMPARE(wantedLanguages(language, listed), wanted);
    }

    // A catalogue is found for a language with a region of its own, and only the one asked for.
    void loadsTheCatalogueOfTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("English") << QStringLiteral("en_US") << QString();
        QTest::newRow("Austrian") << QStringLiteral("de_AT") << QStringLiteral("de");
        QTest::newRow("Brazilian") << QStringLiteral("pt_BR") << QStringLiteral("pt_BR");
        QTest::newRow("European Portuguese") << QStringLiteral("pt_PT") << QString();
        QTest::newRow("Japanese") << QStringLiteral("ja_JP") << QStringLiteral("ja");
    }

    void loadsTheCatalogueOfTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, loaded);
        const PlayerLanguage player{QLocale(locale)};
        QCOMPARE(player.language(), loaded);
        QCOMPARE(QCoreApplication::translate("StartMenu", "Quit") == "Quit", loaded.isEmpty());
    }

    // In another language the dialogs show the difficulty and the cleared record's holder in it,
    // while the store keeps the English names the game reads back.
    void storeKeepsEnglishWhileTheDialogsTranslate()
    {
        const PlayerLanguage player{QLocale(QLocale::German)};
        FakeProgram program;
        FakePlatform& fake = program.fake;
        frmOps& menu = program.menu;
        frmGameOver& gameOver = program.gameOver;
        frmHighScore& highScore = program.highScore;
        const auto click = FakeProgram::click;

        menu.Show();
        click(menu, "Option3");
        QCOMPARE(fake.settings.values.value("Config/LastDiff"), QStringLiteral("Hard"));
        click(menu, "Command4");
        program.play.FinalScore = 16;
        gameOver.Show();
        QCOMPARE(captionOf(gameOver.control("lblDiff")), QStringLiteral("Schwer"));
        fake.dialogs.answers = {QStringLiteral("Ann")};
        click(gameOver, "Command3");
        QCOMPARE(fake.settings.values.value("HighScore/Level"), Crypt::Encipher("Hard"));
        highScore.Show();
        QCOMPARE(captionOf(highScore.control("lblLevel")), QStringLiteral("Schwer"));
        QCOMPARE(captionOf(highScore.control("lblfoodeat")), QStringLiteral("2 Stk."));
        highScore.Unload();
        clearRecord(fake.settings);
        QCOMPARE(fake.settings.values.value("HighScore/Name"), Crypt::Encipher("Nobody"));
        highScore.Show();
        QCOMPARE(captionOf(highScore.control("lblName")), QStringLiteral("Niemand"));
    }

    // Each translated caption fits its control in the control's own font.
    void captionsFitTheirControls_data()
    {
        QTest::addColumn<QString>("language");
        const QStringList languages = shippedLanguages();
        QVERIFY(languages.size() >= 6);
        for (const QString& language : languages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void captionsFitTheirControls()
    {
        QFETCH(QString, language);
        const PlayerLanguage player{QLocale(language)};
        QVERIFY2(player.language().startsWith(language), qPrintable(player.language()));
        QStringList tooLong;
        int captions = 0;
        int translations = 0;
        for (const Layout layout : {startMenuLayout, gameOverLayout, skinSelectorLayout,
                                    highScoreLayout, settingsLayout}) {
            const DialogLayout d = layout();
            QWidget dialog;
            const ControlMap controls = buildControls(dialog, d, PixelScale{});
            // A caption a catalogue leaves in English is the layout's own, not the catalogue's
            // to fit.
            const auto check = [&](const QWidget* control, const QString& text,
                                   const QString& english) {
                ++captions;
                if (text == english)
                    return;
                ++translations;
                const int needed = widthNeeded(control, text);
                const int high = inkHeight(control->font(), text);
                if (needed > widthAllowed(control) || high > control->height())
                    tooLong << QStringLiteral("%1 %2 \"%3\": %4 × %5 pixels in %6 × %7")
                                   .arg(d.context, control->objectName(), text)
                                   .arg(needed)
                                   .arg(high)
                                   .arg(widthAllowed(control))
                                   .arg(control->height());
            };
            for (const ControlLayout& c : d.controls)
                if (!c.autoSize && !c.caption.isEmpty())
                    check(controls.value(c.name), captionOf(controls.value(c.name)), c.caption);
            // The one label of a layout whose text the game sets, from a short list.
            if (const QWidget* shown = controls.value(QStringLiteral("lblDiff")))
                for (const Difficulty& difficulty : Difficulties)
                    check(shown, shownDifficulty(QLatin1String(difficulty.name)),
                          QLatin1String(difficulty.name));
        }
        // The dialogs show the catalogue's captions, most of which differ from the English.
        QVERIFY2(translations * 2 > captions, qPrintable(QString::number(translations)));
        QVERIFY2(tooLong.isEmpty(), qPrintable(tooLong.join(u'\n')));
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
