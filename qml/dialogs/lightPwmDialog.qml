import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// Brightness of the dash: the lowest screen and LED brightness, how strongly the light sensor
// drives them, and whether each follows the sensor at all. Every move is sent at once so the
// driver sees the result on the dash; "Сохранить" stores it in the device's settings.
BasicDialog {
    id: root
    objectName: "lightPwmDialog"
    title: qsTr("Яркость")
    showDialogButtons: true
    saveButton.objectName: "saveButton"
    backgroundItemWidth: 900 * ps
    backgroundItemHeight: 620 * ps

    readonly property var dash: DevSettings.dash
    readonly property var common: dash ? dash.commonSettings : null
    readonly property real ps: AppStyle.pixelScale
    // lcdOrLeds codes of setPwmDuty
    readonly property int lcd: 0
    readonly property int leds: 1
    readonly property int sensor: 3

    onAccepted: {
        if (kernel)
            kernel.applyNewArdixSettings()
        destroyBasicDialog()
    }

    // Cancel puts the settings back, and the dash too: every move was sent to it as it was made.
    snapshotTargets: [dash, common]
    property var moved: ({})
    function noteMoved(name) { const m = Object.assign({}, moved); m[name] = true; moved = m }
    onCanceled: {
        if (!kernel || !common || snapshots.length < 2)
            return
        const opened = snapshots[1]
        const codes = { lcdPwmDuty: lcd, shiftLightPwmDuty: leds, lightSensorSensivity: sensor }
        for (const name in codes)
            if (moved[name])
                kernel.setPwmDuty(opened.value(name), codes[name], 1)
        // setPwmDuty marks the settings changed; the snapshot knows whether they were.
        snapshots[0].restore()
    }

    component Level: Row {
        id: level
        property string label: ""
        property string suffix: "%"
        property int value: 0
        property int to: 100
        signal moved(int v)
        spacing: 12 * root.ps
        Text {
            width: 420 * root.ps
            anchors.verticalCenter: parent.verticalCenter
            text: level.label + " " + level.value + level.suffix
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicFontSize
        }
        Slider {
            objectName: level.objectName + "Slider"
            Accessible.name: level.label
            width: 380 * root.ps
            from: 0; to: level.to; stepSize: 1
            value: level.value
            onMoved: level.moved(Math.round(value))
        }
    }

    Text {
        objectName: "titleText"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 24 * root.ps
        text: root.title.toUpperCase()
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicTitleSize
    }

    Column {
        anchors.centerIn: parent
        spacing: 18 * root.ps

        Level {
            objectName: "lcd"
            label: qsTr("Мин. яркость экрана")
            value: root.common ? root.common.lcdPwmDuty : 0
            onMoved: (v) => { root.noteMoved("lcdPwmDuty"); if (root.kernel) root.kernel.setPwmDuty(v, root.lcd, 1) }
        }
        Level {
            objectName: "leds"
            label: qsTr("Мин. яркость светодиодов")
            value: root.common ? root.common.shiftLightPwmDuty : 0
            onMoved: (v) => { root.noteMoved("shiftLightPwmDuty"); if (root.kernel) root.kernel.setPwmDuty(v, root.leds, 1) }
        }
        Level {
            objectName: "sensitivity"
            label: qsTr("Чувствительность датчика света")
            suffix: ""
            to: 255
            value: root.common ? root.common.lightSensorSensivity : 0
            onMoved: (v) => { root.noteMoved("lightSensorSensivity"); if (root.kernel) root.kernel.setPwmDuty(v, root.sensor, 1) }
        }
        Text {
            text: qsTr("Автонастройка")
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicTitleSize
        }
        Row {
            spacing: 30 * root.ps
            CheckBoxNuvo {
                objectName: "autoLcd"
                text: qsTr("экран")
                target: root.common; property: "autoBrightness"; bit: 0
                flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
            }
            CheckBoxNuvo {
                objectName: "autoLeds"
                text: qsTr("светодиоды")
                target: root.common; property: "autoBrightness"; bit: 1
                flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
            }
        }
    }
}
