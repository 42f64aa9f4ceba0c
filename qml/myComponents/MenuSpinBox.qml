import QtQuick
import QtQuick.Controls
import ARDIX 1.0

// A number field with minus and plus buttons. The step is `smallStep` below `bigStepFrom` and
// `bigStep` from there on. An out-of-range entry is marked red, not taken, and holds up apply.
Row {
    id: root
    property int from: 0
    property int to: 100
    property int value: 0
    property int smallStep: 1
    property int bigStep: 1
    property int bigStepFrom: 2147483647
    property string suffix: ""
    property string accessibleName: ""
    property alias field: field

    // Emitted with the value the user chose (buttons, arrow keys or a valid entry). `value` is
    // never assigned here: it follows its binding once the owner has written the setting.
    signal valueModified(int newValue)

    spacing: 4 * AppStyle.pixelScale
    height: AppStyle.spinboxHeight

    function stepUp(v) {
        return Math.min(to, v >= bigStepFrom ? v + bigStep : v + smallStep)
    }
    function stepDown(v) {
        return Math.max(from, v > bigStepFrom ? Math.max(bigStepFrom, v - bigStep) : v - smallStep)
    }
    function commit(v) {
        if (v < from || v > to || v === value)
            return
        valueModified(v)
    }

    FlatButton {
        width: root.height
        height: root.height
        text: "\u2212"
        accessibleName: root.accessibleName + qsTr(": уменьшить")
        role: "stepper"
        fontSize: root.height * 0.6
        enabled: root.value > root.from
        onClicked: root.commit(root.stepDown(root.value))
    }
    IntTextField {
        id: field
        width: 150 * AppStyle.pixelScale
        height: root.height
        font.pixelSize: AppStyle.basicFontSize
        label: root.accessibleName
        intFrom: root.from
        intTo: root.to
        intValue: root.value
        onValueCommitted: (v) => root.commit(v)
        Keys.onUpPressed: { commitEdit(); root.commit(root.stepUp(root.value)) }
        Keys.onDownPressed: { commitEdit(); root.commit(root.stepDown(root.value)) }
    }
    FlatButton {
        width: root.height
        height: root.height
        text: "+"
        accessibleName: root.accessibleName + qsTr(": увеличить")
        role: "stepper"
        fontSize: root.height * 0.6
        enabled: root.value < root.to
        onClicked: root.commit(root.stepUp(root.value))
    }
    Text {
        visible: root.suffix !== ""
        anchors.verticalCenter: parent.verticalCenter
        leftPadding: 4 * AppStyle.pixelScale
        text: root.suffix
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
    }
}
