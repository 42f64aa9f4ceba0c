#pragma once
// A CAN message the device receives; digital and analog inputs take their values from it.

#include "settings/PropertyMacros.h"
#include "settings/can/CanOwner.h"

#include <QObject>
#include <QString>
#include <cstdint>

class UserInCanMessage : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(uint32_t, canId, setCanId, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, frameIdPosition, setFrameIdPosition, dataChanged)
    ARDIX_PROPERTY_S(bool, isMessageEnabled, setIsMessageEnabled, dataChanged)
    ARDIX_PROPERTY_S(bool, isIdExtended, setIsIdExtended, dataChanged)
    ARDIX_PROPERTY_S(bool, isFrameSet, setIsFrameSet, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, frameSize, setFrameSize, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, timeoutMillis, setTimeoutMillis, dataChanged)

public:
    static constexpr uint32_t kDashFirstId = 0x600;
    static constexpr uint32_t kPdmFirstId = 0x500;

    explicit UserInCanMessage(CanOwner owner, QObject *parent = nullptr);

    CanOwner owner() const { return m_owner; }

    // Record of 8 bytes; load emits dataChanged once more at the end.
    void load(const unsigned char *record);
    void pack(unsigned char *record) const;

public Q_SLOTS:
    void reset(uint8_t i);
    QString getCanIdStr();

Q_SIGNALS:
    void dataChanged();

private:
    CanOwner m_owner;
};
