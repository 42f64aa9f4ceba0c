#include "link/dispatch/QSettingsStorePort.h"

#include <QSettings>

QVariant QSettingsStorePort::value(const QString &key, const QVariant &defaultValue) const
{
    return QSettings(QStringLiteral("Ardix"), QStringLiteral("Ardix")).value(key, defaultValue);
}

void QSettingsStorePort::setValue(const QString &key, const QVariant &value)
{
    QSettings s(QStringLiteral("Ardix"), QStringLiteral("Ardix"));
    s.setValue(key, value);
    s.sync();
}

void QSettingsStorePort::remove(const QString &key)
{
    QSettings s(QStringLiteral("Ardix"), QStringLiteral("Ardix"));
    s.remove(key);
    s.sync();
}
