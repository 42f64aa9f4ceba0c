#include "settings/dash/ArdixChannelSource.h"

#include "settings/dash/ExtraLayout.h"
#include "settings/layout/FieldCodec.h"

void ArdixChannelSource::load(const unsigned char *record)
{
    layout::loadRecord(this, extraLayout::sourceTable(), record);
    Q_EMIT dataChanged();
}

void ArdixChannelSource::pack(unsigned char *record) const
{
    layout::packRecord(this, extraLayout::sourceTable(), record);
}
