import QtQuick
import ARDIX 1.0
import "../../myComponents"

// The correction factor of one frequency input, and its calibration against the GPS.
BasicDialog {
    id: root
    objectName: "frequencyInputPopup"
    property var page: null
    property int input: 0
    title: qsTr("Импульсный вход #%1").arg(input + 1)
    backgroundItemWidth: 560 * AppStyle.pixelScale
    backgroundItemHeight: 300 * AppStyle.pixelScale

    readonly property var extra: page ? page.extra : null

    // One element of the list is written: the list is copied, changed and written back whole.
    function writeFactor(value) {
        const list = extra.inputCaptureCorrection.slice()
        const raw = Math.round(value * 1000)
        if (list[input] === raw)
            return
        list[input] = raw
        extra.inputCaptureCorrection = list
        page.dash.extraSettingsHasChanges = true
    }

    Column {
        anchors.centerIn: parent
        spacing: 20 * AppStyle.pixelScale
        Row {
            spacing: 12 * AppStyle.pixelScale
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Коеффициент:")
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicFontSize
            }
            FloatTextField {
                id: factor
                objectName: "factorField"
                floatFrom: 0
                floatTo: 1000
                floatDec: 3
                label: qsTr("Коеффициент")
                floatValue: root.extra ? root.extra.inputCaptureCorrection[root.input] / 1000 : 1
                onValueCommitted: (v) => root.writeFactor(v)
            }
        }
        FlatButton {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 300 * AppStyle.pixelScale
            height: AppStyle.comboHeight
            text: root.window && root.window.isMobile ? qsTr("Калибровать по GPS") : qsTr("Калибровать")
            onClicked: {
                root.page.openSpeedCalibration(root.input)
                root.destroyBasicDialog()
            }
        }
    }
}
