import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../utils/InputRules.js" as Rules

// A spin box with its unit. With pseudoFloat the value is an integer shown divided by
// `precision` (e.g. 10 shows 123 as 12.3). Bound to one setting with `target` and `property`, it
// writes the value and raises `changeFlag` of `flagTarget` whenever the user changes it.
Item {
    id: root
    property int value: 0
    property int minimumValue: 0
    property int maximumValue: 100
    property int spinStepSize: 1
    property string units: ""
    property bool pseudoFloat: false
    property int precision: 10
    property var target: null
    property string property: ""
    property var flagTarget: null
    property var changeFlag: ""
    property alias spinBox: spin

    signal valueModified(int value)

    implicitWidth: spin.implicitWidth + (units.length > 0 ? unitText.implicitWidth + 8 * AppStyle.pixelScale : 0)
    implicitHeight: AppStyle.spinboxHeight
    opacity: enabled ? 1 : 0.7

    readonly property var boundValue: target && property !== "" ? target[property] : undefined
    onBoundValueChanged: if (boundValue !== undefined) value = boundValue
    Component.onCompleted: if (boundValue !== undefined) value = boundValue

    SpinBox {
        id: spin
        anchors.verticalCenter: parent.verticalCenter
        height: root.height
        implicitWidth: 180 * AppStyle.pixelScale
        from: root.minimumValue
        to: root.maximumValue
        stepSize: root.spinStepSize
        value: root.value
        editable: true
        font.pixelSize: height / 2.4
        Accessible.name: root.units

        readonly property int decimals: root.pseudoFloat ? Math.round(Math.log(root.precision) / Math.LN10) : 0
        textFromValue: (v) => root.pseudoFloat ? (v / root.precision).toFixed(decimals) : String(v)
        valueFromText: (text) => {
            const t = text.replace(",", ".")
            return root.pseudoFloat ? Rules.toRaw(Number(t), root.precision) : Number(t)
        }
        validator: RegularExpressionValidator { regularExpression: root.pseudoFloat ? /-?\d{0,7}([.,]\d{0,3})?/ : /-?\d{0,9}/ }

        onValueModified: {
            root.value = value
            if (root.target && root.property !== "")
                Rules.commit(root.target, root.property, value, root.flagTarget, root.changeFlag)
            root.valueModified(value)
        }
    }
    Text {
        id: unitText
        anchors { left: spin.right; leftMargin: 8 * AppStyle.pixelScale; verticalCenter: parent.verticalCenter }
        visible: root.units.length > 0
        text: root.units
        color: "#1A1A1A"
        font.pixelSize: AppStyle.basicFontSize
    }
}
