import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "channels"
import "../utils/ChannelRules.js" as Channels

// The dash's built-in actions, each started by an input, a CAN input or a keypad button.
BaseChannelConfigDialog {
    id: root
    objectName: "actionsConfigDialog"
    title: qsTr("Встроенные функции и действия")

    readonly property int actionsShown: Math.min(ArdixEnums.MAXID_Action, actionsConfig.length)
    readonly property var keypadButtons: {
        const pads = extra ? extra.keypads : []
        return [pads.length > 0 ? pads[0].buttonsNames : [], pads.length > 1 ? pads[1].buttonsNames : []]
    }

    ListView {
        id: list
        objectName: "actionsList"
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        spacing: 2
        model: root.actionsShown
        cacheBuffer: 100000
        ScrollBar.vertical: ScrollBar { policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }
        delegate: ChannelRow {
            required property int index
            objectName: "actionRow_" + index
            width: list.width - 14 * AppStyle.pixelScale
            page: root
            source: root.actionsConfig[index]
            actionIndex: index
            rowKey: "action" + index
            name: Channels.actionName(index)
            iconText: "#" + (index + 1)
            channelTypes: Channels.actionChannelTypes()
            keypadButtons: root.keypadButtons
        }
    }
}
