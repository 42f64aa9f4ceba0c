import QtQuick
import ARDIX 1.0

// The client's own language, kept on this computer. Not the dash's display language, which is
// a setting of the device.
SettingsRow {
    id: row
    objectName: "row_InterfaceLanguage"
    title: qsTr("Язык интерфейса")
    clickable: false
    MenuComboBox {
        objectName: "interfaceLanguageCombo"
        width: 200 * AppStyle.pixelScale
        accessibleName: row.title
        model: InterfaceLanguage.names
        currentIndex: InterfaceLanguage.codes.indexOf(InterfaceLanguage.language)
        onActivated: (index) => InterfaceLanguage.language = InterfaceLanguage.codes[index]
    }
}
