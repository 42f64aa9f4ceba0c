import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// How the dash knows the engaged gear. Calculated from speed and RPM it needs each gear's ratio,
// the final drive and the wheel circumference; a ratio can be typed or measured by the device
// while driving in that gear. Ratios are stored × 1000.
BasicDialog {
    id: root
    objectName: "gearSettingsDialog"
    title: qsTr("Настройка передач")
    showDialogButtons: true
    saveButton.objectName: "saveButton"
    destroyOnOverlayClick: false
    backgroundItemWidth: 1000 * ps
    backgroundItemHeight: 960 * ps

    readonly property var dash: DevSettings.dash
    readonly property var common: dash ? dash.commonSettings : null
    readonly property var gearSensor: dash && dash.sensors.length > ArdixEnums.Gear_index ? dash.sensors[ArdixEnums.Gear_index] : null
    readonly property real ps: AppStyle.pixelScale
    readonly property int minGears: 2
    readonly property int maxGears: 12
    readonly property var sources: [{ text: qsTr("Расчет из скорости и оборотов"), value: ArdixEnums.InputSourceCalculated },
                                    { text: "ECU", value: ArdixEnums.InputSourceEcu },
                                    { text: qsTr("Цифровые входы"), value: ArdixEnums.InputSourceDigital_IO },
                                    { text: qsTr("Аналоговый датчик"), value: ArdixEnums.InputSourceAnalog },
                                    { text: "CAN", value: ArdixEnums.InputSourceCustomCan }]
    readonly property bool calculated: gearSensor !== null && gearSensor.inputDataSource === ArdixEnums.InputSourceCalculated
    // Cancel puts back the count, the ratios and the source as they were on open.
    snapshotTargets: [dash, gearSensor, common]
    readonly property int shownGears: common ? Math.max(minGears, Math.min(maxGears, common.gearsCount)) : minGears

    // Opened from the gear cell, which blinks while a dialog of its own is up.
    Component.onDestruction: if (window && typeof window.warningDialogClosed === "function") window.warningDialogClosed()

    onAccepted: {
        if (kernel)
            kernel.applyNewArdixSettings()
        destroyBasicDialog()
    }

    // One ratio is written by writing the whole list back.
    function setRatio(gear, raw) {
        if (!common || gear < 0 || gear >= common.gearRatios.length)
            return
        const list = common.gearRatios.slice()
        if (list[gear] === raw)
            return
        list[gear] = raw
        common.gearRatios = list
        dash.commonSettingsHasChanges = true
    }
    function calibrate(gearNumber) {
        if (kernel)
            kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.GearCalibration, gearNumber)
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        // The device answers with the gear number (from 1) and the measured ratio × 1000.
        function onNewGearCalibrationValueRecieved(num, value, isGear) {
            if (isGear && num >= 1)
                root.setRatio(num - 1, value)
        }
    }

    component Label: Text {
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
        verticalAlignment: Text.AlignVCenter
    }

    Flickable {
        anchors.fill: parent
        anchors.margins: 16 * root.ps
        contentHeight: content.height
        clip: true
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: content
            width: parent.width
            spacing: 12 * root.ps

            Text {
                objectName: "titleText"
                text: root.title.toUpperCase()
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicTitleSize
            }
            Row {
                spacing: 12 * root.ps
                Label { width: 300 * root.ps; height: AppStyle.comboHeight; text: qsTr("Источник") }
                MyComboBox {
                    objectName: "sourceCombo"
                    width: 460 * root.ps
                    model: root.sources
                    target: root.gearSensor; property: "inputDataSource"
                    changeFlag: function() { root.dash.setSensorHasChanges(ArdixEnums.Gear_index) }
                }
            }
            Row {
                visible: root.calculated
                spacing: 12 * root.ps
                Label { width: 300 * root.ps; height: AppStyle.textInputHeight; text: qsTr("Количество передач") }
                MySpinBox {
                    objectName: "gearsCountBox"
                    label: qsTr("Количество передач")
                    minimumValue: root.minGears
                    maximumValue: root.maxGears
                    target: root.common; property: "gearsCount"
                    flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                }
            }
            Row {
                visible: root.calculated
                spacing: 12 * root.ps
                Label { width: 300 * root.ps; height: AppStyle.textInputHeight; text: qsTr("Главная пара") }
                FloatTextField {
                    objectName: "diffRatioField"
                    label: qsTr("Главная пара")
                    width: 200 * root.ps
                    floatFrom: 0.001; floatTo: 65.535; floatDec: 3; scale: 1000
                    target: root.common; property: "diffRatio"
                    flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                }
            }
            Row {
                visible: root.calculated
                spacing: 12 * root.ps
                Label { width: 300 * root.ps; height: AppStyle.textInputHeight; text: qsTr("Длина окружности колеса") }
                IntTextField {
                    objectName: "wheelField"
                    label: qsTr("Длина окружности колеса")
                    width: 200 * root.ps
                    intFrom: 1; intTo: 10000000
                    target: root.common; property: "wheelCircleLenght"
                    flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                }
            }
            Repeater {
                model: root.calculated ? root.shownGears : 0
                delegate: Row {
                    id: gearRow
                    required property int index
                    objectName: "gearRow_" + index
                    spacing: 12 * root.ps
                    Label { width: 300 * root.ps; height: AppStyle.textInputHeight; text: qsTr("Передача %1").arg(gearRow.index + 1) }
                    FloatTextField {
                        id: ratioField
                        objectName: "ratioField"
                        width: 200 * root.ps
                        floatFrom: 0.001; floatTo: 65.535; floatDec: 3
                        label: qsTr("Передача %1").arg(gearRow.index + 1)
                        floatValue: root.common ? root.common.gearRatios[gearRow.index] / 1000 : 1
                        onValueCommitted: (v) => root.setRatio(gearRow.index, Math.round(v * 1000))
                    }
                    FlatButton {
                        objectName: "calibrateButton"
                        width: 240 * root.ps
                        height: AppStyle.textInputHeight
                        text: qsTr("Калибровать")
                        onClicked: root.calibrate(gearRow.index + 1)
                    }
                }
            }
        }
    }
}
