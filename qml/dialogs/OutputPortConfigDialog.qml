import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// The dash's three output ports: each may run a fan with hysteresis on one sensor, switched on at
// one value and off at another.
BasicDialog {
    id: root
    objectName: "outputPortConfigDialog"
    fullScreen: true
    title: qsTr("Здесь можно управлять настройками выходов")

    readonly property var dash: DevSettings.dash
    readonly property var common: dash ? dash.commonSettings : null
    readonly property var ports: common ? common.fansSettings : []
    readonly property real ps: AppStyle.pixelScale
    readonly property var modes: [{ text: qsTr("Нет"), value: ArdixEnums.Output_No },
                                  { text: qsTr("Вентилятор(Гистерезис)"), value: ArdixEnums.Output_Fan }]
    // Standard sensors with a name, as the source choices.
    readonly property var sensorChoices: {
        const out = []
        const list = dash ? dash.sensors : []
        for (let i = 1; i < list.length; ++i)
            if (list[i].sensorName !== "")
                out.push({ text: list[i].sensorName, value: i })
        return out
    }

    applyButtonRight.visible: dash !== null && dash.hasChanges
    onAccepted: if (kernel) kernel.applyNewArdixSettings()

    // The ports are one nested list: a value is written by writing the whole list back.
    function setPortValue(port, index, value) {
        const all = ports.map(p => p.slice())
        if (all[port][index] === value)
            return
        all[port][index] = value
        common.fansSettings = all
        dash.commonSettingsHasChanges = true
    }

    Column {
        anchors.fill: parent
        anchors.margins: 16 * root.ps
        spacing: 12 * root.ps

        Repeater {
            model: root.ports.length
            delegate: Rectangle {
                id: portRow
                required property int index
                readonly property var values: root.ports[index]
                readonly property bool isFan: values[ArdixEnums.Output_Config] === ArdixEnums.Output_Fan
                readonly property var sensor: root.dash ? root.dash.sensors[values[ArdixEnums.Output_SourceIndex]] : null
                readonly property string unit: sensor ? sensor.units : ""
                objectName: "portRow_" + index
                width: parent.width
                height: AppStyle.basicRowHeight * 1.5
                color: AppStyle.rowColor
                radius: 4

                Text {
                    id: portTitle
                    x: 14 * root.ps
                    y: 8 * root.ps
                    text: qsTr("Выход #%1").arg(portRow.index + 1)
                    color: AppStyle.textColor
                    font.pixelSize: AppStyle.basicTitleSize
                }
                Row {
                    anchors.left: parent.left
                    anchors.leftMargin: 14 * root.ps
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 10 * root.ps
                    spacing: 12 * root.ps

                    MyComboBox {
                        objectName: "modeCombo"
                        width: 280 * root.ps
                        accessibleName: portTitle.text + qsTr(": режим")
                        model: root.modes
                        currentIndex: portRow.isFan ? 1 : 0
                        onActivated: (i) => root.setPortValue(portRow.index, ArdixEnums.Output_Config, root.modes[i].value)
                    }
                    MyComboBox {
                        objectName: "sourceCombo"
                        width: 320 * root.ps
                        enabled: portRow.isFan
                        accessibleName: portTitle.text + qsTr(": показатель")
                        model: root.sensorChoices
                        currentIndex: root.sensorChoices.findIndex(c => c.value === portRow.values[ArdixEnums.Output_SourceIndex])
                        onActivated: (i) => root.setPortValue(portRow.index, ArdixEnums.Output_SourceIndex, root.sensorChoices[i].value)
                    }
                    Text { anchors.verticalCenter: parent.verticalCenter; text: qsTr("вкл."); color: AppStyle.textColor; font.pixelSize: AppStyle.basicFontSize }
                    IntTextField {
                        objectName: "onField"
                        width: 150 * root.ps
                        enabled: portRow.isFan
                        label: portTitle.text + qsTr(": вкл.")
                        unit: portRow.unit
                        intTo: 250
                        intValue: portRow.values[ArdixEnums.Output_OnValue]
                        onValueCommitted: (v) => root.setPortValue(portRow.index, ArdixEnums.Output_OnValue, v)
                    }
                    Text { anchors.verticalCenter: parent.verticalCenter; text: qsTr("выкл."); color: AppStyle.textColor; font.pixelSize: AppStyle.basicFontSize }
                    IntTextField {
                        objectName: "offField"
                        width: 150 * root.ps
                        enabled: portRow.isFan
                        label: portTitle.text + qsTr(": выкл.")
                        unit: portRow.unit
                        intTo: 250
                        intValue: portRow.values[ArdixEnums.Output_OffValue_Interval]
                        onValueCommitted: (v) => root.setPortValue(portRow.index, ArdixEnums.Output_OffValue_Interval, v)
                    }
                }
            }
        }
    }
}
