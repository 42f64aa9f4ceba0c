import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// One threshold of a warning: a label, minus and plus buttons and a field. Values are raw (hundredths
// for float sensors, shown with two decimals); an entry outside the range turns red, is not taken
// and holds up saving.
Row {
    id: box
    property string label: ""
    property string unit: ""
    property int value: 0
    property int from: 0
    property int to: 100
    property int step: 1
    property bool isFloat: false
    property real labelWidth: 380 * AppStyle.pixelScale
    readonly property Item field: isFloat ? floatField : intField
    signal valueModified(int newValue)

    spacing: 8 * AppStyle.pixelScale
    height: AppStyle.spinboxHeight

    function commit(raw) {
        const v = Math.max(from, Math.min(to, raw))
        if (v !== value)
            valueModified(v)
    }

    Text {
        width: box.labelWidth
        visible: box.labelWidth > 0
        anchors.verticalCenter: parent.verticalCenter
        text: box.label
        color: AppStyle.textColor
        wrapMode: Text.WordWrap
        font.pixelSize: AppStyle.basicFontSize
    }
    FlatButton {
        width: box.height; height: box.height
        text: "\u2212"; accessibleName: box.label + qsTr(": уменьшить")
        role: "stepper"
        enabled: box.value > box.from
        onClicked: box.commit(box.value - box.step)
    }
    IntTextField {
        id: intField
        objectName: "thresholdField"
        visible: !box.isFloat
        width: 150 * AppStyle.pixelScale
        height: box.height
        font.pixelSize: AppStyle.basicFontSize
        label: box.label
        unit: box.unit
        intFrom: box.from
        intTo: box.to
        intValue: box.value
        onValueCommitted: (v) => box.commit(v)
    }
    FloatTextField {
        id: floatField
        objectName: "thresholdField"
        visible: box.isFloat
        width: 150 * AppStyle.pixelScale
        height: box.height
        font.pixelSize: AppStyle.basicFontSize
        label: box.label
        unit: box.unit
        floatDec: 2
        floatFrom: box.from / 100
        floatTo: box.to / 100
        floatValue: box.value / 100
        onValueCommitted: (v) => box.commit(Math.round(v * 100))
    }
    FlatButton {
        width: box.height; height: box.height
        text: "+"; accessibleName: box.label + qsTr(": увеличить")
        role: "stepper"
        enabled: box.value < box.to
        onClicked: box.commit(box.value + box.step)
    }
}
