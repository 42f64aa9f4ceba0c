import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// Sets the password that guards the PDM's settings, or asks for it when the PDM refuses a read.
BasicDialog {
    id: root
    objectName: "pdmPasswordSettingsDialog"
    backgroundItemWidth: Math.min(parent ? parent.width * 0.9 : 700, 760 * AppStyle.pixelScale)
    backgroundItemHeight: 430 * AppStyle.pixelScale

    property bool isSetPassword: true
    readonly property real ps: AppStyle.pixelScale
    readonly property bool canConfirm: first.text.length > 2 && (!isSetPassword || first.text === second.text)

    function confirm() {
        if (!canConfirm)
            return
        if (kernel)
            kernel.setPdmPasswordSettings(first.text, isSetPassword)
        destroyBasicDialog()
    }

    component PasswordField: InputField {
        width: 420 * root.ps
        echoMode: TextInput.Password
        maximumLength: 30
        horizontalAlignment: TextInput.AlignLeft
        validator: RegularExpressionValidator { regularExpression: /[A-Za-z0-9_]{0,30}/ }
        Keys.onReturnPressed: root.confirm()
        Keys.onEnterPressed: root.confirm()
    }

    Column {
        anchors.centerIn: parent
        width: parent.width * 0.86
        spacing: 16 * root.ps

        Text {
            objectName: "passwordTitle"
            width: parent.width
            text: root.isSetPassword ? qsTr("Установить парольную защиту на доступ к настройкам?")
                                     : qsTr("Введите пароль, чтобы получить доступ к настройкам")
            color: AppStyle.textColor
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: AppStyle.basicTitleSize
        }
        Text {
            width: parent.width
            text: root.isSetPassword ? qsTr("введите пароль дважды") : qsTr("введите пароль")
            color: AppStyle.subtleTextColor
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: AppStyle.basicFontSize
        }
        PasswordField {
            id: first
            objectName: "passwordField"
            anchors.horizontalCenter: parent.horizontalCenter
            placeholderText: qsTr("пароль")
            Accessible.name: qsTr("Пароль")
            focus: true
        }
        PasswordField {
            id: second
            objectName: "passwordRepeatField"
            visible: root.isSetPassword
            anchors.horizontalCenter: parent.horizontalCenter
            placeholderText: qsTr("пароль еще раз")
            Accessible.name: qsTr("Пароль еще раз")
            isBad: text.length > 0 && text !== first.text
        }
        FlatButton {
            objectName: "passwordOkButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 200 * root.ps
            height: 56 * root.ps
            text: qsTr("ОК")
            enabled: root.canConfirm
            onClicked: root.confirm()
        }
    }
}
