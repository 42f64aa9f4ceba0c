import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../utils/InputRules.js" as Rules

// The combo of all pages: entries carry `text` (and may carry `value` and `disabled`). With
// focusHighlight a red frame asks for a choice. Bound to one setting with `target` and `property`,
// choosing an entry writes its `value` (or its index) and raises `changeFlag` of `flagTarget`.
MenuComboBox {
    id: root
    property bool focusHighlight: false
    property var target: null
    property string property: ""
    property var flagTarget: null
    property var changeFlag: ""

    textRole: "text"
    readonly property var boundValue: target && property !== "" ? target[property] : undefined
    onBoundValueChanged: syncFromTarget()
    onModelChanged: syncFromTarget()
    Component.onCompleted: syncFromTarget()

    function entryValue(i) {
        const e = Array.isArray(model) ? model[i] : undefined
        return e !== undefined && e.value !== undefined ? e.value : i
    }
    function syncFromTarget() {
        if (boundValue === undefined || !Array.isArray(model))
            return
        for (let i = 0; i < model.length; ++i) {
            if (entryValue(i) === boundValue) {
                currentIndex = i
                return
            }
        }
        currentIndex = -1
    }

    onActivated: (index) => {
        const e = Array.isArray(model) ? model[index] : undefined
        if (e && e.disabled) {
            syncFromTarget()
            return
        }
        if (target && property !== "")
            Rules.commit(target, property, entryValue(index), flagTarget, changeFlag)
    }

    function entryDisabled(i) {
        const e = Array.isArray(model) ? model[i] : undefined
        return typeof e === "object" && e !== null && !!e.disabled
    }
    // The arrow keys of a closed combo step over entries that cannot be chosen, so that a keyboard
    // user is never held on one; the open list keeps its own keys.
    function stepKey(direction, event) {
        if (popup.visible) {
            event.accepted = false
            return
        }
        event.accepted = true
        for (let i = currentIndex + direction; i >= 0 && i < count; i += direction) {
            if (!entryDisabled(i)) {
                currentIndex = i
                activated(i)
                return
            }
        }
    }
    Keys.onUpPressed: (event) => stepKey(-1, event)
    Keys.onDownPressed: (event) => stepKey(1, event)

    // Disabled entries (e.g. an input already in use) are shown but cannot be chosen.
    delegate: ItemDelegate {
        required property int index
        required property var modelData
        readonly property bool entryDisabled: typeof modelData === "object" && modelData !== null && !!modelData.disabled
        width: ListView.view ? ListView.view.width : implicitWidth
        height: AppStyle.comboHeight
        enabled: !entryDisabled
        highlighted: root.highlightedIndex === index
        Accessible.name: entryText.text
        contentItem: Text {
            id: entryText
            text: typeof modelData === "object" && modelData !== null ? modelData[root.textRole] : modelData
            font: root.font
            color: entryDisabled ? AppStyle.disabledTextColor : AppStyle.textColor
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
        background: Rectangle {
            color: highlighted ? AppStyle.selectionColor : (index === root.currentIndex ? AppStyle.hoverColor : AppStyle.whiteColor)
        }
    }

    Rectangle {
        anchors.fill: parent
        visible: root.focusHighlight
        color: AppStyle.clearColor
        radius: 4
        border.color: AppStyle.errorColor
        border.width: 3
    }
}
