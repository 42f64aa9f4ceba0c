import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// The shift lamps: on or off, the top of the rev range, the brightness, and where the green, yellow
// and red lamps come on; each start stays 50 rpm clear of its neighbours.
BasicDialog {
    id: dialog
    objectName: "rpmWarningDialog"
    title: qsTr("Лампы индикации оборотов")
    fullScreen: true
    showDialogButtons: true
    destroyOnOverlayClick: false
    readonly property var sensor: kernel ? kernel.getSensor(ArdixEnums.EngineRpm_index) : null
    readonly property var common: DevSettings.dash ? DevSettings.dash.commonSettings : null

    property bool useLamps: false
    property int maximum: 7000
    property bool greenOn: false
    property bool yellowOn: false
    property int green: 0
    property int yellow: 0
    property int red: 0
    readonly property var bounds: SkinGeometry.rpmLampBounds(maximum, green, yellow, red)

    function load() {
        if (!sensor)
            return
        useLamps = sensor.isWarningEnable
        maximum = sensor.maxPossibleValue
        greenOn = sensor.isUseShiftLight
        yellowOn = sensor.isWarningIfMore
        green = sensor.preWarningValue
        yellow = sensor.warningValueMin
        red = sensor.warningValueMax
    }
    function save() {
        if (sensor) {
            const changed = sensor.isWarningEnable !== useLamps || sensor.maxPossibleValue !== maximum
                    || sensor.isUseShiftLight !== greenOn || sensor.isWarningIfMore !== yellowOn
                    || sensor.preWarningValue !== green || sensor.warningValueMin !== yellow
                    || sensor.warningValueMax !== red
            if (changed) {
                DevSettings.dash.setSensorHasChanges(ArdixEnums.EngineRpm_index)
                sensor.isWarningEnable = useLamps
                sensor.maxPossibleValue = maximum
                sensor.isUseShiftLight = greenOn
                sensor.isWarningIfMore = yellowOn
                sensor.preWarningValue = green
                sensor.warningValueMin = yellow
                sensor.warningValueMax = red
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

    component Lamp: Row {
        id: lamp
        property string name: ""
        property color tint: AppStyle.whiteColor
        property bool hasCheck: true
        property bool checked: false
        property alias box: box
        signal toggled(bool on)
        spacing: 12 * AppStyle.pixelScale
        Rectangle { anchors.verticalCenter: parent.verticalCenter; width: 26 * AppStyle.pixelScale; height: width; radius: width / 2; color: lamp.tint }
        MenuCheckBox {
            visible: lamp.hasCheck
            width: 200 * AppStyle.pixelScale
            text: lamp.name
            checked: lamp.checked
            onToggled: lamp.toggled(checked)
        }
        Text {
            visible: !lamp.hasCheck
            width: 200 * AppStyle.pixelScale
            anchors.verticalCenter: parent.verticalCenter
            text: lamp.name
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicFontSize
        }
        ThresholdBox { id: box; labelWidth: 0; step: 50; label: qsTr("Лампы %1").arg(lamp.name); unit: qsTr("об/мин") }
    }

    Flickable {
        anchors.fill: parent
        anchors.margins: 30 * AppStyle.pixelScale
        contentHeight: content.height
        clip: true
        Column {
            id: content
            width: parent.width
            spacing: 18 * AppStyle.pixelScale
            MenuCheckBox {
                objectName: "useLampsCheck"
                text: qsTr("Использовать лампы")
                checked: dialog.useLamps
                onToggled: dialog.useLamps = checked
            }
            ThresholdBox {
                objectName: "maximumBox"
                label: qsTr("Максимальные обороты ")
                unit: qsTr("об/мин")
                from: 3000; to: 15000; step: 1000
                value: dialog.maximum
                onValueModified: (v) => dialog.maximum = v
            }
            Row {
                spacing: 12 * AppStyle.pixelScale
                Text {
                    width: 380 * AppStyle.pixelScale
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Яркость %1").arg(dialog.common ? dialog.common.shiftLightPwmDuty : 0) + "%"
                    color: AppStyle.textColor
                    font.pixelSize: AppStyle.basicFontSize
                }
                Slider {
                    objectName: "brightnessSlider"
                    Accessible.name: qsTr("Яркость")
                    width: 420 * AppStyle.pixelScale
                    from: 0; to: 100; stepSize: 1
                    value: dialog.common ? dialog.common.shiftLightPwmDuty : 0
                    onMoved: if (dialog.kernel) dialog.kernel.setPwmDuty(Math.round(value), 1, 1)
                }
            }
            Lamp {
                objectName: "greenLamp"
                name: qsTr("зеленые"); tint: AppStyle.acceptColor
                checked: dialog.greenOn
                onToggled: (on) => dialog.greenOn = on
                box.objectName: "greenBox"
                box.value: dialog.green
                box.from: dialog.bounds.green.from
                box.to: dialog.bounds.green.to
                box.onValueModified: (v) => dialog.green = v
            }
            Lamp {
                objectName: "yellowLamp"
                name: qsTr("желтые"); tint: AppStyle.amberColor
                checked: dialog.yellowOn
                onToggled: (on) => dialog.yellowOn = on
                box.objectName: "yellowBox"
                box.value: dialog.yellow
                box.from: dialog.bounds.yellow.from
                box.to: dialog.bounds.yellow.to
                box.onValueModified: (v) => dialog.yellow = v
            }
            Lamp {
                objectName: "redLamp"
                name: qsTr("красные"); tint: AppStyle.errorColor
                hasCheck: false
                box.objectName: "redBox"
                box.value: dialog.red
                box.from: dialog.bounds.red.from
                box.to: dialog.bounds.red.to
                box.onValueModified: (v) => dialog.red = v
            }
        }
    }
}
