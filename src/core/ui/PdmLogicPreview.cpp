#include "ui/PdmLogicPreview.h"

#include "app/ArdixKernel.h"
#include "settings/ArdixEnums.h"
#include "settings/TheSensorConfig.h"
#include "settings/layout/FieldCodec.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmFuncUsage.h"
#include "settings/pdm/PdmSettings.h"
#include "settings/pdm/PdmTables.h"

using namespace PdmLayout;

PdmLogicPreview::PdmLogicPreview(QObject *parent) : QObject(parent)
{
    m_logic.setProvider(this);
}

void PdmLogicPreview::touch()
{
    m_dirty = true;
    ++m_revision;
    emit revisionChanged();
}

void PdmLogicPreview::setSettings(PdmSettings *settings)
{
    if (m_settings == settings)
        return;
    if (m_settings)
        m_settings->disconnect(this);
    m_settings = settings;
    if (settings) {
        connect(settings, &PdmSettings::dataChanged, this, &PdmLogicPreview::touch);
        connect(settings->other(), &PdmOtherSettings::settingsChanged, this, &PdmLogicPreview::touch);
        for (PdmTicInput *i : settings->inputs())
            connect(i, &PdmTicInput::settingsChanged, this, &PdmLogicPreview::touch);
        for (PdmOutputSettings *o : settings->outputs())
            connect(o, &PdmOutputSettings::settingsChanged, this, &PdmLogicPreview::touch);
        for (PdmFunctionSettings *f : settings->functions())
            connect(f, &PdmFunctionSettings::settingsChanged, this, &PdmLogicPreview::touch);
        for (PdmKeypadConfig *k : settings->keypads())
            connect(k, &PdmKeypadConfig::settingsChanged, this, &PdmLogicPreview::touch);
        connect(settings->customCan(), &CustomCanSettingsBase::dataChanged, this, &PdmLogicPreview::touch);
    }
    touch();
    emit settingsChanged();
}

void PdmLogicPreview::setKernel(ArdixKernel *kernel)
{
    if (m_kernel == kernel)
        return;
    m_kernel = kernel;
    touch();
    emit kernelChanged();
}

QByteArray PdmLogicPreview::previewBlock() const
{
    if (!m_settings)
        return {};
    if (!m_dirty)
        return m_cache;
    QByteArray out = m_settings->block();
    if (std::size_t(out.size()) != BlockSize)
        out = QByteArray(qsizetype(BlockSize), '\0');
    auto *block = reinterpret_cast<unsigned char *>(out.data());
    const auto notLoadOnly = [](const layout::Field &f) { return f.tag != PdmTables::LoadOnly; };
    layout::packRecord(m_settings->other(), PdmTables::General, block, notLoadOnly);
    const auto inputs = m_settings->inputs();
    for (int i = 0; i < inputs.size(); ++i) {
        layout::packRecord(inputs[i], PdmTables::InputConfig, block + InputConfigOffset + 2 * std::size_t(i));
        layout::packRecord(inputs[i], PdmTables::InputName, block + InputNamesOffset + InputNameSize * std::size_t(i));
    }
    const auto outputs = m_settings->outputs();
    for (int i = 0; i < outputs.size(); ++i)
        outputs[i]->pack(block + outputOffset(std::size_t(i)));
    const auto functions = m_settings->functions();
    for (int i = 0; i < functions.size(); ++i) {
        // An unused slot is what the device would hold after the next apply: nothing.
        if (functions[i]->configBits() == 0)
            std::fill_n(block + functionOffset(std::size_t(i)), FunctionRecordSize, 0);
        else
            functions[i]->pack(block + functionOffset(std::size_t(i)));
    }
    const auto keypads = m_settings->keypads();
    for (int i = 0; i < keypads.size(); ++i)
        layout::packRecord(keypads[i], PdmTables::Keypad, block + keypadOffset(std::size_t(i)));
    m_settings->customCan()->pack(block + CanOffset);
    m_cache = out;
    m_dirty = false;
    return m_cache;
}

QString PdmLogicPreview::description(int funcId) const
{
    return funcId < 0 ? QString() : m_logic.get_func_description(uint(funcId));
}

QString PdmLogicPreview::channelName(int type, int channel) const
{
    return m_logic.get_channel_name(uint(type), uint(channel), 0);
}

QString PdmLogicPreview::usage(int funcId) const
{
    return funcId < 0 ? QString() : pdmFuncUsageInfo(previewBlock(), uint(funcId));
}

int PdmLogicPreview::connectedDeviceType() const
{
    return ArdixEnums::Device_Pmx;
}

QByteArray PdmLogicPreview::dashBlock() const
{
    return {};
}

QString PdmLogicPreview::sensorShortName(uint8_t sensorId) const
{
    const TheSensorConfig *sensor = m_kernel ? m_kernel->getSensor(sensorId) : nullptr;
    return sensor ? sensor->shortSensorName() : QString();
}

bool PdmLogicPreview::isSensorFloat(uint8_t sensorId) const
{
    const TheSensorConfig *sensor = m_kernel ? m_kernel->getSensor(sensorId) : nullptr;
    return sensor && sensor->isFloat();
}
