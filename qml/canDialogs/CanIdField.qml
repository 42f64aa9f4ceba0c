import QtQuick
import ARDIX 1.0
import "../myComponents"
import "CanRules.js" as CanRules

// The identifier of one message, typed in hex or in decimal; the button beside it switches the
// notation and the page remembers the choice for that message.
Row {
    id: root
    property var message: null
    property var flagTarget: null
    property var changeFlag: ""
    property bool isHex: true
    property string accessibleName: "CAN ID"
    readonly property int idTo: CanRules.idMax(message ? message.isIdExtended : false)
    readonly property bool isValid: isHex ? hexField.isValid : decField.textValid
    signal formatToggled(bool toHex)

    spacing: 6 * AppStyle.pixelScale

    HexTextField {
        id: hexField
        objectName: "canIdHexField"
        visible: root.isHex
        width: 200 * AppStyle.pixelScale
        intFrom: 0; intTo: root.idTo
        target: root.message; property: "canId"
        flagTarget: root.flagTarget; changeFlag: root.changeFlag
        label: root.accessibleName
    }
    IntTextField {
        id: decField
        objectName: "canIdDecField"
        visible: !root.isHex
        width: 200 * AppStyle.pixelScale
        intFrom: 0; intTo: root.idTo
        target: root.message; property: "canId"
        flagTarget: root.flagTarget; changeFlag: root.changeFlag
        label: root.accessibleName
    }
    FlatButton {
        objectName: "canIdFormatButton"
        width: 80 * AppStyle.pixelScale
        height: AppStyle.textInputHeight
        fontSize: AppStyle.basicFontSize * 0.9
        role: root.isHex ? "primary" : "stepper"
        text: root.isHex ? "HEX" : "DEC"
        accessibleName: root.isHex ? qsTr("Показать ID десятичным") : qsTr("Показать ID в HEX")
        onClicked: root.formatToggled(!root.isHex)
    }
}
