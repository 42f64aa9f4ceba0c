#include "settings/pdm/PdmBlockView.h"

#include "settings/layout/LittleEndian.h"
#include "settings/layout/TextField.h"
#include "settings/pdm/PdmBlockLayout.h"

using namespace PdmLayout;

namespace {
bool inRange(int i, std::size_t count)
{
    return i >= 0 && std::size_t(i) < count;
}
} // namespace

PdmBlockView::PdmBlockView(const QByteArray &block) : m_block(block) {}

bool PdmBlockView::isValid() const
{
    return std::size_t(m_block.size()) == BlockSize;
}

const unsigned char *PdmBlockView::at(std::size_t offset) const
{
    return reinterpret_cast<const unsigned char *>(m_block.constData()) + offset;
}

QString PdmBlockView::text(std::size_t offset, std::size_t size) const
{
    if (offset + size > std::size_t(m_block.size()))
        return {};
    return layout::loadText(at(offset), int(size));
}

uint8_t PdmBlockView::u8(std::size_t offset) const
{
    return offset < std::size_t(m_block.size()) ? *at(offset) : 0;
}

uint16_t PdmBlockView::u16(std::size_t offset) const
{
    return offset + 2 <= std::size_t(m_block.size()) ? layout::readLE<uint16_t>(at(offset)) : 0;
}

uint32_t PdmBlockView::u32(std::size_t offset) const
{
    return offset + 4 <= std::size_t(m_block.size()) ? layout::readLE<uint32_t>(at(offset)) : 0;
}

uint32_t PdmBlockView::serialNumber() const { return u32(PdmSerialNumberOffset); }
QString PdmBlockView::deviceName() const { return text(DeviceNameOffset, DeviceNameSize); }
uint8_t PdmBlockView::otherConfigBits() const { return u8(OtherConfigBitsOffset); }
uint8_t PdmBlockView::masterShutdownFunctionId() const { return u8(MasterShutdownFunctionIdOffset); }
uint8_t PdmBlockView::masterRetryFunctionId() const { return u8(MasterRetryFunctionIdOffset); }
uint8_t PdmBlockView::pdmSleepFunctionId() const { return u8(PdmSleepFunctionIdOffset); }

QList<uint> PdmBlockView::pdmsSerial() const
{
    QList<uint> out;
    for (std::size_t i = 0; i < SerialListCount; ++i)
        out.append(u16(PdmsSerialOffset + 2 * i));
    return out;
}

QList<uint> PdmBlockView::ardixSerial() const
{
    QList<uint> out;
    for (std::size_t i = 0; i < SerialListCount; ++i)
        out.append(u16(ArdixSerialOffset + 2 * i));
    return out;
}

QString PdmBlockView::inputName(int input) const
{
    if (!inRange(input, InputsCount))
        return {};
    return text(InputNamesOffset + std::size_t(input) * InputNameSize, InputNameSize);
}

QString PdmBlockView::outputName(int output) const
{
    if (!inRange(output, OutputsCount))
        return {};
    return text(outputOffset(std::size_t(output)) + Output::Name, Output::NameSize);
}

std::array<uint8_t, 16> PdmBlockView::outputFunctionsOrder(int output) const
{
    std::array<uint8_t, 16> ids{};
    if (inRange(output, OutputsCount)) {
        for (std::size_t i = 0; i < ids.size(); ++i)
            ids[i] = u8(outputOffset(std::size_t(output)) + Output::FunctionsOrder + i);
    }
    return ids;
}

std::array<uint8_t, 16> PdmBlockView::outputPwmFunctionsOrder(int output) const
{
    std::array<uint8_t, 16> ids{};
    if (inRange(output, OutputsCount)) {
        for (std::size_t i = 0; i < ids.size(); ++i)
            ids[i] = u8(outputOffset(std::size_t(output)) + Output::PwmFunctionsOrder + i);
    }
    return ids;
}

std::optional<FunctionRecordView> PdmBlockView::function(int id) const
{
    if (!inRange(id, FunctionsCount) || !isValid())
        return std::nullopt;
    return FunctionRecordView::read(at(functionOffset(std::size_t(id))));
}

QString PdmBlockView::functionName(int id) const
{
    if (!inRange(id, FunctionsCount))
        return {};
    return text(functionOffset(std::size_t(id)) + Function::Name, Function::NameSize);
}

QString PdmBlockView::keypadButtonName(int keypad, int button) const
{
    if (!inRange(keypad, KeypadsCount) || !inRange(button, KeypadButtonsCount))
        return {};
    return text(keypadOffset(std::size_t(keypad)) + Keypad::ButtonsNames + std::size_t(button) * Keypad::NameSize,
                Keypad::NameSize);
}

QString PdmBlockView::keypadInputName(int keypad, int input) const
{
    if (!inRange(keypad, KeypadsCount) || !inRange(input, KeypadInputsCount))
        return {};
    return text(keypadOffset(std::size_t(keypad)) + Keypad::Tic124InputsNames + std::size_t(input) * Keypad::NameSize,
                Keypad::NameSize);
}

uint16_t PdmBlockView::keypadActiveBits(int keypad, int colour) const
{
    static constexpr std::size_t offsets[] = {Keypad::RedFunctionsActiveBits, Keypad::GreenFunctionsActiveBits,
                                              Keypad::BlueFunctionsActiveBits};
    if (!inRange(keypad, KeypadsCount) || !inRange(colour, 3))
        return 0;
    return u16(keypadOffset(std::size_t(keypad)) + offsets[colour]);
}

uint8_t PdmBlockView::keypadLedFunction(int keypad, int colour, int button) const
{
    static constexpr std::size_t offsets[] = {Keypad::LedRedFunction, Keypad::LedGreenFunction,
                                              Keypad::LedBlueFunction};
    if (!inRange(keypad, KeypadsCount) || !inRange(colour, 3) || !inRange(button, KeypadButtonsCount))
        return 0;
    return u8(keypadOffset(std::size_t(keypad)) + offsets[colour] + std::size_t(button));
}

QString PdmBlockView::canAnalogInputName(int input) const
{
    if (!inRange(input, Can::AnalogInputsCount))
        return {};
    return text(CanOffset + Can::AnalogInputs + std::size_t(input) * Can::AnalogInputSize, Can::NameSize);
}

QString PdmBlockView::canDigitalInputName(int input) const
{
    if (!inRange(input, Can::DigitalInputsCount))
        return {};
    return text(CanOffset + Can::DigitalInputs + std::size_t(input) * Can::DigitalInputSize, Can::NameSize);
}

uint32_t PdmBlockView::canOutMessageId(int message) const
{
    if (!inRange(message, Can::OutMessagesCount))
        return 0;
    return u32(CanOffset + Can::OutMessages + std::size_t(message) * Can::OutMessageSize);
}

std::pair<uint8_t, uint8_t> PdmBlockView::canOutDataSource(int message, int item) const
{
    if (!inRange(message, Can::OutMessagesCount) || !inRange(item, Can::OutDataItemsCount))
        return {0, 0};
    const std::size_t base = CanOffset + Can::OutMessages + std::size_t(message) * Can::OutMessageSize
                             + Can::OutDataOffset + std::size_t(item) * Can::OutDataSize;
    return {u8(base), u8(base + 1)};
}
