import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../../myComponents"
import "../../utils/SensorSources.js" as Sources
import "../../utils/ChannelRules.js" as Channels
import "SensorBinding.js" as Binding

// One sensor of the all-sensors page: its source, its channel and what that channel needs next
// (a calibration table, a correction factor, a CAN decoding). A source that needs a channel asks
// for one (red frame) until it is chosen.
Rectangle {
    id: row
    property var page: null
    property var sensor: null
    property int chosenSource: 0
    property bool pending: false

    signal tablesRequested(int input)
    signal frequencyRequested(int input)
    signal canRequested(int message)

    readonly property real ps: AppStyle.pixelScale
    readonly property var sources: sensor && page ? Sources.sourcesFor(sensor, page.ecuProtocol, page.ecuName) : []
    readonly property var channels: {
        if (!page || !sensor)
            return []
        page.revision
        sensor.inputSourceIndex // busy marks follow every sensor edit of this row
        return Sources.channelsFor(chosenSource, page.description, page.context(sensor), page.canInMessages)
    }
    readonly property int canInput: canInputIndex()
    readonly property int storedChannel: {
        if (!sensor)
            return -1
        if (Sources.shownSource(sensor.inputDataSource) !== Sources.InputSourceCustomCan)
            return sensor.inputSourceIndex
        return canInput >= 0 ? page.extra.customCan.canAnalogInputs[canInput].canInMessageIndex : -1
    }
    readonly property bool isManualTable: sensor !== null && sensor.inputDataSource === ArdixEnums.InputSourceCustomAnalog
                                          && page.dash.customAnalogSensors[sensor.analogTableID]
                                          && page.dash.customAnalogSensors[sensor.analogTableID].sensorType === ArdixEnums.ManualCalibration_CustomAnalogType

    width: parent ? parent.width : 0
    height: Math.round(AppStyle.basicRowHeight * 1.05)
    color: AppStyle.pageColor

    function canInputIndex() {
        if (!sensor || !page || !page.extra)
            return -1
        const inputs = page.extra.customCan.canAnalogInputs
        for (let i = 0; i < inputs.length; ++i)
            if (inputs[i].isInputEnabled && inputs[i].destinationSensId === sensor.sensorID)
                return i
        return -1
    }

    function reset() {
        chosenSource = sensor ? Sources.shownSource(sensor.inputDataSource) : 0
        pending = false
        syncCombos()
    }

    function syncCombos() {
        sourceCombo.currentIndex = Channels.indexOfValue(sources, chosenSource)
        channelCombo.currentIndex = pending ? -1 : Channels.indexOfValue(channels, storedChannel)
    }

    function markSensorChanged() {
        page.dash.setSensorHasChanges(sensor.sensorID)
    }

    // Moving off CAN frees the CAN input that fed this sensor.
    function releaseCanInput() {
        Binding.releaseCanInputs(page.extra, sensor.sensorID)
    }

    function chooseSource(source) {
        if (Sources.needsChannel(source)) {
            chosenSource = source
            pending = source !== Sources.shownSource(sensor.inputDataSource)
            syncCombos()
            if (pending && source === Sources.InputSourceCustomCan)
                page.offerCanFilters()
            return
        }
        if (source !== Sources.InputSourceCustomCan)
            releaseCanInput()
        chosenSource = source
        pending = false
        sensor.inputDataSource = source
        sensor.inputSourceIndex = Binding.defaultChannel(source, Sources.InputSourceCalculated, Sources.Speed_index)
        markSensorChanged()
        syncCombos()
        if (source === Sources.InputSourceDigital_IO)
            page.openGearInputs()
    }

    function chooseChannel(entryIndex) {
        const e = channels[entryIndex]
        if (!e)
            return
        if (chosenSource === Sources.InputSourceAnalog) {
            tablesRequested(e.value)
        } else if (chosenSource === Sources.InputSourceFrequency) {
            const owner = Channels.inputOwner(page.context(sensor), e.value, -1, -1)
            if (owner) {
                page.ask({ dialogText: Channels.busyMessage(owner) })
                syncCombos()
                return
            }
            releaseCanInput()
            sensor.inputDataSource = Sources.InputSourceFrequency
            sensor.inputSourceIndex = e.value
            markSensorChanged()
        } else if (chosenSource === Sources.InputSourceCustomCan) {
            canRequested(e.value)
        }
        syncCombos()
    }

    onChannelsChanged: syncCombos()
    onStoredChannelChanged: syncCombos()
    onPendingChanged: if (page) page.setPending("sensor" + (sensor ? sensor.sensorID : -1), pending)
    Component.onCompleted: reset()

    Connections {
        target: row.sensor
        function onDataChanged() {
            // A pop-up that completed the choice confirms the row.
            if (!row.pending || Sources.shownSource(row.sensor.inputDataSource) === row.chosenSource)
                row.reset()
        }
    }

    Text {
        anchors.left: parent.left
        anchors.leftMargin: 14 * row.ps
        anchors.right: controls.left
        anchors.rightMargin: 10 * row.ps
        anchors.verticalCenter: parent.verticalCenter
        text: row.sensor ? row.sensor.sensorName : ""
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        elide: Text.ElideRight
    }

    Row {
        id: controls
        anchors.right: parent.right
        anchors.rightMargin: 10 * row.ps
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8 * row.ps

        MyComboBox {
            id: sourceCombo
            objectName: "sourceCombo"
            width: 270 * row.ps
            anchors.verticalCenter: parent.verticalCenter
            accessibleName: (row.sensor ? row.sensor.sensorName : "") + qsTr(": источник")
            model: row.sources
            onActivated: (index) => row.chooseSource(row.sources[index].value)
        }
        Item {
            width: 330 * row.ps
            height: channelCombo.height
            anchors.verticalCenter: parent.verticalCenter
            MyComboBox {
                id: channelCombo
                objectName: "channelCombo"
                anchors.fill: parent
                visible: Sources.needsChannel(row.chosenSource)
                accessibleName: (row.sensor ? row.sensor.sensorName : "") + qsTr(": вход")
                model: row.channels
                focusHighlight: row.pending
                displayText: currentIndex < 0 ? Sources.choosePrompt(row.chosenSource) : currentText
                onActivated: (index) => row.chooseChannel(index)
            }
        }
        Item {
            width: 230 * row.ps
            height: AppStyle.comboHeight
            anchors.verticalCenter: parent.verticalCenter
            Row {
                anchors.verticalCenter: parent.verticalCenter
                spacing: 6 * row.ps
                visible: !row.pending && Sources.needsChannel(row.chosenSource)
                         && !(row.sensor && row.sensor.sensorID === ArdixEnums.FuelLevel_index)
                FlatButton {
                    objectName: "channelSetupButton"
                    width: (row.isManualTable ? 90 : 150) * row.ps
                    height: AppStyle.comboHeight
                    fontSize: AppStyle.basicFontSize * 0.9
                    text: row.chosenSource === Sources.InputSourceAnalog ? qsTr("таблица")
                        : row.chosenSource === Sources.InputSourceFrequency ? qsTr("коэф.") : qsTr("настроить")
                    onClicked: {
                        if (row.chosenSource === Sources.InputSourceAnalog)
                            row.tablesRequested(row.sensor.inputSourceIndex)
                        else if (row.chosenSource === Sources.InputSourceFrequency)
                            row.frequencyRequested(row.sensor.inputSourceIndex)
                        else
                            row.canRequested(row.storedChannel)
                    }
                }
                FlatButton {
                    visible: row.isManualTable
                    width: 60 * row.ps
                    height: AppStyle.comboHeight
                    fontSize: AppStyle.basicFontSize * 0.9
                    text: qsTr("мин")
                    accessibleName: qsTr("калибровка: мин")
                    onClicked: row.page.sendCommand(ArdixEnums.AnalogCalibrationCommandMin,
                                                    row.sensor.analogTableID * 16 + row.sensor.inputSourceIndex)
                }
                FlatButton {
                    visible: row.isManualTable
                    width: 60 * row.ps
                    height: AppStyle.comboHeight
                    fontSize: AppStyle.basicFontSize * 0.9
                    text: qsTr("макс")
                    accessibleName: qsTr("калибровка: макс")
                    onClicked: row.page.sendCommand(ArdixEnums.AnalogCalibrationCommandMax,
                                                    row.sensor.analogTableID * 16 + row.sensor.inputSourceIndex)
                }
            }
            // Fuel level smoothing, shown ×10.
            Row {
                anchors.verticalCenter: parent.verticalCenter
                spacing: 6 * row.ps
                visible: row.sensor !== null && row.sensor.sensorID === ArdixEnums.FuelLevel_index
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Время\nусреднения")
                    color: AppStyle.textColor
                    font.pixelSize: AppStyle.basicFontSize * 0.75
                }
                IntTextField {
                    objectName: "fuelApproxField"
                    width: 100 * row.ps
                    label: qsTr("Время усреднения")
                    intFrom: 0
                    intTo: 2550
                    // Stored in tenths of what is shown.
                    scale: 0.1
                    target: row.page ? row.page.common : null
                    property: "fuelLevelApproxTime"
                    flagTarget: row.page ? row.page.dash : null
                    changeFlag: "commonSettingsHasChanges"
                }
            }
        }
    }
    // Fuel level shows its smoothing time whatever its source; the AFR from the ECU its ratio.
    Row {
        anchors.right: controls.right
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6 * row.ps
        visible: row.sensor !== null && row.sensor.sensorID === ArdixEnums.Afr_index
                 && row.chosenSource === ArdixEnums.InputSourceEcu
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Стехиометрия")
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicFontSize * 0.8
        }
        FloatTextField {
            objectName: "stoichiometryField"
            width: 100 * row.ps
            floatFrom: 0.01
            floatTo: 50
            floatDec: 2
            scale: 100
            label: qsTr("Стехиометрия")
            target: row.page ? row.page.common : null
            property: "fuelType_stoichiometry"
            flagTarget: row.page ? row.page.dash : null
            changeFlag: "commonSettingsHasChanges"
        }
    }
}
