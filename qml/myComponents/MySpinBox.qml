import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../utils/InputRules.js" as Rules

// A spin box with its unit. With pseudoFloat the value is an integer shown divided by
// `precision` (e.g. 10 shows 123 as 12.3). Bound to one setting with `target` and `property`, it
// writes the value and raises `changeFlag` of `flagTarget` whenever the user changes it; a page
// that writes by itself binds `value` and handles `valueModified`. It always shows the setting (or
// `value`): it never assigns either itself, so switching the record shown never leaves a stale number.
Item {
    id: root
    readonly property bool isEditor: true
    property string label: ""
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

    readonly property bool bound: target !== null && target !== undefined && property !== ""
    readonly property var boundValue: bound ? target[property] : undefined
    // What the spin box must show: the setting, or what the page binds.
    readonly property int shown: bound && boundValue !== undefined ? boundValue : value
    onShownChanged: spin.value = shown
    Component.onCompleted: spin.value = shown

    readonly property int decimals: pseudoFloat ? Math.round(Math.log(precision) / Math.LN10) : 0
    function format(v) { return pseudoFloat ? (v / precision).toFixed(decimals) : String(v) }
    function parse(text) {
        const t = String(text).trim().replace(",", ".")
        if (!/^-?\d+(\.\d*)?$/.test(t))
            return NaN
        return pseudoFloat ? Rules.toRaw(Number(t), precision) : Number(t)
    }
    readonly property string rangeText: Rules.rangeText(format(minimumValue), format(maximumValue), units)
    readonly property bool typedPending: spin.contentItem.activeFocus && spin.contentItem.text !== format(spin.value)
    readonly property bool textValid: {
        const v = parse(spin.contentItem.text)
        return !isNaN(v) && v >= minimumValue && v <= maximumValue
    }
    // A typed value the box refused is still owed a word before the page may apply.
    readonly property bool hasPendingInvalid: (typedPending && !textValid) || rejectedText !== ""

    function write(v) {
        if (bound)
            Rules.commit(target, property, v, flagTarget, changeFlag)
        valueModified(v)
        spin.value = shown
    }
    // Takes what was typed into the box; false when it is out of range.
    function commitEdit() {
        if (!typedPending)
            return true
        const v = parse(spin.contentItem.text)
        if (isNaN(v) || v < minimumValue || v > maximumValue)
            return false
        if (v !== shown)
            write(v)
        return true
    }
    // A cancelled page goes away with its spin boxes; nothing typed was written.
    function discardEdit() {}

    implicitWidth: spin.implicitWidth + (units.length > 0 ? unitText.implicitWidth + 8 * AppStyle.pixelScale : 0)
    implicitHeight: AppStyle.spinboxHeight
    opacity: enabled ? 1 : 0.7

    SpinBox {
        id: spin
        anchors.verticalCenter: parent.verticalCenter
        height: root.height
        implicitWidth: 180 * AppStyle.pixelScale
        from: root.minimumValue
        to: root.maximumValue
        stepSize: root.spinStepSize
        editable: true
        font.pixelSize: height / 2.4
        Accessible.name: root.label !== "" ? root.label : root.units
        Accessible.description: root.rangeText

        textFromValue: (v) => root.format(v)
        valueFromText: (text) => {
            const v = root.parse(text)
            if (isNaN(v) || v < root.minimumValue || v > root.maximumValue) {
                // Said, not silently clamped: the box keeps its value and tells why.
                root.rejectedText = text
                rejectedTimer.restart()
                return spin.value
            }
            root.rejectedText = ""
            return v
        }
        validator: RegularExpressionValidator { regularExpression: root.pseudoFloat ? /-?\d{0,7}([.,]\d{0,3})?/ : /-?\d{0,9}/ }

        // The same white box, border and steppers as every other number field.
        contentItem: TextInput {
            z: 2
            text: spin.displayText
            font: spin.font
            color: root.textValid || !root.typedPending ? AppStyle.textColor : AppStyle.fieldInvalidTextColor
            selectionColor: AppStyle.primaryColor
            selectedTextColor: AppStyle.lightTextColor
            horizontalAlignment: Qt.AlignHCenter
            verticalAlignment: Qt.AlignVCenter
            readOnly: !spin.editable
            validator: spin.validator
            inputMethodHints: Qt.ImhFormattedNumbersOnly
            selectByMouse: true
        }
        background: Rectangle {
            implicitWidth: 180 * AppStyle.pixelScale
            color: root.hasPendingInvalid ? AppStyle.fieldInvalidColor : AppStyle.fieldColor
            radius: 3
            border.width: spin.activeFocus || root.hasPendingInvalid ? 2 : 1
            border.color: root.hasPendingInvalid ? AppStyle.invalidBorderColor
                                                 : spin.activeFocus ? AppStyle.focusBorderColor : AppStyle.borderColor
        }
        up.indicator: Rectangle {
            x: spin.width - width
            height: spin.height
            implicitWidth: spin.height
            color: AppStyle.stepperColor
            opacity: spin.value < spin.to ? (spin.up.pressed ? 0.75 : 1) : 0.4
            radius: 3
            Text { anchors.centerIn: parent; text: "+"; color: AppStyle.lightTextColor; font.pixelSize: spin.height * 0.6 }
        }
        down.indicator: Rectangle {
            x: 0
            height: spin.height
            implicitWidth: spin.height
            color: AppStyle.stepperColor
            opacity: spin.value > spin.from ? (spin.down.pressed ? 0.75 : 1) : 0.4
            radius: 3
            Text { anchors.centerIn: parent; text: "\u2212"; color: AppStyle.lightTextColor; font.pixelSize: spin.height * 0.6 }
        }

        ToolTip.visible: root.hasPendingInvalid || root.rejectedText !== ""
        ToolTip.text: (root.rejectedText !== "" && !root.hasPendingInvalid ? root.rejectedText + qsTr(" не принято: ") : "")
                      + root.rangeText
        ToolTip.delay: 0

        // The arrows and the wheel; a typed value goes through commitEdit when the box is left.
        onValueModified: root.write(value)
    }
    property string rejectedText: ""
    Timer { id: rejectedTimer; interval: 4000; onTriggered: root.rejectedText = "" }
    Text {
        id: unitText
        anchors { left: spin.right; leftMargin: 8 * AppStyle.pixelScale; verticalCenter: parent.verticalCenter }
        visible: root.units.length > 0
        text: root.units
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
    }
}
