import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../utils/DiffTexts.js" as DiffTexts

// Every version of the device's settings the client has kept: when, where it came from and how far
// it is from the settings now. A version opens field by field and can be restored, which applies it
// like a loaded settings file.
BasicDialog {
    id: root
    objectName: "settingsHistoryDialog"
    fullScreen: true
    title: qsTr("История настроек")

    property bool pdm: false
    // The version being compared, -1 while the list shows.
    property int selected: -1
    readonly property real ps: AppStyle.pixelScale
    readonly property var snapshots: history.snapshots
    readonly property var current: selected >= 0 && selected < snapshots.length ? snapshots[selected] : null
    readonly property bool isConnected: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline

    customBackButtonFunction: true
    function customBackButtonAction() {
        if (selected >= 0)
            selected = -1
        else
            destroyBasicDialog()
    }

    SettingsHistoryModel {
        id: history
        kernel: root.kernel
        pdm: root.pdm
    }

    function openVersion(index) {
        selected = index
        diffList.rows = history.compare(index)
        diffList.positionViewAtBeginning()
    }

    function askRestore() {
        const s = current
        if (!s || !window)
            return
        const index = selected
        window.createDialog({
            dialogTitle: qsTr("Восстановить настройки?"),
            dialogText: qsTr("Текущие настройки будут заменены версией от %1").arg(s.time) + " (" + s.sourceText + ")"
                        + (isConnected ? qsTr(" и записаны в устройство.") : "."),
            acceptBtnText: qsTr("Восстановить"),
            acceptBtnColor: AppStyle.destructiveColor,
            isCancelBtnVisible: true
        }, function() {
            if (history.restore(index))
                root.selected = -1
        })
    }

    Text {
        objectName: "historyEmpty"
        visible: root.snapshots.length === 0
        anchors.centerIn: parent
        width: parent.width * 0.8
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: AppStyle.whiteColor
        font.pixelSize: AppStyle.basicFontSize
        text: qsTr("Сохранённых версий настроек этого устройства пока нет.\nОни появляются, когда настройки читаются с устройства, записываются в него или загружаются из файла.")
    }

    ListView {
        id: list
        objectName: "historyList"
        visible: root.selected < 0
        anchors.fill: parent
        clip: true
        model: root.snapshots
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
        delegate: SettingsRow {
            id: row
            required property var modelData
            required property int index
            objectName: "historyRow_" + index
            width: list.width
            title: modelData.time + "   " + modelData.sourceText
            onClicked: root.openVersion(index)
            Text {
                anchors.verticalCenter: parent ? parent.verticalCenter : undefined
                text: row.modelData.diffCount === 0 ? qsTr("совпадает с текущими") : DiffTexts.differences(row.modelData.diffCount)
                color: row.modelData.diffCount === 0 ? AppStyle.shadowGreenColor : AppStyle.subtleTextColor
                font.pixelSize: AppStyle.basicFontSize * 0.95
            }
        }
    }

    Rectangle {
        id: compareView
        objectName: "historyCompare"
        visible: root.selected >= 0
        anchors.fill: parent
        color: AppStyle.pageColor

        Item {
            id: compareHeader
            anchors { left: parent.left; right: parent.right; top: parent.top }
            height: Math.round(AppStyle.basicRowHeight * 0.9)

            Text {
                anchors { left: parent.left; leftMargin: 25 * root.ps; right: restoreButton.left; rightMargin: 15 * root.ps
                          verticalCenter: parent.verticalCenter }
                elide: Text.ElideRight
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicFontSize
                text: root.current ? root.current.time + "   " + root.current.sourceText + "   —   "
                                     + (root.current.diffCount === 0 ? qsTr("совпадает с текущими")
                                                                     : DiffTexts.differences(root.current.diffCount))
                                   : ""
            }
            FlatButton {
                id: restoreButton
                objectName: "historyRestore"
                anchors { right: parent.right; rightMargin: 15 * root.ps; verticalCenter: parent.verticalCenter }
                width: 220 * root.ps
                height: AppStyle.basicRowHeight * 0.65
                color: AppStyle.destructiveColor
                text: qsTr("Восстановить")
                enabled: root.current !== null && root.current.diffCount > 0
                onClicked: root.askRestore()
            }
        }

        SettingsDiffList {
            id: diffList
            anchors { left: parent.left; right: parent.right; top: compareHeader.bottom; bottom: parent.bottom }
            beforeTitle: qsTr("в этой версии")
            afterTitle: qsTr("сейчас")
        }
    }
}
