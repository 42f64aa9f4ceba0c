import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "channels"
import "../utils/ChannelRules.js" as Channels
import "../utils/ModuleInputRules.js" as ModuleInputs

// The dash's warning lamps, each bound to an input channel.
BaseChannelConfigDialog {
    id: root
    objectName: "lampsConfigDialog"
    title: qsTr("Настройка лампочек")

    // Which entries of the lamp table this page lists: the gear page takes the gear positions.
    property bool gearLamps: false
    readonly property var shownLamps: lampsInfo.filter(l => (l.lampIndex >= ArdixEnums.Lamp_Gear_Neutral) === gearLamps)
    // Taken once: the PDM outputs stay offered while the page is open, even if the last lamp on
    // them is moved.
    property var channelTypes: []
    Component.onCompleted: channelTypes = Channels.lampChannelTypes(lampsConfig)

    ListView {
        id: list
        objectName: "lampsList"
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        spacing: 2
        model: root.shownLamps
        cacheBuffer: 100000 // every row stays alive, so the leave check sees all of them
        ScrollBar.vertical: ScrollBar { policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }
        delegate: ChannelRow {
            required property var modelData
            objectName: "lampRow_" + modelData.lampIndex
            width: list.width - 14 * AppStyle.pixelScale
            page: root
            source: modelData.lampIndex < root.lampsConfig.length ? root.lampsConfig[modelData.lampIndex] : null
            lampIndex: modelData.lampIndex
            rowKey: "lamp" + modelData.lampIndex
            name: modelData.lampName
            iconSource: modelData.icon
            iconText: ModuleInputs.lampLabel(modelData.lampIndex, modelData.icon)
            channelTypes: root.channelTypes
        }
    }
}
