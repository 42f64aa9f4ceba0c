#include "settings/can/UserCanDigitalInput.h"

#include "settings/can/CanLayout.h"
#include "settings/layout/FieldCodec.h"

#include <QSignalBlocker>

void UserCanDigitalInput::load(const unsigned char *record)
{
    layout::loadRecord(this, canLayout::digitalInputTable(), record);
    Q_EMIT dataChanged();
}

void UserCanDigitalInput::pack(unsigned char *record) const
{
    layout::packRecord(this, canLayout::digitalInputTable(), record);
}

void UserCanDigitalInput::reset()
{
    {
        const QSignalBlocker quiet(this);
        unsigned char zeros[canLayout::kDigitalInputSize] = {};
        layout::loadRecord(this, canLayout::digitalInputTable(), zeros);
    }
    Q_EMIT dataChanged();
}
