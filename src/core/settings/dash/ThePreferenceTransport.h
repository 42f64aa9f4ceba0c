#pragma once
// The dash's common settings record: language, ECU, screen, pump, gears, users, logging, GPS.

#include "settings/PropertyMacros.h"
#include "settings/dash/GpsAccelerationMeasureSettings.h"
#include "settings/dash/LogsSettings.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>

class SettingsValueStore;

class ThePreferenceTransport : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(uint8_t, currSkin, setCurrSkin, dataChanged)
    // A CanbusBauds value (-1 to 3), stored as a signed byte; int because the declarative engine
    // cannot read a signed char.
    ARDIX_PROPERTY_S(int, can1BaudId, setCan1BaudId, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, currEcuProtocol, setCurrEcuProtocol, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, isRu, setIsRu, dataChanged)
    ARDIX_PROPERTY_S(QList<QList<uint8_t>>, skinsSettings, setSkinsSettings, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, ewp_minDuty, setEwp_minDuty, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, ewp_TargetTemp, setEwp_TargetTemp, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, ewp_PID_Kp, setEwp_PID_Kp, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, ewp_PID_Ki, setEwp_PID_Ki, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, ewp_PID_Kd, setEwp_PID_Kd, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, lcdPwmDuty, setLcdPwmDuty, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, shiftLightPwmDuty, setShiftLightPwmDuty, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, autoBrightness, setAutoBrightness, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, lightSensorSensivity, setLightSensorSensivity, dataChanged)
    ARDIX_PROPERTY_S(uint32_t, animationsOnOff, setAnimationsOnOff, dataChanged)
    ARDIX_PROPERTY_S(uint32_t, tripA, setTripA, dataChanged)
    ARDIX_PROPERTY_S(uint32_t, tripB, setTripB, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, settingsVer, setSettingsVer, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, ardixSerialNum, setArdixSerialNum, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, secondArdixSerialNum, setSecondArdixSerialNum, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, offsetFromUtc_seconds, setOffsetFromUtc_seconds, dataChanged)
    ARDIX_PROPERTY_S(QList<uint8_t>, inputExtraPortAssigment, setInputExtraPortAssigment, dataChanged)
    ARDIX_PROPERTY_S(QList<uint32_t>, inputCaptureCorrection, setInputCaptureCorrection, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, gearsCount, setGearsCount, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, diffRatio, setDiffRatio, dataChanged)
    ARDIX_PROPERTY_S(uint32_t, wheelCircleLenght, setWheelCircleLenght, dataChanged)
    ARDIX_PROPERTY_S(QList<uint16_t>, gearRatios, setGearRatios, dataChanged)
    ARDIX_PROPERTY_S(QList<uint8_t>, inputPortAssigment, setInputPortAssigment, dataChanged)
    ARDIX_PROPERTY_S(QList<QList<uint8_t>>, fansSettings, setFansSettings, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, fuelLevelApproxTime, setFuelLevelApproxTime, dataChanged)
    ARDIX_PROPERTY_S(QString, userLabel, setUserLabel, dataChanged)
    ARDIX_PROPERTY_S(QString, userLogin, setUserLogin, dataChanged)
    ARDIX_PROPERTY_S(QByteArray, userPasswordHash, setUserPasswordHash, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, fuelPressDiffBoost, setFuelPressDiffBoost, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, fuelType_stoichiometry, setFuelType_stoichiometry, dataChanged)
    Q_PROPERTY(LogsSettings *logsSettings READ logsSettings NOTIFY dataChanged)
    ARDIX_PROPERTY_S(QList<uint8_t>, input16ChannelModuleSettings, setInput16ChannelModuleSettings, dataChanged)
    ARDIX_PROPERTY_S(QList<uint16_t>, oilPressWarningLevels, setOilPressWarningLevels, dataChanged)
    ARDIX_PROPERTY_S(QList<QList<uint8_t>>, output3ChannelModuleSettings, setOutput3ChannelModuleSettings, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, egt2canSensorsCount, setEgt2canSensorsCount, dataChanged)
    Q_PROPERTY(GpsAccelerationMeasureSettings *gpsAccelerationMeasureSettings READ gpsAccelerationMeasureSettings
                   NOTIFY dataChanged)
    ARDIX_PROPERTY_S(QString, deviceName, setDeviceName, dataChanged)
    ARDIX_PROPERTY_S(QList<uint16_t>, pdmsSerial, setPdmsSerial, dataChanged)

public:
    // `store` (may be null: the application's store) backs the start line's name.
    explicit ThePreferenceTransport(SettingsValueStore *store = nullptr, QObject *parent = nullptr);

    LogsSettings *logsSettings() const { return m_logsSettings; }
    GpsAccelerationMeasureSettings *gpsAccelerationMeasureSettings() const { return m_gps; }

    // Value `index` (SkinSettingsIndexes) of skin `skin`; false when out of range.
    bool setSkinSetting(int skin, int index, uint8_t value);
    // Value `index` of skin `skin` for the interface; -1 when out of range.
    Q_INVOKABLE int skinSetting(int skin, int index) const;

    // The record's checksum as last loaded or packed.
    uint32_t settingsChecksum() const { return m_settingsChecksum; }
    void setSettingsChecksum(uint32_t crc) { m_settingsChecksum = crc; }

Q_SIGNALS:
    void dataChanged();

private:
    LogsSettings *m_logsSettings;
    GpsAccelerationMeasureSettings *m_gps;
    uint32_t m_settingsChecksum = 0;
};
