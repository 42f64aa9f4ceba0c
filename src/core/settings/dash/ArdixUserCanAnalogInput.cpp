#include "settings/dash/ArdixUserCanAnalogInput.h"

#include "settings/dash/ExtraLayout.h"
#include "settings/layout/FieldCodec.h"

#include <QSignalBlocker>

void ArdixUserCanAnalogInput::load(const unsigned char *record)
{
    layout::loadRecord(this, extraLayout::analogInputTable(), record);
    Q_EMIT dataChanged();
}

void ArdixUserCanAnalogInput::pack(unsigned char *record) const
{
    layout::packRecord(this, extraLayout::analogInputTable(), record);
}

void ArdixUserCanAnalogInput::reset()
{
    {
        const QSignalBlocker quiet(this);
        unsigned char zeros[kRecordSize] = {};
        layout::loadRecord(this, extraLayout::analogInputTable(), zeros);
    }
    Q_EMIT dataChanged();
}
