import QtQuick
import ARDIX 1.0
import "myComponents"
import "utils/PdmLive.js" as Live

// The PDM at a glance on its main screen: supply, load and temperature, how many outputs are on,
// and which outputs report overcurrent or a fault. The PDM sends live values only when asked, so
// the summary asks for them while it is what the user looks at (no settings, no sync question) and
// stops the stream before anything else talks to the device.
Column {
    id: summary
    objectName: "pdmHomeSummary"

    property var kernel: null
    property var window: null
    property real s: 1
    // Whether the screen is what the user sees: set by the main screen.
    property bool shown: false
    // Where dialogs open: the live view runs the stream itself while it is open.
    property Item dialogs: null
    readonly property bool liveViewOpen: dialogs !== null
                                         && Array.prototype.some.call(dialogs.children, d => d.objectName === "pdmRealtimeDataDialog")

    readonly property var pdm: DevSettings.pdm
    readonly property bool isOnline: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline
    readonly property bool wantsLive: shown && isOnline && pdm !== null && kernel.deviceId === ArdixEnums.Device_Pmx
                                      && window !== null && !window.isPdmSettingsOnScreen && !window.isSyncDialogOn
                                      && !window.isBusyOnScreen && !liveViewOpen
    property bool isLive: false       // the stream was asked for by this screen
    property bool hasData: false      // values arrived since it was asked for
    property var live: ({ battVoltage: 0, totalCurrent: 0, boardTemperature: 0, outputsState: 0,
                          overcurrent: 0, fault: 0 })

    readonly property int outputsCount: {
        const d = kernel ? kernel.pdmDescription : null
        return d && d.outputsCount ? d.outputsCount : 30
    }
    readonly property int outputsOn: countBits(live.outputsState)
    readonly property var overcurrentNames: namesOf(live.overcurrent)
    readonly property var faultNames: namesOf(live.fault)

    function countBits(mask) {
        let n = 0
        for (let i = 0; i < outputsCount; ++i)
            if (Live.bit(mask, i))
                ++n
        return n
    }
    function outputName(i) {
        const name = pdm && pdm.outputs[i] ? pdm.outputs[i].outputName : ""
        return name.length ? name : qsTr("Выход #%1").arg(i + 1)
    }
    function namesOf(mask) {
        const out = []
        for (let i = 0; i < outputsCount; ++i)
            if (Live.bit(mask, i))
                out.push(outputName(i))
        return out
    }

    // A short pause after the conditions hold: the exchanges that follow a connection go first.
    onWantsLiveChanged: wantsLive ? settle.restart() : stopLive()
    Timer {
        id: settle
        interval: 1500
        onTriggered: if (summary.wantsLive) summary.startLive()
    }
    function keepAlive(on) {
        if (window && typeof window.pdmLiveKeepAlive === "function")
            window.pdmLiveKeepAlive(on)
    }
    function startLive() {
        if (isLive || !kernel)
            return
        isLive = true
        hasData = false
        kernel.isPdmRealtimeModeOn = true
        kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.PdmStartRealTimeDataLoop, 1)
        keepAlive(true)
    }
    function stopLive() {
        settle.stop()
        if (!isLive)
            return
        isLive = false
        hasData = false
        keepAlive(false)
        if (kernel) {
            if (isOnline)
                kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.PdmStartRealTimeDataLoop, 0)
            kernel.isPdmRealtimeModeOn = false
        }
    }
    Component.onDestruction: stopLive()

    Connections {
        target: summary.kernel
        enabled: summary.isLive
        ignoreUnknownSignals: true
        function onNewPdmRealtimeDataRecieved() {
            const rt = summary.kernel.pdmRealtimeData
            if (!rt)
                return
            summary.live = { battVoltage: rt.battVoltage, totalCurrent: rt.totalCurrent,
                             boardTemperature: rt.boardTemperature, outputsState: rt.outputsState,
                             overcurrent: rt.outputsOvercurrentFlags, fault: rt.outputsFaultFlags }
            summary.hasData = true
            summary.keepAlive(true)
        }
    }

    spacing: 10 * s
    visible: isOnline

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 36 * summary.s
        Repeater {
            model: [
                { name: "pdmHomeVoltage", label: qsTr("Питание"), value: Live.oneDecimal(summary.live.battVoltage, 1000), unit: qsTr("В") },
                { name: "pdmHomeCurrent", label: qsTr("Общий ток"), value: Live.oneDecimal(summary.live.totalCurrent, 100), unit: qsTr("А") },
                { name: "pdmHomeTemperature", label: qsTr("Температура"), value: String(summary.live.boardTemperature), unit: "°C" }
            ]
            delegate: Column {
                required property var modelData
                spacing: 2 * summary.s
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: modelData.label
                    color: AppStyle.borderColor
                    font.pixelSize: 16 * summary.s
                }
                Text {
                    objectName: modelData.name
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: summary.hasData ? modelData.value + " " + modelData.unit : "—"
                    color: AppStyle.lightTextColor
                    font.pixelSize: 34 * summary.s
                    Accessible.name: modelData.label + ": " + text
                }
            }
        }
    }
    Text {
        objectName: "pdmHomeOutputsOn"
        anchors.horizontalCenter: parent.horizontalCenter
        visible: summary.hasData
        text: qsTr("Включено выходов: %1 из %2").arg(summary.outputsOn).arg(summary.outputsCount)
        color: AppStyle.lightTextColor
        font.pixelSize: 18 * summary.s
    }
    Text {
        objectName: "pdmHomeFaults"
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(implicitWidth, (summary.parent ? summary.parent.width : implicitWidth) * 0.9)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        maximumLineCount: 3
        elide: Text.ElideRight
        text: !summary.hasData ? qsTr("Ожидание данных PDM…")
              : summary.faultNames.length === 0 && summary.overcurrentNames.length === 0 ? qsTr("Неисправностей нет")
              : [summary.faultNames.length ? qsTr("Неисправность: %1").arg(summary.faultNames.join(", ")) : "",
                 summary.overcurrentNames.length ? qsTr("Перегрузка по току: %1").arg(summary.overcurrentNames.join(", ")) : ""]
                .filter(t => t.length).join("\n")
        color: !summary.hasData ? AppStyle.borderColor
               : AppStyle.liveColor(summary.faultNames.length ? "fault" : summary.overcurrentNames.length ? "overcurrent" : "on")
        font.pixelSize: 18 * summary.s
    }
}
