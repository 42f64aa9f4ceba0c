import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../../myComponents"
import "../../utils/SensorSources.js" as Sources

// "CAN источник": how a sensor's value is cut out of a received CAN message and converted. The
// sensor keeps its CAN input (or takes the first free one); "Сохранить" binds it to the filter.
BasicDialog {
    id: root
    objectName: "canSourcePopup"
    property var page: null
    property var sensor: null
    property int messageIndex: 0
    title: qsTr("CAN источник")
    showDialogButtons: true
    backgroundItemWidth: 900 * AppStyle.pixelScale
    backgroundItemHeight: 640 * AppStyle.pixelScale

    readonly property real ps: AppStyle.pixelScale
    readonly property var customCan: page ? page.extra.customCan : null
    // Chosen once on open: enabling the input must not move the page to another one.
    property int inputIndex: -1
    readonly property var input: inputIndex >= 0 && customCan ? customCan.canAnalogInputs[inputIndex] : null
    Component.onCompleted: {
        inputIndex = findInput()
        // A fresh input starts as a plain copy of its byte, not as a division by zero.
        if (input && !input.isInputEnabled) {
            input.dataValueMultiplier = 1
            input.dataValueDivider = 1
            input.dataMask = 0xFFFF
        }
        takeSnapshots()
    }
    // Cancel puts back the input and the flags as they were on open.
    snapshotTargets: [DevSettings.dash, customCan ? page.extra : null, input]
    readonly property var flag: function() { root.page.extra.setCustomCanHasChanges(true) }

    function findInput() {
        if (!customCan || !sensor)
            return -1
        const inputs = customCan.canAnalogInputs
        for (let i = 0; i < inputs.length; ++i)
            if (inputs[i].isInputEnabled && inputs[i].destinationSensId === sensor.sensorID)
                return i
        for (let i = 0; i < inputs.length; ++i)
            if (!inputs[i].isInputEnabled)
                return i
        return -1
    }

    onAccepted: {
        if (!input) {
            destroyBasicDialog()
            return
        }
        input.isInputEnabled = true
        input.destinationSensId = sensor.sensorID
        input.canInMessageIndex = messageIndex
        root.flag()
        sensor.inputDataSource = ArdixEnums.InputSourceCustomCan
        sensor.inputSourceIndex = inputIndex
        page.dash.setSensorHasChanges(sensor.sensorID)
        destroyBasicDialog()
    }

    Text {
        anchors.centerIn: parent
        visible: root.input === null
        text: qsTr("Все CAN входы заняты")
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicTitleSize
    }

    Flickable {
        anchors.fill: parent
        anchors.margins: 14 * root.ps
        visible: root.input !== null
        clip: true
        contentHeight: grid.height
        boundsBehavior: Flickable.StopAtBounds
        Grid {
            id: grid
            columns: 2
            columnSpacing: 16 * root.ps
            rowSpacing: 8 * root.ps
            verticalItemAlignment: Grid.AlignVCenter
            readonly property real labelWidth: 280 * root.ps
            readonly property real fieldWidth: 480 * root.ps

            component Label: Text {
                width: grid.labelWidth
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicFontSize
                wrapMode: Text.WordWrap
            }

            Label { text: root.title; font.pixelSize: AppStyle.basicTitleSize; font.capitalization: Font.AllUppercase }
            Item { width: 1; height: 1 }
            Label { text: qsTr("Фильтр") }
            MyComboBox {
                id: filterCombo
                objectName: "filterCombo"
                width: grid.fieldWidth
                accessibleName: qsTr("Фильтр")
                model: Sources.canChannels(root.customCan ? root.customCan.canInMessages : [])
                // The model arrives after the first index: keep the filter the row asked for.
                onCountChanged: currentIndex = root.messageIndex
                Component.onCompleted: currentIndex = root.messageIndex
                onActivated: (index) => root.messageIndex = index
            }
            Label { text: qsTr("Размер") }
            MyComboBox {
                objectName: "sizeCombo"
                width: grid.fieldWidth
                accessibleName: qsTr("Размер")
                model: [{ text: "8bit(unsigned)" }, { text: "8bit(signed)" }, { text: "16bit(unsigned)" }, { text: "16bit(signed)" }]
                currentIndex: root.input ? (root.input.isSize16Bit ? 2 : 0) + (root.input.isSignedValue ? 1 : 0) : 0
                onActivated: (index) => {
                    root.input.isSize16Bit = index >= 2
                    root.input.isSignedValue = index % 2 === 1
                    root.flag()
                }
            }
            Label { text: qsTr("Порядок байт") }
            MyComboBox {
                objectName: "byteOrderCombo"
                width: grid.fieldWidth
                accessibleName: qsTr("Порядок байт")
                model: [{ text: qsTr("младший байт первый(LS first)"), value: false },
                        { text: qsTr("поменять местами(MS first, старший байт первый)"), value: true }]
                target: root.input
                property: "isSwapBytes"
                changeFlag: root.flag
            }
            Label { text: qsTr("Байт в сообщении:") }
            IntTextField { width: 120 * root.ps; label: qsTr("Байт в сообщении"); intFrom: 0; intTo: 7; target: root.input; property: "dataByteIndex"; changeFlag: root.flag }
            Label { text: qsTr("Индекс в цепочке:") }
            IntTextField { width: 120 * root.ps; label: qsTr("Индекс в цепочке"); intFrom: 0; intTo: 63; target: root.input; property: "frameId"; changeFlag: root.flag }
            Label { text: qsTr("Конвертация данных"); font.bold: true }
            Item { width: 1; height: 1 }
            Label { text: qsTr("1.Маска") }
            HexTextField { objectName: "maskField"; width: 160 * root.ps; label: qsTr("Маска"); intFrom: 0; intTo: 0xFFFF; target: root.input; property: "dataMask"; changeFlag: root.flag }
            Label { text: qsTr("2.Множитель") }
            IntTextField { width: 160 * root.ps; label: qsTr("Множитель"); intFrom: -32768; intTo: 32767; target: root.input; property: "dataValueMultiplier"; changeFlag: root.flag }
            Label { text: qsTr("3.Делитель") }
            IntTextField { objectName: "dividerField"; width: 160 * root.ps; label: qsTr("Делитель"); intFrom: 1; intTo: 32767; target: root.input; property: "dataValueDivider"; changeFlag: root.flag }
            Label { text: qsTr("4.Оффсет") }
            IntTextField { width: 160 * root.ps; label: qsTr("Оффсет"); intFrom: -32768; intTo: 32767; target: root.input; property: "dataValueOffset"; changeFlag: root.flag }
            Label { text: qsTr("при таймауте пакета") }
            Row {
                spacing: 10 * root.ps
                MyComboBox {
                    width: 300 * root.ps
                    accessibleName: qsTr("при таймауте пакета")
                    model: [{ text: qsTr("Последнее состояние"), value: false }, { text: qsTr("установить значение:"), value: true }]
                    target: root.input
                    property: "isSetValueOnTimeout"
                    changeFlag: root.flag
                }
                IntTextField {
                    width: 160 * root.ps
                    label: qsTr("Значение при таймауте")
                    enabled: root.input !== null && root.input.isSetValueOnTimeout
                    intFrom: -32768
                    intTo: 32767
                    target: root.input
                    property: "dataValueOnTimeout"
                    changeFlag: root.flag
                }
            }
        }
    }
}
