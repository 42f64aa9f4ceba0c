#pragma once
// Numeric vocabularies shared by the link, the settings model, the logic descriptions and the
// interface. The values travel inside device messages and settings blocks: gaps and the -1 are
// deliberate. Enumerations named *Bits / *BitsEnum (and LogsConfig, KeypadWakeUpIntsBits,
// Tic124ModesBits, BoardOptions, PdmFlagsEnum) hold bit positions, not masks.

#include <QObject>
#include <QString>

namespace ArdixEnums {
Q_NAMESPACE

enum ArdixFileTypes {
    Unknown_FileType = 0,
    Settings_FileType = 1,
    Elog_FileType = 2,
    StartLine_FileType = 3,
    StartLineInLog_FileType = 4,
    RefLap_FileType = 5,
    RefLapInLog_FileType = 6,
    UserLogoSvg_FileType = 7,
};
Q_ENUM_NS(ArdixFileTypes)

enum DeviceConnectionType {
    Connection_Wifi = 0,
    Connection_Usb2Can = 1,
    Connection_USB = 2,
};
Q_ENUM_NS(DeviceConnectionType)

enum GpsModuleConfigBits {
    GpsModule_IsOn = 0,
    GpsModule_IsOneFootRollOut = 1,
    GpsModule_IsAccXInverted = 2,
    GpsModule_IsAccYInverted = 3,
    GpsModule_IsAccZInverted = 4,
    GpsModule_IsAccXYSwaped = 5,
};
Q_ENUM_NS(GpsModuleConfigBits)

enum AnalogGroups {
    AnalogNone = 0,
    Liquid_pressure_analog = 1,
    Map_analog = 2,
    Liquid_temperature_5V_analog = 3,
    Liquid_temperature_thermistor_analog = 4,
    Wideband_analog = 5,
    Egt_analog = 6,
    Air_temperature_5V_analog = 7,
    Air_temperature_thermistor_analog = 8,
    Level_5V_analog = 9,
    Level_varistor_analog = 10,
    HighPressureSensors_5V = 11,
};
Q_ENUM_NS(AnalogGroups)

enum MainSettingsList {
    Settings_Language = 0,
    Settings_Ecu = 1,
    Settings_Warnings = 2,
    Settings_AnalogInputs = 3,
    Settings_DigitalInputs = 4,
    Settings_Outputs = 5,
    Settings_UserSensors = 6,
    Settings_UserGauges = 7,
    Settings_Wifi = 8,
    Settings_Updates = 9,
    Settings_ModuleDigitalInputs = 10,
    Settings_ModuleGPS = 11,
    Settings_ModuleEGT = 12,
    Settings_PDM = 13,
    Settings_RESET = 14,
    Settings_ExportFile = 15,
    Settings_ImportFile = 16,
    Settings_SensorsInputConfig = 17,
    Settings_LampsConfig = 18,
    Settings_CanInput = 19,
    Settings_Logo = 20,
    Settings_CanBus = 21,
    Settings_CanBus_Transmit = 22,
    Settings_ArdixActions = 23,
    Settings_Keypad = 24,
};
Q_ENUM_NS(MainSettingsList)

enum LogsConfig {
    Log_OnOff = 0,
    Log_Closeloop = 1,
    Log_Trigger1IfMore = 2,
    Log_Trigger2IfMore = 3,
    Log_TriggerIfBoth = 4,
};
Q_ENUM_NS(LogsConfig)

enum ArdixModules {
    Module_Time = 200,
    Module_InternalDigitalInputs = 201,
    Module_GPS = 202,
    Module_PMX = 203,
    Module_GPS_GainLoss = 204,
};
Q_ENUM_NS(ArdixModules)

enum CustomAnalogSensorTypes {
    Disabled_CustomAnalogType = 0,
    Linear5V_CustomAnalogType = 1,
    Table5V_CustomAnalogType = 2,
    TableResistance_CustomAnalogType = 3,
    ManualCalibration_CustomAnalogType = 4,
    CanData_CustomAnalogType = 5,
    RangeTable_CustomAnalogType = 6,
};
Q_ENUM_NS(CustomAnalogSensorTypes)

enum InputSources {
    InputSourceNo = 0,
    InputSourceEcu = 1,
    InputSourceAnalog = 2,
    InputSourceFrequency = 3,
    InputSourceDigital_IO = 4,
    InputSourceCustomAnalog = 5,
    InputSourceGpsModule = 6,
    InputSourceCalculated = 7,
    InputSourceInternal = 8,
    InputSourceEgtModule = 9,
    InputSourceCustomCan = 10,
    InputSourceDigital_IO_Expander = 11,
};
Q_ENUM_NS(InputSources)

enum SensorsIndexes {
    NoSensor_index = 0,
    OilPressure_index = 1,
    OilTemp_index = 2,
    WaterTemp_index = 3,
    FuelPress_index = 4,
    FuelTemp_index = 5,
    ExhaustTemp_index = 6,
    Afr_index = 7,
    Afr2_index = 8,
    FuelLevel_index = 9,
    RearDiffOil_index = 10,
    TransOilTemp_index = 11,
    BatteryVolts_index = 12,
    BoostPressure_index = 13,
    BoostPressure_index2 = 14,
    IntakeAirTemp_index = 15,
    EngineRpm_index = 16,
    Speed_index = 17,
    ThrottleLevel_index = 18,
    Gear_index = 19,
    GPS_Speed_index = 20,
    AWD_Indicator_index = 21,
    ExhaustTemp2_index = 22,
    GSensorX_index = 23,
    GSensorY_index = 24,
    GSensorZ_index = 25,
    custom0 = 100,
    custom1 = 101,
    custom2 = 102,
    custom3 = 103,
    custom4 = 104,
    custom5 = 105,
    custom6 = 106,
    custom7 = 107,
    custom8 = 108,
    custom9 = 109,
    custom10 = 110,
    custom11 = 111,
    custom12 = 112,
    custom13 = 113,
    custom14 = 114,
    custom15 = 115,
    custom16 = 116,
    custom17 = 117,
    custom18 = 118,
    custom19 = 119,
    custom20 = 120,
    custom21 = 121,
    custom22 = 122,
    custom23 = 123,
    custom24 = 124,
    custom25 = 125,
    custom26 = 126,
    custom27 = 127,
    custom28 = 128,
    custom29 = 129,
    LastLapSensor_index = 164,
    BestLapSensor_index = 165,
    CurrentLapSensor_index = 166,
    LapsCountSensor_index = 167,
    GainLossSensor_index = 168,
};
Q_ENUM_NS(SensorsIndexes)

enum ButtonsActionIndexes {
    Action_No = 0,
    Lamp_ABS = 1,
    Lamp_LeftTurn = 2,
    Lamp_RightTurn = 3,
    Lamp_ParkingLights = 4,
    Lamp_HighBeam_Lights = 5,
    Lamp_CheckEngine = 6,
    Lamp_FrontDiffOn = 7,
    Lamp_MiddleDiffOn = 8,
    Lamp_RearDiffOn = 9,
    Lamp_4WdOn = 10,
    Lamp_4WdError = 11,
    Lamp_OdOff = 12,
    Lamp_BrakesError = 13,
    Lamp_OpenedDoors = 14,
    Lamp_LowOilPressure = 15,
    Lamp_DCCD_AutoMode = 16,
    Lamp_DCCD_6_Lock = 17,
    Lamp_DCCD_5 = 18,
    Lamp_DCCD_4 = 19,
    Lamp_DCCD_3 = 20,
    Lamp_DCCD_2 = 21,
    Lamp_DCCD_1 = 22,
    Lamp_Launch = 23,
    Lamp_Nitro = 24,
    Lamp_User1 = 25,
    Lamp_User2 = 26,
    Lamp_User3 = 27,
    Lamp_User4 = 28,
    Lamp_User5 = 29,
    Lamp_User6 = 30,
    Lamp_User7 = 31,
    Lamp_Gear_Neutral = 32,
    Lamp_Gear_Reverse = 33,
    Lamp_Gear_Parking = 34,
    Lamp_Gear_Drive = 35,
    Lamp_Gear_Manuall = 36,
    Lamp_Gear_1 = 37,
    Lamp_Gear_2 = 38,
    Lamp_Gear_3 = 39,
    Lamp_Gear_4 = 40,
    Lamp_Gear_5 = 41,
    Lamp_Gear_6 = 42,
    Lamp_Gear_7 = 43,
    Lamp_Gear_8 = 44,
};
Q_ENUM_NS(ButtonsActionIndexes)

enum OutputActionIndexes {
    Output_No = 0,
    Output_Fan = 1,
};
Q_ENUM_NS(OutputActionIndexes)

enum OutputConfigIndexes {
    Output_Config = 0,
    Output_SourceIndex = 1,
    Output_OnValue = 2,
    Output_OffValue_Interval = 3,
    Output_OnInterval = 4,
};
Q_ENUM_NS(OutputConfigIndexes)

enum CommandsEnum {
    KeepOnline = 0,
    SerialHashRequest = 1,
    SetLcdPwm = 2,
    SetLedsPwm = 3,
    CheckSettingsSync = 4,
    GetSettings = 5,
    SetSettings = 6,
    AnalogCalibrationCommandMin = 7,
    AnalogCalibrationCommandMax = 8,
    StartRealTimeDataLoop = 9,
    StopRealTimeDataLoop = 10,
    ChangeScreen = 11,
    ChangeSkin = 12,
    PrepareToFlash = 13,
    CheckCrc = 14,
    AskResendPrevPacket = 15,
    GearCalibration = 16,
    AllGearsCalibration = 17,
    VerifiedOk = 18,
    A20_Command_ResetPeaks = 19,
    SpeedSensor_1_GpsCalibration = 20,
    SpeedSensor_2_GpsCalibration = 21,
    SpeedSensor_3_GpsCalibration = 22,
    SpeedSensor_4_GpsCalibration = 23,
    NoAction = 24,
    SetLightSensorSensivity = 25,
    GetLogFilesList = 26,
    GetLogFile = 27,
    ClearLogs = 28,
    LogPacketVerify = 29,
    LogPacketCrcBAD = 30,
    GetTime = 31,
    SetTime = 32,
    GetTrip = 33,
    WifiTransmitAborted = 34,
    AccelerometerCalibration = 35,
    DeviceSerialNum = 36,
    ReadyToFlash = 37,
    ErrorMessage = 38,
    FlashPacketVerify = 39,
    FlashPacketTimeout = 40,
    FlashPacketBadCrc = 41,
    FlashingAbort = 42,
    CheckPdmSettingsSync = 43,
    PdmStartRealTimeDataLoop = 44,
    SetKeypadColorAndBrightness = 45,
    SetKeypadLedsIndicators = 46,
    SendKeypadToSleep = 47,
    DiagnosticMode = 48,
    PdmCalibrateOutputNegative = 49,
    PdmCalibrateOutputPositive = 50,
    PdmCalibrateOutputReset = 51,
    PdmResetBoardInfo = 52,
    PdmSetVbatCorrectionValue = 53,
    PdmSetSerialNum = 54,
    PdmReadAdcRaw = 55,
    PdmReadBoardInfo = 56,
    PdmEnableAllOutputs = 57,
    // 58 and 59 are reserved by the firmware.
    PdmSetCalibrateOutput = 60,
    ArdixCalibrate = 61,
    PdmSetOutputState = 62,
    SettingsPasswordBad = 63,
    GetBoardInfo = 64,
    SetBoadInfoOptionsBits = 65,
    StartLineCalibration = 66,
    EraseRefLap = 67,
    GetRefLap = 68,
    RemoveUserLogo = 69,
    GetArdixADCRawData = 70,
    Pdm20ACalibrate = 71,
    PdmAutoTestOutputs = 72,
    CANSendCanOpenRequest = 73,
    CANDebugMarker = 74,
    PdmTestAndCalibrate = 75,
    PdmTestEnableRelay = 76,
    PdmTestDisableRelay = 77,
    LoadDefaultSettingsFromFlash = 78,
};
Q_ENUM_NS(CommandsEnum)

enum MessageDataTypes {
    AllData = 0,
    CommonSettingsData = 1,
    AllSensorData = 2,
    AllCustomSensorData = 3,
    SkinsPosData = 4,
    CustomAnalogSensorsData = 5,
    LogsFileListData = 6,
    LogFileData = 7,
    ArdixSerialNumData = 8,
    GPS_RMC_Data = 9,
    GPS_GGA_Data = 10,
    GPS_VTG_Data = 11,
    Acc_Gyr_Mag_Data = 12,
    PdmCommonSettings = 13,
    PdmRealtimeData_MessageType = 14,
    ArdixRealtimeData_MessageType = 15,
    BoardInfoData_MessageType = 16,
    PdmAdcRawData_MessageType = 17,
    ArdixDiagnosticData_MessageType = 18,
    CustomCanMessage_MessageType = 19,
    PdmDEFAULTCommonSettings = 20,
    DashExtraSettingsData = 21,
    RefLapData = 22,
    UserLogoData = 23,
    GPS_MyStruct_Data = 24,
    ArdixAdcRawData_MessageType = 25,
    PdmOutputsTestsResult = 26,
    CanRawFrame = 27,
    PdmTestAndCalibrateResults = 28,
    FlashDataPacket = 29,
    DfuInfo = 30,
    DataCan = 31,
    MpxPacketData = 32,
    DebugData = 33,
    ForwardData = 34,
    // Factory test bench.
    Test_ardix7_tests_result = 200,
    Test_ardix7_realtime = 201,
    Test_ardix7_ADC_RESULT = 202,
    Test_ardix7_lab_supply = 203,
    Test_ardix7_settings = 204,
    Test_ardix7_calibrateInfo = 205,
    Test_ardix7_DfuUpgrade = 206,
};
Q_ENUM_NS(MessageDataTypes)

enum ActionTypes {
    FlashData = 0,
    CommandMessage = 1,
};
Q_ENUM_NS(ActionTypes)

enum SkinSettingsIndexes {
    ModesCount = 0,
    ModesEnabled = 1,
    DefaultMode = 2,
    Mode_0_CellsCount = 3,
    Mode_1_CellsCount = 4,
    Mode_2_CellsCount = 5,
    Mode_3_CellsCount = 6,
    Mode_4_CellsCount = 7,
    Mode_5_CellsCount = 8,
    Mode_6_CellsCount = 9,
    Mode_7_CellsCount = 10,
    Mode_8_CellsCount = 11,
    Mode_9_CellsCount = 12,
    Mode_0_Config = 13,
    Mode_1_Config = 14,
    Mode_2_Config = 15,
    Mode_3_Config = 16,
    Mode_4_Config = 17,
    Mode_5_Config = 18,
    Mode_6_Config = 19,
    Mode_7_Config = 20,
    Mode_8_Config = 21,
    Mode_9_Config = 22,
    Reserved = 23,
};
Q_ENUM_NS(SkinSettingsIndexes)

enum SkinModeConfigBits {
    ModeConfig_IsTripOn = 0,
};
Q_ENUM_NS(SkinModeConfigBits)

enum SocketStatus {
    ardixOffline = 0,
    ardixOnline = 1,
    ardixBootOnline = 2,
    ardixRealTimeLoop = 3,
    ardixReflash = 4,
    ardixLogTransfer = 5,
};
Q_ENUM_NS(SocketStatus)

enum DeviceModelId {
    Device_Ardix7 = 0,
    Device_Ardix7Boot = 1,
    Device_ArdixA20 = 2,
    Device_ArdixA20Boot = 3,
    Device_Pmx = 4,
    Device_PmxBoot = 5,
    Device_ArdixClient = 6,
    Device_All_Broadcast = 7,
    Device_Keypad7 = 8,
    Device_Keypad8 = 9,
    Device_EcumasterKeypad12 = 10,
    Device_EcumasterKeypadUpTo8 = 11,
    Device_GrayHill_CanOpen_Keypad = 12,
    Device_USBBoot = 13,
    Device_Can2Usb_F105 = 14,
    Device_Can2Usb_F042 = 15,
    Device_Can2Usb_F072 = 16,
    Device_Kellbridge = 17,
    Device_PnP_Servo_Feeder = 18,
    Device_PDM_Tester = 19,
    Device_LinkKeypad = 20,
    Device_BMW_IDrive_Joystic = 21,
    Device_USB2CC1101 = 22,
    Device_GrayHill_J1939_Keypad = 23,
    Device_Qpad_I_Keypad = 24,
    Device_USB2CC1101_GPS = 25,
    Device_EcumasterKeypad10 = 26,
    Device_Qpad_RGB_Keypad = 27,
};
Q_ENUM_NS(DeviceModelId)

enum ErrorCodes {
    Error_BadFirmware = 0,
    Error_WrongSerialNumber = 1,
    Error_BadCrc = 2,
    Error_Timeout = 3,
    Error_SettingsSize = 4,
    Error_CanSend = 5,
    Error_BGA_Timeout = 6,
};
Q_ENUM_NS(ErrorCodes)

enum AnimationsList {
    AnimateTacho = 0,
    AnimateSpeed = 1,
};
Q_ENUM_NS(AnimationsList)

enum EcuProtocols {
    EcuNone = 0,
    CanOBD = 1,
    KlineOBD = 2,
    CanLinkG4 = 3,
    CanLinkG4Plus = 4,
    CanHaltechV2 = 5,
    CanMotecM800Set3 = 6,
    CanRs232Aim = 7,
    CanAutronicRs232 = 8,
    CanAemNetInfity = 9,
    CanToyotaTundra2012 = 10,
    CanPacman = 11,
    CanAbit = 12,
    CanHondataKPro4 = 13,
    CanVemsHDLC = 14,
    CanMotecM1 = 15,
    CanSubaruGrb2008 = 16,
    CanEvoX = 17,
    CanSyvecsS7i = 18,
    CanEcumaster = 19,
    CanEcumasterRs232 = 20,
    CanGems = 21,
};
Q_ENUM_NS(EcuProtocols)

enum BoardOptions {
    BoardOption_WifiRTS_wire = 0,
    BoardOption_LCD_PWM_INVERSE = 1,
};
Q_ENUM_NS(BoardOptions)

enum PdmConditionsOperators {
    IfTrue = 0,
    IfFalse = 1,
    IfEqual = 2,
    IfNotEqual = 3,
    IfLessThan = 4,
    IfLessThanOrEqual = 5,
    IfGreaterThan = 6,
    IfGreaterThanOrEqual = 7,
    IfAnd = 8,
    IfOr = 9,
    IfBitAnd = 10,
    IfFlash = 11,
    IfHysteresis = 12,
    IfPulse = 13,
    IfSetReset = 14,
    IfToggle = 15,
    IfXor = 16,
};
Q_ENUM_NS(PdmConditionsOperators)

enum PdmFunctionsInChannelTypes {
    ChannelType_DisabledFunction = 0,
    ChannelType_Tic124LogicInput = 1,
    ChannelType_Tic124AnalogInput = 2,
    ChannelType_PdmOutputState = 3,
    ChannelType_OutputCurrent = 4,
    ChannelType_OutputOvercurrentFlag = 5,
    ChannelType_Constant = 6,
    ChannelType_GlobalFunction = 7,
    ChannelType_GlobalCounter = 8,
    ChannelType_CanbusInData = 9,
    ChannelType_OutputFaultFlag = 10,
    ChannelType_ArdixCanSensorsData = 11,
    ChannelType_ArdixInputsState = 12,
    ChannelType_ArdixOutputsState = 13,
    ChannelType_ECU_CanData = 14,
    ChannelType_Keypad1 = 15,
    ChannelType_Keypad2 = 16,
    ChannelType_Keypad3 = 17,
    ChannelType_Keypad4 = 18,
    ChannelType_PdmData = 19,
    ChannelType_Keypad1_AddInputs = 20,
    ChannelType_Keypad2_AddInputs = 21,
    ChannelType_Keypad3_AddInputs = 22,
    ChannelType_Keypad4_AddInputs = 23,
    ChannelType_Keypad1_AddADCInputs = 24,
    ChannelType_Keypad2_AddADCInputs = 25,
    ChannelType_Keypad3_AddADCInputs = 26,
    ChannelType_Keypad4_AddADCInputs = 27,
    ChannelType_CanbusDigitalInput = 28,
    ChannelType_ArdixCanbusDigitalInput = 29,
    ChannelType_CAN_IO16_Expander = 30,
    ChannelType_Internal_DI = 31,
    ChannelType_Flag_State = 32,
};
Q_ENUM_NS(PdmFunctionsInChannelTypes)

enum PdmOutputConfigBitsEnum {
    OutputShutdownWithMasterShutdown = 0,
    OutputStayAliveDuringStandby = 1,
    OutputPwmModeActive = 2,
    OutputPwmModeInverseOrder = 3,
    OutputWipersMode = 4,
};
Q_ENUM_NS(PdmOutputConfigBitsEnum)

enum PdmFunctionConfigBitsEnum {
    FunctionIsInvert = 0,
    FunctionIsCounter = 1,
    FunctionIsInChannelRisingEdge = 2,
    FunctionIsAdditionalChannelRisingEdge = 3,
    FunctionIsWrapAroundIncrementCounter = 4,
    FunctionIsWrapAroundDecrementCounter = 5,
    FunctionIsGlobal = 6,
    FunctionIsInternal = 7,
    FunctionIsInternalInGlobal = 8,
    FunctionIsToggleAndIsActiveOnStart = 9,
    FunctionIsResetCounterOnMax = 10,
    FunctionIsResetCounterOnMin = 11,
    FunctionIsTimeMinutes = 12,
    FunctionIsStoreInEeprom = 13,
};
Q_ENUM_NS(PdmFunctionConfigBitsEnum)

enum KeypadWakeUpIntsBits {
    KeypadWakeFromButtons = 0,
    KeypadWakeFromCan = 1,
    KeypadWakeFromTic = 2,
};
Q_ENUM_NS(KeypadWakeUpIntsBits)

enum PdmDataIndexes {
    PdmData_InternalTemp = 0,
    PdmData_TotalCurrent = 1,
    PdmData_BattVoltage = 2,
    PdmData_IsArdixOnline_PdmFlag = 3,
    PdmData_IsEcuOnline_PdmFlag = 4,
};
Q_ENUM_NS(PdmDataIndexes)

enum Tic124ModesBits {
    Tic124PullDownModeBit = 0,
    Tic124AnalogModeBit = 1,
    Tic124PullUpModeBit = 2,
};
Q_ENUM_NS(Tic124ModesBits)

enum CanbusBauds {
    CanbusBaud_Disable = -1,
    CanbusBaud_125kbps = 0,
    CanbusBaud_250kbps = 1,
    CanbusBaud_500kbps = 2,
    CanbusBaud_1000kbps = 3,
};
Q_ENUM_NS(CanbusBauds)

enum PdmOtherSettingsConfigBits {
    PdmOtherSettingsConfigBits_isMasterShutdownFunctionEnabled = 0,
    PdmOtherSettingsConfigBits_isMasterRetryFunctionIdEnabled = 1,
    PdmOtherSettingsConfigBits_isPdmSleepFunctionIdEnabled = 2,
};
Q_ENUM_NS(PdmOtherSettingsConfigBits)

enum PdmFunctionParentTypes {
    FunctionParent_PdmOutput = 0,
    FunctionParent_PdmKeypad = 1,
    FunctionParent_PdmMasterShutdown = 2,
    FunctionParent_PdmGlobalFunction = 3,
    FunctionParent_ArdixKeypad = 4,
};
Q_ENUM_NS(PdmFunctionParentTypes)

enum PdmSettingsMenuItems {
    PdmSettings_CurrentState = 0,
    PdmSettings_Inputs = 1,
    PdmSettings_Outputs = 2,
    PdmSettings_Keypad = 3,
    PdmSettings_GlobalFunctions = 4,
    PdmSettings_CanInput = 5,
    PdmSettings_CanOutput = 6,
    PdmSettings_ArdixWarnings = 7,
    PdmSettings_ResetSettings = 8,
    PdmSettings_SaveSettingToFile = 9,
    PdmSettings_LoadSettingsFromFile = 10,
    PdmSettings_Update = 11,
    PdmSettings_Calibration = 12,
    PdmSettings_Wifi = 13,
    PdmSettings_Pwm = 14,
    PdmSettings_Ecu = 15,
    PdmSettings_MasterSwitch = 16,
    PdmSettings_MasterRetry = 17,
    PdmSettings_Password = 18,
};
Q_ENUM_NS(PdmSettingsMenuItems)

enum PdmFlagsEnum {
    IsArdixOnline_PdmFlag = 0,
    IsEcuOnline_PdmFlag = 1,
};
Q_ENUM_NS(PdmFlagsEnum)

enum Ardix7_test_can_commands {
    Test_Ardix_Inputs_pulls = 0,
    Test_Ardix_Outputs_push = 1,
    // 2 is reserved.
    Test_Ardix_A20Reset = 3,
    Test_Ardix_A20VCC = 4,
    Test_Ardix_WifiVcc = 5,
    Test_Ardix_MainVcc = 6,
    Test_Ardix_BootloaderPin = 7,
    Test_Ardix_CanSleep = 8,
    Test_Ardix_NVIC_Reset = 9,
    Test_Ardix_A20_toggleReset = 10,
    Test_Ardix_LCD_pin = 11,
    // 12 is reserved.
    Test_Ardix_ResetBoardInfo = 13,
    Test_Ardix_Led_push = 14,
    Test_Ardix_Screen = 15,
    Test_Meter_OtherPin_set = 50,
    Test_Meter_DI_push_pin = 51,
    Test_Meter_AR_load_pin = 52,
    Test_Meter_A5V_load_pin = 53,
    Test_Meter_Freq = 54,
    Test_Meter_StartTest = 55,
};
Q_ENUM_NS(Ardix7_test_can_commands)

enum PacketParseStatus {
    PacketRx_InProgress = 0,
    PacketRx_SuccessDataHeader = 1,
    PacketRx_Success = 2,
    PacketRx_BadSize = 3,
    PacketRx_BadHeaderCrc = 4,
    PacketRx_BadDataCrc = 5,
    PacketRx_UnknownCanId = 6,
};
Q_ENUM_NS(PacketParseStatus)

enum ArdixActions {
    DefBtn_Action = 0,
    ResetWarnings_Action = 1,
    ResetPeaks_Action = 2,
    ChangeScreenF_Action = 3,
    ChangeScreenB_Action = 4,
    MAXID_Action = 5,
};
Q_ENUM_NS(ArdixActions)

// Key of `value` in the enumeration `enumName`; empty when the enumeration or the key does not exist.
QString keyName(const char *enumName, int value);

// A bit-position enumeration applied to a field.
constexpr bool testBit(quint32 field, int position)
{
    return (field & (quint32(1) << position)) != 0;
}
constexpr quint32 withBit(quint32 field, int position, bool on)
{
    return on ? (field | (quint32(1) << position)) : (field & ~(quint32(1) << position));
}

// A baud selector read back from an unsigned byte: 255 is the stored form of CanbusBaud_Disable.
constexpr int canbusBaudFromByte(quint8 stored)
{
    return static_cast<int>(static_cast<qint8>(stored));
}
} // namespace ArdixEnums
