import QtQuick
import ARDIX 1.0
import "../myComponents"

// The four switches every warning dialog has, with the auto-hide delay; the last three work only
// with the first.
Column {
    id: checks
    property bool warn: false
    property bool fullScreen: false
    property bool lamps: false
    property bool autoHide: false
    property int delay: 30
    property string lampsText: qsTr("Предупреждать\nподсветкой(Крас. лампы)")
    property string delayUnits: qsTr("СЕК")
    spacing: 6 * AppStyle.pixelScale

    component Check: MenuCheckBox {
        height: 70 * AppStyle.pixelScale
        contentItem: Text {
            leftPadding: parent.indicator.width + parent.spacing
            text: parent.text
            font.pixelSize: AppStyle.basicFontSize
            color: parent.enabled ? AppStyle.textColor : AppStyle.disabledTextColor
            verticalAlignment: Text.AlignVCenter
        }
    }
    Check {
        objectName: "warnCheck"
        text: qsTr("Предупреждать\nсообщением на экране")
        checked: checks.warn
        onToggled: checks.warn = checked
    }
    Check {
        objectName: "fullScreenCheck"
        enabled: checks.warn
        text: qsTr("Предупреждение\nна весь экран")
        checked: checks.fullScreen
        onToggled: checks.fullScreen = checked
    }
    Check {
        objectName: "lampsCheck"
        enabled: checks.warn
        text: checks.lampsText
        checked: checks.lamps
        onToggled: checks.lamps = checked
    }
    Row {
        spacing: 10 * AppStyle.pixelScale
        Check {
            objectName: "autoHideCheck"
            enabled: checks.warn
            text: checks.autoHide ? qsTr("Автоматически скрывать\nпредупреждение через:") : qsTr("Автоматически скрывать\nпредупреждение")
            checked: checks.autoHide
            onToggled: checks.autoHide = checked
        }
        MenuSpinBox {
            objectName: "delaySpin"
            visible: checks.autoHide
            enabled: checks.warn
            anchors.verticalCenter: parent.verticalCenter
            from: 1; to: 240
            value: checks.delay
            suffix: checks.delayUnits
            accessibleName: qsTr("Задержка")
            onValueModified: (v) => checks.delay = v
        }
    }
    function load(sensor) {
        warn = sensor.isWarningEnable
        fullScreen = sensor.isFullscreenWarningEnabled
        lamps = sensor.isUseShiftLight
        autoHide = sensor.sensorAutoWarningOffDelay !== 0
        delay = sensor.sensorAutoWarningOffDelay !== 0 ? sensor.sensorAutoWarningOffDelay : 30
    }
    // Writes what differs; true when anything did.
    function save(sensor) {
        let changed = false
        if (sensor.isWarningEnable !== warn) { sensor.isWarningEnable = warn; changed = true }
        if (sensor.isFullscreenWarningEnabled !== fullScreen) { sensor.isFullscreenWarningEnabled = fullScreen; changed = true }
        if (sensor.isUseShiftLight !== lamps) { sensor.isUseShiftLight = lamps; changed = true }
        const d = autoHide ? delay : 0
        if (sensor.sensorAutoWarningOffDelay !== d) { sensor.sensorAutoWarningOffDelay = d; changed = true }
        return changed
    }
}
