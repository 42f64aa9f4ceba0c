import QtQuick
import ARDIX 1.0

// One cell of the replica: which sensor the device draws here, its short name and, as a sample
// value, the warning threshold the user set. A click picks the sensor or edits its warning.
Item {
    id: cell
    property var kernel: null
    property var window: null
    property int skinMode: 0
    property real s: 1 // reference unit in pixels

    property int sensID: 0
    property int skinPos: 0
    property var sensor: null
    property string sensorName: sensor ? sensor.shortSensorName : ""
    property string sensorUnits: ""
    property string sensorIcon: ""
    property bool isFloat: false
    property int sensorValue: 0
    property real sensorValueFloat: 0
    property int sensorMaxValue: 0
    property int sensorMinValue: 0
    property real sensorMaxValueFloat: 0
    property real sensorMinValueFloat: 0
    property int sensorWarningValue: 0
    property real valueLevel: 0
    property bool warningActive: false
    property bool preWarningActive: false
    property bool isCanChangeSensID: true
    property bool isValueLevelVisible: false
    property bool isShowMaxPeak: false
    property bool showMinMax: false
    property var availableStdSensors: allStdBut([ArdixEnums.AWD_Indicator_index])
    property var availableCustomSensors: allCustom()
    property bool isCircuitSensorsAvailable: true
    // Header cells show every sensor's red threshold on their bar, the rpm too.
    property bool levelForAll: false
    // A cell with a fixed sensor shows it whatever the skin table holds.
    property int fixedSensor: -1

    readonly property string valueText: sensID === ArdixEnums.Gear_index ? SkinGeometry.gearText(sensorValue)
                                                                         : SkinGeometry.valueText(sensorValue, isFloat)
    readonly property bool isRu: DevSettings.dash && DevSettings.dash.commonSettings
                                 ? DevSettings.dash.commonSettings.isRu !== 0 : true

    // A cell with no sensor looks empty and asks to be filled, instead of reading like a sensor at 0.
    property bool showEmptyLook: true
    readonly property bool isEmpty: sensID === 0 && fixedSensor < 0 && isCanChangeSensID && showEmptyLook

    Accessible.role: Accessible.Button
    Accessible.name: isEmpty ? qsTr("Пустая ячейка: выбрать показатель") : sensorName + " " + valueText + " " + sensorUnits

    function allStdBut(excluded) {
        const ids = []
        for (let i = 0; i <= ArdixEnums.GSensorZ_index; ++i)
            if (excluded.indexOf(i) < 0)
                ids.push(i)
        return ids
    }
    function allCustom() {
        const ids = []
        for (let i = 100; i < 130; ++i)
            ids.push(i)
        return ids
    }

    // Which sensor the skin table puts here; a disabled sensor shows as sensor 0.
    function load() {
        if (!kernel)
            return
        let id = fixedSensor >= 0 ? fixedSensor
                                  : SkinGeometry.cellSensor(DevSettings.dash, kernel.curSkinNum, skinMode, skinPos)
        let sens = kernel.getSensor(id)
        if (fixedSensor < 0 && (!sens || !sens.enable)) {
            id = 0
            sens = kernel.getSensor(0)
        }
        sensor = sens
        sensID = sens ? id : 0
        isFloat = sens ? sens.isFloat : false
        sensorUnits = sens ? sens.units : ""
        sensorIcon = sens && id !== 0 ? sens.icon : ""
        sensorMaxValue = sens ? sens.warningValueMax : 0
        sensorMinValue = sens ? sens.warningValueMin : 0
        sensorMaxValueFloat = sensorMaxValue / 100
        sensorMinValueFloat = sensorMinValue / 100
        sensorValue = sens ? SkinGeometry.sampleRaw(sens) : 0
        sensorWarningValue = sensorValue
        sensorValueFloat = isFloat ? sensorValue / 100 : sensorValue
        valueLevel = sens && (levelForAll || (sens.isWarningIfMore && id !== ArdixEnums.EngineRpm_index)) && sens.maxPossibleValue > 0
                ? Math.min(100, sens.warningValueMax / sens.maxPossibleValue * 100) : 0
    }

    function activate() {
        if (!window)
            return
        if (isCanChangeSensID) {
            window.sensorMenuShow(skinPos, availableStdSensors, availableCustomSensors, isCircuitSensorsAvailable)
        } else if (sensID === 0) {
            return
        } else if (sensID === ArdixEnums.EngineRpm_index) {
            window.showRpmWarningDialog()
        } else if (sensID === ArdixEnums.Gear_index) {
            window.gearSettingsDialogShow()
        } else {
            window.warningDialogShow(sensID)
        }
        warningActive = true
    }

    // Built only while the cell is empty: most cells never are.
    Loader {
        active: cell.isEmpty
        anchors.fill: parent
        anchors.margins: 4 * cell.s
        z: 5
        sourceComponent: Rectangle {
            objectName: "emptyCell"
            color: AppStyle.blackColor
            radius: 8 * cell.s
            border.color: cellArea.containsMouse ? AppStyle.warningColor : AppStyle.midGreyColor
            border.width: 2 * cell.s
            Column {
                anchors.centerIn: parent
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "+"
                    color: AppStyle.mutedTextColor
                    font.pixelSize: Math.min(cell.height * 0.45, 90 * cell.s)
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: cell.isRu ? "выбрать показатель" : "choose a sensor"
                    color: AppStyle.mutedTextColor
                    font.pixelSize: Math.max(12, Math.min(cell.height * 0.12, 22 * cell.s))
                }
            }
        }
    }

    // Part of the cell that takes clicks, anchored at its top right.
    property real clickWidthRatio: 1
    property real clickHeightRatio: 1
    MouseArea {
        id: cellArea
        objectName: "cellArea"
        hoverEnabled: cell.isEmpty
        anchors { top: parent.top; right: parent.right }
        width: parent.width * cell.clickWidthRatio
        height: parent.height * cell.clickHeightRatio
        enabled: cell.enabled && cell.opacity > 0
        z: 10
        onClicked: cell.activate()
    }

    Component.onCompleted: load()
    onKernelChanged: load()
    onSkinPosChanged: load()
    onSkinModeChanged: load()

    Connections {
        target: cell.kernel
        ignoreUnknownSignals: true
        function onConfigChangedSignal() { cell.load() }
    }
    Connections {
        target: cell.window
        ignoreUnknownSignals: true
        function onDisableAllWarnings() { cell.warningActive = false }
    }
    // A sensor renamed or re-thresholded in a dialog redraws at once.
    Connections {
        target: cell.sensor
        ignoreUnknownSignals: true
        function onDataChanged() { cell.load() }
    }
}
