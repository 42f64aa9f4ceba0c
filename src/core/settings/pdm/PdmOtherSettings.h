#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include "settings/PropertyMacros.h"

#include <cstdint>

// General values of the PDM block (serials, protocol, PWM frequency, master functions) and the
// password flags.
class PdmOtherSettings : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(uint32_t, settingsCrc, setSettingsCrc, settingsChanged)
    ARDIX_PROPERTY_S(uint32_t, pdmSerialNumber, setPdmSerialNumber, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, ecuProtocol, setEcuProtocol, settingsChanged)
    // A CanbusBauds value, stored as a signed byte; int because the declarative engine cannot
    // read a signed char.
    ARDIX_PROPERTY_S(int, canbusBaud, setCanbusBaud, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, pwmFreq, setPwmFreq, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, pdmOtherSettingConfigBits, setPdmOtherSettingConfigBits, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, masterShutdownFunctionId, setMasterShutdownFunctionId, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, masterRetryFunctionId, setMasterRetryFunctionId, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, pdmSleepFunctionId, setPdmSleepFunctionId, settingsChanged)
    ARDIX_PROPERTY_S(QByteArray, reserved, setReserved, settingsChanged)
    ARDIX_PROPERTY_S(bool, isThisTestSettings, setIsThisTestSettings, settingsChanged)
    ARDIX_PROPERTY_S(bool, isPasswordProtectionSet, setIsPasswordProtectionSet, settingsChanged)
    ARDIX_PROPERTY_S(QByteArray, passwordHash, setPasswordHash, settingsChanged)
    ARDIX_PROPERTY_S(QString, deviceName, setDeviceName, settingsChanged)
    ARDIX_PROPERTY_S(QList<uint16_t>, pdmsSerial, setPdmsSerial, settingsChanged)
    ARDIX_PROPERTY_S(QList<uint16_t>, ardixSerial, setArdixSerial, settingsChanged)

public:
    explicit PdmOtherSettings(QObject *parent = nullptr) : QObject(parent) {}

Q_SIGNALS:
    void settingsChanged();
};
