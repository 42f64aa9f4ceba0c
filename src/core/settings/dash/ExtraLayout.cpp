#include "settings/dash/ExtraLayout.h"

#include "settings/can/CanLayout.h"

namespace extraLayout {
namespace {

using namespace layout;

constexpr Field kArea[] = {
    u32(kMarkerOffset, "initMarker"),
    u32(kCorrectionOffset, "inputCaptureCorrection", kCorrections),
    nested(kLampsOffset, kSourceRecordSize, "lamps", kLamps),
    nested(kActionsOffset, kSourceRecordSize, "actions", kActions),
    nested(kInMessagesOffset, canLayout::kInMessageSize, "customCan", kInMessages),
    nested(kOutMessagesOffset, canLayout::kOutMessageSize, nullptr, kOutMessages),
    nested(kDigitalInputsOffset, canLayout::kDigitalInputSize, nullptr, kDigitalInputs),
    nested(kAnalogInputsOffset, kAnalogInputSize, nullptr, kAnalogInputs),
    nested(kFrameIdMaskOffset, canLayout::kFrameIdMaskSize, nullptr),
    // 8 reserved bytes, set to 0xFF by the defaults only
    nested(kFunctionsOffset, kFunctionSize, "functions", kFunctions),
    nested(kKeypadsOffset, kKeypadSize, "keypads", kKeypads),
    // reserved up to the end
};
static_assert(isWellFormed(kArea, kAreaSize));
static_assert(kMaskReservedOffset == kFrameIdMaskOffset + canLayout::kFrameIdMaskSize);
static_assert(kFunctionsOffset == kMaskReservedOffset + 8);
static_assert(kReservedTailOffset == kKeypadsOffset + kKeypads * kKeypadSize);

constexpr Field kSource[] = {
    u8(0, "inChannelType"),
    u8(1, "inChannel"),
    bits(2, 0, 1, "isInverse"),
    bits(2, 1, 1, "isPullUp"),
    zeroBits(2, 2, 6),
    zero(3, 1),
};
static_assert(isWellFormed(kSource, kSourceRecordSize));

constexpr Field kAnalogInput[] = {
    u8(0, "inChannelType"),
    u8(1, "inChannel"),
    u8(2, "destinationSensId"),
    u8(3, "analogTableId"),
    u8(4, "dataByteIndex"),
    bits(5, 0, 6, "frameId"),
    bits(5, 6, 1, "isInputEnabled"),
    bits(5, 7, 1, "isSetupByMask"),
    bits(6, 0, 1, "isSetValueOnTimeout"),
    bits(6, 1, 1, "isSwapBytes"),
    bits(6, 2, 1, "isSignedValue"),
    bits(6, 3, 1, "isSize16Bit"),
    bits(6, 4, 4, "canInMessageIndex"),
    zero(7, 3),
    u16(10, "dataMask"),
    i16(12, "dataValueOnTimeout"),
    i16(14, "dataValueOffset"),
    i16(16, "dataValueMultiplier"),
    i16(18, "dataValueDivider"),
};
static_assert(isWellFormed(kAnalogInput, kAnalogInputSize));

constexpr Field kKeypad[] = {
    u8(0, "ledsAndWs2812bBrightness"),
    u8(1, "redColor"),
    u8(2, "greenColor"),
    u8(3, "blueColor"),
    u8(4, "keypadConfigBits"),
    u8(5, "keypadType"),
    u16(6, "keypadSerial"),
    text(8, 32, "buttonsNames", 16),
    u16(520, "canId"),
    u16(522, "redFunctionsActiveBits"),
    u16(524, "greenFunctionsActiveBits"),
    u16(526, "blueFunctionsActiveBits"),
    u8(528, "ledRedFunction", 16),
    u8(544, "ledGreenFunction", 16),
    u8(560, "ledBlueFunction", 16),
};
static_assert(isWellFormed(kKeypad, kKeypadSize));

} // namespace

Table areaTable() { return tableOf(kArea, kAreaSize); }
Table sourceTable() { return tableOf(kSource, kSourceRecordSize); }
Table analogInputTable() { return tableOf(kAnalogInput, kAnalogInputSize); }
Table keypadTable() { return tableOf(kKeypad, kKeypadSize); }

} // namespace extraLayout
