#include "settings/functions/PdmFunctionSettings.h"

#include "settings/functions/FunctionLayout.h"
#include "settings/layout/FieldCodec.h"

#include <QSignalBlocker>
#include <cstring>

namespace functionLayout {
namespace {
using namespace layout;
constexpr Field kFunction[] = {
    text(0, PdmFunctionSettings::kNameSize, "functionName"),
    u32(40, "configBits"),
    u8(44, "inChannelType"),
    u8(45, "inChannel"),
    u8(46, "additionalInChannelType"),
    u8(47, "additionalInChannel"),
    u16(48, "trueDelayHystOrFlash"),
    u16(50, "falseDelayHystOrFlash"),
    u16(52, "constValueToCompareWith"),
    u16(54, "additionalConstValueToCompareWith"),
    u16(56, "constMaxValueToCompareWith"),
    u16(58, "constMinValueToCompareWith"),
    u8(60, "functionsCount"),
    u8(61, "conditionOperator"),
    u16(62, "operatorsBetweenFunctions"),
    u8(64, "functionsOrder", 16),
    u8(80, "currentStateOveride_InChannelType", 4),
    u8(84, "listIndex"),
    u8(85, "src_dev"),
    zero(86, 2),
};
static_assert(isWellFormed(kFunction, PdmFunctionSettings::kRecordSize));
} // namespace

Table functionTable() { return tableOf(kFunction, PdmFunctionSettings::kRecordSize); }
} // namespace functionLayout

PdmFunctionSettings::PdmFunctionSettings(QObject *parent)
    : ObjectWithChildFunctions(parent), m_currentStateOveride_InChannelType(4, 0)
{
}

void PdmFunctionSettings::load(const unsigned char *record)
{
    layout::loadRecord(this, functionLayout::functionTable(), record);
    Q_EMIT settingsChanged();
}

void PdmFunctionSettings::pack(unsigned char *record) const
{
    std::memset(record, 0, kRecordSize);
    layout::packRecord(this, functionLayout::functionTable(), record);
}

void PdmFunctionSettings::reset()
{
    {
        const QSignalBlocker quiet(this);
        const uint srcDev = m_src_dev; // the function stays on its device
        unsigned char zeros[kRecordSize] = {};
        layout::loadRecord(this, functionLayout::functionTable(), zeros);
        setSrc_dev(srcDev);
    }
    Q_EMIT settingsChanged();
}
