#include "settings/pdm/FunctionRecordView.h"

#include "settings/layout/LittleEndian.h"
#include "settings/layout/TextField.h"
#include "settings/pdm/PdmBlockLayout.h"

bool FunctionRecordView::hasChild(uint funcId) const
{
    if (funcId == 0) // 0 marks an empty slot
        return false;
    for (uint8_t id : functionsOrder) {
        if (id == funcId)
            return true;
    }
    return false;
}

FunctionRecordView FunctionRecordView::read(const unsigned char *r)
{
    namespace F = PdmLayout::Function;
    using layout::readLE;
    FunctionRecordView v;
    v.functionName = layout::loadText(r + F::Name, int(F::NameSize));
    v.configBits = readLE<uint32_t>(r + F::ConfigBits);
    v.inChannelType = r[F::InChannelType];
    v.inChannel = r[F::InChannel];
    v.additionalInChannelType = r[F::AdditionalInChannelType];
    v.additionalInChannel = r[F::AdditionalInChannel];
    v.trueDelayHystOrFlash = readLE<uint16_t>(r + F::TrueDelayHystOrFlash);
    v.falseDelayHystOrFlash = readLE<uint16_t>(r + F::FalseDelayHystOrFlash);
    v.constValueToCompareWith = readLE<uint16_t>(r + F::ConstValueToCompareWith);
    v.additionalConstValueToCompareWith = readLE<uint16_t>(r + F::AdditionalConstValueToCompareWith);
    v.constMaxValueToCompareWith = readLE<uint16_t>(r + F::ConstMaxValueToCompareWith);
    v.constMinValueToCompareWith = readLE<uint16_t>(r + F::ConstMinValueToCompareWith);
    v.functionsCount = r[F::FunctionsCount];
    v.conditionOperator = r[F::ConditionOperator];
    v.operatorsBetweenFunctions = readLE<uint16_t>(r + F::OperatorsBetweenFunctions);
    for (std::size_t i = 0; i < F::ChildCount; ++i)
        v.functionsOrder[i] = r[F::FunctionsOrder + i];
    v.listIndex = r[F::ListIndex];
    v.src_dev = r[F::SrcDev];
    return v;
}
