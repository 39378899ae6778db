#pragma once

#include "SettingsStore.h"

#include <QSettings>

// The store file $XDG_CONFIG_HOME/Vamblet/Vamblet.ini, written through at every change.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();

    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override;
    void write(const QString& section, const QString& key, const QString& value) override;

    QString fileName() const { return m_settings.fileName(); }

private:
    mutable QSettings m_settings;
};
