import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../utils/DiffTexts.js" as DiffTexts

// What differs between two versions of a device's settings, field by field: one line per changed
// record and, under it, the field with its value on each side. `rows` comes from
// SettingsHistoryModel (header rows {title, change}; field rows {field, label, before, after}).
ListView {
    id: root
    property var rows: []
    property string beforeTitle: ""
    property string afterTitle: ""
    // Light rows inside the settings pages, dark ones over the black sync question.
    property bool light: true
    property real fontSize: AppStyle.basicFontSize * 0.95
    readonly property real ps: AppStyle.pixelScale
    readonly property color ink: light ? AppStyle.textColor : AppStyle.whiteColor
    readonly property color dim: light ? AppStyle.subtleTextColor : AppStyle.borderColor
    readonly property real nameWidth: width * 0.4
    readonly property real valueWidth: (width - nameWidth - 3 * gap) / 2
    readonly property real gap: 12 * ps
    readonly property real rowHeight: Math.round(fontSize * 2.1)

    objectName: "settingsDiffList"
    clip: true
    model: rows
    boundsBehavior: Flickable.StopAtBounds
    headerPositioning: ListView.OverlayHeader
    activeFocusOnTab: true
    keyNavigationEnabled: true
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Отличия настроек")
    ScrollBar.vertical: ScrollBar { policy: root.contentHeight > root.height ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded }

    // Nothing of the screen behind shows through the values.
    Rectangle {
        parent: root
        z: -1
        anchors.fill: parent
        color: root.light ? AppStyle.pageColor : AppStyle.deepColor
    }

    header: Rectangle {
        z: 2
        width: root.width
        height: root.rowHeight
        color: root.light ? AppStyle.rowAltColor : AppStyle.surfaceColor
        Row {
            anchors.fill: parent
            anchors.leftMargin: root.gap
            spacing: root.gap
            Text {
                width: root.nameWidth
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: qsTr("ПАРАМЕТР")
                color: root.dim
                font.pixelSize: root.fontSize * 0.85
            }
            Text {
                width: root.valueWidth
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: root.beforeTitle.toUpperCase()
                color: root.dim
                elide: Text.ElideRight
                font.pixelSize: root.fontSize * 0.85
            }
            Text {
                width: root.valueWidth
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: root.afterTitle.toUpperCase()
                color: root.dim
                elide: Text.ElideRight
                font.pixelSize: root.fontSize * 0.85
            }
        }
    }

    delegate: Rectangle {
        id: line
        required property var modelData
        required property int index
        readonly property bool isHeader: !!modelData.header
        width: root.width
        height: isHeader ? root.rowHeight * 1.1 : Math.max(root.rowHeight, cells.implicitHeight + 8 * root.ps)
        color: isHeader ? (root.light ? AppStyle.rowColor : AppStyle.textColor) : AppStyle.clearColor
        Accessible.role: Accessible.ListItem
        Accessible.name: isHeader ? modelData.title
                                  : (modelData.label || modelData.field) + ": " + modelData.before + " → " + modelData.after

        Text {
            visible: line.isHeader
            anchors.fill: parent
            anchors.leftMargin: root.gap
            anchors.rightMargin: root.gap
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            color: root.ink
            font.pixelSize: root.fontSize
            text: line.isHeader ? line.modelData.title
                                  + (DiffTexts.changeText(line.modelData.change).length
                                     ? "  (" + DiffTexts.changeText(line.modelData.change) + ")" : "")
                                : ""
        }

        Row {
            id: cells
            visible: !line.isHeader
            anchors.verticalCenter: parent.verticalCenter
            anchors.left: parent.left
            anchors.leftMargin: root.gap * 2
            spacing: root.gap
            Text {
                width: root.nameWidth - root.gap
                text: line.isHeader ? "" : (line.modelData.label || line.modelData.field)
                color: root.dim
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                font.pixelSize: root.fontSize
            }
            Text {
                width: root.valueWidth
                text: line.isHeader ? "" : line.modelData.before
                color: root.light ? AppStyle.destructiveDarkColor : AppStyle.errorLightColor
                wrapMode: Text.WrapAnywhere
                maximumLineCount: 2
                elide: Text.ElideRight
                font.pixelSize: root.fontSize
            }
            Text {
                width: root.valueWidth
                text: line.isHeader ? "" : line.modelData.after
                color: root.light ? AppStyle.shadowGreenColor : AppStyle.paleGreenColor
                wrapMode: Text.WrapAnywhere
                maximumLineCount: 2
                elide: Text.ElideRight
                font.pixelSize: root.fontSize
            }
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: root.light ? AppStyle.lineColor : AppStyle.darkGreyColor
        }
    }
}
