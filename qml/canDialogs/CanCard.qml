import QtQuick
import ARDIX 1.0

// One numbered card per CAN record: a header line (number, switch, summary) and the record's
// editors, which wrap to the page's width and hide while the record is off.
Rectangle {
    id: card
    property int number: 0
    property bool active: true
    property alias headerData: headerRow.data
    default property alias editors: flow.data
    readonly property real ps: AppStyle.pixelScale

    width: ListView.view ? ListView.view.width : (parent ? parent.width : 0)
    height: column.implicitHeight + 24 * ps
    color: active ? AppStyle.pageColor : AppStyle.rowAltColor

    Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: AppStyle.lineColor }
    Rectangle { width: 6 * card.ps; height: parent.height; color: card.active ? AppStyle.primaryColor : AppStyle.disabledTextColor }

    Column {
        id: column
        x: 24 * card.ps
        y: 12 * card.ps
        width: card.width - 48 * card.ps
        spacing: 8 * card.ps
        Row {
            id: headerRow
            spacing: 16 * card.ps
            Text {
                text: "#" + card.number
                width: 60 * card.ps
                height: AppStyle.checkboxHeight
                verticalAlignment: Text.AlignVCenter
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicFontSize * 1.1
                font.bold: true
            }
        }
        Flow {
            id: flow
            width: column.width
            spacing: 12 * card.ps
            visible: card.active
        }
    }
}
