#pragma once
// The fields of the 336-byte PDM real-time record that the CSV export writes.

#include "logs/elog/ElogChannels.h"

#include <QtGlobal>

#include <cstdint>
#include <iterator>

namespace pdmrec {

constexpr int kBoardTemp = 4;        // int16
constexpr int kTotalCurrent = 8;     // uint16, hundredths of an ampere
constexpr int kBatteryVoltage = 10;  // uint16, millivolts
constexpr int kInputStates = 12;     // uint32 bits
constexpr int kOutputStates = 64;    // uint32 bits
constexpr int kOvercurrent = 68;     // uint32 bits
constexpr int kFault = 72;           // uint32 bits
constexpr int kOutputCurrents = 108; // uint16 × 30, hundredths of an ampere
constexpr int kPwmDuty = 172;        // uint8 × 30

constexpr int kInputs = 20;
constexpr int kOutputs = 30;
constexpr int kFirstPwmOutput = 28;  // outputs 29 and 30 can run PWM

struct Field { int offset; int size; };
inline constexpr Field kLayout[] = {
    {kBoardTemp, 2}, {kTotalCurrent, 2}, {kBatteryVoltage, 2}, {kInputStates, 4}, {kOutputStates, 4},
    {kOvercurrent, 4}, {kFault, 4}, {kOutputCurrents, 2 * kOutputs}, {kPwmDuty, kOutputs},
};
constexpr bool sound()
{
    int end = 0;
    for (const Field &f : kLayout) {
        if (f.offset < end)
            return false;
        end = f.offset + f.size;
    }
    return end <= elog::kPdmRecordSize;
}
static_assert(sound(), "PDM record fields must ascend, not overlap and end inside the record");

inline uint16_t u16(const uchar *rec, int off) { return uint16_t(rec[off] | (rec[off + 1] << 8)); }
inline uint32_t u32(const uchar *rec, int off)
{
    return uint32_t(rec[off]) | (uint32_t(rec[off + 1]) << 8) | (uint32_t(rec[off + 2]) << 16) | (uint32_t(rec[off + 3]) << 24);
}

} // namespace pdmrec
