#pragma once
// The dash's user CAN settings: 16 received and 8 transmitted messages, 32 digital and 64 analog
// inputs.

#include "settings/can/CustomCanSettingsBase.h"
#include "settings/dash/ArdixUserCanAnalogInput.h"

#include <QList>

class ArdixCustomCanSettings : public CustomCanSettingsBase
{
    Q_OBJECT
    Q_PROPERTY(QList<ArdixUserCanAnalogInput *> canAnalogInputs READ canAnalogInputs NOTIFY dataChanged)

public:
    explicit ArdixCustomCanSettings(QObject *parent = nullptr);

    QList<ArdixUserCanAnalogInput *> canAnalogInputs() const { return m_canAnalogInputs; }

    // From / into the extra settings area; load ends with dataChanged.
    void load(const unsigned char *area);
    void pack(unsigned char *area) const;

private:
    QList<ArdixUserCanAnalogInput *> m_canAnalogInputs;
};
