#pragma once
// Byte layout of the dash's extra settings area (offsets from the start of the area).

#include "settings/can/CustomCanSettingsBase.h"
#include "settings/layout/FieldLayout.h"

namespace extraLayout {

constexpr int kAreaSize = 12288;
constexpr uint32_t kInitMarker = 0x70809000u;

constexpr int kMarkerOffset = 0;
constexpr int kCorrectionOffset = 4;
constexpr int kCorrections = 10;
constexpr int kLampsOffset = 44;
constexpr int kLamps = 64;
constexpr int kActionsOffset = 300;
constexpr int kActions = 32;
constexpr int kSourceRecordSize = 4; // lamp and action records
constexpr int kInMessagesOffset = 428;
constexpr int kInMessages = 16;
constexpr int kOutMessagesOffset = 556;
constexpr int kOutMessages = 8;
constexpr int kDigitalInputsOffset = 2156;
constexpr int kDigitalInputs = 32;
constexpr int kAnalogInputsOffset = 3308;
constexpr int kAnalogInputs = 64;
constexpr int kAnalogInputSize = 20;
constexpr int kFrameIdMaskOffset = 4588;
constexpr int kMaskReservedOffset = 4596;
constexpr int kFunctionsOffset = 4604;
constexpr int kFunctions = 60;
constexpr int kFunctionSize = 88;
constexpr int kKeypadsOffset = 9884;
constexpr int kKeypads = 2;
constexpr int kKeypadSize = 576;
constexpr int kReservedTailOffset = 11036;

constexpr CustomCanSettingsBase::AreaOffsets kCanOffsets{kInMessagesOffset, kOutMessagesOffset,
                                                         kDigitalInputsOffset, kFrameIdMaskOffset};

layout::Table areaTable();        // ArdixExtraSettings' own fields and the place of every list
layout::Table sourceTable();      // ArdixLamp, ArdixAction
layout::Table analogInputTable(); // ArdixUserCanAnalogInput
layout::Table keypadTable();      // ArdixKeypad

} // namespace extraLayout
