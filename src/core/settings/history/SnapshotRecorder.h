#pragma once
// Decides when the kernel's blocks become history: a block read from the device, an upload of
// settings to it, a settings file that changed a block. The kernel forwards those moments here.

#include "settings/history/SettingsHistory.h"

#include <functional>

namespace settingsHistory {

struct DeviceBlocks
{
    std::function<QByteArray(settingsDiff::BlockKind)> block;
    std::function<uint(settingsDiff::BlockKind)> serial;
};

class SnapshotRecorder
{
public:
    SnapshotRecorder(SettingsHistory history, DeviceBlocks blocks);

    SettingsHistory &history() { return m_history; }
    const DeviceBlocks &blocks() const { return m_blocks; }

    // The current block of `kind`, as it stands now.
    void keep(settingsDiff::BlockKind kind, Source source);
    // A FlashData upload (MessageDataTypes value): the block it carries, if it carries settings.
    void keepUpload(unsigned dataType);
    // Blocks that differ from what was there when the recorder last looked (a loaded file changes
    // one of the two; the other must not be listed as loaded).
    void keepChanged(Source source);
    // Takes the current blocks as seen, without keeping them.
    void look();

private:
    SettingsHistory m_history;
    DeviceBlocks m_blocks;
    QByteArray m_seen[2];
};

} // namespace settingsHistory
