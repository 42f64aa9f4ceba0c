#pragma once
// The user CAN settings both devices share: received and transmitted messages, digital inputs and
// the frame-id mask. The list lengths and where the records sit differ per device; each device's
// class adds its own analog inputs.

#include "settings/can/CanOwner.h"
#include "settings/can/UserCanDigitalInput.h"
#include "settings/can/UserInCanMessage.h"
#include "settings/can/UserOutCanMessage.h"

#include <QList>
#include <QObject>
#include <cstdint>

class CustomCanSettingsBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<UserInCanMessage *> canInMessages READ canInMessages NOTIFY dataChanged)
    Q_PROPERTY(QList<UserOutCanMessage *> canOutMessages READ canOutMessages NOTIFY dataChanged)
    Q_PROPERTY(QList<UserCanDigitalInput *> canDigitalInputs READ canDigitalInputs NOTIFY dataChanged)
    Q_PROPERTY(QList<uint8_t> canInMessagesFrameIdMask READ canInMessagesFrameIdMask
                   WRITE setCanInMessagesFrameIdMask NOTIFY dataChanged)
    Q_PROPERTY(bool hasChanges READ hasChanges WRITE setHasChanges NOTIFY hasChangesUpdated)

public:
    // Offsets of the record lists from the start of the device's CAN area.
    struct AreaOffsets
    {
        int inMessages;
        int outMessages;
        int digitalInputs;
        int frameIdMask;
    };

    CustomCanSettingsBase(CanOwner owner, int inMessages, int outMessages, int digitalInputs,
                          QObject *parent = nullptr);

    CanOwner owner() const { return m_owner; }
    QList<UserInCanMessage *> canInMessages() const { return m_canInMessages; }
    QList<UserOutCanMessage *> canOutMessages() const { return m_canOutMessages; }
    QList<UserCanDigitalInput *> canDigitalInputs() const { return m_canDigitalInputs; }
    QList<uint8_t> canInMessagesFrameIdMask() const { return m_canInMessagesFrameIdMask; }
    void setCanInMessagesFrameIdMask(const QList<uint8_t> &mask);
    bool hasChanges() const { return m_hasChanges; }
    void setHasChanges(bool newValue);

    // The shared lists from / into the device's CAN area; each object emits its signal on load.
    // The derived class loads its analog inputs and then emits dataChanged.
    void loadShared(const unsigned char *area, const AreaOffsets &at);
    void packShared(unsigned char *area, const AreaOffsets &at) const;

Q_SIGNALS:
    void dataChanged();
    void hasChangesUpdated(bool newValue);

private:
    CanOwner m_owner;
    QList<UserInCanMessage *> m_canInMessages;
    QList<UserOutCanMessage *> m_canOutMessages;
    QList<UserCanDigitalInput *> m_canDigitalInputs;
    QList<uint8_t> m_canInMessagesFrameIdMask;
    bool m_hasChanges = false;
};
