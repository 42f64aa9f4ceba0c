#pragma once
// The records of the PDM block as field tables: each named field is the property of the same name
// on the object bound to the record. Included from .cpp files and tests only (not from moc'ed
// headers).
#include "settings/layout/FieldLayout.h"
#include "settings/pdm/PdmBlockLayout.h"

namespace PdmTables {

// Fields of the general record that are loaded but never packed from the object.
constexpr int LoadOnly = 1;

// Block prefix up to the end of the general record; offsets are block offsets.
constexpr layout::Field kGeneralFields[] = {
    layout::u32(0, "settingsCrc").when(LoadOnly),
    layout::u32(4, "pdmSerialNumber").when(LoadOnly),
    layout::u8(8, "ecuProtocol"),
    layout::num(9, layout::Kind::I8, "canbusBaud"),
    layout::u16(10, "pwmFreq"),
    layout::u8(12, "pdmOtherSettingConfigBits"),
    layout::u8(13, "masterShutdownFunctionId"),
    layout::u8(14, "masterRetryFunctionId"),
    layout::u8(15, "pdmSleepFunctionId"),
    layout::bytes(16, 3, "reserved").when(LoadOnly),
    layout::bits(19, 6, 1, "isThisTestSettings").when(LoadOnly),
    layout::bits(19, 7, 1, "isPasswordProtectionSet").when(LoadOnly),
    layout::bytes(20, 64, "passwordHash").when(LoadOnly),
    layout::text(84, 32, "deviceName"),
    // Links to other devices: a shorter list must not wipe the serials stored beyond it.
    layout::u16(116, "pdmsSerial", 2).onlyHeldEntries(),
    layout::u16(120, "ardixSerial", 2).onlyHeldEntries(),
};
static_assert(layout::isWellFormed(kGeneralFields, int(PdmLayout::GeneralEnd)));

// An input's two fields live in separate arrays of the block.
constexpr layout::Field kInputConfigFields[] = {layout::u16(0, "config")};
constexpr layout::Field kInputNameFields[] = {layout::text(0, 32, "inputName")};
static_assert(layout::isWellFormed(kInputConfigFields, 2));
static_assert(layout::isWellFormed(kInputNameFields, int(PdmLayout::InputNameSize)));

constexpr layout::Field kOutputFields[] = {
    layout::text(0, 32, "outputName"),
    layout::u32(32, "configBits"),
    layout::u16(36, "inrushDelay"),
    layout::u8(38, "maxInrushCurrent"),
    layout::u8(39, "maxCurrent"),
    layout::u8(40, "minCurrent"),
    layout::u8(41, "retryCount"),
    layout::u16(42, "retryDelay"),
    layout::zero(44, 2),
    layout::u8(46, "minDuty"),
    layout::u8(47, "functionsCount"),
    layout::u16(48, "operatorsBetweenFunctions"),
    layout::u8(50, "functionsOrder", 16),
    layout::u8(66, "pwmFunctionsOrder", 16),
    layout::u16(82, "pwmFunctionsActiveBits"),
    layout::zero(84, 8),
};
static_assert(layout::isWellFormed(kOutputFields, int(PdmLayout::OutputRecordSize)));

constexpr layout::Field kKeypadFields[] = {
    layout::u8(0, "ledsAndWs2812bBrightness"),
    layout::u8(1, "redColor"),
    layout::u8(2, "greenColor"),
    layout::u8(3, "blueColor"),
    layout::u8(4, "keypadConfigBits"),
    layout::u8(5, "keypadType"),
    layout::u16(6, "keypadSerial"),
    layout::text(8, 32, "buttonsNames", 16),
    layout::u8(520, "tic124InputsConfig", 24),
    layout::text(544, 32, "tic124InputsNames", 24),
    layout::u16(1312, "canId"),
    layout::u16(1314, "redFunctionsActiveBits"),
    layout::u16(1316, "greenFunctionsActiveBits"),
    layout::u16(1318, "blueFunctionsActiveBits"),
    layout::u8(1320, "ledRedFunction", 16),
    layout::u8(1336, "ledGreenFunction", 16),
    layout::u8(1352, "ledBlueFunction", 16),
};
static_assert(layout::isWellFormed(kKeypadFields, int(PdmLayout::KeypadRecordSize)));

constexpr layout::Field kCanAnalogInputFields[] = {
    layout::text(0, 32, "inputName"),
    layout::u8(32, "dataByteIndex"),
    layout::bits(33, 0, 6, "frameId"),
    layout::bits(33, 6, 1, "isInputEnabled"),
    layout::bits(33, 7, 1, "isSetupByMask"),
    layout::bits(34, 0, 1, "isSetValueOnTimeout"),
    layout::bits(34, 1, 1, "isSwapBytes"),
    layout::bits(34, 2, 1, "isSignedValue"),
    layout::bits(34, 3, 1, "isSize16Bit"),
    layout::bits(34, 4, 4, "canInMessageIndex"),
    layout::u16(38, "dataMask"),
    layout::i16(40, "dataValueOnTimeout"),
    layout::i16(42, "dataValueOffset"),
    layout::i16(44, "dataValueMultiplier"),
    layout::i16(46, "dataValueDivider"),
};
static_assert(layout::isWellFormed(kCanAnalogInputFields, int(PdmLayout::Can::AnalogInputSize)));

constexpr layout::Table General = layout::tableOf(kGeneralFields, int(PdmLayout::GeneralEnd));
constexpr layout::Table InputConfig = layout::tableOf(kInputConfigFields, 2);
constexpr layout::Table InputName = layout::tableOf(kInputNameFields, int(PdmLayout::InputNameSize));
constexpr layout::Table Output = layout::tableOf(kOutputFields, int(PdmLayout::OutputRecordSize));
constexpr layout::Table Keypad = layout::tableOf(kKeypadFields, int(PdmLayout::KeypadRecordSize));
constexpr layout::Table CanAnalogInput = layout::tableOf(kCanAnalogInputFields, int(PdmLayout::Can::AnalogInputSize));

} // namespace PdmTables
