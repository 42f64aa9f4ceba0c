#include "settings/history/SnapshotRecorder.h"

#include "settings/ArdixEnums.h"

namespace settingsHistory {

using settingsDiff::BlockKind;

namespace {
int slot(BlockKind kind) { return kind == BlockKind::Dash ? 0 : 1; }
} // namespace

SnapshotRecorder::SnapshotRecorder(SettingsHistory history, DeviceBlocks blocks)
    : m_history(std::move(history)), m_blocks(std::move(blocks))
{
}

void SnapshotRecorder::keep(BlockKind kind, Source source)
{
    if (!m_blocks.block || !m_blocks.serial)
        return;
    const QByteArray block = m_blocks.block(kind);
    m_seen[slot(kind)] = block;
    m_history.record(m_blocks.serial(kind), kind, source, block);
}

void SnapshotRecorder::keepUpload(unsigned dataType)
{
    switch (dataType) {
    case ArdixEnums::AllData:
    case ArdixEnums::CommonSettingsData:
    case ArdixEnums::AllSensorData:
    case ArdixEnums::AllCustomSensorData:
    case ArdixEnums::SkinsPosData:
    case ArdixEnums::CustomAnalogSensorsData:
    case ArdixEnums::DashExtraSettingsData:
        keep(BlockKind::Dash, Source::WrittenToDevice);
        break;
    case ArdixEnums::PdmCommonSettings:
    case ArdixEnums::PdmDEFAULTCommonSettings:
        keep(BlockKind::Pdm, Source::WrittenToDevice);
        break;
    default:
        break;
    }
}

void SnapshotRecorder::keepChanged(Source source)
{
    if (!m_blocks.block)
        return;
    for (BlockKind kind : {BlockKind::Dash, BlockKind::Pdm})
        if (m_blocks.block(kind) != m_seen[slot(kind)])
            keep(kind, source);
}

void SnapshotRecorder::look()
{
    if (!m_blocks.block)
        return;
    for (BlockKind kind : {BlockKind::Dash, BlockKind::Pdm})
        m_seen[slot(kind)] = m_blocks.block(kind);
}

} // namespace settingsHistory
