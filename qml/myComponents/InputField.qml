import QtQuick
import QtQuick.Controls
import ARDIX 1.0

// The one text field every editor is built on: white, bordered, text half its height, its unit at
// the right. Enter drops the focus; the border says whether the text is valid.
//
// The editing contract every page relies on (see utils/Editing.js): the text typed is written by
// commitEdit() when the user leaves the field any way at all (Enter, Tab, a click on a button, a
// page's apply, save or back, a switch of the record shown); a text that is not valid is never
// written, stays red with its range beside it, and holds up apply and save.
TextField {
    id: field
    readonly property bool isEditor: true
    // The label the field is known by: its accessible name and the name in messages.
    property string label: ""
    property string unit: ""
    // What the field accepts, e.g. "от 0 до 250 °C".
    property string rangeText: ""
    property bool textValid: true
    property bool isBad: false
    // Set by typing and cleared once the typed value is written: a field writes only what the user
    // typed, so a value that changed elsewhere while the field had the focus is not overwritten by
    // the stale text when the focus leaves.
    property bool edited: false
    readonly property bool hasPendingInvalid: edited && !textValid

    // Writes the typed text; false when it is not valid (nothing is written then).
    function commitEdit() { return !edited || textValid }
    // Forgets the typed text and shows the setting again.
    function discardEdit() { edited = false }

    implicitWidth: 200 * AppStyle.pixelScale
    implicitHeight: AppStyle.textInputHeight
    font.pixelSize: height / 2
    color: textValid ? AppStyle.textColor : AppStyle.fieldInvalidTextColor
    selectByMouse: true
    horizontalAlignment: TextInput.AlignHCenter
    verticalAlignment: TextInput.AlignVCenter
    leftPadding: 6 * AppStyle.pixelScale
    rightPadding: (unitLabel.visible ? unitLabel.implicitWidth + 4 * AppStyle.pixelScale : 0) + 6 * AppStyle.pixelScale
    opacity: enabled ? 1 : 0.7
    Accessible.name: label !== "" ? label : placeholderText
    Accessible.description: rangeText

    // One tool tip serves the whole window: it follows the field being typed in.
    ToolTip.visible: !textValid && rangeText !== "" && activeFocus && visible
    ToolTip.text: rangeText
    ToolTip.delay: 0

    background: Rectangle {
        // Emptied by the user: pink; empty before anything was typed: a plain field waiting for a value.
        color: field.text.length === 0 && field.edited ? AppStyle.fieldEmptyColor
                                                       : (!field.textValid && field.text.length > 0 ? AppStyle.fieldInvalidColor
                                                                                                    : AppStyle.fieldColor)
        radius: 3
        border.width: field.activeFocus || !field.textValid || field.isBad ? 2 : 1
        border.color: !field.textValid || field.isBad ? AppStyle.invalidBorderColor
                                                     : field.activeFocus ? AppStyle.focusBorderColor : AppStyle.borderColor
    }
    Text {
        id: unitLabel
        visible: field.unit !== ""
        anchors.right: parent.right
        anchors.rightMargin: 6 * AppStyle.pixelScale
        anchors.verticalCenter: parent.verticalCenter
        text: field.unit
        color: AppStyle.unitTextColor
        font.pixelSize: field.font.pixelSize * 0.7
    }

    onEditingFinished: commitEdit()
    onActiveFocusChanged: if (!activeFocus) commitEdit()

    Keys.onReturnPressed: field.focus = false
    Keys.onEnterPressed: field.focus = false
}
