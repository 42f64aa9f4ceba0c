#include "settings/can/UserInCanMessage.h"

#include "settings/can/CanLayout.h"
#include "settings/layout/FieldCodec.h"

UserInCanMessage::UserInCanMessage(CanOwner owner, QObject *parent) : QObject(parent), m_owner(owner) {}

void UserInCanMessage::load(const unsigned char *record)
{
    layout::loadRecord(this, canLayout::inMessageTable(), record);
    Q_EMIT dataChanged();
}

void UserInCanMessage::pack(unsigned char *record) const
{
    layout::packRecord(this, canLayout::inMessageTable(), record);
}

void UserInCanMessage::reset(uint8_t i)
{
    setFrameIdPosition(0);
    setIsMessageEnabled(false);
    setIsIdExtended(false);
    setIsFrameSet(false);
    setFrameSize(8);
    setTimeoutMillis(2000);
    setCanId((m_owner == CanOwner::Dash ? kDashFirstId : kPdmFirstId) + i);
}

QString UserInCanMessage::getCanIdStr()
{
    return QStringLiteral("0x%1(%2)").arg(QString::number(canId(), 16).toUpper()).arg(canId());
}
