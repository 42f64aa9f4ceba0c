#pragma once
// The 400-byte real-time payload of the PDM: one row per value, read by PdmRealtimeData.
#include <cstddef>
#include <cstdint>

namespace PdmRealtimeLayout {

constexpr std::size_t PayloadSize = 400;

enum class Kind : std::uint8_t { U8, U16, I16, U32 };

constexpr std::size_t kindSize(Kind k)
{
    return k == Kind::U8 ? 1 : (k == Kind::U32 ? 4 : 2);
}

struct Field
{
    const char *name;
    std::size_t offset;
    Kind kind;
    std::size_t count; // 1 for a single value, otherwise a list of that many
};

// Same order as the table below.
enum Index : std::size_t {
    pdmSerialNumber,
    boardTemperature,
    stmTemperature,
    totalCurrent,
    battVoltage,
    inputsState,
    tic124AdcValues,
    outputsState,
    outputsOvercurrentFlags,
    outputsFaultFlags,
    outputsRetriesDone,
    outputsCurrent,
    pwmDuties,
    functionsState,
    countersValue,
    pdmFlags,
    pdmCAN_DI,
    pdmCAN_AI,
    ecuSensors,
    FieldCount
};

constexpr Field fields[] = {
    {"pdmSerialNumber", 0, Kind::U32, 1},
    {"boardTemperature", 4, Kind::I16, 1},
    {"stmTemperature", 6, Kind::I16, 1},
    {"totalCurrent", 8, Kind::U16, 1},
    {"battVoltage", 10, Kind::U16, 1},
    {"inputsState", 12, Kind::U32, 1},
    {"tic124AdcValues", 16, Kind::U16, 24},
    {"outputsState", 64, Kind::U32, 1},
    {"outputsOvercurrentFlags", 68, Kind::U32, 1},
    {"outputsFaultFlags", 72, Kind::U32, 1},
    {"outputsRetriesDone", 76, Kind::U8, 32},
    {"outputsCurrent", 108, Kind::U16, 32},
    {"pwmDuties", 172, Kind::U8, 32},
    // 204..207 not used
    {"functionsState", 208, Kind::U32, 8},
    {"countersValue", 240, Kind::U8, 32},
    {"pdmFlags", 272, Kind::U32, 1},
    {"pdmCAN_DI", 276, Kind::U32, 1},
    {"pdmCAN_AI", 280, Kind::I16, 16},
    // 312..335 not used
    {"ecuSensors", 336, Kind::I16, 32},
};

static_assert(sizeof(fields) / sizeof(fields[0]) == FieldCount);

constexpr std::size_t fieldEnd(const Field &f) { return f.offset + kindSize(f.kind) * f.count; }

constexpr bool tableIsSound()
{
    for (std::size_t i = 0; i < FieldCount; ++i) {
        if (fieldEnd(fields[i]) > PayloadSize)
            return false;
        if (i > 0 && fields[i].offset < fieldEnd(fields[i - 1]))
            return false;
    }
    return true;
}
static_assert(tableIsSound(), "real-time fields must ascend, not overlap and fit the payload");

} // namespace PdmRealtimeLayout
