import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../utils/ModuleInputRules.js" as Rules

// The 16-input expansion module: what each input switches on the dash (a lamp) and whether it
// reads inverted. One lamp drives from one input only.
BasicDialog {
    id: root
    objectName: "buttonsSetupDialog"
    fullScreen: true
    title: qsTr("Настройка кнопок и других логических входов")

    readonly property var dash: DevSettings.dash
    readonly property var common: dash ? dash.commonSettings : null
    readonly property var lampsInfo: kernel ? kernel.lampsInfo : []
    readonly property var values: common ? common.input16ChannelModuleSettings : []
    readonly property real ps: AppStyle.pixelScale

    applyButtonRight.visible: dash !== null && dash.hasChanges
    onAccepted: if (kernel) kernel.applyNewArdixSettings()

    function tell(text) {
        if (window && typeof window.createDialog === "function")
            window.createDialog({ dialogText: text }, null)
    }

    // The list is one property: a channel is written by writing the whole list back.
    function store(list) {
        if (!list || list.every((v, i) => v === values[i]))
            return
        common.input16ChannelModuleSettings = list
        dash.commonSettingsHasChanges = true
    }

    // False (and the user told) when another input already drives that function.
    function chooseFunction(channel, fn) {
        const list = Rules.withFunction(values, channel, fn)
        if (!list) {
            tell(Rules.refusalText(lampsInfo, fn, Rules.channelHolding(values, fn, channel)))
            return false
        }
        store(list)
        return true
    }

    function setInverted(channel, inverted) {
        store(Rules.withInverted(values, channel, inverted))
    }

    ListView {
        id: list
        objectName: "moduleInputsList"
        anchors.fill: parent
        anchors.margins: 12 * root.ps
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        spacing: 6 * root.ps
        model: root.values.length
        ScrollBar.vertical: ScrollBar { policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }

        delegate: Rectangle {
            id: inputRow
            required property int index
            readonly property int value: index < root.values.length ? root.values[index] : 0
            readonly property int fn: Rules.functionOf(value)
            readonly property var lamp: Rules.lampEntry(root.lampsInfo, fn)
            readonly property var choices: Rules.choices(root.lampsInfo, root.values, index)

            objectName: "inputRow_" + index
            width: list.width - 14 * root.ps
            height: AppStyle.basicRowHeight
            color: AppStyle.rowColor
            radius: 4

            // Read from the list itself: the row's own bindings may not have caught up yet.
            function sync() {
                const v = index < root.values.length ? root.values[index] : 0
                functionCombo.currentIndex = Rules.indexOfValue(choices, Rules.functionOf(v))
                invertCheck.checked = Rules.isInverted(v)
            }
            onValueChanged: sync()
            onChoicesChanged: sync()
            Component.onCompleted: sync()

            // The chosen lamp's picture, as on the dash; nothing for an unused input.
            Rectangle {
                id: iconBox
                width: 100 * root.ps
                height: parent.height
                radius: 4
                color: inputRow.lamp !== null ? AppStyle.textColor : AppStyle.clearColor
                Image {
                    anchors.centerIn: parent
                    visible: inputRow.lamp !== null && inputRow.lamp.icon !== ""
                    source: visible ? inputRow.lamp.icon : ""
                    height: parent.height * 0.7
                    width: height
                    sourceSize: Qt.size(width, height)
                    fillMode: Image.PreserveAspectFit
                }
                Text {
                    anchors.centerIn: parent
                    visible: inputRow.lamp !== null && inputRow.lamp.icon === ""
                    text: inputRow.lamp ? Rules.lampLabel(inputRow.lamp.lampIndex, inputRow.lamp.icon) : ""
                    color: AppStyle.whiteColor
                    font.pixelSize: AppStyle.basicTitleSize
                }
            }

            Text {
                id: inputName
                anchors.left: iconBox.right
                anchors.leftMargin: 16 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                width: 130 * root.ps
                text: qsTr("Вход #%1").arg(inputRow.index + 1)
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicTitleSize
            }

            MyComboBox {
                id: functionCombo
                objectName: "functionCombo"
                anchors.left: inputName.right
                anchors.leftMargin: 10 * root.ps
                anchors.right: invertCheck.left
                anchors.rightMargin: 20 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                accessibleName: inputName.text + qsTr(": функция")
                model: inputRow.choices
                onActivated: (i) => {
                    const e = inputRow.choices[i]
                    if (e && !e.disabled)
                        root.chooseFunction(inputRow.index, e.value)
                    else if (e)
                        root.tell(Rules.refusalText(root.lampsInfo, e.value,
                                                    Rules.channelHolding(root.values, e.value, inputRow.index)))
                    inputRow.sync()
                }
            }

            CheckBoxNuvo {
                id: invertCheck
                objectName: "invertCheck"
                anchors.right: parent.right
                anchors.rightMargin: 16 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                width: 230 * root.ps
                text: qsTr("Инвертированный")
                onToggled: {
                    root.setInverted(inputRow.index, checked)
                    inputRow.sync()
                }
            }
        }
    }
}
