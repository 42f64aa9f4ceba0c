import QtQuick
import QtQuick.Controls
import ARDIX 1.0

// A combo for light settings rows: white field, dark text, a list that fits its longest entry.
ComboBox {
    id: root
    property string accessibleName: ""
    property color fieldColor: AppStyle.whiteColor

    implicitHeight: AppStyle.comboHeight
    implicitContentWidthPolicy: ComboBox.WidestText
    font.pixelSize: AppStyle.basicFontSize
    Accessible.name: accessibleName !== "" ? accessibleName : displayText
    // The current choice, read after the name.
    Accessible.description: displayText

    background: Rectangle {
        color: root.pressed ? AppStyle.rowColor : root.fieldColor
        border.color: root.activeFocus ? AppStyle.primaryColor : AppStyle.disabledTextColor
        border.width: root.activeFocus ? 2 : 1
        radius: 4
    }
    contentItem: Text {
        leftPadding: 12 * AppStyle.pixelScale
        rightPadding: root.indicator.width + 6 * AppStyle.pixelScale
        text: root.displayText
        font: root.font
        color: root.enabled ? AppStyle.textColor : AppStyle.mutedTextColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    indicator: Image {
        x: root.width - width - 8 * AppStyle.pixelScale
        y: (root.height - height) / 2
        width: root.height * 0.55
        height: width
        sourceSize.width: width
        sourceSize.height: height
        source: "qrc:/ARDIX/images/icons/drop_arrow_dark.svg"
    }
    delegate: ItemDelegate {
        required property int index
        required property var modelData
        width: ListView.view ? ListView.view.width : implicitWidth
        height: AppStyle.comboHeight
        highlighted: root.highlightedIndex === index
        Accessible.name: entryText.text
        contentItem: Text {
            id: entryText
            text: typeof modelData === "object" && modelData !== null ? modelData[root.textRole] : modelData
            font: root.font
            color: AppStyle.textColor
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
        background: Rectangle {
            color: highlighted ? AppStyle.selectionColor : (index === root.currentIndex ? AppStyle.hoverColor : AppStyle.whiteColor)
        }
    }
    popup: Popup {
        y: root.height
        width: Math.max(root.width, root.implicitContentWidth + 40 * AppStyle.pixelScale)
        implicitHeight: Math.min(contentItem.implicitHeight + 2, AppStyle.comboHeight * 10)
        padding: 1
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: root.popup.visible ? root.delegateModel : null
            currentIndex: root.highlightedIndex
            ScrollIndicator.vertical: ScrollIndicator {}
        }
        background: Rectangle {
            color: AppStyle.whiteColor
            border.color: AppStyle.disabledTextColor
        }
    }
}
