import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../../myComponents"
import "../../utils/SensorSources.js" as Sources
import "SensorBinding.js" as Binding

// The calibration tables that fit one analog input; choosing one binds the sensor to the input.
BasicDialog {
    id: root
    objectName: "analogTablesPopup"
    property var page: null
    property var sensor: null
    property int input: 0
    title: qsTr("Тарировка")
    backgroundItemWidth: 700 * AppStyle.pixelScale
    backgroundItemHeight: 520 * AppStyle.pixelScale

    // The preset names have no change signal: read once.
    property var presetNames: []
    Component.onCompleted: presetNames = sensor ? sensor.analogGroupListNames : []
    readonly property var tables: sensor && page ? Sources.tablesFor(sensor, input, presetNames, page.dash.customAnalogSensors) : []

    function choose(t) {
        Binding.releaseCanInputs(page.extra, sensor.sensorID)
        sensor.inputDataSource = t.source
        sensor.analogTableID = t.tableId
        sensor.inputSourceIndex = input
        page.dash.setSensorHasChanges(sensor.sensorID)
        destroyBasicDialog()
    }

    // No table fits this input: say where one is made, and take the user there.
    Column {
        anchors.centerIn: parent
        width: parent.width * 0.85
        spacing: 18 * AppStyle.pixelScale
        visible: root.tables.length === 0
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Нет ни одной доступной тарировки")
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicTitleSize
            wrapMode: Text.WordWrap
        }
        Text {
            objectName: "noTablesHint"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Для этого входа нет встроенных тарировок. Свою таблицу можно создать в разделе «Пользовательские датчики».")
            color: AppStyle.subtleTextColor
            font.pixelSize: AppStyle.basicFontSize
            wrapMode: Text.WordWrap
        }
        FlatButton {
            objectName: "customTablesButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 380 * AppStyle.pixelScale
            height: AppStyle.comboHeight * 1.2
            text: qsTr("Пользовательские датчики")
            visible: root.page !== null && typeof root.page.openCustomTables === "function"
            onClicked: {
                root.page.openCustomTables()
                root.destroyBasicDialog()
            }
        }
    }
    ListView {
        id: list
        anchors.fill: parent
        anchors.margins: 10 * AppStyle.pixelScale
        clip: true
        spacing: 4
        model: root.tables
        ScrollBar.vertical: ScrollBar {}
        delegate: Rectangle {
            required property var modelData
            required property int index
            readonly property bool current: root.sensor && root.sensor.inputSourceIndex === root.input
                                            && root.sensor.inputDataSource === modelData.source
                                            && root.sensor.analogTableID === modelData.tableId
            objectName: "table_" + index
            width: list.width
            height: AppStyle.basicRowHeight * 0.75
            color: mouse.pressed ? AppStyle.whiteColor : current ? AppStyle.selectionColor : AppStyle.rowAltColor
            radius: 4
            Accessible.role: Accessible.Button
            Accessible.name: modelData.text
            Text {
                anchors.fill: parent
                anchors.leftMargin: 12 * AppStyle.pixelScale
                verticalAlignment: Text.AlignVCenter
                text: modelData.text
                color: AppStyle.textColor
                elide: Text.ElideRight
                font.pixelSize: AppStyle.basicFontSize
            }
            MouseArea { id: mouse; anchors.fill: parent; onClicked: root.choose(modelData) }
        }
    }
}
