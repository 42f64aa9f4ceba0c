#pragma once
#include <QList>
#include <QString>

#include <cstdint>

#include "settings/PropertyMacros.h"
#include "settings/functions/ObjectWithChildFunctions.h"

// One PDM output: limits, retries, the logic functions that switch it and those that set its
// PWM duty.
class PdmOutputSettings : public ObjectWithChildFunctions
{
    Q_OBJECT
    ARDIX_PROPERTY_S(QString, outputName, setOutputName, settingsChanged)
    Q_PROPERTY(uint configBits READ configBits WRITE setConfigBits NOTIFY settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, inrushDelay, setInrushDelay, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, maxInrushCurrent, setMaxInrushCurrent, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, maxCurrent, setMaxCurrent, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, minCurrent, setMinCurrent, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, retryCount, setRetryCount, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, retryDelay, setRetryDelay, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, minDuty, setMinDuty, settingsChanged)
    Q_PROPERTY(uint functionsCount READ functionsCount WRITE setFunctionsCount NOTIFY settingsChanged)
    Q_PROPERTY(uint operatorsBetweenFunctions READ operatorsBetweenFunctions WRITE setOperatorsBetweenFunctions
                   NOTIFY settingsChanged)
    Q_PROPERTY(QList<uint8_t> functionsOrder READ functionsOrder WRITE setFunctionsOrder NOTIFY settingsChanged)
    ARDIX_PROPERTY_S(QList<uint8_t>, pwmFunctionsOrder, setPwmFunctionsOrder, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, pwmFunctionsActiveBits, setPwmFunctionsActiveBits, settingsChanged)

public:
    explicit PdmOutputSettings(QObject *parent = nullptr);

    // Record of 92 bytes. load emits settingsChanged once more at the end; pack zeroes the
    // record first.
    void load(const unsigned char *record);
    void pack(unsigned char *record) const;

public Q_SLOTS:
    bool removePwmFunc(uint index);
    bool moveUpPwmFunc(uint index);
    bool moveDownPwmFunc(uint index);
    void reset(uint8_t recommendedCurrent);

private:
    void movePwmEntry(uint from, uint to);
};
