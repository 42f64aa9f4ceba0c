import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../../myComponents"

// The dash's analog inputs as it reads them right now: pin, input and value (volts or
// resistance), to calibrate a table against a real sensor.
Rectangle {
    id: panel
    property var rows: []
    property bool connected: false
    signal refreshRequested()

    readonly property real ps: AppStyle.pixelScale
    readonly property real pinWidth: 90 * ps
    readonly property real valueWidth: 110 * ps
    color: AppStyle.rowAltColor
    radius: 4

    Text {
        id: caption
        anchors.left: parent.left
        anchors.leftMargin: 12 * panel.ps
        anchors.right: refreshButton.left
        anchors.rightMargin: 8 * panel.ps
        anchors.verticalCenter: refreshButton.verticalCenter
        text: qsTr("Показания входов")
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicTitleSize * 0.85
        elide: Text.ElideRight
    }
    FlatButton {
        id: refreshButton
        objectName: "rawRefreshButton"
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 8 * panel.ps
        width: 130 * panel.ps
        height: AppStyle.comboHeight
        fontSize: AppStyle.basicFontSize * 0.9
        text: qsTr("Обновить")
        accessibleName: qsTr("Обновить показания входов")
        onClicked: panel.refreshRequested()
    }

    Row {
        id: columnsHeader
        anchors.top: refreshButton.bottom
        anchors.topMargin: 8 * panel.ps
        x: 12 * panel.ps
        visible: panel.rows.length > 0
        Text { width: panel.pinWidth; text: qsTr("Пин"); color: AppStyle.subtleTextColor; font.pixelSize: AppStyle.basicFontSize * 0.8 }
        Text {
            width: list.width - panel.pinWidth - panel.valueWidth
            text: qsTr("Вход"); color: AppStyle.subtleTextColor; font.pixelSize: AppStyle.basicFontSize * 0.8
        }
        Text {
            width: panel.valueWidth; horizontalAlignment: Text.AlignRight
            text: qsTr("Значение"); color: AppStyle.subtleTextColor; font.pixelSize: AppStyle.basicFontSize * 0.8
        }
    }

    ListView {
        id: list
        objectName: "rawInputsList"
        anchors.top: columnsHeader.bottom
        anchors.topMargin: 4 * panel.ps
        anchors.left: parent.left
        anchors.leftMargin: 12 * panel.ps
        anchors.right: parent.right
        anchors.rightMargin: 12 * panel.ps
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8 * panel.ps
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        spacing: 2
        model: panel.rows
        delegate: Rectangle {
            required property var modelData
            required property int index
            objectName: "rawRow_" + index
            width: list.width
            height: AppStyle.basicRowHeight * 0.6
            color: index % 2 ? AppStyle.pageColor : AppStyle.rowColor
            Accessible.role: Accessible.StaticText
            Accessible.name: qsTr("Пин %1").arg(modelData.pin) + ", " + modelData.description + ": " + modelData.value
            Text {
                x: 6 * panel.ps
                width: panel.pinWidth - 6 * panel.ps
                anchors.verticalCenter: parent.verticalCenter
                text: modelData.pin
                color: AppStyle.textColor
                elide: Text.ElideRight
                font.pixelSize: AppStyle.basicFontSize * 0.9
            }
            Text {
                objectName: "rawDescription"
                x: panel.pinWidth
                width: parent.width - panel.pinWidth - panel.valueWidth
                anchors.verticalCenter: parent.verticalCenter
                text: modelData.description
                color: AppStyle.textColor
                elide: Text.ElideRight
                font.pixelSize: AppStyle.basicFontSize * 0.9
            }
            Text {
                objectName: "rawValue"
                anchors.right: parent.right
                anchors.rightMargin: 6 * panel.ps
                anchors.verticalCenter: parent.verticalCenter
                text: modelData.value
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicFontSize * 0.9
            }
        }
    }

    Text {
        objectName: "rawEmptyText"
        anchors.centerIn: list
        width: list.width
        visible: panel.rows.length === 0
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: panel.connected ? qsTr("нет данных") : qsTr("не подключен")
        color: AppStyle.subtleTextColor
        font.pixelSize: AppStyle.basicFontSize
    }
}
