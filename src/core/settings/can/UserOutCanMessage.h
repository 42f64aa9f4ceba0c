#pragma once
// A CAN message the device transmits periodically, with up to 16 values.

#include "settings/PropertyMacros.h"
#include "settings/can/CanOwner.h"
#include "settings/can/UserOutCanMessageData.h"

#include <QList>
#include <QObject>
#include <cstdint>

class UserOutCanMessage : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(uint32_t, canId, setCanId, dataChanged)
    ARDIX_PROPERTY_S(bool, isMessageEnabled, setIsMessageEnabled, dataChanged)
    ARDIX_PROPERTY_S(bool, isIdExtended, setIsIdExtended, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, frameSize, setFrameSize, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, rateMillis, setRateMillis, dataChanged)
    Q_PROPERTY(QList<UserOutCanMessageData *> userData READ userData NOTIFY dataChanged)

public:
    static constexpr uint32_t kDashFirstId = 0x650;
    static constexpr uint32_t kPdmFirstId = 0x550;

    explicit UserOutCanMessage(CanOwner owner, QObject *parent = nullptr);

    CanOwner owner() const { return m_owner; }
    QList<UserOutCanMessageData *> userData() const { return m_userData; }

    // Record of 200 bytes (header and the 16 items); every item emits, then the message.
    void load(const unsigned char *record);
    void pack(unsigned char *record) const;

public Q_SLOTS:
    void removeUserDataAt(int index);
    void reset(uint8_t i);

Q_SIGNALS:
    void dataChanged();

private:
    CanOwner m_owner;
    QList<UserOutCanMessageData *> m_userData;
};
