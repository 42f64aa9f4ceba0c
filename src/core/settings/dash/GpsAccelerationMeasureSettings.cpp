#include "settings/dash/GpsAccelerationMeasureSettings.h"

#include "settings/dash/SettingsValueStore.h"

namespace {
SettingsValueStore *applicationStore()
{
    static QSettingsValueStore store;
    return &store;
}
} // namespace

GpsAccelerationMeasureSettings::GpsAccelerationMeasureSettings(SettingsValueStore *store, QObject *parent)
    : QObject(parent), m_store(store ? store : applicationStore())
{
    m_userSpeedRanges = QList<QList<uint16_t>>(4, QList<uint16_t>(2, 0));
    m_userDistanceRanges = QList<QList<uint16_t>>(3, QList<uint16_t>(2, 0));
}

QString GpsAccelerationMeasureSettings::startPointName() const
{
    return m_store->value(QString::fromLatin1(kStartPointNameKey), QString::fromUtf8(kDefaultStartPointName))
        .toString();
}

void GpsAccelerationMeasureSettings::setStartPointName(const QString &name)
{
    if (name == startPointName())
        return;
    m_store->setValue(QString::fromLatin1(kStartPointNameKey), name);
    Q_EMIT dataChanged();
}
