import QtQuick
import QtQuick.Controls
import QtQuick.Window
import ARDIX 1.0
import "dialogs"

ApplicationWindow {
    id: ardix
    objectName: "ardix"
    width: 1280
    height: 800
    visible: true
    title: ardixKernel.IsDEBUG ? "Ardix DEBUG" : "Ardix"
    color: "#101214"

    readonly property bool isMobile: Qt.platform.os === "android" || Qt.platform.os === "ios"
    property var incomingFileInfo: ({})
    property string lastNotice: ""

    onWidthChanged: AppStyle.appWindowWidth = width

    ArdixKernel {
        id: ardixKernel
        onPopUpSignal: (popUpText) => ardix.lastNotice = popUpText
        onShowInfoMessage: (infoMessageText) => ardix.lastNotice = infoMessageText
        onIncomingFileSignal: (fileInfo) => ardix.incomingFileInfo = fileInfo
        onShowSyncDiaglog: (extra) => syncDialog.reopen(extra)
        onIncomingEvent_focusWindow_signal: {
            ardix.show()
            ardix.raise()
            ardix.requestActivate()
        }
    }

    Component.onCompleted: {
        ardixKernel.IsMobile = isMobile
        DevSettings.pdm = ardixKernel.currentPdmSettings
        DevSettings.dash = ardixKernel.currentArdixSettings
        ardixKernel.setDeviceId(AppSettings.lastDeviceIdSelected)
    }

    SyncDialog {
        id: syncDialog
        kernel: ardixKernel
    }

    readonly property var statusTexts: ({
        0: "нет связи",
        1: "на связи",
        2: "загрузчик",
        4: "обновление"
    })

    Column {
        anchors.centerIn: parent
        spacing: 16 * AppStyle.pixelScale
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: ardixKernel.deviceId === ArdixEnums.Device_Pmx || ardixKernel.deviceId === ArdixEnums.Device_PmxBoot ? "PDM" : "ARDIX 7"
            font.pixelSize: AppStyle.basicTitleSize * 2
            color: "white"
        }
        Label {
            objectName: "statusLabel"
            anchors.horizontalCenter: parent.horizontalCenter
            text: ardix.statusTexts[ardixKernel.ardixStatus] || ""
            font.pixelSize: AppStyle.basicTitleSize
            color: ardixKernel.ardixStatus === ArdixEnums.ardixOnline ? "#7ddc7d" : "#d0d0d0"
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: ardix.lastNotice
            font.pixelSize: AppStyle.basicFontSize
            color: "#b6b6b6"
        }
    }
}
