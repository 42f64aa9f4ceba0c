import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "customSensors"
import "customSensors/CustomSensorRules.js" as Custom

// The user's own gauges (custom sensors): a name, a kind that sets their value range, units.
// A gauge exists while it has a name; where its value comes from is set on the all-sensors page.
BasicDialog {
    id: root
    objectName: "userCustomSensorDialog"
    fullScreen: true
    title: qsTr("добавить свои показатели и настроить их")

    readonly property var dash: DevSettings.dash
    readonly property var sensors: dash ? dash.customSensors : []
    readonly property int usableCount: Math.min(sensors.length, Custom.CustomSensorsUsable)
    readonly property var groupChoices: kernel ? kernel.analogGroupsNames.map((name, i) => ({ text: name, value: i })) : []
    readonly property var unitChoices: kernel ? kernel.units.map((u, i) => ({ text: u.trim() !== "" ? u.trim() : qsTr("нет"), value: i })) : []
    readonly property real ps: AppStyle.pixelScale

    readonly property int inUseCount: Custom.customInUseCount(sensors)

    applyButtonRight.visible: dash !== null && dash.hasChanges
    onAccepted: if (kernel) kernel.applyNewArdixSettings()

    function ask(props, handlers) {
        return window && typeof window.createDialog === "function" ? window.createDialog(props, handlers) : null
    }

    // Every edit sets the range that fits the gauge's kind again and marks it for the device.
    function sensorEdited(sensor) {
        sensor.setupCustomSens()
        dash.setSensorHasChanges(sensor.sensorID)
    }

    function addSensor() {
        const i = Custom.firstFreeCustom(sensors)
        if (i < 0)
            return -1
        const s = sensors[i]
        s.analogGroup = 0
        s.unitsID = 0
        s.customShortName = qsTr("Показатель %1").arg(i + 1)
        sensorEdited(s)
        const row = rows.itemAt(i)
        if (row)
            row.startEditing()
        return i
    }

    function removeSensor(sensor) {
        sensor.customShortName = ""
        sensorEdited(sensor)
    }

    function confirmRemove(sensor) {
        if (!ask({ dialogText: qsTr("Удалить показатель «%1").arg(sensor.customShortName) + "»?", acceptBtnText: qsTr("Удалить"),
                   isCancelBtnVisible: true }, { accepted: function() { root.removeSensor(sensor) } }))
            removeSensor(sensor)
    }

    Rectangle {
        id: topBar
        width: parent.width
        height: AppStyle.basicRowHeight
        color: AppStyle.rowAltColor
        FlatButton {
            id: addButton
            objectName: "addSensorButton"
            anchors.left: parent.left
            anchors.leftMargin: 16 * root.ps
            anchors.verticalCenter: parent.verticalCenter
            width: 300 * root.ps
            height: AppStyle.comboHeight * 1.1
            enabled: root.inUseCount < root.usableCount
            text: qsTr("Добавить показатель")
            onClicked: root.addSensor()
        }
        Text {
            anchors.left: addButton.right
            anchors.leftMargin: 20 * root.ps
            anchors.right: parent.right
            anchors.rightMargin: 16 * root.ps
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("занято %1").arg(root.inUseCount) + qsTr(" из %1").arg(root.usableCount)
                  + qsTr(".  Источник данных показателя задается в «Настройка данных всех показателей»")
            color: AppStyle.subtleTextColor
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            elide: Text.ElideRight
            font.pixelSize: AppStyle.basicFontSize * 0.85
        }
    }

    Row {
        id: columnsHeader
        anchors.top: topBar.bottom
        anchors.topMargin: 8 * root.ps
        x: 16 * root.ps
        spacing: 10 * root.ps
        visible: root.inUseCount > 0
        Text { width: 330 * root.ps; text: qsTr("Название"); color: AppStyle.subtleTextColor; font.pixelSize: AppStyle.basicFontSize * 0.85 }
        Text { width: 380 * root.ps; text: qsTr("Тип"); color: AppStyle.subtleTextColor; font.pixelSize: AppStyle.basicFontSize * 0.85 }
        Text { width: 150 * root.ps; text: qsTr("Единицы"); color: AppStyle.subtleTextColor; font.pixelSize: AppStyle.basicFontSize * 0.85 }
        Text { width: 220 * root.ps; text: qsTr("Источник"); color: AppStyle.subtleTextColor; font.pixelSize: AppStyle.basicFontSize * 0.85 }
    }

    Flickable {
        id: flick
        anchors.top: columnsHeader.bottom
        anchors.topMargin: 6 * root.ps
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        contentWidth: width
        contentHeight: column.height + 10 * root.ps
        ScrollBar.vertical: ScrollBar { policy: flick.contentHeight > flick.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }

        Column {
            id: column
            width: flick.width
            spacing: 3

            // One row per usable entry; an entry not in use hides its row, so editing never
            // rebuilds the rows under the user's fingers.
            Repeater {
                id: rows
                model: root.usableCount
                delegate: Rectangle {
                    id: row
                    required property int index
                    readonly property var sensor: root.sensors[index]
                    objectName: "customRow_" + index
                    width: column.width - 14 * root.ps
                    height: AppStyle.basicRowHeight
                    visible: sensor !== null && Custom.isCustomInUse(sensor)
                    color: AppStyle.rowColor

                    function startEditing() {
                        nameField.forceActiveFocus()
                        nameField.selectAll()
                        flick.contentY = Math.max(0, Math.min(row.y, flick.contentHeight - flick.height))
                    }

                    Row {
                        x: 16 * root.ps
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 10 * root.ps
                        NameField {
                            id: nameField
                            objectName: "nameField"
                            width: 330 * root.ps
                            placeholderText: qsTr("Название показателя %1").arg(row.index + 1)
                            label: placeholderText
                            maxBytes: Custom.SensorNameBytes
                            target: row.sensor
                            property: "customShortName"
                            changeFlag: function() { root.sensorEdited(row.sensor) }
                        }
                        MyComboBox {
                            objectName: "groupCombo"
                            width: 380 * root.ps
                            anchors.verticalCenter: parent.verticalCenter
                            accessibleName: nameField.text + qsTr(": тип")
                            model: root.groupChoices
                            target: row.sensor
                            property: "analogGroup"
                            changeFlag: function() { root.sensorEdited(row.sensor) }
                        }
                        MyComboBox {
                            objectName: "unitsCombo"
                            width: 150 * root.ps
                            anchors.verticalCenter: parent.verticalCenter
                            accessibleName: nameField.text + qsTr(": единицы")
                            model: root.unitChoices
                            target: row.sensor
                            property: "unitsID"
                            changeFlag: function() { root.sensorEdited(row.sensor) }
                        }
                        Text {
                            width: 220 * root.ps
                            anchors.verticalCenter: parent.verticalCenter
                            text: row.sensor ? row.sensor.dataSourceName : ""
                            color: AppStyle.textColor
                            wrapMode: Text.WordWrap
                            maximumLineCount: 2
                            elide: Text.ElideRight
                            font.pixelSize: AppStyle.basicFontSize * 0.85
                        }
                    }
                    FlatButton {
                        objectName: "removeButton"
                        anchors.right: parent.right
                        anchors.rightMargin: 12 * root.ps
                        anchors.verticalCenter: parent.verticalCenter
                        width: AppStyle.comboHeight * 1.1
                        height: width
                        color: AppStyle.errorColor
                        iconSource: "qrc:/ARDIX/images/icons/close.svg"
                        accessibleName: qsTr("Удалить %1").arg(nameField.text)
                        onClicked: root.confirmRemove(row.sensor)
                    }
                }
            }
        }
    }

    Text {
        objectName: "emptyText"
        anchors.centerIn: flick
        width: flick.width * 0.8
        visible: root.inUseCount === 0
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: qsTr("Своих показателей пока нет.\nНажмите «Добавить показатель»")
        color: AppStyle.subtleTextColor
        font.pixelSize: AppStyle.basicTitleSize
    }
}
