import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../utils/DiffTexts.js" as DiffTexts

// What a settings file would change, shown before it is loaded; loading it or not is the user's
// choice. A file that is not a settings block goes straight to the kernel, which reports on it.
BasicDialog {
    id: root
    objectName: "settingsFilePreview"
    fullScreen: true
    title: qsTr("Загрузка настроек из файла")

    property string fileUrl: ""
    property int deviceId: ArdixEnums.Device_Ardix7
    property int fileType: ArdixEnums.Settings_FileType
    property var preview: ({ previewable: false })
    property bool decided: false
    readonly property real ps: AppStyle.pixelScale
    readonly property int count: preview.count || 0
    readonly property bool isConnected: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline

    visible: preview.previewable
    customBackButtonFunction: true
    function customBackButtonAction() { cancel() }

    function load() {
        if (decided)
            return
        decided = true
        if (kernel)
            kernel.loadDataFromFile(fileUrl, deviceId, fileType)
        destroyBasicDialog(true)
    }

    function cancel() {
        if (decided)
            return
        decided = true
        // Lets go of a file handed over by the system (a no-op where there is no such grant).
        if (kernel && typeof kernel.ios_stop_securityScope === "function")
            kernel.ios_stop_securityScope(fileUrl)
        destroyBasicDialog(true)
    }

    SettingsHistoryModel {
        id: history
        kernel: root.kernel
    }

    Component.onCompleted: {
        preview = history.previewFile(fileUrl, deviceId, fileType)
        if (!preview.previewable) {
            decided = true
            if (kernel)
                kernel.loadDataFromFile(fileUrl, deviceId, fileType)
            Qt.callLater(root.destroy)
        }
    }

    Rectangle {
        anchors.fill: parent
        color: AppStyle.pageColor

        Text {
            id: summary
            objectName: "previewSummary"
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 20 * root.ps }
            wrapMode: Text.WordWrap
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicFontSize
            text: (root.count === 0 ? qsTr("Файл не меняет ни одного параметра текущих настроек ")
                                     : qsTr("Файл меняет %1").arg(DiffTexts.parameters(root.count)) + qsTr(" настроек "))
                  + (root.preview.pdm ? "PDM" : "Ardix") + "."
                  + (root.isConnected && root.count > 0 ? qsTr(" После загрузки они будут записаны в устройство.") : "")
        }

        SettingsDiffList {
            id: diffList
            anchors { left: parent.left; right: parent.right; top: summary.bottom; topMargin: 15 * root.ps
                      bottom: buttons.top; bottomMargin: 15 * root.ps }
            rows: root.preview.rows || []
            beforeTitle: qsTr("сейчас")
            afterTitle: qsTr("в файле")
        }

        Row {
            id: buttons
            anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 20 * root.ps }
            spacing: 40 * root.ps
            FlatButton {
                objectName: "previewCancel"
                width: 260 * root.ps
                height: AppStyle.basicRowHeight * 0.8
                color: AppStyle.subtleTextColor
                text: qsTr("Отмена")
                onClicked: root.cancel()
            }
            FlatButton {
                objectName: "previewLoad"
                width: 260 * root.ps
                height: AppStyle.basicRowHeight * 0.8
                color: AppStyle.confirmColor
                text: qsTr("Загрузить")
                onClicked: root.load()
            }
        }
    }
}
