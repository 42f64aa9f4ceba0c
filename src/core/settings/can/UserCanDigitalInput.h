#pragma once
// An on/off input taken from bits of a received CAN message.

#include "settings/PropertyMacros.h"

#include <QObject>
#include <QString>
#include <cstdint>

class UserCanDigitalInput : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(QString, inputName, setInputName, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, canInMessageIndex, setCanInMessageIndex, dataChanged)
    ARDIX_PROPERTY_S(bool, isInputEnabled, setIsInputEnabled, dataChanged)
    ARDIX_PROPERTY_S(bool, isSetupByMask, setIsSetupByMask, dataChanged)
    ARDIX_PROPERTY_S(bool, isResetOnTimeout, setIsResetOnTimeout, dataChanged)
    ARDIX_PROPERTY_S(bool, isSetOnTimeout, setIsSetOnTimeout, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, frameId, setFrameId, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, dataMask, setDataMask, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, dataByteIndex, setDataByteIndex, dataChanged)

public:
    explicit UserCanDigitalInput(QObject *parent = nullptr) : QObject(parent) {}

    // Record of 36 bytes; load emits dataChanged once more at the end.
    void load(const unsigned char *record);
    void pack(unsigned char *record) const;

public Q_SLOTS:
    void reset();

Q_SIGNALS:
    void dataChanged();
};
