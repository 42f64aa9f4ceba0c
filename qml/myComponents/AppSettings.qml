pragma Singleton
import QtQuick
import Qt.labs.settings

Settings {
    property int deviceSelectorStartupShowCount: 0
    property int lastDeviceIdSelected: 0 // ArdixEnums.Device_Ardix7
    property string lastSettingsFolder: ""
    property string lastLogsFolder: ""
    property string lastStartPointFolder: ""
    property string lastRefLapFolder: ""
    property string lastUserLogoFolder: ""
    property int lastLogExportFileFormat: 0
    property var canInputMessagesIdFormatIsHex: []
    property var canOutputMessagesIdFormatIsHex: []
    property var canInputMessagesIdFormatIsHexDash: []
    property var canOutputMessagesIdFormatIsHexDash: []
    property int app_x: -1
    property int app_y: -1
    property int app_height: -1
    property int variableHeightDemoCnt: 0
    property string lastLogImportFolder: ""
    property string lastLogExportFolder: ""
    property bool gear_settings_isUseDiff: true
    property bool gear_settings_isGearsKnown: true
    property int ardix_keypad_new_cnt: 0
    property int ardix_actions_new_cnt: 0
    property int android_privacy_cnt: 0
}
