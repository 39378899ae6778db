#pragma once

#include <QList>
#include <QString>

struct SettingValue {
    QString section;
    QString key;
    QString value;
};

// The per-user store of the game's settings: text values addressed by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or `fallback` when the key is absent.
    virtual QString read(const QString& section, const QString& key,
                         const QString& fallback) const = 0;

    // Writes the values and puts them on disk together: a program killed meanwhile leaves the
    // store as it was before or as it is after, never in between. False when they could not be
    // saved; they are then still read back for as long as the program runs.
    virtual bool writeAll(const QList<SettingValue>& values) = 0;

    // Where the store is kept, to tell the player when it cannot be saved.
    virtual QString location() const = 0;
};
