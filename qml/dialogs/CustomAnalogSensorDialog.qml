import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "customSensors"
import "customSensors/CustomSensorRules.js" as Custom

// The user's own analog conversions (linear or by a table of points) that sensors read through,
// beside what the dash's analog inputs read right now.
BasicDialog {
    id: root
    objectName: "customAnalogSensorDialog"
    fullScreen: true
    title: qsTr("Пользовательские датчики")

    readonly property var dash: DevSettings.dash
    readonly property var tables: dash ? dash.customAnalogSensors : []
    readonly property var description: kernel ? kernel.ardixDescription : ({})
    readonly property bool isConnected: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline
    readonly property real ps: AppStyle.pixelScale

    property int current: 0
    readonly property var sensor: current >= 0 && current < tables.length ? tables[current] : null
    property var rawValues: []
    readonly property var rawRows: Custom.rawInputRows(rawValues, description)

    applyButtonRight.visible: dash !== null && dash.hasChanges
    onAccepted: if (kernel) kernel.applyNewArdixSettings()

    function users(index) {
        return dash ? Custom.tableUsers(dash.sensors, dash.customSensors, index) : []
    }

    function ask(props, handlers) {
        return window && typeof window.createDialog === "function" ? window.createDialog(props, handlers) : null
    }

    // The device answers with newRawAdcDataRecievedFromArdix.
    function requestRawInputs() {
        if (!isConnected)
            return false
        kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.GetArdixADCRawData, 0)
        return true
    }
    function refreshRawInputs() {
        if (!requestRawInputs())
            ask({ dialogText: qsTr("Нужно быть подключенным к Ardix") })
    }

    // Asked once on open, then again whenever the link comes back.
    property bool opened: false
    Component.onCompleted: {
        opened = true
        requestRawInputs()
    }
    onIsConnectedChanged: {
        if (!opened)
            return
        if (isConnected)
            requestRawInputs()
        else
            rawValues = []
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onNewRawAdcDataRecievedFromArdix(rawAdcData) { root.rawValues = rawAdcData }
    }

    ListView {
        id: list
        objectName: "analogSensorsList"
        x: 10 * root.ps
        y: 10 * root.ps
        width: 290 * root.ps
        height: parent.height - 20 * root.ps
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        spacing: 3
        model: root.tables.length
        currentIndex: root.current
        ScrollBar.vertical: ScrollBar { policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }
        delegate: Rectangle {
            id: entry
            required property int index
            readonly property var table: root.tables[index]
            readonly property bool selected: root.current === index
            readonly property int usedBy: root.users(index).length
            objectName: "analogEntry_" + index
            width: list.width - 12 * root.ps
            height: AppStyle.basicRowHeight * 0.8
            radius: 4
            color: selected ? AppStyle.primaryColor : mouse.pressed ? AppStyle.selectionColor : AppStyle.rowAltColor
            activeFocusOnTab: true
            Accessible.role: Accessible.Button
            Accessible.name: qsTr("Датчик %1").arg(index + 1) + ": " + Custom.analogName(table, index)
                             + (usedBy > 0 ? qsTr(", используется: %1").arg(usedBy) : "")
            Keys.onSpacePressed: root.current = index
            Keys.onReturnPressed: root.current = index

            Text {
                id: entryNumber
                x: 10 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                width: 42 * root.ps
                text: "#" + (entry.index + 1)
                color: entry.selected ? AppStyle.whiteColor : AppStyle.subtleTextColor
                font.pixelSize: AppStyle.basicFontSize
            }
            Column {
                anchors.left: entryNumber.right
                anchors.right: usedBadge.visible ? usedBadge.left : parent.right
                anchors.rightMargin: 8 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                Text {
                    width: parent.width
                    text: Custom.analogName(entry.table, entry.index)
                    color: entry.selected ? AppStyle.whiteColor : entry.table && entry.table.name !== "" ? AppStyle.textColor : AppStyle.mutedTextColor
                    elide: Text.ElideRight
                    font.pixelSize: AppStyle.basicFontSize
                }
                Text {
                    width: parent.width
                    text: entry.table ? Custom.typeText(entry.table.sensorType) : ""
                    color: entry.selected ? AppStyle.hoverColor : AppStyle.subtleTextColor
                    elide: Text.ElideRight
                    font.pixelSize: AppStyle.basicFontSize * 0.75
                }
            }
            // How many sensors read through this table.
            Rectangle {
                id: usedBadge
                visible: entry.usedBy > 0
                anchors.right: parent.right
                anchors.rightMargin: 10 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                width: Math.max(height, usedText.implicitWidth + 12 * root.ps)
                height: 28 * root.ps
                radius: height / 2
                color: entry.selected ? AppStyle.whiteColor : AppStyle.primaryColor
                Text {
                    id: usedText
                    anchors.centerIn: parent
                    text: entry.usedBy
                    color: entry.selected ? AppStyle.primaryColor : AppStyle.whiteColor
                    font.pixelSize: AppStyle.basicFontSize * 0.8
                }
            }
            Rectangle {
                anchors.fill: parent
                radius: parent.radius
                color: AppStyle.clearColor
                border.color: AppStyle.textColor
                border.width: 2
                visible: entry.activeFocus
            }
            // What was typed belongs to the table shown when it was typed.
            MouseArea {
                id: mouse
                anchors.fill: parent
                onClicked: if (entry.index === root.current || root.commitEdits()) root.current = entry.index
            }
        }
    }

    AnalogSensorEditor {
        id: editor
        objectName: "analogSensorEditor"
        anchors.left: list.right
        anchors.leftMargin: 10 * root.ps
        anchors.right: rawPanel.left
        anchors.rightMargin: 10 * root.ps
        y: 10 * root.ps
        height: parent.height - 20 * root.ps
        dash: root.dash
        sensor: root.sensor
        index: root.current
        users: root.users(root.current)
    }

    RawInputsPanel {
        id: rawPanel
        objectName: "rawInputsPanel"
        anchors.right: parent.right
        anchors.rightMargin: 10 * root.ps
        y: 10 * root.ps
        width: 370 * root.ps
        height: parent.height - 20 * root.ps
        rows: root.rawRows
        connected: root.isConnected
        onRefreshRequested: root.refreshRawInputs()
    }
}
