#pragma once

#include <QString>

// The per-user store of the game's settings: text values addressed by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or `fallback` when the key is absent.
    virtual QString read(const QString& section, const QString& key,
                         const QString& fallback) const = 0;
    // Creates the section and key as needed and replaces any earlier value.
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
};
