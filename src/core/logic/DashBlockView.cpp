#include "logic/DashBlockView.h"

#include "settings/can/CanLayout.h"
#include "settings/dash/DashLayout.h"
#include "settings/dash/ExtraLayout.h"
#include "settings/layout/LittleEndian.h"
#include "settings/layout/TextField.h"
#include "settings/pdm/PdmBlockLayout.h"

#include <cstring>

namespace {

// Positions come from the dash's own field tables, so the dash layout stays described once.
const layout::Field &field(const layout::Table &table, const char *name)
{
    for (const layout::Field &f : table) {
        if (f.name && std::strcmp(f.name, name) == 0)
            return f;
    }
    Q_UNREACHABLE();
}

struct Positions
{
    std::size_t serial, secondSerial, deviceName, deviceNameSize, pdmsSerial, pdmsSerialCount;
    std::size_t functions, keypads, keypadNames, keypadNameSize, canInputs, canNameSize;
};

const Positions &positions()
{
    static const Positions p = [] {
        const layout::Table common = dashLayout::commonTable();
        const layout::Field &name = field(common, "deviceName");
        const layout::Field &pdms = field(common, "pdmsSerial");
        const layout::Field &buttons = field(extraLayout::keypadTable(), "buttonsNames");
        const layout::Field &canName = field(canLayout::digitalInputTable(), "inputName");
        const std::size_t common0 = dashLayout::kCommonOffset;
        const std::size_t extra0 = dashLayout::kExtraOffset;
        return Positions{common0 + std::size_t(field(common, "ardixSerialNum").offset),
                         common0 + std::size_t(field(common, "secondArdixSerialNum").offset),
                         common0 + std::size_t(name.offset),
                         std::size_t(name.size),
                         common0 + std::size_t(pdms.offset),
                         std::size_t(pdms.count()),
                         extra0 + std::size_t(extraLayout::kFunctionsOffset),
                         extra0 + std::size_t(extraLayout::kKeypadsOffset),
                         std::size_t(buttons.offset),
                         std::size_t(buttons.size),
                         extra0 + std::size_t(extraLayout::kDigitalInputsOffset),
                         std::size_t(canName.size)};
    }();
    return p;
}

static_assert(DashBlockView::FunctionsCount == extraLayout::kFunctions);
static_assert(DashBlockView::KeypadsCount == extraLayout::kKeypads);
static_assert(DashBlockView::CanDigitalInputsCount == extraLayout::kDigitalInputs);
static_assert(std::size_t(extraLayout::kFunctionSize) == PdmLayout::FunctionRecordSize);

bool inRange(int i, int count)
{
    return i >= 0 && i < count;
}

} // namespace

DashBlockView::DashBlockView(const QByteArray &block) : m_block(block) {}

bool DashBlockView::isValid() const
{
    return m_block.size() >= dashLayout::kBlockSize;
}

QString DashBlockView::text(std::size_t offset, std::size_t size) const
{
    if (offset + size > std::size_t(m_block.size()))
        return {};
    return layout::loadText(reinterpret_cast<const unsigned char *>(m_block.constData()) + offset, int(size));
}

uint16_t DashBlockView::u16(std::size_t offset) const
{
    if (offset + 2 > std::size_t(m_block.size()))
        return 0;
    return layout::readLE<uint16_t>(reinterpret_cast<const unsigned char *>(m_block.constData()) + offset);
}

uint32_t DashBlockView::serialNumber() const { return u16(positions().serial); }
uint DashBlockView::secondArdixSerialNum() const { return u16(positions().secondSerial); }
QString DashBlockView::deviceName() const { return text(positions().deviceName, positions().deviceNameSize); }

QList<uint> DashBlockView::pdmsSerial() const
{
    QList<uint> out;
    for (std::size_t i = 0; i < positions().pdmsSerialCount; ++i)
        out.append(u16(positions().pdmsSerial + 2 * i));
    return out;
}

std::optional<FunctionRecordView> DashBlockView::function(int id) const
{
    if (!inRange(id, FunctionsCount) || !isValid())
        return std::nullopt;
    return FunctionRecordView::read(reinterpret_cast<const unsigned char *>(m_block.constData())
                                    + positions().functions + std::size_t(id) * PdmLayout::FunctionRecordSize);
}

QString DashBlockView::functionName(int id) const
{
    if (!inRange(id, FunctionsCount))
        return {};
    return text(positions().functions + std::size_t(id) * PdmLayout::FunctionRecordSize,
                PdmLayout::Function::NameSize);
}

QString DashBlockView::keypadButtonName(int keypad, int button) const
{
    if (!inRange(keypad, KeypadsCount) || !inRange(button, KeypadButtonsCount))
        return {};
    const Positions &p = positions();
    return text(p.keypads + std::size_t(keypad) * std::size_t(extraLayout::kKeypadSize) + p.keypadNames
                    + std::size_t(button) * p.keypadNameSize,
                p.keypadNameSize);
}

QString DashBlockView::canDigitalInputName(int input) const
{
    if (!inRange(input, CanDigitalInputsCount))
        return {};
    return text(positions().canInputs + std::size_t(input) * std::size_t(canLayout::kDigitalInputSize),
                positions().canNameSize);
}
