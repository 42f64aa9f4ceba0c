import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "UpdateRows.js" as UpdateRows

// Firmware of the dash and of the PDM: what is installed, the change history, the files of the
// catalogue with their download, install and delete buttons.
BasicDialog {
    id: root
    objectName: "updateDialog"
    fullScreen: true
    title: qsTr("Загружайте и устанавливайте обновления")
    headerIcon: "qrc:/ARDIX/images/icons/cloud.svg"
    extraButton: "refresh"

    property int parentDevice: ArdixEnums.Device_Ardix7

    readonly property real ps: AppStyle.pixelScale
    readonly property int status: kernel ? kernel.ardixStatus : MyDefines.ardixOffline
    readonly property bool offline: status === MyDefines.ardixOffline
    readonly property bool linked: status === MyDefines.ardixOnline || status === MyDefines.ardixBootOnline
    // Offline the user picks the device; linked the page follows the device on the link.
    property bool pickedPdm: parentDevice === ArdixEnums.Device_Pmx
    readonly property bool showsPdm: offline ? pickedPdm
                                             : !(kernel && (kernel.deviceId === ArdixEnums.Device_Ardix7
                                                            || kernel.deviceId === ArdixEnums.Device_Ardix7Boot))
    property var rows: []
    // From the install accept to the flash's closing text: the link drops and comes back on the
    // way, and those refreshes must not end the progress view.
    property bool flashing: false

    readonly property string installText: qsTr("На установку обновления может понадобится несколько минут.\n\nВо время установки не отключайте питание.\n\nВы уверены что хотите продолжить?")
    readonly property string connectFirstText: qsTr("Для установки обновления, подключитесь к устройству\nиспользуя WiFi")

    onShowsPdmChanged: refresh()
    onExtraButtonClicked: {
        if (kernel)
            kernel.webServerFileListRequest()
    }

    // The file this page asked for, while the kernel still names it as downloading. A failed reply
    // leaves the kernel's name set, so a quiet spell longer than the kernel's own stall limit
    // ends the wait: the page never stays blocked.
    property string activeDownload: ""
    readonly property int downloadQuietMs: 9000
    // The device's version the rows were built against; a new one (after a flash) asks again.
    property string seenVersion: ""

    function currentVersion() {
        return kernel ? (showsPdm ? kernel.pdmCurrFirmwareVersion : kernel.currFirmwareVersion) : ""
    }

    function refresh() {
        if (!kernel)
            return
        rows = UpdateRows.rows(kernel.availableFirmwares, showsPdm ? "pdmFirmware" : "firmware", currentVersion())
        const version = currentVersion()
        if (version !== seenVersion) {
            seenVersion = version
            // A flash clears the version until the device reports its new one.
            if (version !== "" && !flashing)
                kernel.webServerFileListRequest()
        }
        if (flashing)
            return
        const downloading = kernel.downloadingFileName
        if (activeDownload !== "" && downloading !== "" && downloading.endsWith(activeDownload))
            return
        endDownloadWait()
    }

    function endDownloadWait() {
        activeDownload = ""
        downloadQuiet.stop()
        progressMove(100)
    }

    Timer {
        id: downloadQuiet
        interval: root.downloadQuietMs
        onTriggered: root.endDownloadWait()
    }

    function startLoading() {
        isLoading = true
        loadingProgressValue = 0
    }

    function download(row) {
        activeDownload = row.fileName
        downloadQuiet.restart()
        startLoading()
        kernel.webServerDownloadFile(row.fileName, row.letter)
    }

    function install(row) {
        if (!linked) {
            if (window)
                window.infoDialog(connectFirstText)
            return
        }
        const go = function() {
            flashing = true
            startLoading()
            kernel.flashFirmware(row.fileName)
        }
        // An older version than the device runs is said to be one before anything is written.
        const question = UpdateRows.installQuestion(row, currentVersion(), installText)
        if (window && typeof window.createDialog === "function")
            window.createDialog({ dialogTitle: qsTr("Внимание"), dialogText: question, acceptBtnText: qsTr("Установить"),
                                  isCancelBtnVisible: true }, { accepted: go })
        else
            go()
    }

    // The user gives up on the download: the kernel drops it and the page is free again.
    function cancelDownload() {
        if (activeDownload === "")
            return
        kernel.downloadTimeout()
        endDownloadWait()
    }

    // Back, Escape and the header's back button leave the page at any time but during a flash; a
    // download goes on without the page and the kernel says when its file is saved.
    function requestClose() {
        if (flashing)
            return false
        if (isLoading) {
            activeDownload = ""
            downloadQuiet.stop()
            progressMove(100)
        }
        return destroyBasicDialog()
    }

    function remove(row) {
        startLoading()
        kernel.deleteLocalFile(row.fileName)
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onProgressMoving(progress) {
            if (progress >= 100)
                root.flashing = false
            if (root.activeDownload !== "")
                downloadQuiet.restart()
            root.progressMove(progress)
        }
        // Every ending of a flash says something (a refused file says only that).
        function onShowInfoMessage(text) {
            root.flashing = false
            root.refresh()
        }
        function onAvailableFirmwaresChanged() { root.refresh() }
        function onDeviceIdChanged() { root.refresh() }
        function onArdixStatusChangedSignal() { root.refresh() }
    }

    Component.onCompleted: {
        rows = kernel ? UpdateRows.rows(kernel.availableFirmwares, showsPdm ? "pdmFirmware" : "firmware", currentVersion()) : []
        seenVersion = currentVersion()
        const localOnly = linked && kernel.downloadingFileName === "" && !kernel.isServerOnline
        if (kernel && !localOnly)
            startLoading()
        if (kernel)
            kernel.webServerFileListRequest()
    }

    Item {
        anchors.fill: parent
        visible: !root.isLoading

        Rectangle {
            id: top
            objectName: "updateTop"
            width: parent.width
            height: root.window && root.window.isMobile ? root.contentArea.height * 0.45 : 210 * root.ps
            color: AppStyle.lineColor

            Column {
                id: versionColumn
                x: 25 * root.ps
                y: 20 * root.ps
                width: Math.max(versionLabel.implicitWidth, 260 * root.ps)
                spacing: 8 * root.ps
                Text {
                    id: versionLabel
                    text: qsTr("Текущая версия")
                    color: AppStyle.darkGreyColor
                    font.pixelSize: AppStyle.basicFontSize
                }
                Text {
                    objectName: "currentVersion"
                    text: root.kernel ? (root.showsPdm ? root.kernel.pdmCurrFirmwareVersion : root.kernel.currFirmwareVersion) : ""
                    color: AppStyle.textColor
                    font.pixelSize: AppStyle.basicTitleSize * 1.4
                }
                MyComboBox {
                    objectName: "deviceCombo"
                    width: 200 * root.ps
                    accessibleName: qsTr("Устройство")
                    enabled: root.offline
                    model: [{ text: "Ardix" }, { text: "PDM" }]
                    currentIndex: root.showsPdm ? 1 : 0
                    onActivated: (index) => root.pickedPdm = index === 1
                }
            }

            Rectangle {
                anchors.left: versionColumn.right
                anchors.leftMargin: 25 * root.ps
                anchors.right: parent.right
                anchors.rightMargin: 25 * root.ps
                anchors.top: parent.top
                anchors.topMargin: 15 * root.ps
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 15 * root.ps
                color: AppStyle.fieldColor
                border.color: AppStyle.borderColor
                border.width: 1
                clip: true

                Flickable {
                    id: historyFlick
                    anchors.fill: parent
                    anchors.margins: 10 * root.ps
                    contentHeight: historyText.implicitHeight
                    boundsBehavior: Flickable.StopAtBounds
                    ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
                    Text {
                        id: historyText
                        objectName: "historyText"
                        width: historyFlick.width - 12 * root.ps
                        textFormat: Text.RichText
                        wrapMode: Text.WordWrap
                        color: AppStyle.textColor
                        font.pixelSize: AppStyle.basicFontSize * 0.85
                        text: root.kernel ? (root.showsPdm ? root.kernel.pdmUpdatesHistory : root.kernel.updatesHistory) : ""
                    }
                }
            }
        }

        ListView {
            id: list
            objectName: "firmwareList"
            anchors.top: top.bottom
            anchors.bottom: parent.bottom
            width: parent.width
            clip: true
            model: root.rows
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

            delegate: Rectangle {
                id: row
                required property var modelData
                required property int index
                objectName: "firmwareRow_" + modelData.fileName
                width: list.width
                height: AppStyle.basicRowHeight * 1.25
                color: AppStyle.pageColor
                border.color: AppStyle.rowAltColor

                Column {
                    anchors.left: parent.left
                    anchors.leftMargin: 25 * root.ps
                    anchors.right: buttons.left
                    anchors.rightMargin: 15 * root.ps
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 4 * root.ps
                    Text {
                        objectName: "channelText"
                        width: parent.width
                        text: UpdateRows.channelName(row.modelData.version)
                        color: AppStyle.primaryColor
                        font.pixelSize: AppStyle.basicFontSize * 0.85
                        elide: Text.ElideRight
                    }
                    Row {
                        width: parent.width
                        spacing: 12 * root.ps
                        Text {
                            width: Math.min(implicitWidth, parent.width
                                            - (olderMark.visible ? olderMark.implicitWidth + parent.spacing : 0))
                            text: UpdateRows.versionText(row.modelData.version, row.modelData.date)
                            color: AppStyle.textColor
                            font.pixelSize: AppStyle.basicFontSize
                            elide: Text.ElideRight
                        }
                        // Installing it goes back to an earlier firmware.
                        Text {
                            id: olderMark
                            objectName: "olderMark"
                            anchors.verticalCenter: parent.verticalCenter
                            visible: row.modelData.older
                            text: UpdateRows.olderText()
                            color: AppStyle.bronzeColor
                            font.pixelSize: AppStyle.basicFontSize * 0.85
                        }
                    }
                    Text {
                        width: parent.width
                        text: UpdateRows.sizeText(row.modelData.kilobytes)
                        color: AppStyle.midGreyColor
                        font.pixelSize: AppStyle.basicFontSize * 0.85
                    }
                }

                Row {
                    id: buttons
                    anchors.right: parent.right
                    anchors.rightMargin: 20 * root.ps
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 12 * root.ps
                    readonly property real buttonWidth: 180 * root.ps
                    readonly property real buttonHeight: 55 * root.ps

                    // Each button keeps its slot, so the columns line up from row to row.
                    Item {
                        width: buttons.buttonWidth
                        height: buttons.buttonHeight
                        FlatButton {
                            objectName: "downloadButton"
                            anchors.fill: parent
                            text: row.modelData.downloaded ? qsTr("Загружено") : qsTr("Загрузить")
                            color: row.modelData.downloaded ? AppStyle.secondaryColor : AppStyle.primaryColor
                            enabled: !row.modelData.downloaded
                            onClicked: root.download(row.modelData)
                        }
                    }
                    Item {
                        width: buttons.buttonWidth
                        height: buttons.buttonHeight
                        FlatButton {
                            objectName: "installButton"
                            anchors.fill: parent
                            visible: row.modelData.downloaded || row.modelData.installed
                            text: row.modelData.installed ? qsTr("Установлено") : qsTr("Установить")
                            color: row.modelData.installed ? AppStyle.acceptColor : AppStyle.darkGreyColor
                            onClicked: root.install(row.modelData)
                        }
                    }
                    Item {
                        width: buttons.buttonWidth
                        height: buttons.buttonHeight
                        FlatButton {
                            objectName: "deleteButton"
                            anchors.fill: parent
                            visible: row.modelData.downloaded
                            text: qsTr("Удалить")
                            color: AppStyle.errorColor
                            onClicked: root.remove(row.modelData)
                        }
                    }
                }
            }
        }

        Text {
            anchors.top: top.bottom
            anchors.topMargin: 40 * root.ps
            anchors.horizontalCenter: parent.horizontalCenter
            visible: list.count === 0
            text: qsTr("Нет файлов прошивки для этого устройства")
            color: AppStyle.midGreyColor
            font.pixelSize: AppStyle.basicFontSize
        }
    }

    // Under the progress of a download, which a slow or stalled server may drag on.
    FlatButton {
        objectName: "cancelDownloadButton"
        visible: root.isLoading && root.activeDownload !== "" && !root.flashing
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height / 2 + 90 * root.ps
        width: 260 * root.ps
        height: 55 * root.ps
        role: "secondary"
        text: qsTr("Отменить загрузку")
        onClicked: root.cancelDownload()
    }
}
