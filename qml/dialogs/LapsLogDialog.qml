import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtCore
import ARDIX 1.0
import "../myComponents"
import "logs"
import "logs/LapTexts.js" as LapTexts

// The laps of one log: the list with each lap's difference to the best, the circuit map and the
// time gained or lost along the chosen lap, the log's start line and best lap, and the exports.
BasicDialog {
    id: root
    objectName: "lapsLogDialog"
    fullScreen: true

    property string logPath: ""
    property bool isExternalFile: false
    property var result: ({})
    property int selectedLap: -1
    // Lap distance of the cursor shared by the map and the delta plot; -1: none.
    property real cursorDistance: -1
    readonly property real ps: AppStyle.pixelScale
    readonly property bool hasLaps: result.lapsList !== undefined && result.fileError === undefined
    readonly property bool lapsAvailable: result.fileError === undefined && result.lapsError === undefined
    readonly property var formats: LapTexts.exportFormats(window ? !!window.isMobile : false)

    readonly property string connectText: qsTr("Нужно быть подключенным к Ardix")

    title: result.fileName !== undefined ? result.fileName : ""

    function ask(props, handlers) {
        return window && typeof window.createDialog === "function" ? window.createDialog(props, handlers) : null
    }

    Component.onCompleted: analyse()

    function analyse() {
        if (!kernel || logPath === "")
            return
        result = kernel.findLapsInLog(logPath)
        if (result.fileError !== undefined) {
            ask({ dialogTitle: qsTr("Ошибка"), dialogText: result.fileError })
            return
        }
        const best = LapTexts.bestLapIndex(result)
        selectedLap = best
        if (best >= 0)
            lapsList.positionViewAtIndex(best, ListView.Center)
        const gps = DevSettings.dash ? DevSettings.dash.commonSettings.gpsAccelerationMeasureSettings : null
        lapPlot.load(logPath, gps ? gps.startPointLat : 0, gps ? gps.startPointLon : 0, gps ? gps.startPointCourse : 0)
    }

    LapPlot { id: lapPlot }
    property alias plot: lapPlot

    // Exports run in the background and report progress through the kernel.
    property bool exporting: false
    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onProgressMoving(progress) {
            if (!root.exporting)
                return
            root.progressMove(progress)
            if (progress >= 100)
                root.exporting = false
        }
        function onHideBusy() {
            if (root.exporting) {
                root.exporting = false
                root.progressMove(100)
            }
        }
    }

    function exportStartLine() {
        ask({ dialogTitle: qsTr("Введите название точки старта"), dialogText: "", isTextInput: true, isCancelBtnVisible: true },
            function(dialog) {
                root.kernel.setStartLineLogFileData(dialog.dialogText, root.result.startPointLat, root.result.startPointLon,
                                                    root.result.startPointCourse, false)
                if (root.window)
                    root.window.showFileDialog(ArdixEnums.Device_Ardix7, ArdixEnums.StartLineInLog_FileType, false, dialog.dialogText)
            })
    }

    function applyStartLine() {
        ask({ dialogTitle: qsTr("Внимание"), dialogText: qsTr("Перезаписать линию старта в настройках на взятую из лога?"),
              isCancelBtnVisible: true },
            function() {
                root.ask({ dialogTitle: qsTr("Введите название точки старта"), dialogText: "", isTextInput: true,
                           isCancelBtnVisible: true },
                         function(dialog) {
                             root.kernel.setStartLineLogFileData(dialog.dialogText, root.result.startPointLat,
                                                                 root.result.startPointLon, root.result.startPointCourse, true)
                         })
            })
    }

    function exportBestLap() {
        if (window)
            window.showFileDialog(ArdixEnums.Device_Ardix7, ArdixEnums.RefLapInLog_FileType, false,
                                  LapTexts.baseName(result.fileName || "") + "_best")
    }

    function applyBestLap() {
        const connected = kernel && kernel.ardixStatus === MyDefines.ardixOnline && kernel.deviceId === ArdixEnums.Device_Ardix7
        if (!connected) {
            if (window)
                window.infoDialog(connectText)
            return
        }
        ask({ dialogTitle: qsTr("Внимание"), dialogText: qsTr("Перезаписать лучший круг в Ardix на взятый из лога?"), isCancelBtnVisible: true },
            function() { root.kernel.setRefLapLogFileData() })
    }

    // Starts an export to a chosen file (a local path or a file URL).
    function exportTo(fileUrl, format) {
        if (!kernel)
            return
        exporting = format !== 2
        if (exporting)
            progressMove(1)
        kernel.exportLog_x64(logPath, fileUrl.toString(), format)
    }

    function askDelete() {
        ask({ dialogTitle: qsTr("Внимание"), dialogText: qsTr("Вы действительно хотите удалить файл лога?"), acceptBtnText: qsTr("Удалить"),
              acceptBtnColor: AppStyle.destructiveColor, isCancelBtnVisible: true },
            function() {
                root.kernel.deleteFileWithAbsolutePath(root.logPath)
                root.destroyBasicDialog(true)
            })
    }

    FileDialog {
        id: saveDialog
        property int format: 0
        title: qsTr("Укажите куда сохранить файл")
        fileMode: FileDialog.SaveFile
        onAccepted: {
            AppSettings.lastLogExportFolder = currentFolder.toString()
            root.exportTo(selectedFile, format)
        }
        function openFor(format_) {
            format = format_
            const f = root.formats[format_]
            nameFilters = [f.filter]
            const folder = AppSettings.lastLogExportFolder.length > 0
                ? AppSettings.lastLogExportFolder
                : StandardPaths.writableLocation(StandardPaths.DocumentsLocation).toString()
            currentFolder = folder
            selectedFile = folder + "/" + LapTexts.baseName(root.result.fileName || "log") + f.ext
            open()
        }
    }

    Item {
        id: page
        anchors.fill: parent
        anchors.margins: 10 * root.ps

        // Left: what the log is, and its laps.
        Column {
            id: left
            width: page.width * 0.3
            height: page.height
            spacing: 6 * root.ps
            Item {
                id: headerBox
                width: parent.width
                height: Math.max(header.implicitHeight, plotsButton.height)
                Text {
                    id: header
                    objectName: "lapsHeader"
                    width: parent.width - plotsButton.width - 8 * root.ps
                    text: root.result.logRate !== undefined ? LapTexts.headerText(root.result) : ""
                    color: AppStyle.textColor
                    font.pixelSize: AppStyle.basicFontSize * 0.9
                }
                // The log's channels as plots.
                FlatButton {
                    id: plotsButton
                    objectName: "openLogView"
                    anchors.right: parent.right
                    width: 130 * root.ps
                    height: 40 * root.ps
                    text: qsTr("Графики")
                    enabled: root.result.fileError === undefined && root.logPath !== ""
                    onClicked: if (root.window) root.window.showLogViewDialog(root.logPath)
                }
            }
            Item {
                width: parent.width
                height: parent.height - headerBox.height - parent.spacing
                ListView {
                    id: lapsList
                    objectName: "lapsList"
                    anchors.fill: parent
                    clip: true
                    spacing: 3 * root.ps
                    visible: root.lapsAvailable
                    boundsBehavior: Flickable.StopAtBounds
                    model: root.lapsAvailable && root.result.lapsList ? root.result.lapsList : []
                    ScrollBar.vertical: ScrollBar { policy: lapsList.contentHeight > lapsList.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }
                    delegate: LapRow {
                        width: lapsList.width - 12 * root.ps
                        bestMsec: root.result.bestLapMsec || 0
                        selected: index === root.selectedLap
                        onChosen: root.selectedLap = index
                    }
                }
                Text {
                    objectName: "lapsError"
                    anchors.centerIn: parent
                    width: parent.width
                    visible: !root.lapsAvailable
                    text: root.result.lapsError !== undefined ? root.result.lapsError + qsTr("\n\nСписок кругов не доступен") : ""
                    color: AppStyle.destructiveColor
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    font.pixelSize: AppStyle.basicFontSize
                }
            }
        }

        // Right: the map and the plot above, the log's start line, best lap and exports below.
        Item {
            id: right
            anchors.left: left.right
            anchors.leftMargin: 10 * root.ps
            anchors.right: parent.right
            height: parent.height
            readonly property real groupsHeight: Math.max(230 * root.ps, height * 0.34)

            TrackMap {
                id: map
                objectName: "trackMap"
                width: Math.min(right.width * 0.38, right.height - right.groupsHeight - 8 * root.ps)
                height: right.height - right.groupsHeight - 8 * root.ps
                plot: root.plot
                lap: root.selectedLap
                cursorDistance: root.cursorDistance
                onDistanceClicked: (distance) => root.cursorDistance = distance
            }
            DeltaPlot {
                objectName: "deltaPlot"
                anchors.left: map.right
                anchors.leftMargin: 8 * root.ps
                anchors.right: parent.right
                height: map.height
                plot: root.plot
                lap: root.selectedLap
                cursorDistance: root.cursorDistance
                onCursorRequested: (distance) => root.cursorDistance = distance
            }

            Row {
                id: groups
                anchors.bottom: parent.bottom
                width: parent.width
                height: right.groupsHeight
                spacing: 8 * root.ps
                // The export group is wider: its choices are long ("формат CSV (Epifan, EcuEdit, ...)").
                readonly property real groupWidth: (width - 2 * spacing) * 0.29
                readonly property real exportWidth: width - 2 * spacing - 2 * groupWidth
                readonly property real buttonHeight: 40 * root.ps

                GroupPanel {
                    width: groups.groupWidth
                    height: parent.height
                    title: qsTr("Линия старта(в логе)")
                    Text {
                        width: parent.width
                        text: root.hasLaps || root.result.startPointLat !== undefined
                              ? LapTexts.startLineText(root.result.startPointLat || 0, root.result.startPointLon || 0,
                                                       root.result.startPointCourse || 0) : ""
                        color: AppStyle.textColor
                        font.pixelSize: AppStyle.basicFontSize * 0.85
                    }
                    Column {
                        anchors.bottom: parent.bottom
                        width: parent.width
                        spacing: 6 * root.ps
                        FlatButton {
                            width: parent.width; height: groups.buttonHeight
                            text: qsTr("Экспорт в файл")
                            enabled: root.lapsAvailable
                            onClicked: root.exportStartLine()
                        }
                        FlatButton {
                            width: parent.width; height: groups.buttonHeight
                            text: qsTr("Применить")
                            color: AppStyle.confirmColor
                            enabled: root.lapsAvailable
                            onClicked: root.applyStartLine()
                        }
                    }
                }
                GroupPanel {
                    width: groups.groupWidth
                    height: parent.height
                    title: qsTr("Лучший круг(в логе)")
                    Text {
                        objectName: "bestLapText"
                        width: parent.width
                        height: parent.height - 2 * groups.buttonHeight - 12 * root.ps
                        text: root.hasLaps ? LapTexts.bestLapText(root.result) : ""
                        color: AppStyle.textColor
                        font.pixelSize: AppStyle.basicFontSize * 0.85
                        lineHeight: 0.85
                        clip: true
                    }
                    Column {
                        anchors.bottom: parent.bottom
                        width: parent.width
                        spacing: 6 * root.ps
                        FlatButton {
                            width: parent.width; height: groups.buttonHeight
                            text: qsTr("Экспорт в файл")
                            enabled: root.lapsAvailable
                            onClicked: root.exportBestLap()
                        }
                        FlatButton {
                            width: parent.width; height: groups.buttonHeight
                            text: qsTr("Применить")
                            color: AppStyle.confirmColor
                            enabled: root.lapsAvailable
                            onClicked: root.applyBestLap()
                        }
                    }
                }
                GroupPanel {
                    width: groups.exportWidth
                    height: parent.height
                    title: qsTr("Конвертация, экспорт, удаление файла elog")
                    MyComboBox {
                        id: formatCombo
                        objectName: "exportFormat"
                        width: parent.width
                        height: groups.buttonHeight
                        model: root.formats
                        enabled: root.result.fileError === undefined && root.logPath !== ""
                        currentIndex: Math.min(AppSettings.lastLogExportFileFormat, root.formats.length - 1)
                        onActivated: (i) => AppSettings.lastLogExportFileFormat = i
                    }
                    Column {
                        anchors.bottom: parent.bottom
                        width: parent.width
                        spacing: 6 * root.ps
                        FlatButton {
                            objectName: "exportLog"
                            width: parent.width; height: groups.buttonHeight
                            text: qsTr("Экспорт в файл")
                            enabled: formatCombo.enabled && !root.exporting
                            onClicked: saveDialog.openFor(formatCombo.currentIndex)
                        }
                        FlatButton {
                            objectName: "deleteLog"
                            width: parent.width; height: groups.buttonHeight
                            text: qsTr("Удалить")
                            color: AppStyle.destructiveColor
                            enabled: !root.isExternalFile && root.logPath !== ""
                            onClicked: root.askDelete()
                        }
                    }
                }
            }
        }
    }
}
