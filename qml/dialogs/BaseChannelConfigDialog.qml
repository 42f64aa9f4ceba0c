import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "channels"
import "../utils/ChannelRules.js" as Channels

// The base of the pages that bind a dash function (a lamp, an action, a gear) to an input channel.
// It knows who holds each dash input, refreshes every row when a binding changes, and asks before
// leaving while a row still waits for its channel.
BasicDialog {
    id: root
    fullScreen: true
    customBackButtonFunction: true

    readonly property var dash: DevSettings.dash
    readonly property var extra: dash ? dash.extra : null
    readonly property var lampsInfo: kernel ? kernel.lampsInfo : []
    readonly property var lampsConfig: extra ? extra.lamps : []
    readonly property var actionsConfig: extra ? extra.actions : []
    readonly property var ardixDescription: kernel ? kernel.ardixDescription : ({})
    readonly property var dashInputPins: ardixDescription && ardixDescription.DI ? ardixDescription.DI : []
    readonly property var stdSensors: dash ? dash.sensors : []
    readonly property var customSensors: dash ? dash.customSensors : []
    readonly property var canDigitalInputs: extra && extra.customCan ? extra.customCan.canDigitalInputs : []
    readonly property var pdmOutputNames: {
        const names = []
        const outputs = DevSettings.pdm ? DevSettings.pdm.outputs : []
        for (let i = 0; i < outputs.length; ++i)
            names.push(outputs[i].outputName)
        return names
    }
    readonly property real ps: AppStyle.pixelScale

    // Bumped whenever a binding changes: every row re-reads its busy marks.
    property int busyRevision: 0
    // Bumped when new settings arrive: every row drops its unconfirmed choice.
    property int resetRevision: 0
    // Rows still asking for a channel (red frame), by row key.
    property var pendingRows: ({})
    readonly property int pendingCount: Object.keys(pendingRows).length

    readonly property string leaveText: qsTr("Некоторые изменения не будут применены\n\nВы не выбрали пункт списка\n(отмечено красным цветом)!\n\nВсе равно выйти?")

    applyButtonRight.visible: dash !== null && dash.hasChanges
    onAccepted: if (kernel) kernel.applyNewArdixSettings()

    function context() {
        return { sensors: stdSensors, customSensors: customSensors, lamps: lampsConfig,
                 actions: actionsConfig, lampsInfo: lampsInfo }
    }

    function getArdixInputBusyInfo(inputIndex, skipLampIndex, skipActionIndex) {
        return Channels.inputBusyInfo(context(), inputIndex, skipLampIndex, skipActionIndex)
    }

    function refreshAll() {
        busyRevision += 1
    }

    function markChanged() {
        if (dash)
            dash.extraSettingsHasChanges = true
        refreshAll()
    }

    function setPending(key, on) {
        const p = Object.assign({}, pendingRows)
        if (on)
            p[key] = true
        else
            delete p[key]
        pendingRows = p
    }

    function tell(text) {
        if (window && typeof window.createDialog === "function")
            window.createDialog({ dialogText: text })
    }

    function customBackButtonAction() {
        if (pendingCount === 0) {
            destroyBasicDialog()
            return
        }
        if (!window || typeof window.createDialog !== "function") {
            destroyBasicDialog()
            return
        }
        window.createDialog({ dialogText: leaveText, isCancelBtnVisible: true },
                            { accepted: function() { root.destroyBasicDialog() } })
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onNewConfigDownloadedFromArdix() {
            root.pendingRows = ({})
            root.resetRevision += 1
            root.refreshAll()
        }
    }
}
