#include "QtSettingsStore.h"

QtSettingsStore::QtSettingsStore()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, "Vamblet", "Vamblet")
{}

static QString path(const QString& section, const QString& key)
{
    return section + '/' + key;
}

QString QtSettingsStore::read(const QString& section, const QString& key,
                              const QString& fallback) const
{
    const QVariant value = m_settings.value(path(section, key));
    if (!value.isValid())
        return fallback;
    // A hand-edited value with an unquoted comma comes back as a list; keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(", ");
    return value.toString();
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    m_settings.setValue(path(section, key), value);
    m_settings.sync();
}
