import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../utils/PdmLive.js" as Live

// What the PDM reports right now: board values, outputs, inputs, conditions and counters, CAN.
// Rows are built once from the settings; each data message only refreshes one snapshot, so a
// fast stream costs a few bindings per row and allocates nothing that piles up.
BasicDialog {
    id: root
    objectName: "pdmRealtimeDataDialog"
    fullScreen: true
    title: qsTr("Текущее состояние PDM")
    headerInfoText: pdm ? qsTr("использовано операций %1").arg(pdm.activePdmFunctions) + " / " + MyDefines.max_PDM_FUNCTIONS_COUNT : ""

    readonly property var pdm: DevSettings.pdm
    readonly property real ps: AppStyle.pixelScale
    readonly property var description: kernel ? kernel.pdmDescription : ({})
    readonly property int outputsCount: description.outputsCount || 30
    readonly property int inputsCount: description.inputsCount || 20
    readonly property bool isConnected: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline
    property bool isOnline: false
    property int messagesSeen: 0

    // One copy of the last message, taken once per message.
    property var live: emptyLive()

    // Rows, rebuilt when new settings arrive.
    property var outputRows: []
    property var inputRows: []
    property var functionRows: []
    property var canRows: []

    function emptyLive() {
        return { boardTemperature: 0, totalCurrent: 0, battVoltage: 0, inputsState: 0, outputsState: 0,
                 overcurrent: 0, fault: 0, currents: [], duties: [], functionsState: [], counters: [],
                 pdmFlags: 0, canDi: 0, canAi: [], ecuSensors: [] }
    }

    function takeSnapshot() {
        const rt = kernel ? kernel.pdmRealtimeData : null
        if (!rt)
            return
        live = { boardTemperature: rt.boardTemperature, totalCurrent: rt.totalCurrent, battVoltage: rt.battVoltage,
                 inputsState: rt.inputsState, outputsState: rt.outputsState,
                 overcurrent: rt.outputsOvercurrentFlags, fault: rt.outputsFaultFlags,
                 currents: rt.outputsCurrent, duties: rt.pwmDuties, functionsState: rt.functionsState,
                 counters: rt.countersValue, pdmFlags: rt.pdmFlags, canDi: rt.pdmCAN_DI, canAi: rt.pdmCAN_AI,
                 ecuSensors: rt.ecuSensors }
    }

    function rebuildRows() {
        if (!pdm) {
            outputRows = []; inputRows = []; functionRows = []; canRows = []
            return
        }
        const outputs = pdm.outputs
        const pins = description.outputPins || []
        const recommended = description.outputsRecommendedCurrent || []
        const outNames = []
        for (let i = 0; i < outputsCount; ++i)
            outNames.push(outputs[i].outputName)
        outputRows = Live.namedFirst(outNames, outputsCount).map(i => ({
            index: i, name: outNames[i].length ? outNames[i] : "------", pin: pins[i] || "",
            recommended: recommended[i] || 0,
            isPwm: ((outputs[i].configBits >> ArdixEnums.OutputPwmModeActive) & 1) === 1 }))

        const inputs = pdm.inputs
        const inPins = description.inputsPins || []
        const inNames = []
        for (let i = 0; i < inputsCount; ++i)
            inNames.push(inputs[i].inputName)
        inputRows = Live.namedFirst(inNames, inputsCount).map(i => ({
            index: i, name: inNames[i].length ? inNames[i] : "------", pin: inPins[i] || "" }))

        const fRows = []
        const functions = pdm.functions
        const order = pdm.getGlobalFuncListOrder()
        for (let k = 0; k < order.length; ++k) {
            const f = functions[order[k].funcId]
            const isCounter = ((f.configBits >> ArdixEnums.FunctionIsCounter) & 1) === 1
            fRows.push({ id: order[k].funcId, name: f.functionName.length ? f.functionName : "#" + (order[k].funcId + 1),
                         isCounter: isCounter, number: f.additionalConstValueToCompareWith })
        }
        functionRows = fRows

        const cRows = [{ kind: "flag", name: "Ardix", bit: ArdixEnums.IsArdixOnline_PdmFlag }]
        if (pdm.other.ecuProtocol !== 0) {
            cRows.push({ kind: "flag", name: "ECU", bit: ArdixEnums.IsEcuOnline_PdmFlag })
            const seen = {}
            for (let i = 0; i < functions.length; ++i) {
                const f = functions[i]
                if (f.configBits !== 0 && f.inChannelType === ArdixEnums.ChannelType_ECU_CanData && !seen[f.inChannel]) {
                    seen[f.inChannel] = true
                    const s = kernel ? kernel.getSensor(f.inChannel) : null
                    cRows.push({ kind: "ecu", name: s ? s.shortSensorName : "ECU #" + f.inChannel, index: f.inChannel })
                }
            }
        }
        const can = pdm.customCan
        for (let i = 0; i < can.canDigitalInputs.length; ++i) {
            const d = can.canDigitalInputs[i]
            if (d.isInputEnabled)
                cRows.push({ kind: "di", name: qsTr("Вход #%1").arg(i + 1) + " " + d.inputName, index: i })
        }
        for (let i = 0; i < can.canAnalogInputs.length; ++i) {
            const a = can.canAnalogInputs[i]
            if (a.isInputEnabled)
                cRows.push({ kind: "ai", name: qsTr("Данные #%1").arg(i + 1) + " " + a.inputName, index: i })
        }
        canRows = cRows
    }

    function startLoop() {
        if (!kernel)
            return
        kernel.isPdmRealtimeModeOn = true
        if (isConnected) {
            kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.PdmStartRealTimeDataLoop, 1)
            keepAlive(true)
        }
    }
    function keepAlive(on) {
        if (window && typeof window.pdmLiveKeepAlive === "function")
            window.pdmLiveKeepAlive(on)
    }

    Component.onCompleted: {
        rebuildRows()
        startLoop()
    }
    Component.onDestruction: {
        keepAlive(false)
        if (kernel) {
            if (isConnected)
                kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.PdmStartRealTimeDataLoop, 0)
            kernel.isPdmRealtimeModeOn = false
        }
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onNewPdmRealtimeDataRecieved() {
            root.takeSnapshot()
            root.messagesSeen += 1
            root.isOnline = true
            onlineTimer.restart()
            root.keepAlive(true)
        }
        function onArdixStatusChangedSignal() {
            if (root.isConnected) {
                root.startLoop()
            } else {
                root.keepAlive(false)
                root.isOnline = false
            }
        }
        function onNewConfigDownloadedFromArdix() { root.rebuildRows() }
        function onDeviceIdChanged() { root.rebuildRows() }
    }

    // No message for this long: the view says it has no connection.
    Timer {
        id: onlineTimer
        interval: 500
        repeat: true
        onTriggered: root.isOnline = false
    }

    // What a screen reader says of an output's state.
    function outputStateText(i) {
        if (Live.bit(live.fault, i))
            return qsTr("ошибка")
        if (Live.bit(live.overcurrent, i))
            return qsTr("перегрузка")
        return Live.bit(live.outputsState, i) ? qsTr("вкл.") : qsTr("выкл.")
    }

    component Lamp: Rectangle {
        property bool on: false
        property color onColor: AppStyle.liveGreenColor
        width: 22 * root.ps
        height: width
        radius: width / 2
        color: on ? onColor : AppStyle.lineColor
        border.color: AppStyle.midGreyColor
        border.width: 1
    }
    component Cell: Text {
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize * 0.9
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
    }
    component Heading: Text {
        color: AppStyle.primaryColor
        font.pixelSize: AppStyle.basicFontSize
        font.capitalization: Font.AllUppercase
    }
    component Panel: Rectangle {
        default property alias body: col.data
        width: parent ? parent.width : 0
        height: col.implicitHeight + 20 * root.ps
        color: AppStyle.whiteColor
        border.color: AppStyle.lineColor
        radius: 6
        Column {
            id: col
            x: 12 * root.ps
            y: 10 * root.ps
            width: parent.width - 24 * root.ps
            spacing: 4 * root.ps
        }
    }

    Text {
        objectName: "noConnectionText"
        visible: !root.isOnline
        anchors.centerIn: parent
        z: 2
        text: qsTr("нет подключения")
        color: AppStyle.errorDarkColor
        font.pixelSize: AppStyle.basicTitleSize * 1.2
        font.capitalization: Font.AllUppercase
        style: Text.Outline
        styleColor: AppStyle.whiteColor
    }

    Flickable {
        id: flick
        anchors.fill: parent
        anchors.margins: 14 * root.ps
        contentHeight: Math.max(leftColumn.implicitHeight, rightColumn.implicitHeight)
        clip: true
        opacity: root.isOnline ? 1 : 0.45
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

        Column {
            id: leftColumn
            width: flick.width * 0.56 - 7 * root.ps
            spacing: 12 * root.ps

            Panel {
                Row {
                    spacing: 30 * root.ps
                    Cell { objectName: "boardTemperatureText"; text: qsTr("Температура: %1").arg(root.live.boardTemperature) + " °C" }
                    Cell { objectName: "totalCurrentText"; text: qsTr("Общий ток: %1").arg(Live.oneDecimal(root.live.totalCurrent, 100)) + qsTr("А") }
                    Cell { objectName: "battVoltageText"; text: qsTr("Напряжение: %1").arg(Live.oneDecimal(root.live.battVoltage, 1000)) + qsTr("В") }
                }
            }

            Panel {
                Row {
                    width: parent.width
                    Heading { width: parent.width * 0.40; text: qsTr("Выход PDM") }
                    Heading { width: parent.width * 0.17; text: qsTr("Пин") }
                    Heading { width: parent.width * 0.13; text: qsTr("Ток") }
                    Heading { width: parent.width * 0.10; text: qsTr("Сост.") }
                    Heading { width: parent.width * 0.20; text: qsTr("Загрузка") }
                }
                Repeater {
                    model: root.outputRows
                    Row {
                        id: outRow
                        required property var modelData
                        readonly property int i: modelData.index
                        readonly property var load: Live.outputLoad(modelData.isPwm, root.live.duties[i] || 0,
                                                                    root.live.currents[i] || 0, modelData.recommended)
                        objectName: "outputRow_" + i
                        Accessible.role: Accessible.Row
                        Accessible.name: qsTr("%1. %2: %3, ток %4 А").arg(i + 1).arg(modelData.name).arg(root.outputStateText(i)).arg(Live.oneDecimal(root.live.currents[i] || 0, 100))
                        width: parent.width
                        height: 30 * root.ps
                        Cell { width: parent.width * 0.40; height: parent.height; text: (outRow.i + 1) + ". " + outRow.modelData.name }
                        Cell { width: parent.width * 0.17; height: parent.height; text: outRow.modelData.pin }
                        Cell { width: parent.width * 0.13; height: parent.height; text: Live.oneDecimal(root.live.currents[outRow.i] || 0, 100) + "A" }
                        Item {
                            width: parent.width * 0.10; height: parent.height
                            Lamp {
                                objectName: "outputLamp_" + outRow.i
                                anchors.verticalCenter: parent.verticalCenter
                                on: Live.bit(root.live.outputsState | root.live.overcurrent | root.live.fault, outRow.i)
                                onColor: AppStyle.liveColor(Live.outputLampLevel(outRow.i, root.live.outputsState, root.live.overcurrent, root.live.fault))
                            }
                        }
                        Item {
                            width: parent.width * 0.20; height: parent.height
                            Rectangle {
                                anchors.verticalCenter: parent.verticalCenter
                                width: parent.width - 6 * root.ps
                                height: parent.height * 0.62
                                color: AppStyle.rowAltColor
                                border.color: AppStyle.borderColor
                                Rectangle {
                                    width: parent.width * outRow.load.percent / 100
                                    height: parent.height
                                    color: AppStyle.liveColor(outRow.load.level)
                                }
                                Text {
                                    anchors.centerIn: parent
                                    text: outRow.load.percent + "%"
                                    color: AppStyle.textColor
                                    font.pixelSize: parent.height * 0.7
                                }
                            }
                        }
                    }
                }
            }
        }

        Column {
            id: rightColumn
            x: flick.width * 0.56 + 7 * root.ps
            width: flick.width * 0.44 - 7 * root.ps
            spacing: 12 * root.ps

            Panel {
                Row {
                    width: parent.width
                    Heading { width: parent.width * 0.58; text: qsTr("Вход PDM") }
                    Heading { width: parent.width * 0.24; text: qsTr("Пин") }
                    Heading { width: parent.width * 0.18; text: qsTr("Сост.") }
                }
                Repeater {
                    model: root.inputRows
                    Row {
                        id: inRow
                        required property var modelData
                        Accessible.role: Accessible.Row
                        Accessible.name: qsTr("%1. %2: %3").arg(modelData.index + 1).arg(modelData.name).arg(Live.bit(root.live.inputsState, modelData.index) ? qsTr("вкл.") : qsTr("выкл."))
                        width: parent.width
                        height: 30 * root.ps
                        Cell { width: parent.width * 0.58; height: parent.height; text: (inRow.modelData.index + 1) + ". " + inRow.modelData.name }
                        Cell { width: parent.width * 0.24; height: parent.height; text: inRow.modelData.pin }
                        Item {
                            width: parent.width * 0.18; height: parent.height
                            Lamp {
                                objectName: "inputLamp_" + inRow.modelData.index
                                anchors.verticalCenter: parent.verticalCenter
                                on: Live.bit(root.live.inputsState, inRow.modelData.index)
                            }
                        }
                    }
                }
            }

            Panel {
                Heading { text: qsTr("Условия/Счетчики") }
                Cell {
                    visible: root.functionRows.length === 0
                    text: qsTr("нет глобальных функций и счетчиков")
                    color: AppStyle.midGreyColor
                }
                Repeater {
                    model: root.functionRows
                    Row {
                        id: fRow
                        required property var modelData
                        width: parent.width
                        height: 30 * root.ps
                        spacing: 10 * root.ps
                        Lamp {
                            anchors.verticalCenter: parent.verticalCenter
                            on: Live.funcState(root.live.functionsState, fRow.modelData.id)
                        }
                        Cell {
                            width: parent.width - 40 * root.ps
                            height: parent.height
                            text: fRow.modelData.name + (fRow.modelData.isCounter
                                  ? " = " + Live.counterValue(root.live.counters, fRow.modelData.number) : "")
                        }
                    }
                }
            }

            Panel {
                Heading { text: "Can Bus" }
                Repeater {
                    model: root.canRows
                    Row {
                        id: cRow
                        required property var modelData
                        width: parent.width
                        height: 30 * root.ps
                        spacing: 10 * root.ps
                        Lamp {
                            anchors.verticalCenter: parent.verticalCenter
                            visible: cRow.modelData.kind === "flag" || cRow.modelData.kind === "di"
                            on: cRow.modelData.kind === "flag" ? Live.bit(root.live.pdmFlags, cRow.modelData.bit)
                                                               : Live.bit(root.live.canDi, cRow.modelData.index)
                        }
                        Cell {
                            width: parent.width - 40 * root.ps
                            height: parent.height
                            text: cRow.modelData.name + (cRow.modelData.kind === "ai" ? " = " + (root.live.canAi[cRow.modelData.index] || 0)
                                  : cRow.modelData.kind === "ecu" ? " = " + (root.live.ecuSensors[cRow.modelData.index] || 0) : "")
                        }
                    }
                }
            }
        }
    }
}
