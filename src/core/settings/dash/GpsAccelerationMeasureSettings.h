#pragma once
// GPS module, acceleration timing and start line record inside the common settings. The start
// line's name is not in the block: it lives in the application settings.

#include "settings/PropertyMacros.h"

#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>

class SettingsValueStore;

class GpsAccelerationMeasureSettings : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(QList<QList<uint16_t>>, userSpeedRanges, setUserSpeedRanges, dataChanged)
    ARDIX_PROPERTY_S(QList<QList<uint16_t>>, userDistanceRanges, setUserDistanceRanges, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, userBreakingSpeed, setUserBreakingSpeed, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, configBits, setConfigBits, dataChanged)
    ARDIX_PROPERTY_S(int16_t, accXCalibrationValue, setAccXCalibrationValue, dataChanged)
    ARDIX_PROPERTY_S(int16_t, accYCalibrationValue, setAccYCalibrationValue, dataChanged)
    ARDIX_PROPERTY_S(int16_t, accZCalibrationValue, setAccZCalibrationValue, dataChanged)
    ARDIX_PROPERTY_S(float, startPointLat, setStartPointLat, dataChanged)
    ARDIX_PROPERTY_S(float, startPointLon, setStartPointLon, dataChanged)
    ARDIX_PROPERTY_S(float, startPointCourse, setStartPointCourse, dataChanged)
    Q_PROPERTY(QString startPointName READ startPointName WRITE setStartPointName NOTIFY dataChanged)

public:
    static constexpr const char *kStartPointNameKey = "startPointName";
    static constexpr const char *kDefaultStartPointName = "без имени";

    // `store` must outlive this object; null means the application's own store.
    explicit GpsAccelerationMeasureSettings(SettingsValueStore *store, QObject *parent = nullptr);

    QString startPointName() const;
    void setStartPointName(const QString &name);

Q_SIGNALS:
    void dataChanged();

private:
    SettingsValueStore *m_store;
};
