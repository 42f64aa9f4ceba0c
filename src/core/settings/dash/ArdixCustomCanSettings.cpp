#include "settings/dash/ArdixCustomCanSettings.h"

#include "settings/dash/ExtraLayout.h"

using namespace extraLayout;

ArdixCustomCanSettings::ArdixCustomCanSettings(QObject *parent)
    : CustomCanSettingsBase(CanOwner::Dash, kInMessages, kOutMessages, kDigitalInputs, parent)
{
    for (int i = 0; i < kAnalogInputs; ++i)
        m_canAnalogInputs.append(new ArdixUserCanAnalogInput(this));
}

void ArdixCustomCanSettings::load(const unsigned char *area)
{
    loadShared(area, kCanOffsets);
    for (int i = 0; i < m_canAnalogInputs.size(); ++i)
        m_canAnalogInputs[i]->load(area + kAnalogInputsOffset + i * kAnalogInputSize);
    Q_EMIT dataChanged();
}

void ArdixCustomCanSettings::pack(unsigned char *area) const
{
    packShared(area, kCanOffsets);
    for (int i = 0; i < m_canAnalogInputs.size(); ++i)
        m_canAnalogInputs[i]->pack(area + kAnalogInputsOffset + i * kAnalogInputSize);
}
