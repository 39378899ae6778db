#include "HighScoreRecord.h"

#include "menus/Crypt.h"
#include "menus/Difficulty.h"
#include "platform/NumberText.h"
#include "platform/SettingKeys.h"

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
    QString name = typed;
    for (QChar& c : name)
        if (c.unicode() > 127)
            c = u'?';
    return name;
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
        shown.foodEaten = QString::number(double(*score) / difficulty->PointsPerFood, 'g', 15)
                          + QStringLiteral(" pcs");
    return shown;
}
