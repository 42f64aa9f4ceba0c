#include "settings/pdm/PdmCustomCanSettings.h"

#include "settings/layout/FieldCodec.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmTables.h"

namespace {
namespace C = PdmLayout::Can;
const CustomCanSettingsBase::AreaOffsets Offsets{int(C::InMessages), int(C::OutMessages), int(C::DigitalInputs),
                                                 int(C::FrameIdMask)};
} // namespace

PdmCustomCanSettings::PdmCustomCanSettings(QObject *parent)
    : CustomCanSettingsBase(CanOwner::Pdm, int(C::InMessagesCount), int(C::OutMessagesCount),
                            int(C::DigitalInputsCount), parent)
{
    for (std::size_t i = 0; i < C::AnalogInputsCount; ++i)
        m_canAnalogInputs.append(new PdmUserCanAnalogInput(this));
}

void PdmCustomCanSettings::load(const unsigned char *canArea)
{
    loadShared(canArea, Offsets);
    for (int i = 0; i < m_canAnalogInputs.size(); ++i) {
        PdmUserCanAnalogInput *input = m_canAnalogInputs[i];
        layout::loadRecord(input, PdmTables::CanAnalogInput, canArea + C::AnalogInputs + std::size_t(i) * C::AnalogInputSize);
        Q_EMIT input->dataChanged();
    }
    Q_EMIT dataChanged();
}

void PdmCustomCanSettings::pack(unsigned char *canArea) const
{
    packShared(canArea, Offsets);
    for (int i = 0; i < m_canAnalogInputs.size(); ++i)
        layout::packRecord(m_canAnalogInputs[i], PdmTables::CanAnalogInput,
                           canArea + C::AnalogInputs + std::size_t(i) * C::AnalogInputSize);
}
