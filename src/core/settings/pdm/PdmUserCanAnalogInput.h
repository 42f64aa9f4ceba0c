#pragma once
#include <QObject>
#include <QString>

#include "settings/PropertyMacros.h"

#include <cstdint>

// A value taken from a received CAN message on the PDM.
class PdmUserCanAnalogInput : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(QString, inputName, setInputName, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, dataByteIndex, setDataByteIndex, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, frameId, setFrameId, dataChanged)
    ARDIX_PROPERTY_S(bool, isInputEnabled, setIsInputEnabled, dataChanged)
    ARDIX_PROPERTY_S(bool, isSetupByMask, setIsSetupByMask, dataChanged)
    ARDIX_PROPERTY_S(bool, isSetValueOnTimeout, setIsSetValueOnTimeout, dataChanged)
    ARDIX_PROPERTY_S(bool, isSwapBytes, setIsSwapBytes, dataChanged)
    ARDIX_PROPERTY_S(bool, isSignedValue, setIsSignedValue, dataChanged)
    ARDIX_PROPERTY_S(bool, isSize16Bit, setIsSize16Bit, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, canInMessageIndex, setCanInMessageIndex, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, dataMask, setDataMask, dataChanged)
    ARDIX_PROPERTY_S(int16_t, dataValueOnTimeout, setDataValueOnTimeout, dataChanged)
    ARDIX_PROPERTY_S(int16_t, dataValueOffset, setDataValueOffset, dataChanged)
    ARDIX_PROPERTY_S(int16_t, dataValueMultiplier, setDataValueMultiplier, dataChanged)
    ARDIX_PROPERTY_S(int16_t, dataValueDivider, setDataValueDivider, dataChanged)

public:
    explicit PdmUserCanAnalogInput(QObject *parent = nullptr) : QObject(parent) {}

public Q_SLOTS:
    void reset();

Q_SIGNALS:
    void dataChanged();
};
