import QtQuick
import QtQuick.Controls
import ARDIX 1.0

// The fixed left menu: four square rows, each with a dash button and a PDM button of which the one
// of the chosen device family shows.
Rectangle {
    id: menu
    property var kernel
    property var window
    property real minimumWindowHeight: height
    readonly property bool isDash: AppSettings.lastDeviceIdSelected === ArdixEnums.Device_Ardix7
    readonly property real margin: 20 * AppStyle.pixelScale
    readonly property bool isOnline: kernel && kernel.ardixStatus === MyDefines.ardixOnline

    color: AppStyle.textColor

    Column {
        id: rows
        anchors.verticalCenter: parent.verticalCenter
        width: menu.width
        topPadding: menu.margin
        bottomPadding: menu.margin
        spacing: Math.max(4, (menu.minimumWindowHeight - 4 * menu.width - menu.width / 4 - 2 * menu.margin) / 3)

        // Row 1
        MenuButton {
            objectName: "menuMode"
            visible: menu.isDash
            width: menu.width
            iconSource: "qrc:/ARDIX/images/main_menu/mode.svg"
            text: qsTr("Режим %1").arg(menu.kernel ? menu.kernel.curSkinMode + 1 : "")
            onClicked: menu.kernel.changeSkinMode()
        }
        MenuButton {
            objectName: "menuPdmState"
            visible: !menu.isDash
            width: menu.width
            iconSource: "qrc:/ARDIX/images/main_menu/realtime.svg"
            text: qsTr("Текущее\nсостояние ")
            onClicked: menu.window.showPdmRealtimeDialog()
        }
        // Row 2
        MenuButton {
            objectName: "menuLogs"
            visible: menu.isDash
            width: menu.width
            iconSource: "qrc:/ARDIX/images/main_menu/logs.svg"
            text: qsTr("Логи")
            onClicked: menu.window.showLogsDialog()
        }
        MenuButton {
            objectName: "menuPdmLoad"
            visible: !menu.isDash
            width: menu.width
            iconSource: "qrc:/ARDIX/images/main_menu/load.svg"
            text: qsTr("Загрузить\nнастройки")
            onClicked: menu.window.showFileDialog(ArdixEnums.Device_Pmx, ArdixEnums.Settings_FileType, true, "")
        }
        // Row 3
        MenuButton {
            objectName: "menuBrightness"
            visible: menu.isDash
            width: menu.width
            iconSource: "qrc:/ARDIX/images/main_menu/brightness.svg"
            text: qsTr("Яркость")
            onClicked: menu.window.showBrightnessDialog()
        }
        MenuButton {
            objectName: "menuPdmSave"
            visible: !menu.isDash
            width: menu.width
            iconSource: "qrc:/ARDIX/images/main_menu/save.svg"
            text: qsTr("Сохранить\nнастройки")
            onClicked: menu.window.showFileDialog(ArdixEnums.Device_Pmx, ArdixEnums.Settings_FileType, false, "")
        }
        // Row 4
        MenuButton {
            objectName: "menuSettings"
            width: menu.width
            iconSource: "qrc:/ARDIX/images/main_menu/settings.svg"
            text: qsTr("Настройки\n%1").arg(menu.isDash ? "Ardix" : "PDM")
            onClicked: menu.window.openSettings()
        }
    }
}
