#include "QtSettingsStore.h"

#include "QtProgramFacts.h"

#include <QDir>
#include <QSettings>

namespace {

// Settings objects of one process share what they have read and written, so a fresh one per call
// costs little; it also starts with a clean status, which tells whether this write was saved.
// Named by its file: QSettings would otherwise follow XDG_CONFIG_HOME even where it is relative.
QSettings storeAt(const QString& file)
{
    return QSettings(file, QSettings::IniFormat);
}

QString path(const QString& section, const QString& key)
{
    return section + '/' + key;
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_file(xdgConfigHome(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath())
             + QStringLiteral("/Vamblet/Vamblet.ini"))
{}

QString QtSettingsStore::read(const QString& section, const QString& key,
                              const QString& fallback) const
{
    const QVariant value = storeAt(m_file).value(path(section, key));
    if (!value.isValid())
        return fallback;
    // A hand-edited value with an unquoted comma comes back as a list; keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(", ");
    return value.toString();
}

bool QtSettingsStore::writeAll(const QList<SettingValue>& values)
{
    QSettings store = storeAt(m_file);
    for (const SettingValue& v : values)
        store.setValue(path(v.section, v.key), v.value);
    // One sync for all: the file is replaced whole, through a new file renamed over it.
    store.sync();
    switch (store.status()) {
    case QSettings::NoError:
        return true;
    case QSettings::AccessError:
        return false;
    case QSettings::FormatError:
        break;
    }
    // The file it read was damaged, and that error is the only one QSettings keeps. A save wrote
    // a clean file in its place, which now reads without error; a failed one left the damage.
    return storeAt(m_file).status() == QSettings::NoError;
}
