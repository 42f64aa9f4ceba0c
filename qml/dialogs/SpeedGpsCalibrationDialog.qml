import QtQuick
import ARDIX 1.0
import "../myComponents"

// Corrects one speed input against the GPS: the driver holds a steady speed and the device answers
// with the factor (× 1000) that makes the input read that speed.
BasicDialog {
    id: root
    objectName: "speedGpsCalibrationDialog"
    property int input: 0
    title: qsTr("Калибровка по GPS")
    backgroundItemWidth: 760 * ps
    backgroundItemHeight: 420 * ps

    readonly property var dash: DevSettings.dash
    readonly property var extra: dash ? dash.extra : null
    readonly property real ps: AppStyle.pixelScale
    readonly property int maxSpeedInput: 3 // the device calibrates the first four inputs
    property int referenceSpeed: 60

    function calibrate() {
        // The speed typed last is the one sent, and only a valid one.
        if (!kernel || !commitEdits())
            return
        if (kernel.ardixStatus !== MyDefines.ardixOnline) {
            if (window && typeof window.infoDialog === "function")
                window.infoDialog(qsTr("Нужно быть подключенным к Ardix"))
            return
        }
        kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.SpeedSensor_1_GpsCalibration + input, referenceSpeed)
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onNewSpeedInputCorrectionRecieved(num, value) {
            if (num !== root.input || !root.extra)
                return
            const list = root.extra.inputCaptureCorrection.slice()
            if (list[num] === value)
                return
            list[num] = value
            root.extra.inputCaptureCorrection = list
            root.dash.extraSettingsHasChanges = true
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
        spacing: 20 * root.ps
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 640 * root.ps
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Импульсный вход #%1").arg(root.input + 1) + qsTr(": двигайтесь с постоянной скоростью и нажмите \"Калибровать\"")
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicFontSize
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 12 * root.ps
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Скорость по GPS, км/ч:")
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicFontSize
            }
            IntTextField {
                label: qsTr("Скорость по GPS")
                unit: qsTr("км/ч")
                objectName: "speedField"
                width: 160 * root.ps
                intFrom: 30
                intTo: 250
                intValue: root.referenceSpeed
                onValidIntEntered: (v) => root.referenceSpeed = v
            }
        }
        Text {
            objectName: "factorText"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Коеффициент: %1").arg(root.extra ? (root.extra.inputCaptureCorrection[root.input] / 1000).toFixed(3) : "-")
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicTitleSize
        }
        FlatButton {
            objectName: "calibrateButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 300 * root.ps
            height: AppStyle.comboHeight
            enabled: root.input <= root.maxSpeedInput
            text: qsTr("Калибровать")
            onClicked: root.calibrate()
        }
    }
}
