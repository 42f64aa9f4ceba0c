#pragma once
// The apply step of the dash settings: pack the changed parts into a copy of the block and decide
// what to upload. Pure apart from the tree it is given (its flags are cleared and each sensor's
// `enable` is written back into config bit 0); the kernel stores the bytes and queues the upload.

#include "settings/dash/DashSettingsImage.h"

#include <QString>
#include <cstdint>
#include <optional>

class ArdixSettings;

struct DashUpload
{
    int dataType = 0;       // ArdixEnums::MessageDataTypes
    uint32_t parameter = 0; // the frame header's parameter (currSkin for SkinsPosData)
};

struct DashApplyResult
{
    bool applied = false;    // false: nothing changed and not full; nothing to store or send
    uint8_t changedMask = 0; // bit (int)DashPart per part packed
    DashSettingsImage image; // the new block: store it under "allSettingsData"
    std::optional<DashUpload> upload;
    QString message;         // to show in a message dialog when not empty
};

// The firmware version as a number: characters 2..5 of a 5-character version text ("S0.94" gives
// 0.94); 0 for any other text.
double dashFirmwareVersionNumber(const QString &version);

// `linkOnline`: the dash link is up, so an upload is chosen (and the old-firmware message shown).
DashApplyResult applyDashSettings(ArdixSettings &settings, const DashSettingsImage &current, bool isFull,
                                  bool linkOnline, const QString &firmwareVersion);

// Which block to send for the parts packed (bits as in changedMask): the one changed part alone, or
// the whole block when several changed or `isFull`; extra settings alone on firmware up to 0.945
// (0 = unknown) are not sent at all and the user is told the firmware is outdated.
struct DashUploadChoice
{
    std::optional<DashUpload> upload;
    bool firmwareOutdated = false;
};
DashUploadChoice chooseDashUpload(uint8_t changedMask, bool isFull, uint32_t currSkin, double firmwareVersion);

extern const char *const kOutdatedFirmwareMessage;
