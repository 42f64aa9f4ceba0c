import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../../myComponents"
import "LogViewAxis.js" as ViewAxis

// A log looked at: its channels as stacked plots on one axis (time or GPS distance), zoomed with
// the wheel and moved by dragging, a cursor whose values stand beside the channel names and whose
// place the track map marks; or two laps laid over each other against distance, with the time
// one gains on the other below.
BasicDialog {
    id: root
    objectName: "logViewDialog"
    fullScreen: true
    title: model.fileName !== "" ? model.fileName : qsTr("Графики")

    property string logPath: ""
    readonly property real ps: AppStyle.pixelScale
    readonly property alias model: viewModel

    // 0 time, 1 distance.
    property int axis: 0
    property bool lapMode: false
    property int lapA: -1
    property int lapB: -1
    readonly property int frameLap: lapMode ? lapA : -1
    readonly property real axisLength: model.ready ? model.axisLength(axis, frameLap) : 0
    property real from: 0
    property real to: 1
    // The cursor as a record of the whole log; -1 before it is placed.
    property real cursorRecord: -1
    readonly property real cursorX: model.ready && cursorRecord >= 0 ? model.axisAt(axis, frameLap, cursorRecord) : -1
    readonly property real compareRecord: lapMode && lapB >= 0 && cursorX >= 0 ? model.recordAt(axis, lapB, cursorX) : -1
    property var shown: []

    readonly property var allChannels: model.ready ? model.channels.map(c => c.index) : []
    readonly property var values: model.ready && cursorRecord >= 0 ? model.readout(allChannels, cursorRecord) : []
    readonly property var compareValues: compareRecord >= 0 ? model.readout(allChannels, compareRecord) : []
    readonly property var validLaps: model.lapsReady ? model.laps.filter(l => l.valid) : []
    readonly property bool canCompare: model.hasDistance && validLaps.length >= 2

    LogViewModel {
        id: viewModel
        kernel: root.kernel
        onStateChanged: if (ready) root.resetView()
        onLapsChanged: root.chooseLaps()
    }
    LapPlot { id: lapPlot }

    Component.onCompleted: {
        if (logPath !== "")
            model.load(logPath)
        forceActiveFocus()
    }

    function resetView() {
        const n = model.channels.length
        if (shown.length === 0)
            shown = model.channels.slice(0, Math.min(4, n)).map(c => c.index)
        // Not the axisLength binding: it may not have seen the model become ready yet.
        from = 0
        to = Math.max(model.axisLength(axis, frameLap), 1e-6)
    }

    function chooseLaps() {
        // From the model itself: the validLaps binding may not have seen the laps yet.
        const pair = ViewAxis.defaultLaps(model.laps.filter(l => l.valid), model.bestLap)
        lapA = pair[0]
        lapB = pair[1]
    }

    function toggle(channel) {
        const i = shown.indexOf(channel)
        shown = i >= 0 ? shown.filter(c => c !== channel) : shown.concat([channel])
    }

    function setAxis(a) {
        if (a === axis || (a === 1 && !model.hasDistance))
            return
        axis = a
        resetView()
    }

    function setLapMode(on) {
        if (on === lapMode || (on && !canCompare))
            return
        if (on) {
            axis = 1
            if (!lapPlot.ready && !lapPlot.loading) {
                const gps = DevSettings.dash ? DevSettings.dash.commonSettings.gpsAccelerationMeasureSettings : null
                lapPlot.load(logPath, gps ? gps.startPointLat : 0, gps ? gps.startPointLon : 0, gps ? gps.startPointCourse : 0)
            }
        }
        lapMode = on
        cursorRecord = -1
        resetView()
    }

    function setCursorX(x) {
        if (!model.ready)
            return
        cursorRecord = model.recordAt(axis, frameLap, Math.max(0, Math.min(axisLength, x)))
    }

    // A cursor placed from the map: bring it into view.
    function showRecord(record) {
        cursorRecord = record
        const range = ViewAxis.centreOn(cursorX, from, to, axisLength)
        from = range[0]
        to = range[1]
    }

    function zoom(factor, atFraction) {
        const range = ViewAxis.zoom(from, to, axisLength, factor, atFraction, ViewAxis.minSpan(axis))
        from = range[0]
        to = range[1]
    }

    function pan(fraction) {
        const range = ViewAxis.pan(from, to, axisLength, fraction)
        from = range[0]
        to = range[1]
    }

    Keys.onPressed: (event) => {
        const step = (to - from) / 100
        if (event.key === Qt.Key_Left || event.key === Qt.Key_Right) {
            setCursorX((cursorX >= 0 ? cursorX : from) + (event.key === Qt.Key_Left ? -step : step))
            event.accepted = true
        } else if (event.key === Qt.Key_Plus || event.key === Qt.Key_Equal) {
            zoom(0.5, cursorX >= from && cursorX <= to ? (cursorX - from) / (to - from) : 0.5)
            event.accepted = true
        } else if (event.key === Qt.Key_Minus) {
            zoom(2, 0.5)
            event.accepted = true
        } else if (event.key === Qt.Key_Home) {
            resetView()
            event.accepted = true
        }
    }

    Item {
        id: page
        anchors.fill: parent
        anchors.margins: 10 * root.ps

        // What is drawn against what.
        Row {
            id: toolbar
            height: 44 * root.ps
            spacing: 8 * root.ps
            readonly property real buttonWidth: 150 * root.ps

            FlatButton {
                objectName: "axisTime"
                visible: !root.lapMode
                width: toolbar.buttonWidth; height: parent.height
                text: qsTr("Время")
                role: root.axis === 0 ? "primary" : "secondary"
                enabled: root.model.ready && !root.lapMode
                onClicked: root.setAxis(0)
            }
            FlatButton {
                objectName: "axisDistance"
                visible: !root.lapMode
                width: toolbar.buttonWidth; height: parent.height
                text: qsTr("Дистанция")
                role: root.axis === 1 ? "primary" : "secondary"
                enabled: root.model.hasDistance && !root.lapMode
                onClicked: root.setAxis(1)
            }
            FlatButton {
                objectName: "lapMode"
                width: toolbar.buttonWidth * 1.2; height: parent.height
                text: root.lapMode ? qsTr("Весь лог") : qsTr("Два круга")
                enabled: root.lapMode || root.canCompare
                onClicked: root.setLapMode(!root.lapMode)
            }
            MyComboBox {
                id: lapACombo
                objectName: "lapA"
                visible: root.lapMode
                width: toolbar.buttonWidth * 1.5; height: parent.height
                model: root.validLaps.map(l => ({ text: qsTr("Круг %1").arg(l.entry + 1) + "  " + l.lapTimeText, value: l.entry }))
                currentIndex: root.validLaps.findIndex(l => l.entry === root.lapA)
                onActivated: (i) => root.lapA = root.validLaps[i].entry
                Accessible.name: qsTr("Первый круг")
            }
            MyComboBox {
                objectName: "lapB"
                visible: root.lapMode
                width: toolbar.buttonWidth * 1.5; height: parent.height
                model: lapACombo.model
                currentIndex: root.validLaps.findIndex(l => l.entry === root.lapB)
                onActivated: (i) => root.lapB = root.validLaps[i].entry
                Accessible.name: qsTr("Второй круг")
            }
            FlatButton {
                objectName: "resetZoom"
                width: toolbar.buttonWidth; height: parent.height
                text: qsTr("Весь диапазон")
                role: "secondary"
                enabled: root.model.ready
                onClicked: root.resetView()
            }
        }
        Text {
            objectName: "logInfo"
            anchors.right: parent.right
            anchors.left: toolbar.right
            anchors.leftMargin: 10 * root.ps
            height: toolbar.height
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignRight
            text: root.model.ready ? ViewAxis.infoText(root.model) : ""
            color: AppStyle.mutedTextColor
            font.pixelSize: AppStyle.smallFontSize
            elide: Text.ElideLeft
        }

        // Left: the channels with their values at the cursor, and the map.
        Item {
            id: side
            anchors.top: toolbar.bottom
            anchors.topMargin: 8 * root.ps
            anchors.bottom: parent.bottom
            width: Math.max(240 * root.ps, page.width * 0.25)

            ListView {
                id: channelList
                objectName: "channelList"
                width: parent.width
                height: parent.height - map.height - 8 * root.ps
                clip: true
                spacing: 2 * root.ps
                boundsBehavior: Flickable.StopAtBounds
                model: root.model.ready ? root.model.channels : []
                ScrollBar.vertical: ScrollBar { policy: channelList.contentHeight > channelList.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }
                delegate: LogViewChannelRow {
                    width: channelList.width - 12 * root.ps
                    shown: root.shown.indexOf(modelData.index) >= 0
                    value: root.values.length > index ? root.values[index] : ""
                    compareValue: root.compareValues.length > index ? root.compareValues[index] : ""
                    onToggled: root.toggle(modelData.index)
                }
            }
            LogViewMap {
                id: map
                objectName: "logMap"
                anchors.bottom: parent.bottom
                width: parent.width
                height: Math.min(width, side.height * 0.45)
                model: root.model
                cursorRecord: root.cursorRecord
                lap: root.frameLap
                onRecordClicked: (record) => root.showRecord(record)
            }
        }

        // Right: the plots on one axis.
        Item {
            id: plots
            anchors.top: toolbar.bottom
            anchors.topMargin: 8 * root.ps
            anchors.left: side.right
            anchors.leftMargin: 10 * root.ps
            anchors.right: parent.right
            anchors.bottom: parent.bottom

            readonly property real deltaHeight: root.lapMode ? Math.max(140 * root.ps, height * 0.28) : 0
            readonly property real axisHeight: 26 * root.ps

            Column {
                id: stack
                objectName: "plotStack"
                width: parent.width
                height: parent.height - plots.deltaHeight - plots.axisHeight - (root.lapMode ? 8 * root.ps : 0)
                spacing: 4 * root.ps
                readonly property real plotHeight: root.shown.length > 0
                    ? (height - spacing * (root.shown.length - 1)) / root.shown.length : 0

                Repeater {
                    model: root.shown
                    delegate: LogViewPlot {
                        required property var modelData
                        width: stack.width
                        height: stack.plotHeight
                        model: root.model
                        channel: modelData
                        name: root.model.channels[modelData] ? root.model.channels[modelData].name : ""
                        units: root.model.channels[modelData] ? root.model.channels[modelData].units : ""
                        axis: root.axis
                        lap: root.frameLap
                        compareLap: root.lapMode ? root.lapB : -1
                        from: root.from
                        to: root.to
                        cursorX: root.cursorX
                        marks: root.lapMode || !root.model.lapsReady ? [] : root.model.lapMarks(root.axis)
                    }
                }
            }
            MouseArea {
                id: plotMouse
                objectName: "plotMouse"
                anchors.fill: stack
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton
                cursorShape: pressed ? Qt.ClosedHandCursor : Qt.CrossCursor
                property real lastX: 0
                property bool dragged: false
                onPressed: (mouse) => { lastX = mouse.x; dragged = false; root.forceActiveFocus() }
                onPositionChanged: (mouse) => {
                    if (pressed) {
                        if (Math.abs(mouse.x - lastX) > 2)
                            dragged = true
                        if (dragged) {
                            root.pan((lastX - mouse.x) / width)
                            lastX = mouse.x
                        }
                    } else {
                        root.setCursorX(root.from + (root.to - root.from) * mouse.x / width)
                    }
                }
                onReleased: (mouse) => {
                    if (!dragged)
                        root.setCursorX(root.from + (root.to - root.from) * mouse.x / width)
                }
                onWheel: (wheel) => root.zoom(wheel.angleDelta.y > 0 ? 0.8 : 1.25, wheel.x / width)
            }
            Text {
                anchors.centerIn: stack
                visible: !root.model.ready || root.shown.length === 0
                width: stack.width * 0.8
                text: root.model.loading ? qsTr("Загрузка лога…")
                      : root.model.errorText !== "" ? root.model.errorText
                      : qsTr("Выберите каналы слева")
                color: root.model.errorText !== "" ? AppStyle.destructiveColor : AppStyle.midGreyColor
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                font.pixelSize: AppStyle.basicTitleSize
            }

            // The axis under the plots.
            Item {
                id: axisRow
                anchors.top: stack.bottom
                width: parent.width
                height: plots.axisHeight
                Text {
                    y: 4 * root.ps
                    text: root.model.ready ? root.model.axisText(root.axis, root.from) : ""
                    color: AppStyle.mutedTextColor
                    font.pixelSize: AppStyle.smallFontSize
                }
                Text {
                    objectName: "cursorText"
                    y: 4 * root.ps
                    // Over the ends' labels when it reaches them.
                    Rectangle { anchors.fill: parent; anchors.margins: -3 * root.ps; z: -1; color: AppStyle.pageColor }
                    visible: root.cursorX >= root.from && root.cursorX <= root.to
                    x: Math.max(0, Math.min(parent.width - width, (root.cursorX - root.from) / (root.to - root.from) * parent.width - width / 2))
                    text: root.model.ready && root.cursorX >= 0 ? root.model.axisText(root.axis, root.cursorX) : ""
                    color: AppStyle.textColor
                    font.pixelSize: AppStyle.smallFontSize
                    font.bold: true
                }
                Text {
                    anchors.right: parent.right
                    y: 4 * root.ps
                    text: root.model.ready ? root.model.axisText(root.axis, root.to) : ""
                    color: AppStyle.mutedTextColor
                    font.pixelSize: AppStyle.smallFontSize
                }
            }

            DeltaPlot {
                objectName: "viewDeltaPlot"
                visible: root.lapMode
                anchors.bottom: parent.bottom
                width: parent.width
                height: plots.deltaHeight
                plot: lapPlot
                lap: root.lapB
                cursorDistance: root.cursorX
                onCursorRequested: (distance) => root.setCursorX(distance)
            }
        }
    }
}
