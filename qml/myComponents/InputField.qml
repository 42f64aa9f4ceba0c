import QtQuick
import QtQuick.Controls
import ARDIX 1.0

// The one text field every number input is built on: white, bordered, text half its height.
// Enter drops the focus; the border says whether the text is valid.
TextField {
    id: field
    property bool textValid: true
    property bool isBad: false
    // Set by typing and cleared once the typed value is written: a field writes only what the user
    // typed, so a value that changed elsewhere while the field had the focus is not overwritten by
    // the stale text when the focus leaves.
    property bool edited: false

    implicitWidth: 200 * AppStyle.pixelScale
    implicitHeight: AppStyle.textInputHeight
    font.pixelSize: height / 2
    color: textValid ? "#1A1A1A" : "#d01818"
    selectByMouse: true
    horizontalAlignment: TextInput.AlignHCenter
    verticalAlignment: TextInput.AlignVCenter
    leftPadding: 6 * AppStyle.pixelScale
    rightPadding: 6 * AppStyle.pixelScale
    opacity: enabled ? 1 : 0.7

    background: Rectangle {
        color: field.text.length === 0 ? "#ff7f7f" : "white"
        radius: 3
        border.width: field.activeFocus || !field.textValid || field.isBad ? 2 : 1
        border.color: !field.textValid || field.isBad ? "#e0302a"
                                                     : field.activeFocus ? "#67c26a" : AppStyle.borderColor
    }

    Keys.onReturnPressed: field.focus = false
    Keys.onEnterPressed: field.focus = false
}
