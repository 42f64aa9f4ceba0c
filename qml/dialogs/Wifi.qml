import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import NetHelpers 1.0
import "../myComponents"
import "logs/WifiRules.js" as WifiRules

// The WiFi access point of the dash or the PDM, changed through the device's own web page. The
// fields open once the page has told the current name and pass phrase.
BasicDialog {
    id: root
    objectName: "wifiPage"
    fullScreen: true
    title: qsTr("Здесь можно изменить настройки Wifi")

    property int parentDevice: ArdixEnums.Device_Ardix7
    readonly property bool isPdm: parentDevice === ArdixEnums.Device_Pmx
    readonly property real ps: AppStyle.pixelScale
    // Where the device's page is; tests point these at a server of their own.
    property string deviceHost: addresses.deviceHost
    property int webPort: addresses.deviceWebPort
    readonly property int readTimeoutMs: 3000
    property int postTimeoutMs: 6000
    readonly property int messageTimeoutMs: 1500

    property bool editable: false
    property bool posting: false
    // The last status of a post (0 before any).
    property int lastStatus: 0

    // The kernel's copies have no change signal: read when the page opens and after each store.
    property string storedSsid: ""
    property string storedPass: ""
    function readStored() {
        storedSsid = kernel ? (isPdm ? kernel.pdmSsidWifi : kernel.ssidWifi) : ""
        storedPass = kernel ? (isPdm ? kernel.pdmPassWifi : kernel.passWifi) : ""
    }

    AppAddresses { id: addresses }
    HttpRawPost { id: http }

    Component.onCompleted: {
        readStored()
        readDevice()
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onArdixStatusChangedSignal() {
            if (root.kernel.ardixStatus === MyDefines.ardixOnline)
                root.readDevice()
        }
    }

    function notify(text, timeoutMs) {
        if (!window)
            return
        if (typeof window.showInfo === "function")
            window.showInfo(text, timeoutMs, "")
        else if (typeof window.infoDialog === "function")
            window.infoDialog(text)
    }

    // Asks the device's page for the name and pass phrase it uses now.
    function readDevice() {
        if (deviceHost === "" || webPort <= 0)
            return
        const xhr = new XMLHttpRequest()
        readTimer.request = xhr
        readTimer.restart()
        xhr.onreadystatechange = function() {
            if (xhr.readyState !== XMLHttpRequest.DONE || readTimer.request !== xhr)
                return
            readTimer.stop()
            readTimer.request = null
            const data = xhr.status === 200 ? WifiRules.parseDeviceData(xhr.responseText) : null
            if (data)
                root.fill(data.ssid, data.pass)
        }
        xhr.open("GET", "http://" + WifiRules.urlHost(deviceHost) + ":" + webPort + "/getData.htm")
        xhr.setRequestHeader("Content-Encoding", "UTF-8")
        xhr.send()
    }
    Timer {
        id: readTimer
        property var request: null
        interval: root.readTimeoutMs
        onTriggered: {
            if (request)
                request.abort()
            request = null
        }
    }

    function fill(ssid, pass) {
        ssidField.text = ssid
        passField.text = pass
        editable = true
        if (kernel)
            kernel.saveNewWifiData(ssid, pass, parentDevice)
        readStored()
    }

    function save() {
        const ssid = ssidField.text.trim()
        const pass = passField.text
        if (!WifiRules.isValidName(ssid) || !WifiRules.isValidPassword(pass)) {
            notify(WifiRules.badPasswordText(), messageTimeoutMs)
            return
        }
        posting = true
        const reply = http.postUrlEncoded(deviceHost, webPort, "/timeout.htm", WifiRules.form(ssid, pass), postTimeoutMs)
        reply.finished.connect(function(status, body) { root.posted(status, ssid, pass) })
    }

    function posted(status, ssid, pass) {
        posting = false
        lastStatus = status
        editable = false
        if (status === 200 && kernel)
            kernel.saveNewWifiData(ssid, pass, parentDevice)
        readStored()
        notify(WifiRules.resultText(status), 30000)
    }

    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width * 0.8, 700 * root.ps)
        spacing: 16 * root.ps

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 90 * root.ps
            height: width
            sourceSize.width: width
            sourceSize.height: height
            source: "qrc:/ARDIX/images/icons/wifi.svg"
            // The icon is white: a disc behind it on the light page.
            Rectangle { anchors.fill: parent; anchors.margins: -12 * root.ps; radius: width / 2; color: AppStyle.primaryColor; z: -1 }
        }
        Item { width: 1; height: 6 * root.ps }
        Text {
            text: qsTr("Имя сети (1-14 знаков)")
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicFontSize
        }
        InputField {
            id: ssidField
            objectName: "ssidField"
            width: parent.width
            enabled: root.editable && !root.posting
            placeholderText: root.storedSsid !== "" ? root.storedSsid : "default"
            maximumLength: 32
            textValid: text.length === 0 || WifiRules.isValidName(text)
            Accessible.name: qsTr("Имя сети")
        }
        Text {
            text: qsTr("Пароль (8-10 знаков, без пробелов)")
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicFontSize
        }
        InputField {
            id: passField
            objectName: "passField"
            width: parent.width
            enabled: root.editable && !root.posting
            placeholderText: root.storedPass !== "" ? root.storedPass : "default"
            maximumLength: 32
            textValid: text.length === 0 || WifiRules.isValidPassword(text)
            Accessible.name: qsTr("Пароль")
        }
        Item { width: 1; height: 6 * root.ps }
        FlatButton {
            objectName: "wifiSaveButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width * 0.5
            height: 60 * root.ps
            text: qsTr("Сохранить")
            color: AppStyle.confirmColor
            enabled: root.editable && !root.posting
            onClicked: root.save()
        }
        Text {
            width: parent.width
            visible: !root.editable && root.lastStatus === 0 && !readTimer.running
            text: qsTr("Нет ответа от страницы устройства: подключитесь к его сети WIFI")
            color: AppStyle.midGreyColor
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: AppStyle.basicFontSize
        }
    }
}
