#include "settings/can/UserOutCanMessage.h"

#include "settings/can/CanLayout.h"
#include "settings/can/UserOutCanMessageData.h"
#include "settings/layout/FieldCodec.h"

UserOutCanMessage::UserOutCanMessage(CanOwner owner, QObject *parent) : QObject(parent), m_owner(owner)
{
    for (int i = 0; i < canLayout::kOutDataItems; ++i)
        m_userData.append(new UserOutCanMessageData(this));
}

void UserOutCanMessage::load(const unsigned char *record)
{
    layout::loadRecord(this, canLayout::outMessageTable(), record);
    for (int i = 0; i < m_userData.size(); ++i)
        m_userData[i]->load(record + canLayout::kOutDataOffset + i * canLayout::kOutDataSize);
    Q_EMIT dataChanged();
}

void UserOutCanMessage::pack(unsigned char *record) const
{
    layout::packRecord(this, canLayout::outMessageTable(), record);
    for (int i = 0; i < m_userData.size() && i < canLayout::kOutDataItems; ++i)
        m_userData[i]->pack(record + canLayout::kOutDataOffset + i * canLayout::kOutDataSize);
}

void UserOutCanMessage::removeUserDataAt(int index)
{
    if (index < 0 || index >= m_userData.size())
        return;
    UserOutCanMessageData *gone = m_userData.takeAt(index);
    gone->deleteLater(); // the interface may still hold it until the next event
    m_userData.append(new UserOutCanMessageData(this));
    Q_EMIT dataChanged();
}

void UserOutCanMessage::reset(uint8_t i)
{
    setIsMessageEnabled(false);
    setIsIdExtended(false);
    setFrameSize(8);
    setRateMillis(100);
    setCanId((m_owner == CanOwner::Dash ? kDashFirstId : kPdmFirstId) + i);
    for (UserOutCanMessageData *d : m_userData)
        d->clearSilently();
}
