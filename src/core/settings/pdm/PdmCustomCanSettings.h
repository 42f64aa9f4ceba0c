#pragma once
#include <QList>

#include "settings/can/CustomCanSettingsBase.h"
#include "settings/pdm/PdmUserCanAnalogInput.h"

// The PDM's CAN block: 8 received and 8 transmitted messages, 32 digital inputs, the frame-id mask
// and 16 analog inputs.
class PdmCustomCanSettings : public CustomCanSettingsBase
{
    Q_OBJECT
    Q_PROPERTY(QList<PdmUserCanAnalogInput *> canAnalogInputs READ canAnalogInputs NOTIFY dataChanged)

public:
    explicit PdmCustomCanSettings(QObject *parent = nullptr);

    QList<PdmUserCanAnalogInput *> canAnalogInputs() const { return m_canAnalogInputs; }

    // canArea points at the start of the CAN block inside the PDM block.
    void load(const unsigned char *canArea);
    void pack(unsigned char *canArea) const;

private:
    QList<PdmUserCanAnalogInput *> m_canAnalogInputs;
};
