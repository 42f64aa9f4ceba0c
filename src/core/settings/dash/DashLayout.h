#pragma once
// Byte layout of the dash settings block: where each part sits and the field tables of its records.
// The tables themselves (and their compile-time checks) live in DashLayout.cpp.

#include "settings/layout/FieldLayout.h"

namespace dashLayout {

constexpr int kSkins = 10;
constexpr int kModes = 6;
constexpr int kCells = 34;
constexpr int kSensorsPerList = 32;
constexpr int kCustomSensorFirstId = 100;
constexpr int kCustomAnalogSensors = 32;

constexpr int kSkinsPosOffset = 0;
constexpr int kSkinsPosSize = kSkins * kModes * kCells; // 2040
constexpr int kSensorRecordSize = 60;
constexpr int kSensorsOffset = kSkinsPosOffset + kSkinsPosSize; // 2040
constexpr int kSensorsSize = kSensorsPerList * kSensorRecordSize; // 1920
constexpr int kCustomSensorsOffset = kSensorsOffset + kSensorsSize; // 3960
constexpr int kCommonOffset = kCustomSensorsOffset + kSensorsSize; // 5880
constexpr int kCommonSize = 980;
constexpr int kCommonChecksumOffset = 976; // within the common record
constexpr int kCustomAnalogRecordSize = 304;
constexpr int kCustomAnalogOffset = kCommonOffset + kCommonSize; // 6860
constexpr int kCustomAnalogSize = kCustomAnalogSensors * kCustomAnalogRecordSize; // 9728
constexpr int kShortBlockSize = kCustomAnalogOffset + kCustomAnalogSize; // 16588
constexpr int kExtraOffset = kShortBlockSize;
constexpr int kExtraSize = 12288;
constexpr int kBlockSize = kExtraOffset + kExtraSize; // 28876

static_assert(kSensorsOffset == 2040 && kCustomSensorsOffset == 3960 && kCommonOffset == 5880);
static_assert(kCustomAnalogOffset == 6860 && kShortBlockSize == 16588 && kBlockSize == 28876);

constexpr int kLogsOffset = 496;  // LogsSettings within the common record
constexpr int kLogsSize = 24;
constexpr int kGpsOffset = 648;   // GpsAccelerationMeasureSettings within the common record
constexpr int kGpsSize = 72;

// Load conditions of the sensor record's fields (Field::tag).
enum SensorFieldTag {
    SensorAlways = 0,
    SensorPackOnly = 1,     // the object keeps its own id
    SensorCustomOnly = 2,   // standard sensors keep their catalogue values
    SensorCustomOrRpm = 3,  // also taken by the RPM sensor
};

layout::Table sensorTable();
layout::Table commonTable();       // ThePreferenceTransport, bytes 0..975 of the common record
layout::Table logsTable();         // LogsSettings
layout::Table gpsTable();          // GpsAccelerationMeasureSettings
layout::Table customAnalogTable(); // TheCustomAnalogSensor

} // namespace dashLayout
