#include "settings/dash/DashLayout.h"

namespace dashLayout {
namespace {

using namespace layout;

constexpr Field kSensor[] = {
    u8(0, "sensorID").when(SensorPackOnly),
    u8(1, "analogGroup").when(SensorCustomOnly),
    u16(2, "config"),
    text(4, 24, "customShortName").when(SensorCustomOnly),
    u8(28, "analogTableID"),
    u8(29, "inputDataSource"),
    u8(30, "inputSourceIndex"),
    u8(31, "unitsID"),
    u16(32, "preWarningValue"),
    u16(34, "warningValueMax"),
    u16(36, "warningValueMin"),
    u16(38, "maxPossibleValue").when(SensorCustomOrRpm),
    u8(40, "sensorNoWarningTime"),
    u8(41, "sensorAutoWarningOffDelay"),
    num(42, Kind::I16, "minPossibleValue").when(SensorCustomOnly),
    // 44..59 reserved, never written
};
static_assert(isWellFormed(kSensor, kSensorRecordSize));

constexpr Field kCommon[] = {
    u8(0, "currSkin"),
    i8(1, "can1BaudId"),
    u8(2, "currEcuProtocol"),
    u8(3, "isRu"),
    u8(4, "skinsSettings", kSkins, 24),
    u8(244, "ewp_minDuty"),
    u8(245, "ewp_TargetTemp"),
    u16(246, "ewp_PID_Kp"),
    u16(248, "ewp_PID_Ki"),
    u16(250, "ewp_PID_Kd"),
    u8(252, "lcdPwmDuty"),
    u8(253, "shiftLightPwmDuty"),
    u8(254, "autoBrightness"),
    u8(255, "lightSensorSensivity"),
    u32(256, "animationsOnOff"),
    u32(260, "tripA"),
    u32(264, "tripB"),
    u8(268, "settingsVer"),
    u16(270, "ardixSerialNum"),
    u16(272, "secondArdixSerialNum"),
    u16(276, "offsetFromUtc_seconds"),
    u8(278, "inputExtraPortAssigment", 2),
    u32(280, "inputCaptureCorrection", 4),
    u16(296, "gearsCount"),
    u16(298, "diffRatio"),
    u32(300, "wheelCircleLenght"),
    u16(304, "gearRatios", 24),
    u8(352, "inputPortAssigment", 4),
    u8(356, "fansSettings", 3, 5),
    u8(371, "fuelLevelApproxTime"),
    text(372, 32, "userLabel"),
    text(404, 32, "userLogin"),
    bytes(436, 32, "userPasswordHash"),
    // 468 and 480: two 12-byte fields the client only carries
    u16(492, "fuelPressDiffBoost"),
    u16(494, "fuelType_stoichiometry"),
    nested(kLogsOffset, kLogsSize, "logsSettings"),
    u8(576, "input16ChannelModuleSettings", 16),
    u16(592, "oilPressWarningLevels", 20),
    u8(632, "output3ChannelModuleSettings", 3, 5),
    u8(647, "egt2canSensorsCount"),
    nested(kGpsOffset, kGpsSize, "gpsAccelerationMeasureSettings"),
    text(720, 32, "deviceName"),
    u16(752, "pdmsSerial", 3).onlyHeldEntries(), // a shorter list keeps the PDMs stored beyond it
    // 758..975 reserved; the checksum at 976 is written by the packer
};
static_assert(isWellFormed(kCommon, kCommonChecksumOffset));

constexpr Field kLogs[] = {
    u8(0, "config"),
    u8(1, "rateHz"),
    u8(2, "maxFilesCount"),
    u8(3, "logFileSizeMB"),
    u8(4, "logPauseDelay"),
    u8(8, "logTrigger1SourceId"),
    u8(9, "logTrigger2SourceId"),
    u16(10, "modules"),
    u16(12, "trigger1Value"),
    u16(14, "trigger2Value"),
    u32(16, "stdSensors"),
    u32(20, "customSensors"),
};
static_assert(isWellFormed(kLogs, kLogsSize));

constexpr Field kGps[] = {
    u16(0, "userSpeedRanges", 4, 2),
    u16(16, "userDistanceRanges", 3, 2),
    u16(28, "userBreakingSpeed"),
    u16(30, "configBits"),
    num(32, Kind::I16, "accXCalibrationValue"),
    num(34, Kind::I16, "accYCalibrationValue"),
    num(36, Kind::I16, "accZCalibrationValue"),
    f32(40, "startPointLat"),
    f32(44, "startPointLon"),
    f32(48, "startPointCourse"),
};
static_assert(isWellFormed(kGps, kGpsSize));

constexpr Field kCustomAnalog[] = {
    text(0, 32, "name"),
    u8(32, "sensorType"),
    u8(33, "tableSize"),
    u16(34, "rangeTolerance"),
    f32(40, "linearA"),
    f32(44, "linearB"),
    f32(48, "analogTable", 32, 2),
};
static_assert(isWellFormed(kCustomAnalog, kCustomAnalogRecordSize));

} // namespace

Table sensorTable() { return tableOf(kSensor, kSensorRecordSize); }
Table commonTable() { return tableOf(kCommon, kCommonSize); }
Table logsTable() { return tableOf(kLogs, kLogsSize); }
Table gpsTable() { return tableOf(kGps, kGpsSize); }
Table customAnalogTable() { return tableOf(kCustomAnalog, kCustomAnalogRecordSize); }

} // namespace dashLayout
