#include "settings/can/UserOutCanMessageData.h"

#include "settings/can/CanLayout.h"
#include "settings/layout/FieldCodec.h"

#include <QSignalBlocker>

void UserOutCanMessageData::load(const unsigned char *record)
{
    layout::loadRecord(this, canLayout::outDataTable(), record);
    Q_EMIT dataChanged();
}

void UserOutCanMessageData::pack(unsigned char *record) const
{
    layout::packRecord(this, canLayout::outDataTable(), record);
}

void UserOutCanMessageData::clearSilently()
{
    const QSignalBlocker quiet(this);
    unsigned char zeros[canLayout::kOutDataSize] = {};
    layout::loadRecord(this, canLayout::outDataTable(), zeros);
}

void UserOutCanMessageData::reset()
{
    clearSilently();
    Q_EMIT dataChanged();
}
