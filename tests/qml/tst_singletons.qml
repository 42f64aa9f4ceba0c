import QtQuick
import QtTest
import ARDIX 1.0

// The stored interface settings start from the documented defaults, and the style scales with the
// window width.
TestCase {
    name: "Singletons"

    function test_settingsDefaults_data() {
        return [
            { tag: "deviceSelectorStartupShowCount", value: 0 },
            { tag: "lastDeviceIdSelected", value: ArdixEnums.Device_Ardix7 },
            { tag: "lastSettingsFolder", value: "" },
            { tag: "lastLogExportFileFormat", value: 0 },
            { tag: "app_x", value: -1 },
            { tag: "app_y", value: -1 },
            { tag: "app_height", value: -1 },
            { tag: "variableHeightDemoCnt", value: 0 },
            { tag: "gear_settings_isUseDiff", value: true },
            { tag: "gear_settings_isGearsKnown", value: true },
            { tag: "ardix_keypad_new_cnt", value: 0 },
            { tag: "android_privacy_cnt", value: 0 }
        ]
    }
    function test_settingsDefaults(data) {
        compare(AppSettings[data.tag], data.value)
    }

    function test_styleScalesWithWidth() {
        const saved = AppStyle.appWindowWidth
        AppStyle.appWindowWidth = 640
        compare(AppStyle.pixelScale, 0.5)
        compare(AppStyle.basicRowHeight, 90 * 0.5 * 0.85)
        compare(AppStyle.basicFontSize, 24 * 0.5 * 0.85)
        AppStyle.appWindowWidth = saved
    }

    function test_limits() {
        compare(MyDefines.max_PDM_FUNCTIONS_COUNT, 200)
        compare(MyDefines.max_DASH_FUNCTIONS_COUNT, 60)
    }
}
