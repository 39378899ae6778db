#pragma once

#include <QString>

#include <optional>

class SettingsStore;

// The one high-score record: a name, a score and a difficulty, stored enciphered in the
// HighScore section and always written together, in that order.

// The stored score as the game-over dialog compares it: absent reads as 0; a text that does not
// decipher to a 16-bit integer (a hand-edited store) counts as 0 too.
qint16 storedScore(const SettingsStore& store);

// Only a strictly higher score beats the record.
bool isNewRecord(qint16 stored, qint16 finalScore);

// The name as the cipher can carry it: each character the player sees (a letter with its accents,
// an emoji with its modifiers) that is not all codes 0 to 127 becomes one "?".
QString storableName(const QString& typed);

// What the player is told when a record saved elsewhere meanwhile is no longer beaten.
QString recordOvertakenMessage(qint16 stored, qint16 score);

// Saved together: a program killed meanwhile leaves the old record or the new one. False when the
// store could not be saved.
bool writeRecord(SettingsStore& store, const QString& name, const QString& score,
                 const QString& level);

// Nobody, 0, Easy.
bool clearRecord(SettingsStore& store);

// The record as the high-score viewer shows it, with an absent record read as the cleared one.
struct ShownRecord {
    QString name;
    QString score;
    QString level;
    // The pieces of food the score stands for, as "21 pcs"; none when the level is not a
    // difficulty or the score not a 16-bit integer.
    std::optional<QString> foodEaten;

    bool operator==(const ShownRecord&) const = default;
};
ShownRecord recordToShow(const SettingsStore& store);
