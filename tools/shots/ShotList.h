#pragma once
// Every screen and dialog of the client, each with the script that opens it in the window's
// context: the screenshots walk them, and so do the tests that look at every screen's texts.

namespace shots {

struct Shot
{
    const char *name;
    const char *open;   // evaluated in the window's context
    int settleMs;
};

// Mode 0 as it is, for the dialogs.
#define SHOTS_MAIN "for (let i = 0; i < 10 && ardixKernel.curSkinMode !== 0; ++i) ardixKernel.changeSkinMode();" \
    " Qt.createQmlObject('import QtQuick; Timer { interval: 1200; running: true; onTriggered: ardixKernel.hideBusy() }', dialogLayer);"

// Cycles the dash's modes until mode N shows, as the menu's mode button does; in Russian.
#define SHOTS_MODE(N) "DevSettings.dash.commonSettings.isRu = 1; ardixKernel.saveNewSkinSettings(ArdixEnums.ModesEnabled, 31);" \
    " Qt.createQmlObject('import QtQuick; Timer { interval: 1200; running: true; onTriggered: ardixKernel.hideBusy() }', dialogLayer);" \
    " for (let i = 0; i < 10 && ardixKernel.curSkinMode !== " #N "; ++i) ardixKernel.changeSkinMode();"

// A CAN setup worth looking at: two filters (one multiplexed), two inputs on them, a message with data.
#define SHOTS_CAN(C) "(function(c) { const m = c.canInMessages; m[0].isMessageEnabled = true; m[1].isMessageEnabled = true;" \
    " m[1].isFrameSet = true; m[1].canId = 0x18FF50E5; m[1].isIdExtended = true; const d = c.canDigitalInputs;" \
    " d[0].isInputEnabled = true; d[0].inputName = 'Кнопка руля'; d[0].dataMask = 4; d[1].isInputEnabled = true;" \
    " d[1].canInMessageIndex = 1; const a = c.canAnalogInputs; a[0].isInputEnabled = true; a[0].isSize16Bit = true;" \
    " a[0].dataValueMultiplier = 1; a[0].dataValueDivider = 10; if (a[0].inputName !== undefined) a[0].inputName = 'Давление';" \
    " const o = c.canOutMessages[0]; o.isMessageEnabled = true; const u = o.userData; u[0].inChannelType = 6; u[0].constantData = 100;" \
    " u[0].dataSize = 1; u[1].inChannelType = " SHOTS_CAN_SOURCE "; u[1].dataByteIndex = 1; return true })(" C ");"
#define SHOTS_CAN_SOURCE "(c.canAnalogInputs.length > 16 ? ArdixEnums.ChannelType_ArdixCanSensorsData : ArdixEnums.ChannelType_PdmOutputState)"

// The custom sensor shots edit the settings: each starts from the stored block, and the last one
// puts it back after its picture so that the later shots see the device's settings.
#define SHOTS_FRESH "DevSettings.dash.reloadFromStruct();"
#define SHOTS_RELOAD_AFTER SHOTS_RELOAD_AFTER_MS("1200")
#define SHOTS_RELOAD_AFTER_MS(MS) "Qt.createQmlObject('import QtQuick; import ARDIX 1.0; Timer { interval: " MS "; running: true;" \
    " onTriggered: { DevSettings.dash.reloadFromStruct(); destroy() } }', ardix);"

// A few inputs of the expansion module in use, some inverted: lamps with and without a picture.
#define SHOTS_MODULE_INPUTS "(function(c) { const v = c.input16ChannelModuleSettings.slice(); v[0] = ArdixEnums.Lamp_Launch;" \
    " v[1] = ArdixEnums.Lamp_DCCD_AutoMode | 0x80; v[2] = ArdixEnums.Lamp_LeftTurn; v[3] = ArdixEnums.Lamp_Gear_Neutral;" \
    " v[4] = ArdixEnums.Lamp_User1 | 0x80; c.input16ChannelModuleSettings = v; return true })(DevSettings.dash.commonSettings);" \
    SHOTS_RELOAD_AFTER

// Closes whatever the previous shot opened: every dynamic dialog, the selector, the pop-up.
inline constexpr const char *kReset =
    "(function() { for (let i = dialogLayer.children.length - 1; i >= 0; --i) dialogLayer.children[i].destroy();"
    " ardix.isSyncDialogOn = false; ardix.isBusyOnScreen = false; deviceSelector.close(); return true })()";

inline const Shot kDashShots[] = {
    {"main", "true", 300},
    {"selector", "deviceSelector.open()", 1300},
    {"settings_menu", "ardix.openSettings()", 900},
    {"sync", "ardixKernel.showSyncDiaglog(false)", 900},
    {"info", "ardix.infoDialog('соединение с устройством не установлено, все произведенные изменения будут применены при первом же подключении')", 700},
    {"busy", "ardix.showBusyDialog(30000)", 700},
    {"message", "ardix.createDialog({dialogTitle: 'Внимание', dialogText: 'У вас есть не сохраненные изменения\\nПрименить?', acceptBtnText: 'Применить', cancelBtnText: 'Нет, Удалить', cancelBtnColor: '#975a5a', isCancelBtnVisible: true, isExitBtnVisible: true})", 700},
    {"message_input", "ardix.createDialog({dialogTitle: 'Введите имя файла', dialogText: 'Paddock_settings', isTextInput: true, isCancelBtnVisible: true})", 700},
    {"message_number", "ardix.createDialog({dialogTitle: 'Порог', isIntInput: true, intValue: 120, intFrom: 0, intTo: 250, isCancelBtnVisible: true})", 700},
    {"popup", "popUp.show('есть связь')", 1000},
    // The replica's five modes and its dialogs.
    {"mode0", SHOTS_MODE(0), 2300},
    {"mode1", SHOTS_MODE(1), 2300},
    {"mode2", SHOTS_MODE(2), 2300},
    {"mode3", SHOTS_MODE(3), 2300},
    {"mode4", SHOTS_MODE(4), 4300},
    {"mode2_disabled", SHOTS_MODE(2) " ardixKernel.saveNewSkinSettings(ArdixEnums.ModesEnabled, 11)", 2300},
    {"dialog_mode_settings", SHOTS_MAIN " ardix.modeMenuShow()", 2300},
    {"dialog_sensor_menu", SHOTS_MAIN " ardix.sensorMenuShow(0, [1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,22,23,24,25], [], true)", 2300},
    {"dialog_sensor_menu_ecu", SHOTS_MAIN SHOTS_RELOAD_AFTER_MS("2600") " DevSettings.dash.setCurrEcu(3); ardix.sensorMenuShow(0, [1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,22,23,24,25], [], true)", 2300},
    {"dialog_warning", SHOTS_MAIN " ardix.warningDialogShow(ArdixEnums.WaterTemp_index)", 2300},
    {"dialog_warning_boost", SHOTS_MAIN " ardix.warningDialogShow(ArdixEnums.BoostPressure_index)", 2300},
    {"dialog_rpm", SHOTS_MAIN " ardix.showRpmWarningDialog()", 2300},
    {"dialog_oil", SHOTS_MAIN " ardix.oilPressureWarningDialogShow()", 2300},
    {"mode0_en", SHOTS_MODE(0) " DevSettings.dash.commonSettings.isRu = 0; ardixKernel.configChangedSignal()", 2300},
    {"logs", "ardix.showLogsDialog()", 1800},
    {"logs_download", "(function() { const d = ardix.showLogsDialog(); d.download(0, 'shot_download'); return true })()", 250},
    {"logs_settings", "ardix.showLogsSettingsDialog()", 700},
    {"laps", "ardix.showLapsLogDialog(ardixKernel.localLogsFilesList.find(f => f.name === 'circuit.elog').apath, false)", 1500},
    {"laps_second_lap", "(function() { const d = ardix.showLapsLogDialog(ardixKernel.localLogsFilesList.find(f => f.name === 'circuit.elog').apath, false); d.selectedLap = 1; return true })()", 1500},
    {"laps_not_a_log", "ardix.showLapsLogDialog(ardixKernel.localLogsFilesList.find(f => f.name === 'not_a_log.elog').apath, false)", 900},
    {"laps_cursor", "(function() { const d = ardix.showLapsLogDialog(ardixKernel.localLogsFilesList.find(f => f.name === 'circuit.elog').apath, false); d.cursorDistance = 300; return true })()", 1500},
    {"logview", "(function() { const d = ardix.showLogViewDialog(ardixKernel.localLogsFilesList.find(f => f.name === 'circuit.elog').apath); d.cursorRecord = 1500; return true })()", 1800},
    {"logview_laps", "(function() { const d = ardix.showLogViewDialog(ardixKernel.localLogsFilesList.find(f => f.name === 'circuit.elog').apath);"
     " Qt.createQmlObject('import QtQuick; Timer { interval: 1200; running: true; onTriggered: { parent.setLapMode(true); parent.setCursorX(350) } }', d); return true })()", 2600},
    {"wifi", "ardix.openSettings().openPage('dialogs/Wifi.qml', { parentDevice: 0 })", 1200},
    {"update", "ardix.openSettings().openPage('dialogs/UpdateDialog.qml', { parentDevice: 0 })", 2500},
    {"page_lamps", "ardix.openSettings().openPage('dialogs/LampsConfigDialog.qml')", 900},
    {"page_actions", "ardix.openSettings().openPage('dialogs/ActionsConfigDialog.qml')", 900},
    {"page_gear_inputs", "ardix.openSettings().openPage('dialogs/GearDigitalInputsDialog.qml')", 900},
    {"page_module_inputs", SHOTS_MODULE_INPUTS " ardix.openSettings().openPage('dialogs/ButtonsSetupDialog.qml')", 900},
    {"page_module_inputs_choice", SHOTS_MODULE_INPUTS " (function() { const p = ardix.openSettings().openPage('dialogs/ButtonsSetupDialog.qml');"
                                  " const find = (i, n) => { if (i.objectName === n) return i; for (let k = 0; k < i.children.length; ++k) {"
                                  " const f = find(i.children[k], n); if (f) return f } return null };"
                                  " const t = Qt.createQmlObject('import QtQuick; Timer { interval: 500; running: true }', dialogLayer);"
                                  " t.triggered.connect(function() { find(find(p, 'inputRow_5'), 'functionCombo').popup.open() }); return true })()", 1400},
    {"page_all_sensors", "ardix.openSettings().openPage('dialogs/AllSensorsConfigDialog.qml')", 900},
    {"page_all_sensors_can", "(function() { const p = ardix.openSettings().openPage('dialogs/AllSensorsConfigDialog.qml'); p.openPopup(p.canPopupComponent, { sensor: DevSettings.dash.sensors[1], messageIndex: 0 }); return true })()", 900},
    {"page_outputs", "ardix.openSettings().openPage('dialogs/OutputPortConfigDialog.qml')", 900},
    {"page_custom_analog", "(function() { " SHOTS_FRESH " const f = DevSettings.dash.sensors[ArdixEnums.FuelLevel_index]; f.inputDataSource = ArdixEnums.InputSourceCustomAnalog;"
                           " f.analogTableID = 0; f.inputSourceIndex = 6; ardix.openSettings().openPage('dialogs/CustomAnalogSensorDialog.qml'); return true })()", 1500},
    {"page_custom_analog_linear", "(function() { " SHOTS_FRESH " const t = DevSettings.dash.customAnalogSensors[1]; t.name = 'Давление турбины'; t.sensorType = ArdixEnums.Linear5V_CustomAnalogType;"
                                  " t.linearA = 62.5; t.linearB = -31.25; const p = ardix.openSettings().openPage('dialogs/CustomAnalogSensorDialog.qml'); p.current = 1; return true })()", 1500},
    {"page_custom_analog_range", "(function() { " SHOTS_FRESH " const t = DevSettings.dash.customAnalogSensors[2]; t.name = 'Положение КПП'; t.sensorType = ArdixEnums.RangeTable_CustomAnalogType;"
                                 " t.tableSize = 6; t.rangeTolerance = 150; for (let i = 0; i < 6; ++i) { t.setPoint(i, 0, i + 1); t.setPoint(i, 1, 0.5 + 0.75 * i) }"
                                 " const p = ardix.openSettings().openPage('dialogs/CustomAnalogSensorDialog.qml'); p.current = 2; return true })()", 1500},
    {"page_user_gauges", "(function() { " SHOTS_FRESH " const p = ardix.openSettings().openPage('dialogs/UserCustomSensorDialog.qml'); p.addSensor();"
                         " const s = DevSettings.dash.customSensors[0]; s.customShortName = 'Тормоза'; s.analogGroup = 1; s.unitsID = 3; p.sensorEdited(s);"
                         " p.addSensor(); ardix.contentItem.forceActiveFocus(); return true })()", 1200},
    {"page_user_gauges_empty", "(function() { " SHOTS_FRESH SHOTS_RELOAD_AFTER " for (const s of DevSettings.dash.customSensors) { s.customShortName = ''; s.setupCustomSens() }"
                               " ardix.openSettings().openPage('dialogs/UserCustomSensorDialog.qml'); return true })()", 900},
    {"page_warnings", "ardix.openSettings().openPage('dialogs/SensorsByInputType.qml', { setWarnings: true })", 900},
    {"page_ecu", "(function() { " SHOTS_RELOAD_AFTER " DevSettings.dash.setCurrEcu(3); return ardix.openSettings().openPage('dialogs/SensorsByInputType.qml', { setEcu: true }) })()", 900},
    {"page_all_sensors_frequency", "(function() { const p = ardix.openSettings().openPage('dialogs/AllSensorsConfigDialog.qml'); p.openPopup(p.frequencyPopupComponent, { input: 0 }); return true })()", 900},
    {"page_all_sensors_tables", "(function() { const p = ardix.openSettings().openPage('dialogs/AllSensorsConfigDialog.qml'); p.openPopup(p.tablesPopupComponent, { sensor: DevSettings.dash.sensors[ArdixEnums.WaterTemp_index], input: 6 }); return true })()", 900},
    {"page_all_sensors_no_tables", "(function() { " SHOTS_RELOAD_AFTER " const p = ardix.openSettings().openPage('dialogs/AllSensorsConfigDialog.qml'); for (const t of DevSettings.dash.customAnalogSensors) t.sensorType = 0;"
                                   " p.openPopup(p.tablesPopupComponent, { sensor: DevSettings.dash.sensors[ArdixEnums.BatteryVolts_index], input: 0 }); return true })()", 900},
    {"dash_keypad", "ardix.openSettings().openPage('keypadDialogs/KeypadSettingsDialog.qml', { parentDev: ArdixEnums.Device_Ardix7 })", 900},
    {"dash_keypad_buttons", "ardix.openSettings().openPage('keypadDialogs/KeypadButtonsSettingsDialog.qml', { parentDev: ArdixEnums.Device_Ardix7, keypadIndex: 0 })", 900},
    {"dash_can_in", SHOTS_CAN("DevSettings.dash.extra.customCan") " ardix.openSettings().openPage('canDialogs/CanInputMessagesDialog.qml', { parentDev: ArdixEnums.Device_Ardix7 })", 900},
    {"dash_can_di", SHOTS_CAN("DevSettings.dash.extra.customCan") " ardix.openSettings().openPage('canDialogs/CanDigitalInputsDialog.qml', { parentDev: ArdixEnums.Device_Ardix7 })", 900},
    {"dash_can_out", SHOTS_CAN("DevSettings.dash.extra.customCan") " ardix.openSettings().openPage('canDialogs/CanOutputMessagesDialog.qml', { parentDev: ArdixEnums.Device_Ardix7 })", 900},
    {"dash_can_out_data", SHOTS_CAN("DevSettings.dash.extra.customCan") " ardix.openSettings().openPage('canDialogs/CanOutputDataDialog.qml', { parentDev: ArdixEnums.Device_Ardix7, messageIndex: 0 })", 900},
    // The settings history: keep a file of the settings as they are, go offline, change a few, then ask
    // the sync question as a reconnection would (what changed since the last exchange), before the
    // reconnection writes them.
    {"history_sync", "ardixKernel.exportFile(StandardPaths.writableLocation(StandardPaths.TempLocation) + '/shot.ardix7',"
                     " ArdixEnums.Device_Ardix7, ArdixEnums.Settings_FileType); ardixKernel.killAllInfoMessageDialogs();"
                     " ardixKernel.goWifiOffline(); const c = DevSettings.dash.commonSettings; c.can1BaudId = 1; c.gearsCount = 5;"
                     " c.diffRatio = 4100; c.lcdPwmDuty = 60; c.fuelLevelApproxTime = 7; DevSettings.dash.commonSettingsHasChanges = true;"
                     " ardixKernel.applyNewArdixSettings(true); ardixKernel.hideBusy(); ardixKernel.killAllInfoMessageDialogs();"
                     " ardixKernel.showSyncDiaglog(false)", 500},
    {"history_page", "ardix.openSettings().openPage('dialogs/SettingsHistoryDialog.qml', { pdm: false })", 900},
    {"history_compare", "(function() { const p = ardix.openSettings().openPage('dialogs/SettingsHistoryDialog.qml', { pdm: false });"
                        " p.openVersion(p.snapshots.length - 1); return true })()", 900},
    {"history_file_preview", "ardix.createObjectFrom('dialogs/SettingsFilePreviewDialog.qml', { kernel: ardixKernel, window: ardix,"
                             " fileUrl: StandardPaths.writableLocation(StandardPaths.TempLocation) + '/shot.ardix7',"
                             " deviceId: ArdixEnums.Device_Ardix7, fileType: ArdixEnums.Settings_FileType })", 900},
    {"dialog_brightness", "ardix.showBrightnessDialog()", 900},
    {"dialog_trip", "ardix.showTripConfigDialog()", 2500},
    {"dialog_gears", "(function() { DevSettings.dash.sensors[ArdixEnums.Gear_index].inputDataSource = ArdixEnums.InputSourceCalculated; return ardix.gearSettingsDialogShow() })()", 900},
    {"dialog_gears_analog", "(function() { " SHOTS_RELOAD_AFTER " DevSettings.dash.sensors[ArdixEnums.Gear_index].inputDataSource = ArdixEnums.InputSourceAnalog; return ardix.gearSettingsDialogShow() })()", 900},
    {"dialog_speed_gps", "ardix.createObjectFrom('dialogs/SpeedGpsCalibrationDialog.qml', { kernel: ardixKernel, window: ardix, input: 0 })", 900},
    {"page_gps", "ardix.openSettings().openPage('dialogs/GpsModuleSettings.qml')", 900},
    {"page_gps_ref_lap", "(function() { ardixKernel.findLapsInLog(ardixKernel.localLogsFilesList.find(f => f.name === 'circuit.elog').apath);"
                         " ardixKernel.setRefLapLogFileData(); ardixKernel.killAllInfoMessageDialogs();"
                         " ardix.openSettings().openPage('dialogs/GpsModuleSettings.qml'); return true })()", 900},
    {"page_gps_end", "(function() { const p = ardix.openSettings().openPage('dialogs/GpsModuleSettings.qml');"
                     " const t = Qt.createQmlObject('import QtQuick; Timer { interval: 400; running: true }', p);"
                     " t.triggered.connect(function() { const f = p.contentArea.children[0]; f.contentY = f.contentHeight - f.height });"
                     " return true })()", 1200},
    {"gps_hint", "ardix.openSettings().currentItem.showGpsHint()", 900},
};

inline const Shot kPdmShots[] = {
    {"main", "true", 300},
    {"home_live", "true", 3500},
    {"settings_menu", "ardix.openSettings()", 900},
    {"sync_password", "ardixKernel.showSyncDiaglog(true)", 900},
    {"pdm_realtime", "ardix.showPdmRealtimeDialog()", 1500},
    {"pdm_inputs", "ardix.openSettings().openPage('pdmDialogs/PdmInputsSettingsDialog.qml')", 900},
    {"pdm_outputs", "ardix.openSettings().openPage('pdmDialogs/PdmOutputsListDialog.qml')", 900},
    {"pdm_output", "(function() { const s = ardix.openSettings(); const o = DevSettings.pdm.outputs[0];"
                   " const f = DevSettings.pdm.functions[5]; f.inChannelType = 1; f.inChannel = 1; f.configBits = 128;"
                   " f.trueDelayHystOrFlash = 100; const g = DevSettings.pdm.functions[6]; g.inChannelType = 3; g.inChannel = 4;"
                   " g.conditionOperator = 11; g.trueDelayHystOrFlash = 500; g.falseDelayHystOrFlash = 500; g.configBits = 128;"
                   " const order = o.functionsOrder; order[0] = 5; order[1] = 6; o.functionsOrder = order; o.functionsCount = 2;"
                   " o.outputName = 'Вентилятор'; s.openPage('pdmDialogs/PdmOutputSettingsDialog.qml', { outputIndex: 0 }); return true })()", 900},
    {"pdm_condition", "ardix.createObjectFrom('logicDialogs/InternalFunctionSettingsDialog.qml', { thisFunctionId: 5, kernel: ardixKernel, window: ardix })", 900},
    {"pdm_globals", "(function() { const s = ardix.openSettings(); const p = s.openPage('logicDialogs/GlobalFunctionsAndCountersDialog.qml');"
                    " p.add(false); p.add(true); return true })()", 900},
    {"pdm_global_function", "ardix.openSettings().openPage('logicDialogs/GlobalFunctionDialog.qml', { functionId: 1 })", 900},
    {"pdm_counter", "ardix.createObjectFrom('logicDialogs/CounterFunctionDialog.qml', { thisFunctionId: 2, kernel: ardixKernel, window: ardix })", 900},
    {"pdm_password", "ardixKernel.showPdmSettingsPasswordDialog(true)", 700},
    {"pdm_keypad", "ardix.openSettings().openPage('keypadDialogs/KeypadSettingsDialog.qml', { parentDev: ArdixEnums.Device_Pmx })", 900},
    {"pdm_keypad_buttons", "ardix.openSettings().openPage('keypadDialogs/KeypadButtonsSettingsDialog.qml', { parentDev: ArdixEnums.Device_Pmx, keypadIndex: 0 })", 900},
    {"wifi", "ardix.openSettings().openPage('dialogs/Wifi.qml', { parentDevice: 4 })", 1200},
    {"update", "ardix.openSettings().openPage('dialogs/UpdateDialog.qml', { parentDevice: 4 })", 2500},
    {"pdm_can_in", SHOTS_CAN("DevSettings.pdm.customCan") " ardix.openSettings().openPage('canDialogs/CanInputMessagesDialog.qml', { parentDev: ArdixEnums.Device_Pmx })", 900},
    {"pdm_can_di", SHOTS_CAN("DevSettings.pdm.customCan") " ardix.openSettings().openPage('canDialogs/CanDigitalInputsDialog.qml', { parentDev: ArdixEnums.Device_Pmx })", 900},
    {"pdm_can_ai", SHOTS_CAN("DevSettings.pdm.customCan") " ardix.openSettings().openPage('canDialogs/CanAnalogInputsDialog.qml', { parentDev: ArdixEnums.Device_Pmx })", 900},
    {"pdm_can_out", SHOTS_CAN("DevSettings.pdm.customCan") " ardix.openSettings().openPage('canDialogs/CanOutputMessagesDialog.qml', { parentDev: ArdixEnums.Device_Pmx })", 900},
    {"pdm_can_out_data", SHOTS_CAN("DevSettings.pdm.customCan") " ardix.openSettings().openPage('canDialogs/CanOutputDataDialog.qml', { parentDev: ArdixEnums.Device_Pmx, messageIndex: 0 })", 900},
    {"pdm_history", "ardix.openSettings().openPage('dialogs/SettingsHistoryDialog.qml', { pdm: true })", 900},
};

} // namespace shots
