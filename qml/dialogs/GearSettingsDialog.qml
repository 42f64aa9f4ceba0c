import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "sensors"

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
    readonly property bool calculated: gearSensor !== null && gearSensor.inputDataSource === ArdixEnums.InputSourceCalculated
    readonly property bool analog: gearSensor !== null && (gearSensor.inputDataSource === ArdixEnums.InputSourceAnalog
                                                           || gearSensor.inputDataSource === ArdixEnums.InputSourceCustomAnalog)

    // What the source row needs of its page: the same choices as on the all-sensors page.
    readonly property var extra: dash ? dash.extra : null
    readonly property var description: kernel ? kernel.ardixDescription : ({})
    readonly property int ecuProtocol: common ? common.currEcuProtocol : 0
    readonly property string ecuName: kernel && kernel.ecuList_Ardix && ecuProtocol < kernel.ecuList_Ardix.length ? kernel.ecuList_Ardix[ecuProtocol].name : ""
    readonly property var canInMessages: extra ? extra.customCan.canInMessages : []
    readonly property bool isConnected: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline
    property int revision: 0
    property bool sourcePending: false
    function context(skipSensor) {
        return { sensors: dash.sensors, customSensors: dash.customSensors, lamps: extra.lamps,
                 actions: extra.actions, lampsInfo: kernel ? kernel.lampsInfo : [], skipSensor: skipSensor }
    }
    function setPending(key, on) { sourcePending = on }
    function ask(props, handlers) {
        return window && typeof window.createDialog === "function" ? window.createDialog(props, handlers) : null
    }
    function sendCommand(command, parameter) {
        if (!isConnected) {
            ask({ dialogText: "Нужно быть подключенным к Ardix" })
            return false
        }
        kernel.sendToArdixQueue(ArdixEnums.CommandMessage, command, parameter)
        return true
    }
    function openPage(file, props) {
        return window && typeof window.openSettings === "function" ? window.openSettings().openPage(file, props) : null
    }
    function openGearInputs() { return openPage("dialogs/GearDigitalInputsDialog.qml") }
    function openCustomTables() { return openPage("dialogs/CustomAnalogSensorDialog.qml") }
    function offerCanFilters() {
        for (let i = 0; i < canInMessages.length; ++i)
            if (canInMessages[i].isMessageEnabled)
                return
        ask({ dialogText: qsTr("Нет ни одного включенного CAN фильтра.") + "\n\n" + qsTr("Перейти к настройкам CAN фильтров?"),
              isCancelBtnVisible: true },
            { accepted: function() { root.openPage("canDialogs/CanInputMessagesDialog.qml", { parentDev: ArdixEnums.Device_Ardix7 }) } })
    }
    function openPopup(component, props) {
        return component.createObject(root, Object.assign({ window: root.window, kernel: root.kernel, page: root }, props))
    }
    Component { id: tablesPopup; AnalogTablesPopup {} }
    Component { id: frequencyPopup; FrequencyInputPopup {} }
    Component { id: canPopup; CanSourcePopup {} }

    // An analog gear sensor learns its levels: the driver engages a position and the device stores
    // what the sensor reads there. Positions: neutral, the gears, reverse.
    property int calibrationPosition: 0
    property var calibrationValues: ({})
    readonly property var calibrationPositions: {
        const out = [{ text: qsTr("Нейтраль"), value: 0 }]
        for (let g = 1; g <= shownGears; ++g)
            out.push({ text: qsTr("Передача ") + g, value: g })
        out.push({ text: qsTr("Задний ход"), value: shownGears + 1 })
        return out
    }
    function calibrateAll() {
        sendCommand(ArdixEnums.AllGearsCalibration, calibrationPosition)
    }
    // Cancel puts back the count, the ratios and the source as they were on open.
    snapshotTargets: [dash, gearSensor, common, extra]
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
            if (isGear && num >= 1) {
                root.setRatio(num - 1, value)
            } else if (!isGear) {
                const v = Object.assign({}, root.calibrationValues)
                v[num] = value
                root.calibrationValues = v
            }
        }
        function onNewConfigDownloadedFromArdix() { root.revision += 1 }
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
            SensorSourceRow {
                objectName: "gearSourceRow"
                width: parent.width
                page: root
                sensor: root.gearSensor
                onTablesRequested: (input) => root.openPopup(tablesPopup, { sensor: root.gearSensor, input: input })
                onFrequencyRequested: (input) => root.openPopup(frequencyPopup, { input: input })
                onCanRequested: (message) => root.openPopup(canPopup, { sensor: root.gearSensor, messageIndex: message })
            }
            Row {
                visible: root.calculated || root.analog
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
            Row {
                objectName: "allGearsCalibrationRow"
                visible: root.analog
                spacing: 12 * root.ps
                Label { width: 300 * root.ps; height: AppStyle.comboHeight; text: qsTr("Включенная передача") }
                MyComboBox {
                    objectName: "calibrationPositionCombo"
                    width: 220 * root.ps
                    accessibleName: qsTr("Включенная передача")
                    model: root.calibrationPositions
                    currentIndex: root.calibrationPosition
                    onActivated: (index) => root.calibrationPosition = index
                }
                FlatButton {
                    objectName: "calibrateAllButton"
                    width: 240 * root.ps
                    height: AppStyle.comboHeight
                    text: qsTr("Калибровать")
                    onClicked: root.calibrateAll()
                }
                Label {
                    objectName: "calibrationValueText"
                    height: AppStyle.comboHeight
                    readonly property var value: root.calibrationValues[root.calibrationPosition]
                    text: value === undefined ? "" : qsTr("значение: ") + value
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
