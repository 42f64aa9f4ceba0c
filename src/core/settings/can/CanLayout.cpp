#include "settings/can/CanLayout.h"

namespace canLayout {
namespace {

using namespace layout;

constexpr Field kInMessage[] = {
    u32(0, "canId"),
    bits(4, 0, 6, "frameIdPosition"),
    bits(4, 6, 1, "isMessageEnabled"),
    bits(4, 7, 1, "isIdExtended"),
    bits(5, 0, 1, "isFrameSet"),
    zeroBits(5, 1, 1),
    bits(5, 2, 6, "frameSize"),
    u16(6, "timeoutMillis"),
};
static_assert(isWellFormed(kInMessage, kInMessageSize));

constexpr Field kOutMessage[] = {
    u32(0, "canId"),
    bits(4, 0, 1, "isMessageEnabled"),
    bits(4, 1, 1, "isIdExtended"),
    bits(4, 2, 6, "frameSize"),
    zero(5, 1),
    u16(6, "rateMillis"),
    nested(kOutDataOffset, kOutDataSize, "userData", kOutDataItems),
};
static_assert(isWellFormed(kOutMessage, kOutMessageSize));

constexpr Field kOutData[] = {
    u8(0, "inChannelType"),
    u8(1, "inChannel"),
    bits(2, 0, 4, "dataSize"),
    bits(2, 4, 4, "dataByteIndex"),
    bits(3, 0, 4, "dataBitIndex"),
    bits(3, 4, 2, "configBits"),
    bits(3, 6, 1, "isSignedValue"),
    bits(3, 7, 1, "isSwapBytes"),
    i16(4, "dataValueOffset"),
    i16(6, "dataValueMultiplier"),
    i16(8, "dataValueDivider"),
    i16(10, "constantData"),
};
static_assert(isWellFormed(kOutData, kOutDataSize));

constexpr Field kDigitalInput[] = {
    text(0, 32, "inputName"),
    bits(32, 0, 4, "canInMessageIndex"),
    bits(32, 4, 1, "isInputEnabled"),
    bits(32, 5, 1, "isSetupByMask"),
    bits(32, 6, 1, "isResetOnTimeout"),
    bits(32, 7, 1, "isSetOnTimeout"),
    zeroBits(33, 0, 2),
    bits(33, 2, 6, "frameId"),
    u8(34, "dataMask"),
    u8(35, "dataByteIndex"),
};
static_assert(isWellFormed(kDigitalInput, kDigitalInputSize));

} // namespace

Table inMessageTable() { return tableOf(kInMessage, kInMessageSize); }
Table outMessageTable() { return tableOf(kOutMessage, kOutMessageSize); }
Table outDataTable() { return tableOf(kOutData, kOutDataSize); }
Table digitalInputTable() { return tableOf(kDigitalInput, kDigitalInputSize); }

} // namespace canLayout
