import QtQuick
import QtQuick.Controls
import ARDIX 1.0

// Asks which settings win when the device's differ from the client's: download the device's, or
// erase them and upload the client's.
Popup {
    id: root
    property var kernel
    property bool extra: false
    property string deviceName: ""
    property bool busy: false
    readonly property bool isPdm: kernel && kernel.deviceId === ArdixEnums.Device_Pmx

    modal: true
    closePolicy: extra ? Popup.CloseOnEscape : Popup.NoAutoClose
    anchors.centerIn: Overlay.overlay
    width: parent ? parent.width * 0.8 : 800
    height: parent ? parent.height * 0.7 : 500
    background: Rectangle { color: "#e0181a1c"; radius: 8; border.color: AppStyle.borderColor }

    readonly property string passwordText: "На PMX установлен пароль\n\n- Если пароль вам известен,\nскачайте настройки с устройста для синхронизации\nи дальнейшей настройки.\n\n- Если пароль не известен, вы можете выполнить сброс настроек\nсначала экспортируйте резервную копию ваших настроек в файл,\nподключитесь к устройству и выполните сброс настроек,\n\nпосле чего парольная защита будет снята и вы сможете загружать любой файл настроек"

    function reopen(isExtra) {
        extra = isExtra
        busy = false
        retryTimer.stop()
        open()
    }

    Timer {
        id: retryTimer
        interval: 10000
        onTriggered: root.busy = false
    }

    Connections {
        target: root.kernel
        function onSyncCompletedSignal() { root.close() }
        function onArdixStatusChangedSignal() { if (root.kernel.ardixStatus !== ArdixEnums.ardixOnline) root.close() }
        function onDeviceIdChanged() {
            if (root.kernel.deviceId !== ArdixEnums.Device_Ardix7 && root.kernel.deviceId !== ArdixEnums.Device_Pmx)
                root.close()
        }
    }

    Label {
        id: title
        anchors { top: parent.top; left: parent.left; right: parent.right; margins: 20 }
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: "white"
        font.pixelSize: root.width / 15 / 2.5
        text: (root.extra ? root.passwordText
                          : "Синхронизация \n какие настройки вы бы хотели использовать?\n ранее сохраненные в устройстве, либо применить текущие с компьютера?").toUpperCase()
    }

    Row {
        anchors { bottom: parent.bottom; horizontalCenter: parent.horizontalCenter; bottomMargin: 30 }
        spacing: 40
        Button {
            objectName: "uploadButton"
            enabled: !root.busy
            text: root.extra ? "Сбросить настройки \nк стандартным" : "СТЕРЕТЬ НАСТРОЙКИ \nи применить новые"
            palette.button: root.extra ? "yellow" : "#975a5a"
            palette.buttonText: root.extra ? "black" : "white"
            onClicked: confirm.open()
        }
        Button {
            objectName: "downloadButton"
            enabled: !root.busy
            text: "скачать с устройства"
            palette.button: "#428c4b"
            onClicked: {
                root.busy = true
                retryTimer.restart()
                root.kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.GetSettings, 0)
            }
        }
    }

    Dialog {
        id: confirm
        modal: true
        anchors.centerIn: parent
        title: "Вы уверены?"
        property bool armed: false
        onOpened: { armed = false; armTimer.restart() }
        Timer { id: armTimer; interval: 2000; onTriggered: confirm.armed = true }
        Label {
            wrapMode: Text.WordWrap
            width: root.width * 0.6
            text: "Ваши настройки на устройстве " + root.deviceName + " будут удалены и применены "
                  + (root.extra ? "заводские" : "новые с вашего компьютера")
        }
        footer: DialogButtonBox {
            Button { text: "Да"; enabled: confirm.armed; palette.button: "#975a5a"; DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole }
            Button { text: "Отмена"; DialogButtonBox.buttonRole: DialogButtonBox.RejectRole }
        }
        onAccepted: {
            root.busy = true
            retryTimer.restart()
            if (root.extra) {
                root.kernel.loadDefaultPdmSettings(true)
                root.kernel.newConfigDownloadedFromArdix()
            } else if (root.isPdm) {
                root.kernel.applyNewPdmSettings()
            } else {
                root.kernel.applyNewArdixSettings(true)
            }
        }
    }
}
