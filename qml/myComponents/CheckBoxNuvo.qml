import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../utils/InputRules.js" as Rules

// The check box of all pages. Bound to one setting with `target` and `property` (a bool, or one
// bit `bit` of an integer), it writes it and raises `changeFlag` of `flagTarget` when toggled.
CheckBox {
    id: root
    property var target: null
    property string property: ""
    property int bit: -1
    property var flagTarget: null
    property var changeFlag: ""
    property color textColor: AppStyle.textColor

    implicitHeight: AppStyle.checkboxHeight
    font.pixelSize: AppStyle.basicFontSize
    opacity: enabled ? 1 : 0.7
    Accessible.name: text

    readonly property var boundValue: target && property !== "" ? target[property] : undefined
    onBoundValueChanged: syncFromTarget()
    Component.onCompleted: syncFromTarget()
    function syncFromTarget() {
        if (boundValue === undefined)
            return
        checked = bit >= 0 ? ((boundValue >> bit) & 1) === 1 : !!boundValue
    }

    onToggled: {
        if (!target || property === "")
            return
        const v = bit >= 0 ? (checked ? (boundValue | (1 << bit)) : (boundValue & ~(1 << bit))) >>> 0
                           : (typeof boundValue === "number" ? (checked ? 1 : 0) : checked)
        Rules.commit(target, property, v, flagTarget, changeFlag)
    }

    indicator: Rectangle {
        implicitWidth: root.height * 0.62
        implicitHeight: implicitWidth
        x: root.leftPadding
        y: (root.height - height) / 2
        radius: 4
        color: root.checked ? AppStyle.primaryColor : AppStyle.whiteColor
        border.color: root.visualFocus ? AppStyle.primaryColor : AppStyle.disabledTextColor
        border.width: root.visualFocus ? 2 : 1
        Text {
            anchors.centerIn: parent
            visible: root.checked
            text: "✓"
            color: AppStyle.whiteColor
            font.pixelSize: parent.height * 0.8
        }
    }
    contentItem: Text {
        leftPadding: root.indicator.width + root.spacing
        text: root.text
        font: root.font
        color: root.textColor
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
    }
}
