#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>
#include <optional>

// A difficulty fixes the game's pace and what a piece of food is worth. Its name is also what the
// store keeps, and the dialogs show it in the player's language.
struct Difficulty {
    const char* name;
    const char* TickInterval;  // milliseconds, as the play window takes it
    qint32 PointsPerFood;
    const char* option;  // the start menu's option button
};

inline constexpr std::array<Difficulty, 3> Difficulties{{
    {QT_TRANSLATE_NOOP("Difficulty", "Easy"), "135", 4, "Option1"},
    {QT_TRANSLATE_NOOP("Difficulty", "Medium"), "100", 6, "Option2"},
    {QT_TRANSLATE_NOOP("Difficulty", "Hard"), "65", 8, "Option3"},
}};

// The difficulty of that exact name; none for any other text.
inline std::optional<Difficulty> difficultyNamed(const QString& name)
{
    for (const Difficulty& d : Difficulties)
        if (name == QLatin1String(d.name))
            return d;
    return std::nullopt;
}

// A difficulty's name as the player reads it; any other text, such as a hand-edited record's, as
// it is.
inline QString shownDifficulty(const QString& name)
{
    const std::optional<Difficulty> d = difficultyNamed(name);
    return d ? QCoreApplication::translate("Difficulty", d->name) : name;
}
