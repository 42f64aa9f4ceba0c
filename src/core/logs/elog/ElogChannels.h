#pragma once
// Channel ids of a log and the size of one sample of each.

#include <cstdint>

namespace elog {

enum ModuleChannel : uint8_t {
    Module_Time = 200,
    Module_InternalDigitalInputs = 201,
    Module_GPS = 202,
    Module_PMX = 203,
    Module_GPS_GainLoss = 204,
};

constexpr int kSensorSampleSize = 2;
constexpr int kTimeRecordSize = 8;
constexpr int kGpsRecordSize = 80;
constexpr int kPdmRecordSize = 336;
constexpr int kGainLossSampleSize = 2;

constexpr uint8_t kFirstCustomId = 100;
constexpr uint8_t kLastNamedCustomId = 131; // custom channels that carry an attribute and a name
constexpr uint8_t kFirstLapSensorId = 164;
constexpr int kCustomNameSize = 24;

// Bytes per sample; 0 for ids that cannot be logged (0, 201, 205 and above).
constexpr int sampleSize(uint8_t id)
{
    if (id == 0)
        return 0;
    if (id < Module_Time)
        return kSensorSampleSize;
    switch (id) {
    case Module_Time: return kTimeRecordSize;
    case Module_GPS: return kGpsRecordSize;
    case Module_PMX: return kPdmRecordSize;
    case Module_GPS_GainLoss: return kGainLossSampleSize;
    default: return 0;
    }
}

constexpr bool isNamedCustomChannel(uint8_t id) { return id >= kFirstCustomId && id <= kLastNamedCustomId; }

} // namespace elog
