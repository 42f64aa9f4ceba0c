import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// The warning of one sensor: whether and how the dash warns, and at which thresholds. Saving writes
// only what changed and, opened from the screen, sends it to the dash at once.
BasicDialog {
    id: dialog
    objectName: "warningDialog"
    property int currIndex: 0
    readonly property var sensor: kernel ? kernel.getSensor(currIndex) : null
    title: qsTr("Настройка предупреждения: %1").arg(sensor ? sensor.sensorName : "")
    fullScreen: true
    showDialogButtons: true
    destroyOnOverlayClick: false

    readonly property bool isBoost: currIndex === ArdixEnums.BoostPressure_index || currIndex === ArdixEnums.BoostPressure_index2
    readonly property bool isFuelPress: currIndex === ArdixEnums.FuelPress_index
    readonly property bool isCustom: sensor ? sensor.custom : false
    readonly property bool isFloat: sensor ? sensor.isFloat : false
    readonly property bool boostEnabled: kernel && ((kernel.getSensor(ArdixEnums.BoostPressure_index) || {}).enable
                                                    || (kernel.getSensor(ArdixEnums.BoostPressure_index2) || {}).enable)
    readonly property bool showUpper: isBoost ? boostEnabled : (isCustom || isFuelPress || (sensor && sensor.isWarningIfMore))
    readonly property bool showLower: isBoost || isCustom || isFuelPress || (sensor && !sensor.isWarningIfMore)
    readonly property int step: isFloat ? 10 : 1
    // The boost's start threshold steps by 5; its upper threshold steps like any other.
    readonly property int lowerStep: isBoost ? 5 : step
    property int upper: 0
    property int lower: 0

    function load() {
        if (!sensor)
            return
        checks.load(sensor)
        upper = sensor.warningValueMax
        lower = sensor.warningValueMin
    }
    function save() {
        if (sensor) {
            let changed = checks.save(sensor)
            if (sensor.warningValueMax !== upper) { sensor.warningValueMax = upper; changed = true }
            if (sensor.warningValueMin !== lower) { sensor.warningValueMin = lower; changed = true }
            if (changed) {
                DevSettings.dash.setSensorHasChanges(sensor.sensorID)
                if (StackView.view === null)
                    kernel.applyNewArdixSettings()
            }
        }
        destroyBasicDialog()
    }
    onAccepted: save()
    Component.onCompleted: load()
    Component.onDestruction: if (window) window.warningDialogClosed()
    Connections {
        target: dialog.kernel
        ignoreUnknownSignals: true
        function onNewConfigDownloadedFromArdix() { dialog.destroyBasicDialog(true) }
    }

    Flickable {
        anchors.fill: parent
        anchors.margins: 30 * AppStyle.pixelScale
        contentHeight: content.height
        clip: true
        Column {
            id: content
            width: parent.width
            spacing: 24 * AppStyle.pixelScale
            WarningChecks { id: checks }
            ThresholdBox {
                objectName: "upperBox"
                visible: dialog.showUpper
                label: dialog.isFuelPress ? qsTr("Допустимая разница с наддувом") : qsTr("Если значение выше")
                unit: dialog.sensor ? dialog.sensor.units : ""
                value: dialog.upper
                to: dialog.sensor ? dialog.sensor.maxPossibleValue : 0
                step: dialog.step
                isFloat: dialog.isFloat
                onValueModified: (v) => dialog.upper = v
            }
            ThresholdBox {
                objectName: "lowerBox"
                visible: dialog.showLower
                label: dialog.isBoost ? qsTr("Мин. наддув для старта(зел. лампы)") : qsTr("Если значение ниже")
                unit: dialog.sensor ? dialog.sensor.units : ""
                value: dialog.lower
                to: dialog.sensor ? dialog.sensor.maxPossibleValue : 0
                step: dialog.lowerStep
                isFloat: dialog.isFloat
                onValueModified: (v) => dialog.lower = v
            }
        }
    }
}
