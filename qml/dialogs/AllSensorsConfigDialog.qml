import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "sensors"
import "../utils/SensorSources.js" as Sources

// Where every active sensor of the dash reads its value: a source and, for analog, frequency and
// CAN sources, a channel (with its calibration table, correction factor or CAN decoding).
BasicDialog {
    id: root
    objectName: "allSensorsConfigDialog"
    fullScreen: true
    title: qsTr("Настройка данных, для всех активных показателей")
    customBackButtonFunction: true

    readonly property var dash: DevSettings.dash
    readonly property var extra: dash ? dash.extra : null
    readonly property var common: dash ? dash.commonSettings : null
    readonly property var description: kernel ? kernel.ardixDescription : ({})
    readonly property int ecuProtocol: common ? common.currEcuProtocol : 0
    readonly property string ecuName: kernel && ecuProtocol < kernel.ecuList_Ardix.length
                                      ? kernel.ecuList_Ardix[ecuProtocol].name : ""
    readonly property var canInMessages: extra ? extra.customCan.canInMessages : []
    readonly property real ps: AppStyle.pixelScale
    readonly property bool isConnected: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline

    property int revision: 0
    property var pendingRows: ({})
    readonly property int pendingCount: Object.keys(pendingRows).length
    readonly property string leaveText: qsTr("Некоторые изменения не будут применены\n\nВы не выбрали пункт списка\n(отмечено красным цветом)!\n\nВсе равно выйти?")

    applyButtonRight.visible: dash !== null && dash.hasChanges
    onAccepted: if (kernel) kernel.applyNewArdixSettings()

    // Taken on open and when new settings arrive, not on every edit: a sensor moved to "Нет" keeps
    // its row until the page is opened again.
    property var sensorsShown: []
    Component.onCompleted: sensorsShown = activeSensors()
    onRevisionChanged: sensorsShown = activeSensors()

    function activeSensors() {
        if (!dash)
            return []
        const out = []
        for (const id of dash.getActiveSensorsList()) {
            const s = id >= 100 ? dash.customSensors[id - 100] : dash.sensors[id]
            if (s && s.inputDataSource !== ArdixEnums.InputSourceGpsModule && s.inputDataSource !== ArdixEnums.InputSourceInternal)
                out.push(s)
        }
        return out
    }

    function context(skipSensor) {
        return { sensors: dash.sensors, customSensors: dash.customSensors, lamps: extra.lamps,
                 actions: extra.actions, lampsInfo: kernel ? kernel.lampsInfo : [], skipSensor: skipSensor }
    }

    function setPending(key, on) {
        const p = Object.assign({}, pendingRows)
        if (on)
            p[key] = true
        else
            delete p[key]
        pendingRows = p
    }

    function ask(props, handlers) {
        return window && typeof window.createDialog === "function" ? window.createDialog(props, handlers) : null
    }

    function customBackButtonAction() {
        if (pendingCount === 0 || !ask({ dialogText: leaveText, isCancelBtnVisible: true },
                                       { accepted: function() { root.destroyBasicDialog() } }))
            destroyBasicDialog()
    }

    function sendCommand(command, parameter) {
        if (!isConnected) {
            ask({ dialogText: qsTr("Нужно быть подключенным к Ardix") })
            return false
        }
        kernel.sendToArdixQueue(ArdixEnums.CommandMessage, command, parameter)
        return true
    }

    function openPopup(component, props) {
        return component.createObject(root, Object.assign({ window: root.window, kernel: root.kernel, page: root }, props))
    }

    function openGearInputs() {
        const view = root.StackView.view
        if (view && typeof view.openPage === "function")
            view.openPage("dialogs/GearDigitalInputsDialog.qml")
    }

    function openPage(file, props) {
        const view = root.StackView.view
        if (view && typeof view.openPage === "function")
            return view.openPage(file, props)
        return window && typeof window.openSettings === "function" ? window.openSettings().openPage(file, props) : null
    }

    function hasCanFilter() {
        for (let i = 0; i < canInMessages.length; ++i)
            if (canInMessages[i].isMessageEnabled)
                return true
        return false
    }

    // A CAN source without a single filter to read from would leave the row asking forever.
    function offerCanFilters() {
        if (hasCanFilter())
            return
        ask({ dialogText: qsTr("Нет ни одного включенного CAN фильтра.") + "\n\n" + qsTr("Перейти к настройкам CAN фильтров?"),
              isCancelBtnVisible: true },
            { accepted: function() { root.openCanFilters() } })
    }
    function openCanFilters() {
        return openPage("canDialogs/CanInputMessagesDialog.qml", { parentDev: ArdixEnums.Device_Ardix7 })
    }
    function openCustomTables() {
        return openPage("dialogs/CustomAnalogSensorDialog.qml")
    }

    function openSpeedCalibration(input) {
        if (window && typeof window.createObjectFrom === "function")
            window.createObjectFrom("dialogs/SpeedGpsCalibrationDialog.qml", { kernel: kernel, window: window, input: input })
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onNewConfigDownloadedFromArdix() {
            root.pendingRows = ({})
            root.revision += 1
        }
    }

    Component { id: tablesPopup; AnalogTablesPopup {} }
    Component { id: frequencyPopup; FrequencyInputPopup {} }
    Component { id: canPopup; CanSourcePopup {} }
    readonly property alias canPopupComponent: canPopup
    readonly property alias frequencyPopupComponent: frequencyPopup
    readonly property alias tablesPopupComponent: tablesPopup

    SensorsHint {
        id: hint
        objectName: "allSensorsHint"
        visible: root.ecuProtocol !== 0
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 10 * root.ps }
        text: qsTr("Здесь только активные показатели. Показатели, которые передает ECU, включаются на странице «Показатели от ECU».")
        showEcu: true
        showAllSensors: false
        onEcuRequested: root.openPage("dialogs/SensorsByInputType.qml", { setEcu: true })
    }

    ListView {
        id: list
        objectName: "sensorsList"
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: hint.visible ? hint.top : parent.bottom }
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        spacing: 2
        cacheBuffer: 100000
        model: root.sensorsShown
        ScrollBar.vertical: ScrollBar { policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }
        delegate: SensorSourceRow {
            required property var modelData
            objectName: "sensorRow_" + modelData.sensorID
            width: list.width - 14 * root.ps
            page: root
            sensor: modelData
            onTablesRequested: (input) => root.openPopup(tablesPopup, { sensor: modelData, input: input })
            onFrequencyRequested: (input) => root.openPopup(frequencyPopup, { input: input })
            onCanRequested: (message) => root.openPopup(canPopup, { sensor: modelData, messageIndex: message })
        }
    }
}
