#pragma once

#include "SettingsStore.h"

// The store file $XDG_CONFIG_HOME/Vamblet/Vamblet.ini (~/.config/... by default).
class QtSettingsStore final : public SettingsStore {
public:
    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override;
    bool writeAll(const QList<SettingValue>& values) override;
    QString location() const override;
};
