#pragma once
// Read-only decoding of one 88-byte logic function record (the same layout on the dash and the
// PDM), for code that works on the stored blocks rather than on the object tree.
#include <QString>

#include <array>
#include <cstdint>

struct FunctionRecordView
{
    QString functionName;
    uint32_t configBits = 0;
    uint8_t inChannelType = 0;
    uint8_t inChannel = 0;
    uint8_t additionalInChannelType = 0;
    uint8_t additionalInChannel = 0;
    uint16_t trueDelayHystOrFlash = 0;
    uint16_t falseDelayHystOrFlash = 0;
    uint16_t constValueToCompareWith = 0;
    uint16_t additionalConstValueToCompareWith = 0;
    uint16_t constMaxValueToCompareWith = 0;
    uint16_t constMinValueToCompareWith = 0;
    uint8_t functionsCount = 0;
    uint8_t conditionOperator = 0;
    uint16_t operatorsBetweenFunctions = 0;
    std::array<uint8_t, 16> functionsOrder{};
    uint8_t listIndex = 0;
    uint8_t src_dev = 0;

    bool hasBit(int bit) const { return (configBits >> bit) & 1u; }
    bool hasChild(uint funcId) const;

    static FunctionRecordView read(const unsigned char *record);
};
