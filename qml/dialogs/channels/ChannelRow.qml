import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../../myComponents"
import "../../utils/ChannelRules.js" as Channels

// One binding of a channel page: a channel type, a channel of that type, "Инвертированный" and
// "Подтяжка". A new type asks for its channel (red frame) until one is chosen; a busy dash input is
// refused and reported. Nothing is written until the choice is complete.
Rectangle {
    id: row
    property var page: null
    property var source: null        // the ArdixLamp / ArdixAction being edited
    property int lampIndex: -1       // the binding itself, skipped by the busy check
    property int actionIndex: -1
    property string rowKey: ""
    property string name: ""
    property string iconSource: ""
    property string iconText: ""
    property var channelTypes: []
    // Channels of the keypad types (actions page): lists of button names.
    property var keypadButtons: [[], []]

    property int chosenType: 0
    property bool pending: false

    readonly property real ps: AppStyle.pixelScale
    readonly property bool ownChannelTaken: {
        if (!page || !source)
            return false
        page.busyRevision
        return !pending && !Channels.bindingIsFree(page.context(), source, lampIndex, actionIndex)
    }
    readonly property bool asking: pending || ownChannelTaken
    readonly property var channelModel: {
        if (!page)
            return []
        page.busyRevision
        return channelsFor(chosenType)
    }

    width: parent ? parent.width : 0
    height: Math.round(AppStyle.basicRowHeight * 1.05)
    color: AppStyle.pageColor

    function channelsFor(type) {
        switch (type) {
        case Channels.ChannelType_ArdixInputsState:
            return Channels.dashInputChannels(page.context(), page.dashInputPins, lampIndex, actionIndex)
        case Channels.ChannelType_ArdixCanbusDigitalInput:
            return Channels.canInputChannels(page.canDigitalInputs)
        case Channels.ChannelType_PdmOutputState:
            return Channels.pdmOutputChannels(page.pdmOutputNames)
        case Channels.ChannelType_Keypad1:
            return Channels.keypadChannels(keypadButtons[0])
        case Channels.ChannelType_Keypad2:
            return Channels.keypadChannels(keypadButtons[1])
        }
        return []
    }

    function reset() {
        chosenType = source ? source.inChannelType : 0
        pending = false
        syncCombos()
    }

    function syncCombos() {
        typeCombo.currentIndex = Channels.indexOfValue(channelTypes, chosenType)
        channelCombo.currentIndex = pending || !source ? -1 : Channels.indexOfValue(channelModel, source.inChannel)
    }

    function chooseType(type) {
        if (!source)
            return
        if (type === Channels.ChannelType_DisabledFunction) {
            pending = false
            chosenType = type
            source.inChannelType = type
            source.inChannel = 0
            source.isInverse = false
            source.isPullUp = false
            page.markChanged()
        } else if (type !== chosenType || pending) {
            chosenType = type
            pending = true
        }
        syncCombos()
    }

    function chooseChannel(entryIndex) {
        const e = channelModel[entryIndex]
        if (!e || !source)
            return
        if (chosenType === Channels.ChannelType_ArdixInputsState) {
            const owner = Channels.inputOwner(page.context(), e.value, lampIndex, actionIndex)
            if (owner) {
                page.tell(Channels.busyMessage(owner))
                syncCombos()
                return
            }
        }
        source.inChannelType = chosenType
        source.inChannel = e.value
        if (chosenType !== Channels.ChannelType_ArdixInputsState)
            source.isPullUp = false
        pending = false
        page.markChanged()
        syncCombos()
    }

    onAskingChanged: if (page) page.setPending(rowKey, asking)
    onChannelModelChanged: syncCombos()
    Component.onCompleted: {
        reset()
        if (asking && page)
            page.setPending(rowKey, true)
    }

    Connections {
        target: row.page
        function onResetRevisionChanged() { row.reset() }
    }
    Connections {
        target: row.source
        function onDataChanged() { if (!row.pending) row.reset() }
    }

    Rectangle {
        id: iconColumn
        width: 150 * row.ps
        height: parent.height
        color: AppStyle.textColor
        Image {
            anchors.centerIn: parent
            visible: row.iconSource !== ""
            source: row.iconSource
            height: parent.height * 0.7
            width: height
            sourceSize: Qt.size(width, height)
            fillMode: Image.PreserveAspectFit
        }
        Text {
            anchors.centerIn: parent
            visible: row.iconSource === ""
            text: row.iconText
            color: AppStyle.whiteColor
            font.pixelSize: AppStyle.basicTitleSize
        }
    }

    Text {
        id: nameText
        anchors.left: iconColumn.right
        anchors.leftMargin: 10 * row.ps
        anchors.right: controls.left
        anchors.rightMargin: 10 * row.ps
        anchors.verticalCenter: parent.verticalCenter
        text: row.name
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
        wrapMode: Text.WordWrap
        maximumLineCount: 3
        elide: Text.ElideRight
    }

    Row {
        id: controls
        anchors.right: parent.right
        anchors.rightMargin: 10 * row.ps
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8 * row.ps

        MyComboBox {
            id: typeCombo
            objectName: "typeCombo"
            width: 230 * row.ps
            anchors.verticalCenter: parent.verticalCenter
            accessibleName: row.name + qsTr(": тип канала")
            model: row.channelTypes
            onActivated: (index) => row.chooseType(row.channelTypes[index].value)
        }
        MyComboBox {
            id: channelCombo
            objectName: "channelCombo"
            width: 300 * row.ps
            anchors.verticalCenter: parent.verticalCenter
            accessibleName: row.name + qsTr(": канал")
            enabled: row.chosenType !== Channels.ChannelType_DisabledFunction
            model: row.channelModel
            focusHighlight: row.asking
            displayText: currentIndex < 0 ? (row.chosenType === Channels.ChannelType_DisabledFunction ? "" : qsTr("выберите канал"))
                                          : currentText
            onActivated: (index) => row.chooseChannel(index)
        }
        CheckBoxNuvo {
            objectName: "inverseCheck"
            width: 185 * row.ps
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Инвертированный")
            enabled: row.chosenType !== Channels.ChannelType_DisabledFunction && !row.pending
            target: row.source
            property: "isInverse"
            changeFlag: function() { row.page.markChanged() }
        }
        CheckBoxNuvo {
            objectName: "pullUpCheck"
            width: 140 * row.ps
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Подтяжка")
            enabled: row.chosenType === Channels.ChannelType_ArdixInputsState && !row.pending
            target: row.source
            property: "isPullUp"
            changeFlag: function() { row.page.markChanged() }
        }
    }
}
