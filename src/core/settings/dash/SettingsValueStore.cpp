#include "settings/dash/SettingsValueStore.h"

#include <QSettings>

QVariant QSettingsValueStore::value(const QString &key, const QVariant &defaultValue) const
{
    QSettings s;
    return s.value(key, defaultValue);
}

void QSettingsValueStore::setValue(const QString &key, const QVariant &value)
{
    QSettings s;
    s.setValue(key, value);
    s.sync();
}
