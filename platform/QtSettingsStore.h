#pragma once

#include "SettingsStore.h"

// The store file Vamblet/Vamblet.ini in the config home (xdgConfigHome: ~/.config unless
// XDG_CONFIG_HOME is an absolute path), chosen when the store is made.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();

    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override;
    bool writeAll(const QList<SettingValue>& values) override;
    QString location() const override { return m_file; }

private:
    QString m_file;
};
