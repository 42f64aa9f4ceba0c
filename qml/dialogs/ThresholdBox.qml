import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// One threshold of a warning: a label, minus and plus buttons and a field. Values are raw (hundredths
// for float sensors, shown with two decimals); an entry outside the range turns red and is not taken.
Row {
    id: box
    property string label: ""
    property int value: 0
    property int from: 0
    property int to: 100
    property int step: 1
    property bool isFloat: false
    property real labelWidth: 380 * AppStyle.pixelScale
    signal valueModified(int newValue)

    spacing: 8 * AppStyle.pixelScale
    height: AppStyle.spinboxHeight

    function shown(raw) { return isFloat ? (raw / 100).toFixed(2) : String(raw) }
    function commit(raw) {
        const v = Math.max(from, Math.min(to, raw))
        if (v !== value)
            valueModified(v)
    }

    Text {
        width: box.labelWidth
        anchors.verticalCenter: parent.verticalCenter
        text: box.label
        color: "#1A1A1A"
        wrapMode: Text.WordWrap
        font.pixelSize: AppStyle.basicFontSize
    }
    FlatButton {
        width: box.height; height: box.height
        text: "\u2212"; accessibleName: "Уменьшить"
        color: "#5a6068"
        enabled: box.value > box.from
        onClicked: box.commit(box.value - box.step)
    }
    TextField {
        id: field
        objectName: "thresholdField"
        width: 130 * AppStyle.pixelScale
        height: box.height
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: AppStyle.basicFontSize
        text: box.shown(box.value)
        color: acceptableInput ? "#1A1A1A" : "#d32f2f"
        validator: DoubleValidator {
            bottom: box.isFloat ? box.from / 100 : box.from
            top: box.isFloat ? box.to / 100 : box.to
            decimals: box.isFloat ? 2 : 0
            notation: DoubleValidator.StandardNotation
            locale: "C"
        }
        Accessible.name: box.label
        background: Rectangle {
            color: field.acceptableInput ? "white" : "#fde7e7"
            border.color: field.acceptableInput ? (field.activeFocus ? "#2385b2" : "#9a9da3") : "#d32f2f"
            border.width: field.activeFocus || !field.acceptableInput ? 2 : 1
            radius: 4
        }
        onEditingFinished: if (acceptableInput) box.commit(Math.round(parseFloat(text) * (box.isFloat ? 100 : 1)))
    }
    FlatButton {
        width: box.height; height: box.height
        text: "+"; accessibleName: "Увеличить"
        color: "#5a6068"
        enabled: box.value < box.to
        onClicked: box.commit(box.value + box.step)
    }
}
