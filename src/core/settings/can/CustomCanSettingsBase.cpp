#include "settings/can/CustomCanSettingsBase.h"

#include "settings/can/CanLayout.h"
#include "settings/can/UserCanDigitalInput.h"
#include "settings/can/UserInCanMessage.h"
#include "settings/can/UserOutCanMessage.h"

CustomCanSettingsBase::CustomCanSettingsBase(CanOwner owner, int inMessages, int outMessages,
                                             int digitalInputs, QObject *parent)
    : QObject(parent), m_owner(owner), m_canInMessagesFrameIdMask(canLayout::kFrameIdMaskSize, 0)
{
    for (int i = 0; i < inMessages; ++i)
        m_canInMessages.append(new UserInCanMessage(owner, this));
    for (int i = 0; i < outMessages; ++i)
        m_canOutMessages.append(new UserOutCanMessage(owner, this));
    for (int i = 0; i < digitalInputs; ++i)
        m_canDigitalInputs.append(new UserCanDigitalInput(this));
}

void CustomCanSettingsBase::setCanInMessagesFrameIdMask(const QList<uint8_t> &mask)
{
    if (mask == m_canInMessagesFrameIdMask)
        return;
    m_canInMessagesFrameIdMask = mask;
    Q_EMIT dataChanged();
}

void CustomCanSettingsBase::setHasChanges(bool newValue)
{
    if (newValue == m_hasChanges)
        return;
    m_hasChanges = newValue;
    Q_EMIT hasChangesUpdated(newValue);
}

void CustomCanSettingsBase::loadShared(const unsigned char *area, const AreaOffsets &at)
{
    for (int i = 0; i < m_canInMessages.size(); ++i)
        m_canInMessages[i]->load(area + at.inMessages + i * canLayout::kInMessageSize);
    for (int i = 0; i < m_canOutMessages.size(); ++i)
        m_canOutMessages[i]->load(area + at.outMessages + i * canLayout::kOutMessageSize);
    for (int i = 0; i < m_canDigitalInputs.size(); ++i)
        m_canDigitalInputs[i]->load(area + at.digitalInputs + i * canLayout::kDigitalInputSize);
    const unsigned char *mask = area + at.frameIdMask;
    setCanInMessagesFrameIdMask(QList<uint8_t>(mask, mask + canLayout::kFrameIdMaskSize));
}

void CustomCanSettingsBase::packShared(unsigned char *area, const AreaOffsets &at) const
{
    for (int i = 0; i < m_canInMessages.size(); ++i)
        m_canInMessages[i]->pack(area + at.inMessages + i * canLayout::kInMessageSize);
    for (int i = 0; i < m_canOutMessages.size(); ++i)
        m_canOutMessages[i]->pack(area + at.outMessages + i * canLayout::kOutMessageSize);
    for (int i = 0; i < m_canDigitalInputs.size(); ++i)
        m_canDigitalInputs[i]->pack(area + at.digitalInputs + i * canLayout::kDigitalInputSize);
    for (int i = 0; i < canLayout::kFrameIdMaskSize; ++i)
        area[at.frameIdMask + i] = i < m_canInMessagesFrameIdMask.size() ? m_canInMessagesFrameIdMask[i] : 0;
}
