import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "logs/LogTimeEstimate.js" as Estimate

// The dash's logging settings: what is logged, how often, into how many files, and the triggers
// that start a recording. Edits go straight into the settings; "Отмена" puts them back.
BasicDialog {
    id: root
    objectName: "logsSettingsDialog"
    title: qsTr("Настройки логирования")
    showDialogButtons: true
    destroyOnOverlayClick: false

    readonly property var dash: DevSettings.dash
    readonly property var logs: dash ? dash.commonSettings.logsSettings : null
    readonly property real ps: AppStyle.pixelScale
    readonly property var rates: [{ text: qsTr("10 Гц"), value: 10 }, { text: qsTr("25 Гц"), value: 25 }, { text: qsTr("50 Гц"), value: 50 }]
    readonly property int maxPauseDelay: 60
    snapshotTargets: [dash, logs]

    // The rate the dialog shows: 10 when the stored one is none of the offered rates.
    readonly property int shownRate: logs && (logs.rateHz === 10 || logs.rateHz === 25 || logs.rateHz === 50) ? logs.rateHz : 10
    readonly property var estimate: logs ? Estimate.estimate(logs.stdSensors, logs.customSensors, logs.modules, shownRate,
                                                             logs.logFileSizeMB, Math.max(2, logs.maxFilesCount))
                                         : Estimate.estimate(0, 0, 0, 10, 1, 2)

    function markChanged() {
        if (dash)
            dash.commonSettingsHasChanges = true
    }

    onAccepted: {
        if (logs) {
            if (logs.rateHz !== shownRate)
                logs.rateHz = shownRate
            if (logs.maxFilesCount < 2)
                logs.maxFilesCount = 2
        }
        markChanged()
        if (kernel)
            kernel.applyNewArdixSettings()
        destroyBasicDialog()
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        // Settings that come from the device replace what this dialog shows.
        function onNewConfigDownloadedFromArdix() { root.destroyBasicDialog(true) }
    }

    // Sensors a trigger can watch, and the ones that can be logged: the enabled ones and those
    // already chosen.
    function sensorEntries(includeId) {
        const list = []
        if (!dash)
            return list
        for (const s of dash.sensors)
            if (s && s.sensorID > 0 && (s.enable || s.sensorID === includeId))
                list.push({ text: s.sensorName, value: s.sensorID })
        for (const s of dash.customSensors)
            if (s && (s.enable || s.sensorID === includeId))
                list.push({ text: s.sensorName, value: s.sensorID })
        return list
    }
    // A trigger may also watch the lap gain or loss against the reference lap.
    function triggerEntries(includeId) {
        return sensorEntries(includeId).concat([{ text: qsTr("GPS: отставание/опережение круга"), value: ArdixEnums.Module_GPS_GainLoss }])
    }
    function sensorById(id) {
        if (!dash)
            return null
        if (id >= 100)
            return id - 100 < dash.customSensors.length ? dash.customSensors[id - 100] : null
        return id < dash.sensors.length ? dash.sensors[id] : null
    }
    function loggableSensors(custom) {
        const list = []
        if (!dash || !logs)
            return list
        const source = custom ? dash.customSensors : dash.sensors
        for (let i = 0; i < source.length; ++i) {
            const s = source[i]
            const bit = custom ? i : (s ? s.sensorID : -1)
            if (!s || bit < (custom ? 0 : 1) || bit > 31)
                continue
            const mask = custom ? logs.customSensors : logs.stdSensors
            if (s.enable || ((mask >>> bit) & 1))
                list.push({ name: s.sensorName, bit: bit })
        }
        return list
    }

    backgroundItemWidth: 1100 * ps
    backgroundItemHeight: 980 * ps

    component FieldLabel: Text {
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
        verticalAlignment: Text.AlignVCenter
        height: AppStyle.spinboxHeight
    }
    component SectionTitle: Text {
        color: AppStyle.primaryColor
        font.pixelSize: AppStyle.basicFontSize
        font.capitalization: Font.AllUppercase
        topPadding: 10 * root.ps
    }

    // Always in sight, whatever the list of sensors scrolls to.
    Text {
        id: estimateLine
        objectName: "estimateText"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 20 * root.ps
        text: Estimate.estimateText(root.estimate)
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
        wrapMode: Text.WordWrap
    }

    Flickable {
        id: flick
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: estimateLine.top
        anchors.margins: 20 * root.ps
        contentHeight: column.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { policy: flick.contentHeight > flick.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }

        Column {
            id: column
            width: flick.width - 20 * root.ps
            spacing: 8 * root.ps

            Text {
                width: parent.width
                text: root.title.toUpperCase()
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicTitleSize
                elide: Text.ElideRight
            }

            Row {
                spacing: 30 * root.ps
                CheckBoxNuvo {
                    objectName: "logOnOff"
                    text: qsTr("Логировать данные")
                    target: root.logs; property: "config"; bit: ArdixEnums.Log_OnOff
                    flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                }
                CheckBoxNuvo {
                    text: qsTr("Перезаписывать файлы по кругу")
                    target: root.logs; property: "config"; bit: ArdixEnums.Log_Closeloop
                    flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                }
            }

            Grid {
                columns: 4
                columnSpacing: 20 * root.ps
                rowSpacing: 8 * root.ps
                FieldLabel { text: qsTr("макс. кол-во файлов") }
                MySpinBox {
                    objectName: "maxFilesSpin"
                    label: qsTr("макс. кол-во файлов")
                    minimumValue: 2; maximumValue: 20
                    target: root.logs; property: "maxFilesCount"
                    flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                }
                FieldLabel { text: qsTr("частота") }
                MyComboBox {
                    objectName: "rateCombo"
                    width: 180 * root.ps
                    height: AppStyle.spinboxHeight
                    model: root.rates
                    // Shows 10 for a rate the dialog does not offer; saving writes it.
                    target: root.logs; property: "rateHz"
                    flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                    onBoundValueChanged: if (currentIndex < 0) currentIndex = 0
                    Component.onCompleted: if (currentIndex < 0) currentIndex = 0
                }
                FieldLabel { text: qsTr("макс. размер файла") }
                MySpinBox {
                    objectName: "fileSizeSpin"
                    label: qsTr("макс. размер файла")
                    minimumValue: 1; maximumValue: 24; units: qsTr(" Мб")
                    target: root.logs; property: "logFileSizeMB"
                    flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                }
                FieldLabel { text: qsTr("пауза выкл.") }
                MySpinBox {
                    label: qsTr("пауза выкл.")
                    minimumValue: 1; maximumValue: root.maxPauseDelay; units: qsTr(" сек")
                    target: root.logs; property: "logPauseDelay"
                    flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                }
            }

            SectionTitle { text: qsTr("Условия начала записи") }
            Repeater {
                model: 2
                delegate: Row {
                    id: triggerRow
                    required property int index
                    readonly property string sourceField: index === 0 ? "logTrigger1SourceId" : "logTrigger2SourceId"
                    readonly property string valueField: index === 0 ? "trigger1Value" : "trigger2Value"
                    readonly property int moreBit: index === 0 ? ArdixEnums.Log_Trigger1IfMore : ArdixEnums.Log_Trigger2IfMore
                    readonly property var sensor: root.logs ? root.sensorById(root.logs[sourceField]) : null
                    readonly property bool isFloat: sensor !== null && sensor.isFloat
                    spacing: 15 * root.ps
                    FieldLabel { text: qsTr("Триггер %1").arg(triggerRow.index + 1); width: 120 * root.ps }
                    MyComboBox {
                        width: 330 * root.ps
                        height: AppStyle.spinboxHeight
                        objectName: "trigger" + (triggerRow.index + 1) + "SourceCombo"
                        model: root.triggerEntries(root.logs ? root.logs[triggerRow.sourceField] : -1)
                        target: root.logs; property: triggerRow.sourceField
                        flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                    }
                    MyComboBox {
                        width: 90 * root.ps
                        height: AppStyle.spinboxHeight
                        model: [{ text: "<" }, { text: ">" }]
                        currentIndex: root.logs && ((root.logs.config >> triggerRow.moreBit) & 1) ? 1 : 0
                        onActivated: (i) => {
                            const c = root.logs.config
                            root.logs.config = i === 1 ? (c | (1 << triggerRow.moreBit)) : (c & ~(1 << triggerRow.moreBit))
                            root.markChanged()
                        }
                    }
                    IntTextField {
                        visible: !triggerRow.isFloat
                        width: 160 * root.ps
                        intFrom: 0; intTo: 65535
                        label: qsTr("Триггер %1").arg(triggerRow.index + 1)
                        unit: triggerRow.sensor ? triggerRow.sensor.units : ""
                        target: root.logs; property: triggerRow.valueField
                        flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                    }
                    FloatTextField {
                        visible: triggerRow.isFloat
                        width: 160 * root.ps
                        floatFrom: 0; floatTo: 655.35; floatDec: 2; scale: 100
                        label: qsTr("Триггер %1").arg(triggerRow.index + 1)
                        unit: triggerRow.sensor ? triggerRow.sensor.units : ""
                        target: root.logs; property: triggerRow.valueField
                        flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                    }
                }
            }
            Row {
                spacing: 15 * root.ps
                FieldLabel { text: qsTr("Триггеры 1 и 2"); width: 120 * root.ps + 330 * root.ps + 15 * root.ps }
                MyComboBox {
                    width: 120 * root.ps
                    height: AppStyle.spinboxHeight
                    model: [{ text: qsTr("или") }, { text: qsTr("и") }]
                    currentIndex: root.logs && ((root.logs.config >> ArdixEnums.Log_TriggerIfBoth) & 1) ? 1 : 0
                    onActivated: (i) => {
                        const c = root.logs.config
                        const bit = 1 << ArdixEnums.Log_TriggerIfBoth
                        root.logs.config = i === 1 ? (c | bit) : (c & ~bit)
                        root.markChanged()
                    }
                }
            }

            SectionTitle { text: qsTr("Что записывать") }
            Flow {
                width: parent.width
                spacing: 6 * root.ps
                CheckBoxNuvo {
                    objectName: "logGps"
                    width: 260 * root.ps
                    text: qsTr("GPS модуль")
                    target: root.logs; property: "modules"; bit: ArdixEnums.Module_GPS - 200
                    flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                }
                CheckBoxNuvo {
                    width: 260 * root.ps
                    text: qsTr("Данные PDM")
                    target: root.logs; property: "modules"; bit: ArdixEnums.Module_PMX - 200
                    flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                }
                Repeater {
                    model: root.loggableSensors(false)
                    delegate: CheckBoxNuvo {
                        required property var modelData
                        width: 260 * root.ps
                        text: modelData.name
                        target: root.logs; property: "stdSensors"; bit: modelData.bit
                        flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                    }
                }
                Repeater {
                    model: root.loggableSensors(true)
                    delegate: CheckBoxNuvo {
                        required property var modelData
                        width: 260 * root.ps
                        text: modelData.name
                        target: root.logs; property: "customSensors"; bit: modelData.bit
                        flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                    }
                }
            }

        }
    }
}
