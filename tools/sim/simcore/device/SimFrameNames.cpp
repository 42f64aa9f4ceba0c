#include "simcore/device/SimFrameNames.h"

namespace SimNames {

namespace {

constexpr const char *Commands[] = {
    "KeepOnline", "SerialHashRequest", "SetLcdPwm", "SetLedsPwm", "CheckSettingsSync", "GetSettings",
    "SetSettings", "AnalogCalibrationCommandMin", "AnalogCalibrationCommandMax", "StartRealTimeDataLoop",
    "StopRealTimeDataLoop", "ChangeScreen", "ChangeSkin", "PrepareToFlash", "CheckCrc",
    "AskResendPrevPacket", "GearCalibration", "AllGearsCalibration", "VerifiedOk", "A20_Command_ResetPeaks",
    "SpeedSensor_1_GpsCalibration", "SpeedSensor_2_GpsCalibration", "SpeedSensor_3_GpsCalibration",
    "SpeedSensor_4_GpsCalibration", "NoAction", "SetLightSensorSensivity", "GetLogFilesList", "GetLogFile",
    "ClearLogs", "LogPacketVerify", "LogPacketCrcBAD", "GetTime", "SetTime", "GetTrip",
    "WifiTransmitAborted", "AccelerometerCalibration", "DeviceSerialNum", "ReadyToFlash", "ErrorMessage",
    "FlashPacketVerify", "FlashPacketTimeout", "FlashPacketBadCrc", "FlashingAbort", "CheckPdmSettingsSync",
    "PdmStartRealTimeDataLoop", "SetKeypadColorAndBrightness", "SetKeypadLedsIndicators", "SendKeypadToSleep",
    "DiagnosticMode", "PdmCalibrateOutputNegative", "PdmCalibrateOutputPositive", "PdmCalibrateOutputReset",
    "PdmResetBoardInfo", "PdmSetVbatCorrectionValue", "PdmSetSerialNum", "PdmReadAdcRaw", "PdmReadBoardInfo",
    "PdmEnableAllOutputs", "?58", "?59", "PdmSetCalibrateOutput", "ArdixCalibrate", "PdmSetOutputState",
    "SettingsPasswordBad", "GetBoardInfo", "SetBoadInfoOptionsBits", "StartLineCalibration", "EraseRefLap",
    "GetRefLap", "RemoveUserLogo", "GetArdixADCRawData", "Pdm20ACalibrate", "PdmAutoTestOutputs",
    "CANSendCanOpenRequest", "CANDebugMarker", "PdmTestAndCalibrate", "PdmTestEnableRelay",
    "PdmTestDisableRelay", "LoadDefaultSettingsFromFlash",
};

constexpr const char *DataTypes[] = {
    "AllData", "CommonSettingsData", "AllSensorData", "AllCustomSensorData", "SkinsPosData",
    "CustomAnalogSensorsData", "LogsFileListData", "LogFileData", "ArdixSerialNumData", "GPS_RMC_Data",
    "GPS_GGA_Data", "GPS_VTG_Data", "Acc_Gyr_Mag_Data", "PdmCommonSettings", "PdmRealtimeData_MessageType",
    "ArdixRealtimeData_MessageType", "BoardInfoData_MessageType", "PdmAdcRawData_MessageType",
    "ArdixDiagnosticData_MessageType", "CustomCanMessage_MessageType", "PdmDEFAULTCommonSettings",
    "DashExtraSettingsData", "RefLapData", "UserLogoData", "GPS_MyStruct_Data", "ArdixAdcRawData_MessageType",
    "PdmOutputsTestsResult", "CanRawFrame", "PdmTestAndCalibrateResults", "FlashDataPacket", "DfuInfo",
    "DataCan", "MpxPacketData", "DebugData", "ForwardData",
};

static_assert(sizeof(Commands) / sizeof(Commands[0]) == 79, "commands 0 to 78");
static_assert(sizeof(DataTypes) / sizeof(DataTypes[0]) == 35, "data types 0 to 34");

template<std::size_t N>
const char *lookup(const char *const (&names)[N], int v)
{
    return v >= 0 && v < int(N) ? names[v] : "?";
}

} // namespace

const char *command(int value)
{
    return lookup(Commands, value);
}

const char *dataType(int value)
{
    return lookup(DataTypes, value);
}

QString describe(const SimFrame &f, bool incoming)
{
    const QString dir = incoming ? QStringLiteral("<-") : QStringLiteral("->");
    if (f.action == 1)
        return QStringLiteral("%1 CMD  %2(%3) sender=%4 p=%5 p1=%6%7")
            .arg(dir, command(f.type)).arg(f.type).arg(f.sender).arg(f.parameter).arg(f.parameter1)
            .arg(f.dataCrc ? QStringLiteral(" crc=%1").arg(f.dataCrc, 8, 16, QLatin1Char('0')) : QString());
    return QStringLiteral("%1 DATA %2(%3) sender=%4 p=%5 p1=%6 size=%7 crc=%8")
        .arg(dir, dataType(f.type)).arg(f.type).arg(f.sender).arg(f.parameter).arg(f.parameter1)
        .arg(f.data.size()).arg(f.dataCrc, 8, 16, QLatin1Char('0'));
}

} // namespace SimNames
