import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtCore
import ARDIX 1.0
import "../myComponents"
import "logs"
import "logs/LapTexts.js" as LapTexts

// The logs window: the files on the dash (download one into the local store, clear them all) and
// the local store (open a log's laps, import, delete). The dash pauses logging while it is open.
BasicDialog {
    id: root
    objectName: "logsDialog"
    fullScreen: true
    title: qsTr("Логи")

    readonly property real ps: AppStyle.pixelScale
    readonly property bool isOnline: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline
    property var deviceFiles: kernel ? kernel.logsFilesList : []
    property var localFiles: kernel ? kernel.localLogsFilesList : []
    property bool wasOnline: isOnline
    // The device index being downloaded, -1 when none, -2 for a download the link picked up
    // again by itself (a kept one).
    property int downloading: -1
    readonly property bool isDownloading: downloading !== -1
    // The list was asked for and has not come yet.
    property bool listLoading: false
    // The link dropped during a download: the bytes are kept and the download goes on when the
    // dash is back, so the window stays open to show it.
    property bool resumePending: false

    readonly property string loadingText: qsTr("Загрузка списка логов…")
    readonly property string resumeText: qsTr("нет связи с Ardix\nзагрузка лога продолжится,\nкогда Ardix снова будет на связи")

    readonly property string clearQuestion: qsTr("Удалить все файлы логов на Ardix?")
    readonly property string deleteQuestion: qsTr("Вы действительно хотите удалить файл лога?")

    function send(command, parameter) {
        if (!kernel)
            return
        if (command === ArdixEnums.GetLogFilesList && parameter === 1) {
            listLoading = true
            listTimeout.restart()
        }
        kernel.sendToArdixQueue(ArdixEnums.CommandMessage, command, parameter)
    }
    function ask(props, handlers) {
        return window && typeof window.createDialog === "function" ? window.createDialog(props, handlers) : null
    }

    Component.onCompleted: {
        if (window)
            window.isLogDialogOn = true
        if (isOnline)
            send(ArdixEnums.GetLogFilesList, 1)
    }
    Component.onDestruction: {
        if (window)
            window.isLogDialogOn = false
        if (isOnline)
            send(ArdixEnums.GetLogFilesList, 0)
    }

    onIsOnlineChanged: {
        if (isOnline) {
            // The list is asked for a moment after the link settles.
            listLoading = true
            listTimeout.restart()
            if (window && window.logListRequestTimer)
                window.logListRequestTimer.restart()
            else
                send(ArdixEnums.GetLogFilesList, 1)
        } else if (wasOnline) {
            listLoading = false
            if (isDownloading) {
                resumePending = true
            } else {
                progressMove(100)
                destroyBasicDialog(true)
            }
        }
        wasOnline = isOnline
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onLogsFileListUpdateSignal() {
            root.deviceFiles = root.kernel.logsFilesList
            root.listLoading = false
        }
        function onLocalLogsFileListUpdateSignal() { root.localFiles = root.kernel.localLogsFilesList }
        function onProgressMoving(progress) {
            // A kept download that the link picked up again.
            if (!root.isDownloading && progress < 100 && root.isOnline && root.kernel.logNameToSave !== "")
                root.downloading = -2
            if (!root.isDownloading)
                return
            root.progressMove(progress)
            if (progress >= 100) {
                root.downloading = -1
                if (!root.isOnline)
                    root.resumePending = true
            } else {
                root.resumePending = false
            }
        }
    }
    Connections {
        target: root.window
        ignoreUnknownSignals: true
        function onApplicationSuspended() { root.destroyBasicDialog(true) }
    }

    // A file name from the log's start, safe on every file system.
    function proposedName(index) {
        const f = deviceFiles[index]
        const when = f && f.startDate !== "" ? f.startDate + "_" + f.startTime : String(index + 1)
        return ("log_" + when).replace(/[\\/:*?"<>|\s]+/g, "_")
    }

    function askDownload(index) {
        if (isDownloading)
            return
        ask({ dialogTitle: qsTr("Введите имя файла"), dialogText: proposedName(index), isTextInput: true, isCancelBtnVisible: true },
            function(dialog) { root.download(index, dialog.dialogText) })
    }

    function download(index, name) {
        if (!kernel || !isOnline)
            return
        downloading = index
        kernel.logNameToSave = String(name).replace(/[\\/:*?"<>|]+/g, "_")
        send(ArdixEnums.GetLogFile, index)
        progressMove(1)
    }

    function askClear() {
        ask({ dialogTitle: qsTr("Внимание"), dialogText: clearQuestion, acceptBtnText: qsTr("Удалить"), acceptBtnColor: AppStyle.destructiveColor,
              isCancelBtnVisible: true },
            function() {
                root.send(ArdixEnums.ClearLogs, 0)
                refreshTimer.restart()
            })
    }

    function openView(path) {
        if (window && typeof window.showLogViewDialog === "function")
            window.showLogViewDialog(path)
    }

    function openLaps(path) {
        if (window && typeof window.showLapsLogDialog === "function")
            window.showLapsLogDialog(path, false)
    }

    function askDelete(path) {
        ask({ dialogTitle: qsTr("Внимание"), dialogText: deleteQuestion, acceptBtnText: qsTr("Удалить"), acceptBtnColor: AppStyle.destructiveColor,
              isCancelBtnVisible: true },
            function() { if (root.kernel) root.kernel.deleteFileWithAbsolutePath(path) })
    }

    // Imports several files; the names already in the store are reported together.
    function importFiles(urls) {
        if (!kernel)
            return ""
        let refused = ""
        for (const url of urls)
            refused += kernel.importElog(url.toString())
        if (refused !== "" && window)
            window.infoDialog(qsTr("Файлы\n%1").arg(refused) + qsTr("уже присутсвуют, их импорт отменен"))
        return refused
    }

    // A dash that never answers the list request: say there is nothing rather than load forever.
    Timer {
        id: listTimeout
        interval: 8000
        onTriggered: root.listLoading = false
    }

    Timer {
        id: refreshTimer
        interval: 1000
        onTriggered: root.send(ArdixEnums.GetLogFilesList, 1)
    }

    FileDialog {
        id: importDialog
        title: qsTr("Выберите файлы логов")
        fileMode: FileDialog.OpenFiles
        nameFilters: [qsTr("файлы логов Ardix (*.elog)")]
        currentFolder: StandardPaths.writableLocation(StandardPaths.DocumentsLocation)
        onAccepted: root.importFiles(selectedFiles)
    }

    Row {
        id: columns
        anchors.fill: parent
        anchors.margins: 14 * root.ps
        spacing: 14 * root.ps
        readonly property real columnWidth: (width - spacing) / 2

        LogListPanel {
            id: devicePanel
            objectName: "deviceLogs"
            width: columns.columnWidth
            height: parent.height
            title: "Ardix"
            iconSource: "qrc:/ARDIX/images/icons/dash_device.svg"
            emptyText: root.isOnline ? (root.listLoading ? root.loadingText : qsTr("Файлов логов нет"))
                                     : root.resumePending ? root.resumeText : qsTr("нет связи с Ardix")
            loading: root.isOnline && root.listLoading && root.deviceFiles.length === 0
            model: root.isOnline ? root.deviceFiles : []
            delegate: DeviceLogRow {
                width: devicePanel.listWidth
                busy: root.downloading === index
                enabled: !root.isDownloading
                onDownload: root.askDownload(index)
            }
            footer: Component { Row {
                spacing: 10 * root.ps
                FlatButton {
                    objectName: "clearDeviceLogs"
                    height: 50 * root.ps
                    width: devicePanel.width * 0.62
                    enabled: root.isOnline && !root.isDownloading && root.deviceFiles.length > 0
                    color: AppStyle.destructiveColor
                    text: qsTr("удалить все файлы на Ardix")
                    onClicked: root.askClear()
                }
                FlatButton {
                    objectName: "logsSettingsButton"
                    height: 50 * root.ps
                    width: devicePanel.width * 0.38 - 10 * root.ps
                    text: qsTr("Настройки")
                    onClicked: if (root.window) root.window.showLogsSettingsDialog()
                }
            } }
        }

        LogListPanel {
            id: localPanel
            objectName: "localLogs"
            width: columns.columnWidth
            height: parent.height
            title: qsTr("На компьютере")
            iconSource: "qrc:/ARDIX/images/icons/computer.svg"
            emptyText: qsTr("Скачайте лог с Ardix\nили импортируйте файл")
            model: root.localFiles
            delegate: LocalLogRow {
                width: localPanel.listWidth
                onOpen: root.openLaps(modelData.apath)
                onPlots: root.openView(modelData.apath)
                onRemove: root.askDelete(modelData.apath)
            }
            footer: Component { FlatButton {
                objectName: "importLogs"
                height: 50 * root.ps
                width: localPanel.width
                text: qsTr("Импорт")
                onClicked: importDialog.open()
            } }
        }
    }
}
