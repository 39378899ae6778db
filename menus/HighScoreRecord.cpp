#include "HighScoreRecord.h"

#include "formats/NumberText.h"
#include "menus/Crypt.h"
#include "menus/Difficulty.h"
#include "rules/SettingKeys.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

using namespace SettingKeys;

namespace {

// A score text that is a whole number from -32768 to 32767.
std::optional<qint16> wholeScore(const QString& text)
{
    const std::optional<double> number = numberFromText(text);
    if (!number || *number != std::trunc(*number))
        return std::nullopt;
    return integer16FromText(text);
}

}  // namespace

qint16 storedScore(const SettingsStore& store)
{
    QString text = readSetting(store, Score);
    if (text != QLatin1String("0"))
        text = Crypt::Decipher(text);
    return wholeScore(text).value_or(0);
}

bool isNewRecord(qint16 stored, qint16 finalScore)
{
    return stored < finalScore;
}

QString storableName(const QString& typed)
{
    QString name;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, typed);
    bool halfAFlag = false;
    for (qsizetype start = 0, end = characters.toNextBoundary(); end > start;
         start = end, end = characters.toNextBoundary()) {
        const QStringView character = QStringView(typed).mid(start, end - start);
        // A flag is two regional indicators, which this Qt takes for two characters.
        const char32_t first = character.toUcs4().value(0);
        const bool indicator = first >= 0x1F1E6 && first <= 0x1F1FF && character.size() == 2;
        if (indicator && halfAFlag) {
            halfAFlag = false;
            continue;
        }
        halfAFlag = indicator;
        const bool ascii = std::all_of(character.begin(), character.end(),
                                       [](QChar c) { return c.unicode() <= 127; });
        name += ascii ? character.toString() : QStringLiteral("?");
    }
    return name;
}

QString recordOvertakenMessage(qint16 stored, qint16 score)
{
    return QCoreApplication::translate(
               "GameOver", "Since this game ended, another game of Kriel has saved a high score of "
                           "%1, which your %2 does not beat. The high score stays as it is.")
        .arg(stored)
        .arg(score);
}

bool writeRecord(SettingsStore& store, const QString& name, const QString& score,
                 const QString& level)
{
    return writeSettings(store, {{Name, Crypt::Encipher(name)},
                                 {Score, Crypt::Encipher(score)},
                                 {Level, Crypt::Encipher(level)}});
}

bool clearRecord(SettingsStore& store)
{
    return writeRecord(store, QStringLiteral("Nobody"), QStringLiteral("0"),
                       QStringLiteral("Easy"));
}

ShownRecord recordToShow(const SettingsStore& store)
{
    ShownRecord shown;
    shown.score = Crypt::Decipher(readSetting(store, Score, Crypt::Encipher(QStringLiteral("0"))));
    shown.name =
        Crypt::Decipher(readSetting(store, Name, Crypt::Encipher(QStringLiteral("Nobody"))));
    shown.level =
        Crypt::Decipher(readSetting(store, Level, Crypt::Encipher(QStringLiteral("Easy"))));

    const std::optional<Difficulty> difficulty = difficultyNamed(shown.level);
    const std::optional<qint16> score = wholeScore(shown.score);
    if (difficulty && score)
        //: The pieces of food a score stands for, such as "21 pcs".
        shown.foodEaten =
            QCoreApplication::translate("HighScore", "%1 pcs")
                .arg(QString::number(double(*score) / difficulty->PointsPerFood, 'g', 15));
    return shown;
}
