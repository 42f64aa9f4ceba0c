#pragma once
// Where everything sits in the 40,960-byte PDM settings block. Plain constants, no Qt: the
// logic texts, the board helpers and the object tree all read the block through these.
#include <cstddef>
#include <cstdint>

namespace PdmLayout {

constexpr std::size_t BlockSize = 40960;

constexpr std::size_t SettingsCrcOffset = 0; // word CRC-32 of bytes 4..end

// General record (absolute offsets).
constexpr std::size_t GeneralOffset = 4;
constexpr std::size_t PdmSerialNumberOffset = 4;
constexpr std::size_t EcuProtocolOffset = 8;
constexpr std::size_t CanbusBaudOffset = 9;
constexpr std::size_t PwmFreqOffset = 10;
constexpr std::size_t OtherConfigBitsOffset = 12;
constexpr std::size_t MasterShutdownFunctionIdOffset = 13;
constexpr std::size_t MasterRetryFunctionIdOffset = 14;
constexpr std::size_t PdmSleepFunctionIdOffset = 15;
constexpr std::size_t FlagsOffset = 19; // bit 6 test settings, bit 7 password set
constexpr std::size_t PasswordHashOffset = 20;
constexpr std::size_t PasswordHashSize = 64;
constexpr std::size_t DeviceNameOffset = 84;
constexpr std::size_t DeviceNameSize = 32;
constexpr std::size_t PdmsSerialOffset = 116; // uint16[2]
constexpr std::size_t ArdixSerialOffset = 120; // uint16[2]
constexpr std::size_t SerialListCount = 2;
constexpr std::size_t GeneralEnd = 124;
constexpr int IsThisTestSettingsBit = 6;
constexpr int IsPasswordProtectionSetBit = 7;

// Inputs.
constexpr std::size_t InputsCount = 24;
constexpr std::size_t InputConfigOffset = 2048; // uint16 x 24
constexpr std::size_t InputNamesOffset = 2672; // char[32] x 24
constexpr std::size_t InputNameSize = 32;

// Outputs.
constexpr std::size_t OutputsCount = 32;
constexpr std::size_t OutputsOffset = 4096;
constexpr std::size_t OutputRecordSize = 92;
namespace Output {
constexpr std::size_t Name = 0;
constexpr std::size_t NameSize = 32;
constexpr std::size_t ConfigBits = 32;
constexpr std::size_t InrushDelay = 36;
constexpr std::size_t MaxInrushCurrent = 38;
constexpr std::size_t MaxCurrent = 39;
constexpr std::size_t MinCurrent = 40;
constexpr std::size_t RetryCount = 41;
constexpr std::size_t RetryDelay = 42;
constexpr std::size_t MinDuty = 46;
constexpr std::size_t FunctionsCount = 47;
constexpr std::size_t OperatorsBetweenFunctions = 48;
constexpr std::size_t FunctionsOrder = 50;
constexpr std::size_t PwmFunctionsOrder = 66;
constexpr std::size_t PwmFunctionsActiveBits = 82;
} // namespace Output

// Logic functions: record i is function id i.
constexpr std::size_t FunctionsCount = 200;
constexpr std::size_t FunctionsOffset = 7040;
constexpr std::size_t FunctionRecordSize = 88;

// Keypads.
constexpr std::size_t KeypadsCount = 4;
constexpr std::size_t KeypadsOffset = 24640;
constexpr std::size_t KeypadRecordSize = 1456;
constexpr std::size_t KeypadButtonsCount = 16;
constexpr std::size_t KeypadInputsCount = 24;
namespace Keypad {
constexpr std::size_t Brightness = 0;
constexpr std::size_t RedColor = 1;
constexpr std::size_t GreenColor = 2;
constexpr std::size_t BlueColor = 3;
constexpr std::size_t ConfigBits = 4;
constexpr std::size_t Type = 5;
constexpr std::size_t Serial = 6;
constexpr std::size_t ButtonsNames = 8; // char[16][32]
constexpr std::size_t NameSize = 32;
constexpr std::size_t Tic124InputsConfig = 520; // uint8[24]
constexpr std::size_t Tic124InputsNames = 544; // char[24][32]
constexpr std::size_t CanId = 1312;
constexpr std::size_t RedFunctionsActiveBits = 1314;
constexpr std::size_t GreenFunctionsActiveBits = 1316;
constexpr std::size_t BlueFunctionsActiveBits = 1318;
constexpr std::size_t LedRedFunction = 1320;
constexpr std::size_t LedGreenFunction = 1336;
constexpr std::size_t LedBlueFunction = 1352;
constexpr std::size_t ReservedTail = 1368;
} // namespace Keypad

// CAN block and its parts (offsets within the CAN block).
constexpr std::size_t CanOffset = 30464;
constexpr std::size_t CanSize = 10496;
namespace Can {
constexpr std::size_t InMessagesCount = 8;
constexpr std::size_t InMessages = 0;
constexpr std::size_t InMessageSize = 8;
constexpr std::size_t OutMessagesCount = 8;
constexpr std::size_t OutMessages = 64;
constexpr std::size_t OutMessageSize = 200;
constexpr std::size_t OutDataItemsCount = 16;
constexpr std::size_t OutDataOffset = 8; // first data item inside a transmitted message
constexpr std::size_t OutDataSize = 12;
constexpr std::size_t AnalogInputsCount = 16;
constexpr std::size_t AnalogInputs = 1664;
constexpr std::size_t AnalogInputSize = 48;
constexpr std::size_t DigitalInputsCount = 32;
constexpr std::size_t DigitalInputs = 2432;
constexpr std::size_t DigitalInputSize = 36;
constexpr std::size_t FrameIdMask = 3584;
constexpr std::size_t FrameIdMaskSize = 8;
constexpr std::size_t Reserved = 3592;
constexpr std::size_t NameSize = 32; // analog and digital input names lead their records
} // namespace Can

// Positions inside the 88-byte function record used without the object tree.
namespace Function {
constexpr std::size_t Name = 0;
constexpr std::size_t NameSize = 40;
constexpr std::size_t ConfigBits = 40;
constexpr std::size_t InChannelType = 44;
constexpr std::size_t InChannel = 45;
constexpr std::size_t AdditionalInChannelType = 46;
constexpr std::size_t AdditionalInChannel = 47;
constexpr std::size_t TrueDelayHystOrFlash = 48;
constexpr std::size_t FalseDelayHystOrFlash = 50;
constexpr std::size_t ConstValueToCompareWith = 52;
constexpr std::size_t AdditionalConstValueToCompareWith = 54;
constexpr std::size_t ConstMaxValueToCompareWith = 56;
constexpr std::size_t ConstMinValueToCompareWith = 58;
constexpr std::size_t FunctionsCount = 60;
constexpr std::size_t ConditionOperator = 61;
constexpr std::size_t OperatorsBetweenFunctions = 62;
constexpr std::size_t FunctionsOrder = 64;
constexpr std::size_t ChildCount = 16;
constexpr std::size_t CurrentStateOveride = 80;
constexpr std::size_t ListIndex = 84;
constexpr std::size_t SrcDev = 85;
} // namespace Function

constexpr std::size_t outputOffset(std::size_t i) { return OutputsOffset + i * OutputRecordSize; }
constexpr std::size_t functionOffset(std::size_t i) { return FunctionsOffset + i * FunctionRecordSize; }
constexpr std::size_t keypadOffset(std::size_t i) { return KeypadsOffset + i * KeypadRecordSize; }

static_assert(GeneralEnd <= InputConfigOffset);
static_assert(InputConfigOffset + 2 * InputsCount <= InputNamesOffset);
static_assert(InputNamesOffset + InputNameSize * InputsCount <= OutputsOffset);
static_assert(OutputsOffset + OutputsCount * OutputRecordSize == FunctionsOffset);
static_assert(FunctionsOffset + FunctionsCount * FunctionRecordSize == KeypadsOffset);
static_assert(KeypadsOffset + KeypadsCount * KeypadRecordSize == CanOffset);
static_assert(CanOffset + CanSize == BlockSize);
static_assert(Can::InMessages + Can::InMessagesCount * Can::InMessageSize == Can::OutMessages);
static_assert(Can::OutMessages + Can::OutMessagesCount * Can::OutMessageSize == Can::AnalogInputs);
static_assert(Can::OutDataOffset + Can::OutDataItemsCount * Can::OutDataSize == Can::OutMessageSize);
static_assert(Can::AnalogInputs + Can::AnalogInputsCount * Can::AnalogInputSize == Can::DigitalInputs);
static_assert(Can::DigitalInputs + Can::DigitalInputsCount * Can::DigitalInputSize == Can::FrameIdMask);
static_assert(Can::FrameIdMask + Can::FrameIdMaskSize == Can::Reserved);
static_assert(Keypad::ButtonsNames + KeypadButtonsCount * Keypad::NameSize == Keypad::Tic124InputsConfig);
static_assert(Keypad::Tic124InputsNames + KeypadInputsCount * Keypad::NameSize == Keypad::CanId);
static_assert(Keypad::LedBlueFunction + KeypadButtonsCount == Keypad::ReservedTail);
static_assert(Output::PwmFunctionsActiveBits + 2 <= OutputRecordSize);
static_assert(Function::SrcDev < FunctionRecordSize);

} // namespace PdmLayout
