#pragma once
// One value a transmitted CAN message carries: where it comes from and where it goes in the frame.

#include "settings/PropertyMacros.h"

#include <QObject>
#include <cstdint>

class UserOutCanMessageData : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(uint8_t, inChannelType, setInChannelType, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, inChannel, setInChannel, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, dataSize, setDataSize, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, dataByteIndex, setDataByteIndex, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, dataBitIndex, setDataBitIndex, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, configBits, setConfigBits, dataChanged)
    ARDIX_PROPERTY_S(bool, isSignedValue, setIsSignedValue, dataChanged)
    ARDIX_PROPERTY_S(bool, isSwapBytes, setIsSwapBytes, dataChanged)
    ARDIX_PROPERTY_S(int16_t, dataValueOffset, setDataValueOffset, dataChanged)
    ARDIX_PROPERTY_S(int16_t, dataValueMultiplier, setDataValueMultiplier, dataChanged)
    ARDIX_PROPERTY_S(int16_t, dataValueDivider, setDataValueDivider, dataChanged)
    ARDIX_PROPERTY_S(int16_t, constantData, setConstantData, dataChanged)

public:
    explicit UserOutCanMessageData(QObject *parent = nullptr) : QObject(parent) {}

    // Record of 12 bytes; load emits dataChanged once more at the end.
    void load(const unsigned char *record);
    void pack(unsigned char *record) const;
    // Every field zero without any signal (the owning message resets its items quietly).
    void clearSilently();

public Q_SLOTS:
    void reset();

Q_SIGNALS:
    void dataChanged();
};
