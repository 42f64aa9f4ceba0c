import QtQuick
import ARDIX 1.0
import "../myComponents"
import "../utils/PdmFunctionChoices.js" as Choices
import "../utils/PdmDialogs.js" as Dialogs

// The ordered conditions of an output, a global function or a keypad lamp: one row per child
// function with its description, the AND / OR between neighbours, reorder, edit, remove and add.
Column {
    id: root
    property var owner: null            // an object with child functions
    property var pdm: DevSettings.pdm
    property var preview: null          // PdmLogicPreview for texts of unapplied edits
    property var window: null
    property var kernel: null
    property int functionParent: ArdixEnums.FunctionParent_PdmOutput
    property string changeFlag: "outputsHasChanges"
    property string addText: qsTr("Добавить условие")
    readonly property int maxChildren: 16
    readonly property real ps: AppStyle.pixelScale

    readonly property int count: owner ? owner.functionsCount : 0
    readonly property var order: owner ? owner.functionsOrder : []
    readonly property int ops: owner ? owner.operatorsBetweenFunctions : 0

    spacing: 6 * ps

    signal appended(int funcId)

    function changed() {
        if (!pdm)
            return
        pdm[changeFlag] = true
        pdm.functionsHasChanges = true
    }

    function describe(id) {
        return preview && preview.revision >= 0 ? preview.description(id) : ""
    }

    function openCondition(id, isNew) {
        const d = Dialogs.openModal(window, "logicDialogs/InternalFunctionSettingsDialog.qml", {
            thisFunctionId: id, isAddNew: isNew, functionParent: functionParent, kernel: kernel, window: window })
        if (d && isNew)
            d.functionSaved.connect(function(fid) { root.append(fid) })
        return d
    }

    function add() {
        if (!owner || !pdm || count >= maxChildren)
            return null
        const id = Dialogs.newFunctionId(window, pdm.functions)
        return id < 0 ? null : openCondition(id, true)
    }

    function append(id) {
        const o = owner.functionsOrder
        o[count] = id
        owner.functionsOrder = o
        owner.functionsCount = count + 1
        changed()
        appended(id)
    }

    // A condition belongs to its parent alone: removing it frees its slot.
    function remove(k) {
        const id = order[k]
        if (!owner.removeChildFunc(k))
            return
        const f = pdm.functions[id]
        if (f && Choices.bitSet(f.configBits, ArdixEnums.FunctionIsInternal)
                && !Choices.bitSet(f.configBits, ArdixEnums.FunctionIsGlobal)
                && !Choices.bitSet(f.configBits, ArdixEnums.FunctionIsCounter))
            f.reset()
        changed()
    }

    function toggleOperator(k) {
        owner.operatorsBetweenFunctions = (ops ^ (1 << k)) >>> 0
        changed()
    }

    Repeater {
        model: root.count
        Column {
            id: entry
            required property int index
            readonly property int funcId: root.order[index]
            width: root.width
            spacing: 6 * root.ps

            Rectangle {
                visible: entry.index > 0
                width: 110 * root.ps
                height: 38 * root.ps
                radius: height / 2
                anchors.horizontalCenter: parent.horizontalCenter
                readonly property bool isOr: ((root.ops >> (entry.index - 1)) & 1) === 1
                color: isOr ? AppStyle.bronzeColor : AppStyle.primaryColor
                objectName: "operatorToggle_" + entry.index
                activeFocusOnTab: true
                Accessible.role: Accessible.Button
                Accessible.name: isOr ? qsTr("ИЛИ") : qsTr("И")
                Accessible.onPressAction: root.toggleOperator(entry.index - 1)
                Keys.onSpacePressed: root.toggleOperator(entry.index - 1)
                Text {
                    anchors.centerIn: parent
                    text: parent.isOr ? qsTr("ИЛИ") : qsTr("И")
                    color: AppStyle.whiteColor
                    font.pixelSize: AppStyle.basicFontSize
                }
                MouseArea { anchors.fill: parent; onClicked: root.toggleOperator(entry.index - 1) }
            }

            Rectangle {
                width: parent.width
                height: Math.max(AppStyle.basicRowHeight * 0.8, descr.implicitHeight + 16 * root.ps)
                color: AppStyle.whiteColor
                border.color: AppStyle.lineColor
                radius: 4
                Text {
                    id: descr
                    objectName: "childDescription_" + entry.index
                    anchors.left: parent.left
                    anchors.leftMargin: 14 * root.ps
                    anchors.right: buttons.left
                    anchors.rightMargin: 10 * root.ps
                    anchors.verticalCenter: parent.verticalCenter
                    text: (entry.index + 1) + ". " + root.describe(entry.funcId)
                    color: AppStyle.textColor
                    wrapMode: Text.WordWrap
                    font.pixelSize: AppStyle.basicFontSize * 0.9
                }
                Row {
                    id: buttons
                    anchors.right: parent.right
                    anchors.rightMargin: 8 * root.ps
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 6 * root.ps
                    FlatButton {
                        width: 52 * root.ps; height: 44 * root.ps
                        text: "▲"; accessibleName: qsTr("Вверх")
                        enabled: entry.index > 0
                        onClicked: { root.owner.moveUpChildFunc(entry.index); root.changed() }
                    }
                    FlatButton {
                        width: 52 * root.ps; height: 44 * root.ps
                        text: "▼"; accessibleName: qsTr("Вниз")
                        enabled: entry.index < root.count - 1
                        onClicked: { root.owner.moveDownChildFunc(entry.index); root.changed() }
                    }
                    FlatButton {
                        width: 120 * root.ps; height: 44 * root.ps
                        text: qsTr("Изменить")
                        onClicked: root.openCondition(entry.funcId, false)
                    }
                    FlatButton {
                        objectName: "removeChild_" + entry.index
                        width: 110 * root.ps; height: 44 * root.ps
                        color: AppStyle.destructiveColor
                        text: qsTr("Удалить")
                        onClicked: root.remove(entry.index)
                    }
                }
            }
        }
    }

    FlatButton {
        objectName: "addChildButton"
        visible: root.count < root.maxChildren
        width: 300 * root.ps
        height: 50 * root.ps
        color: AppStyle.confirmColor
        text: "+ " + root.addText
        onClicked: root.add()
    }
}
