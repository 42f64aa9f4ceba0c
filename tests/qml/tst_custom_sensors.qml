import QtQuick
import QtQuick.Controls
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/dialogs"
import "qrc:/ARDIX/qml/dialogs/customSensors/CustomSensorRules.js" as Custom

// The user table page (conversions, points, who reads a table, the raw input readings) and the
// custom gauges page (add, name, kind, remove) over a real kernel's settings objects.
Item {
    id: top
    width: 1280
    height: 800

    ArdixKernel { id: realKernel }

    // The kernel as the raw readings view sees it: online or not, what it was asked to send.
    QtObject {
        id: stubKernel
        property int ardixStatus: MyDefines.ardixOnline
        readonly property var ardixDescription: realKernel.getDashDescription()
        readonly property var analogGroupsNames: realKernel.analogGroupsNames
        readonly property var units: realKernel.units
        property var sent: []
        signal newRawAdcDataRecievedFromArdix(var rawAdcData)
        function sendToArdixQueue(action, command, parameter) { sent.push([action, command, parameter]) }
        function applyNewArdixSettings() {}
    }

    Item {
        id: stubWindow
        anchors.fill: parent
        property bool isMobile: false
        property var dialogs: []
        function createDialog(props, handlers) {
            dialogs.push({ props: props, handlers: handlers })
            return {}
        }
        function last() { return dialogs[dialogs.length - 1] }
    }

    Component { id: analogPage; CustomAnalogSensorDialog { window: stubWindow; kernel: stubKernel } }
    Component { id: gaugesPage; UserCustomSensorDialog { window: stubWindow; kernel: realKernel } }

    TestCase {
        id: tc
        name: "CustomSensorPages"
        when: windowShown

        readonly property var dash: realKernel.currentArdixSettings
        // 6 voltage inputs in mV, then 5 resistive inputs in ohms.
        readonly property var reading: [500, 4999, 0, 1234, 2345, 3456, 2200000, 2200001, 98000, 470, 10]

        function initTestCase() {
            DevSettings.dash = realKernel.currentArdixSettings
            DevSettings.pdm = realKernel.currentPdmSettings
        }

        function init() {
            stubWindow.dialogs = []
            stubKernel.sent = []
            stubKernel.ardixStatus = MyDefines.ardixOnline
            dash.reloadFromStruct()
            for (const s of dash.customSensors) {
                s.customShortName = ""
                s.setupCustomSens()
            }
            for (const s of dash.sensors)
                if (s.inputDataSource === ArdixEnums.InputSourceCustomAnalog)
                    s.inputDataSource = ArdixEnums.InputSourceNo
            dash.hasChanges = false
        }

        function openPage(component) {
            const p = createTemporaryObject(component, stubWindow)
            tryCompare(p, "opacity", 1)
            return p
        }

        function child(item, name) {
            tryVerify(() => findChild(item, name) !== null, 2000, name)
            return findChild(item, name)
        }

        function type(field, text) {
            field.forceActiveFocus()
            field.selectAll()
            if (text === "")
                keyClick(Qt.Key_Delete)
            else if (/^[ -~]+$/.test(text))
                for (const c of text)
                    keyClick(c)
            else
                paste(field, text)
            keyClick(Qt.Key_Return)
        }
        // Key events only exist for ASCII: other text arrives as an edit of the user would.
        function paste(field, text) {
            field.text = text
            field.textEdited()
        }

        function test_rulesUseTheDeviceCodes() {
            compare(Custom.Linear5V_CustomAnalogType, ArdixEnums.Linear5V_CustomAnalogType)
            compare(Custom.TableResistance_CustomAnalogType, ArdixEnums.TableResistance_CustomAnalogType)
            compare(Custom.RangeTable_CustomAnalogType, ArdixEnums.RangeTable_CustomAnalogType)
            compare(Custom.InputSourceCustomAnalog, ArdixEnums.InputSourceCustomAnalog)
            compare(Custom.types().length, 7)
        }

        // Asked for on open and on refresh; shown only when the reading matches the inputs.
        function test_rawInputsView() {
            const page = openPage(analogPage)
            compare(stubKernel.sent, [[ArdixEnums.CommandMessage, ArdixEnums.GetArdixADCRawData, 0]])
            const panel = child(page, "rawInputsPanel")
            compare(child(panel, "rawEmptyText").text, "нет данных")

            stubKernel.newRawAdcDataRecievedFromArdix(reading)
            const rows = page.rawRows
            compare(rows.map(r => r.value), ["0.50 В", "5.00 В", "0.00 В", "1.23 В", "2.35 В", "3.46 В",
                                             "2200.00 кОм", "> 2 МОм", "98.00 кОм", "0.47 кОм", "0.01 кОм"])
            const pins = stubKernel.ardixDescription.analogInputs
            compare(rows[0].pin, pins.pin[0])
            compare(rows[10].description, pins.description[10])
            tryVerify(() => findChild(panel, "rawRow_10") !== null)
            verify(!findChild(panel, "rawEmptyText").visible)

            stubKernel.newRawAdcDataRecievedFromArdix(reading.slice(0, 10))
            compare(page.rawRows.length, 0)

            mouseClick(child(panel, "rawRefreshButton"))
            compare(stubKernel.sent.length, 2)
            compare(stubWindow.dialogs.length, 0)
        }

        function test_rawInputsNeedTheLink() {
            stubKernel.ardixStatus = MyDefines.ardixOffline
            const page = openPage(analogPage)
            compare(stubKernel.sent.length, 0)
            compare(child(page, "rawEmptyText").text, "не подключен")
            mouseClick(child(page, "rawRefreshButton"))
            compare(stubKernel.sent.length, 0)
            compare(stubWindow.last().props.dialogText, "Нужно быть подключенным к Ardix")
            // The link coming up asks at once.
            stubKernel.ardixStatus = MyDefines.ardixOnline
            compare(stubKernel.sent.length, 1)
        }

        // The fuel tank table: points are written as typed (a comma is a point), an invalid
        // number stays red and writes nothing, more points show more rows.
        function test_tablePoints() {
            const tank = dash.customAnalogSensors[0]
            compare(tank.sensorType, ArdixEnums.TableResistance_CustomAnalogType)
            const page = openPage(analogPage)
            const editor = child(page, "analogSensorEditor")
            verify(child(editor, "tableBox").visible)
            verify(!child(editor, "linearBox").visible)

            const input = child(child(editor, "point_1"), "inputField")
            compare(input.text, "0.0")
            type(input, "1234,5")
            compare(tank.point(1, 1), 1234.5)
            verify(dash.customAnalogSensorsHasChanges)

            dash.hasChanges = false
            const value = child(child(editor, "point_0"), "valueField")
            type(value, "-")
            verify(!value.textValid)
            compare(tank.point(0, 0), 0)
            verify(!dash.customAnalogSensorsHasChanges)

            const spin = child(editor, "tableSizeSpin")
            spin.spinBox.increase()
            spin.spinBox.valueModified()
            compare(tank.tableSize, 3)
            verify(dash.customAnalogSensorsHasChanges)
            tryVerify(() => findChild(editor, "point_2") !== null)

            // A table in volts chosen after one in ohms shows its points with the volts' decimals.
            const volts = dash.customAnalogSensors[5]
            volts.sensorType = ArdixEnums.Table5V_CustomAnalogType
            volts.tableSize = 4
            volts.setPoint(0, 1, 1.25)
            page.current = 5
            compare(child(child(editor, "point_0"), "inputField").text, "1.250")
        }

        // The linear type shows its coefficients; retyping the stored float marks nothing.
        function test_linearCoefficients() {
            const page = openPage(analogPage)
            page.current = 4
            const t = dash.customAnalogSensors[4]
            const editor = child(page, "analogSensorEditor")
            const combo = child(editor, "analogTypeCombo")
            combo.activated(Custom.types().findIndex(e => e.value === ArdixEnums.Linear5V_CustomAnalogType))
            compare(t.sensorType, ArdixEnums.Linear5V_CustomAnalogType)
            verify(dash.customAnalogSensorsHasChanges)
            tryVerify(() => child(editor, "linearBox").visible)
            verify(!child(editor, "tableBox").visible)

            type(child(editor, "linearAField"), "0.1")
            type(child(editor, "linearBField"), "-12.5")
            compare(t.linearA, Math.fround(0.1))
            compare(t.linearB, -12.5)
            dash.hasChanges = false
            type(child(editor, "linearAField"), "0.1000")
            verify(!dash.customAnalogSensorsHasChanges)
        }

        function test_tableUsersAndNames() {
            const fuel = dash.sensors[ArdixEnums.FuelLevel_index]
            fuel.inputDataSource = ArdixEnums.InputSourceCustomAnalog
            fuel.analogTableID = 3
            const page = openPage(analogPage)
            page.current = 3
            const editor = child(page, "analogSensorEditor")
            compare(child(editor, "usersText").text, "Используется: " + fuel.sensorName)
            page.current = 2
            compare(child(editor, "usersText").text, "Не используется ни одним показателем")

            // 32 bytes do not fit the 32-byte field with its NUL; 31 do.
            const name = child(editor, "analogNameField")
            const t = dash.customAnalogSensors[2]
            type(name, "Д".repeat(16))
            verify(!name.textValid)
            compare(t.name, "")
            verify(!dash.customAnalogSensorsHasChanges)
            type(name, "Д".repeat(15) + "x")
            verify(name.textValid)
            compare(t.name, "Д".repeat(15) + "x")
            verify(dash.customAnalogSensorsHasChanges)

            // New settings arriving while the field has the focus are not overwritten on leaving it.
            name.forceActiveFocus()
            t.name = "с устройства"
            page.forceActiveFocus()
            compare(t.name, "с устройства")
            compare(name.text, "с устройства")
        }

        function test_addNameKindAndRemoveGauges() {
            const page = openPage(gaugesPage)
            verify(child(page, "emptyText").visible)
            mouseClick(child(page, "addSensorButton"))
            const first = dash.customSensors[0]
            compare(first.customShortName, "Показатель 1")
            verify(dash.customSensorsHasChanges)
            const row = child(page, "customRow_0")
            tryVerify(() => row.visible)
            const name = child(row, "nameField")
            verify(name.activeFocus)
            paste(name, "Тормоза")
            keyClick(Qt.Key_Return)
            compare(first.customShortName, "Тормоза")

            // The kind sets the gauge's range (liquid pressure: the oil pressure's, in hundredths).
            child(row, "groupCombo").activated(ArdixEnums.Liquid_pressure_analog)
            compare(first.analogGroup, ArdixEnums.Liquid_pressure_analog)
            verify(first.isFloat)
            compare(first.maxPossibleValue, dash.sensors[1].maxPossibleValue)
            child(row, "unitsCombo").activated(3)
            compare(first.unitsID, 3)

            compare(page.addSensor(), 1)
            compare(dash.customSensors[1].customShortName, "Показатель 2")

            // Removing asks first; the entry becomes the first free one again.
            first.inputDataSource = ArdixEnums.InputSourceAnalog
            const rm = child(row, "removeButton")
            waitForRendering(page) // the new row pushes the others down first
            mouseClick(rm)
            compare(stubWindow.last().props.dialogText, "Удалить показатель «Тормоза»?")
            compare(first.customShortName, "Тормоза")
            stubWindow.last().handlers.accepted()
            compare(first.customShortName, "")
            compare(first.inputDataSource, ArdixEnums.InputSourceNo)
            tryVerify(() => !row.visible)
            compare(Custom.firstFreeCustom(dash.customSensors), 0)

            // Clearing a name removes the gauge too; a name over 23 bytes is not taken.
            const second = child(child(page, "customRow_1"), "nameField")
            type(second, "Ж".repeat(12))
            verify(!second.textValid)
            compare(dash.customSensors[1].customShortName, "Показатель 2")
            type(second, "")
            compare(dash.customSensors[1].customShortName, "")
            tryVerify(() => child(page, "emptyText").visible)
        }

        function test_onlyThirtyGauges() {
            const page = openPage(gaugesPage)
            for (let i = 0; i < 30; ++i)
                compare(page.addSensor(), i)
            compare(page.inUseCount, 30)
            verify(!child(page, "addSensorButton").enabled)
            compare(page.addSensor(), -1)
            compare(dash.customSensors[30].customShortName, "")
            compare(dash.customSensors[31].customShortName, "")
        }
    }
}
