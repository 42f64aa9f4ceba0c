import QtQuick
import QtQuick.Controls
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/dialogs"
import "qrc:/ARDIX/qml/dialogs/sensors"
import "qrc:/ARDIX/qml/utils/SensorSources.js" as Sources

// The sensor pages over a real kernel's settings: the sources offered, the tables that fit an
// input, the red frame until a channel is chosen, the CAN decoding, warnings and the ECU choice.
Item {
    id: top
    width: 1280
    height: 800

    ArdixKernel { id: realKernel }

    Item {
        id: stubWindow
        anchors.fill: parent
        property bool isMobile: false
        property var dialogs: []
        function createDialog(props, handlers) {
            dialogs.push({ props: props, handlers: handlers })
            return {}
        }
        function lastText() { return dialogs.length ? dialogs[dialogs.length - 1].props.dialogText : "" }
        // Pages opened from a page outside the settings stack, by file.
        property var opened: []
        function openSettings() {
            return { openPage: function(file, props) { stubWindow.opened = stubWindow.opened.concat([file]); return null } }
        }
        function warningDialogClosed() {}
    }

    Component { id: allSensors; AllSensorsConfigDialog { window: stubWindow; kernel: realKernel } }
    Component { id: byType; SensorsByInputType { window: stubWindow; kernel: realKernel } }
    Component { id: sensorMenu; SensorMenu { window: stubWindow; kernel: realKernel } }

    TestCase {
        id: tc
        name: "DashSensorPages"
        when: windowShown

        readonly property var dash: realKernel.currentArdixSettings

        function initTestCase() {
            DevSettings.dash = realKernel.currentArdixSettings
            DevSettings.pdm = realKernel.currentPdmSettings
        }

        function init() {
            stubWindow.dialogs = []
            stubWindow.opened = []
            dash.reloadFromStruct()
            for (const l of dash.extra.lamps) l.inChannelType = 0
            for (const c of dash.extra.customCan.canAnalogInputs) c.isInputEnabled = false
            dash.sensors[ArdixEnums.OilPressure_index].inputDataSource = ArdixEnums.InputSourceAnalog
            dash.sensors[ArdixEnums.Speed_index].inputDataSource = ArdixEnums.InputSourceFrequency
            dash.sensors[ArdixEnums.Speed_index].inputSourceIndex = 0
            dash.hasChanges = false
            dash.sensorsHasChanges = false
            dash.extraSettingsHasChanges = false
        }

        function sensor(id) { return dash.sensors[id] }

        function openPage(component, props) {
            const p = createTemporaryObject(component, stubWindow, props || {})
            tryCompare(p, "opacity", 1)
            return p
        }

        function row(page, name) {
            tryVerify(() => findChild(page, name) !== null, 2000, name)
            return findChild(page, name)
        }

        function texts(list) { return list.map(e => e.text) }

        function test_rulesUseTheDeviceCodes() {
            compare(Sources.InputSourceAnalog, ArdixEnums.InputSourceAnalog)
            compare(Sources.InputSourceCustomAnalog, ArdixEnums.InputSourceCustomAnalog)
            compare(Sources.InputSourceCustomCan, ArdixEnums.InputSourceCustomCan)
            compare(Sources.InputSourceDigital_IO, ArdixEnums.InputSourceDigital_IO)
            compare(Sources.InputSourceCalculated, ArdixEnums.InputSourceCalculated)
            compare(Sources.InputSourceEgtModule, ArdixEnums.InputSourceEgtModule)
            compare(Sources.Gear_index, ArdixEnums.Gear_index)
            compare(Sources.ExhaustTemp2_index, ArdixEnums.ExhaustTemp2_index)
            compare(Sources.TableResistance_CustomAnalogType, ArdixEnums.TableResistance_CustomAnalogType)
        }

        function test_sourcesOffered_data() {
            return [
                { tag: "speed", id: ArdixEnums.Speed_index, has: ["Импульсный датчик", "CAN"], not: ["Аналоговый датчик"] },
                { tag: "oil pressure", id: ArdixEnums.OilPressure_index, has: ["Аналоговый датчик"], not: ["Импульсный датчик", "EGT CAN модуль"] },
                { tag: "exhaust", id: ArdixEnums.ExhaustTemp_index, has: ["EGT CAN модуль"], not: ["Импульсный датчик"] },
                { tag: "gear", id: ArdixEnums.Gear_index, has: ["Расчет из скорости и оборотов", "Цифровые входы"], not: [] }
            ]
        }
        function test_sourcesOffered(data) {
            const list = texts(Sources.sourcesFor(sensor(data.id), 0, "x"))
            compare(list[0], "Нет(другое)")
            compare(list[list.length - 1], "CAN")
            for (const t of data.has)
                verify(list.indexOf(t) >= 0, t)
            for (const t of data.not)
                verify(list.indexOf(t) < 0, t)
            // The ECU entry comes only with a protocol that delivers the sensor.
            const s = sensor(data.id)
            if (s.ecuProtocolsSupport.length > 0) {
                const p = s.ecuProtocolsSupport[0]
                verify(texts(Sources.sourcesFor(s, p, "Link")).indexOf("ECU Link") >= 0)
            }
        }

        function test_tablesFitTheInput() {
            const users = [{ name: "Бак", sensorType: ArdixEnums.TableResistance_CustomAnalogType },
                           { name: "Давление", sensorType: ArdixEnums.Linear5V_CustomAnalogType },
                           { name: "", sensorType: ArdixEnums.Disabled_CustomAnalogType }]
            const thermistor = { sensorID: ArdixEnums.OilTemp_index, analogGroup: 4 }
            compare(texts(Sources.tablesFor(thermistor, 7, ["NTC A", "NTC B"], users)), ["NTC A", "NTC B", "Пользовательский: Бак"])
            compare(texts(Sources.tablesFor(thermistor, 2, ["NTC A"], users)), ["Пользовательский: Давление"])
            const t = Sources.tablesFor(thermistor, 7, ["NTC A"], users)[1]
            compare(t.source, ArdixEnums.InputSourceCustomAnalog)
            compare(t.tableId, 0)
            const gear = { sensorID: ArdixEnums.Gear_index, analogGroup: 10 }
            compare(Sources.tablesFor(gear, 1, ["SAMSONAS"], [])[0].tableId, 0)
            compare(Sources.tablesFor({ sensorID: 1, analogGroup: 0 }, 3, [], []).length, 0)
        }

        function test_analogSourceAsksForInputThenTable() {
            const oil = sensor(ArdixEnums.OilPressure_index)
            const p = openPage(allSensors)
            const r = row(p, "sensorRow_" + ArdixEnums.OilPressure_index)
            const channelCombo = findChild(r, "channelCombo")
            r.chooseSource(ArdixEnums.InputSourceCustomCan)
            verify(r.pending)
            verify(channelCombo.focusHighlight)
            compare(channelCombo.displayText, "<- Выберите нужный CAN фильтр")
            compare(p.pendingCount, 1)
            r.chooseSource(ArdixEnums.InputSourceAnalog)
            verify(!r.pending) // back to what it has
            compare(p.pendingCount, 0)

            r.chooseChannel(4)
            const popup = findChild(p, "analogTablesPopup")
            verify(popup)
            compare(popup.input, 4)
            if (popup.tables.length === 0) {
                skip("no table fits input 5 for this sensor")
                return
            }
            popup.choose(popup.tables[0])
            compare(oil.inputSourceIndex, 4)
            compare(oil.inputDataSource, popup.tables[0].source)
            verify(dash.sensorsHasChanges)
            compare(channelCombo.currentIndex, 4)
            compare(channelCombo.currentText.indexOf("Пин " + realKernel.ardixDescription.analogInputs.pin[4]), 0)
        }

        function test_frequencyInputHeldByALampIsRefused() {
            const lamp = dash.extra.lamps[ArdixEnums.Lamp_ABS]
            lamp.inChannelType = ArdixEnums.ChannelType_ArdixInputsState
            lamp.inChannel = 3
            const p = openPage(allSensors)
            const r = row(p, "sensorRow_" + ArdixEnums.Speed_index)
            const e = r.channels.filter(c => c.value === 3)[0]
            verify(e.disabled)
            verify(e.text.endsWith(" — занят индикатором: Неисправность ABS"))
            // Its own input is not busy for the sensor itself.
            verify(!r.channels.filter(c => c.value === 0)[0].disabled)
            r.chooseChannel(r.channels.indexOf(e))
            compare(stubWindow.lastText(), "Данный вход занят: Неисправность ABS\n\nизменения не будут сохранены")
            compare(sensor(ArdixEnums.Speed_index).inputSourceIndex, 0)
        }

        function test_frequencyFactorIsWrittenTimesThousand() {
            const p = openPage(allSensors)
            const r = row(p, "sensorRow_" + ArdixEnums.Speed_index)
            r.frequencyRequested(0)
            const popup = findChild(p, "frequencyInputPopup")
            verify(popup)
            const field = findChild(popup, "factorField")
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_Delete)
            keyClick(Qt.Key_1)
            keyClick(Qt.Key_Comma)
            keyClick(Qt.Key_2)
            keyClick(Qt.Key_5)
            keyClick(Qt.Key_Return)
            compare(dash.extra.inputCaptureCorrection[0], 1250)
            verify(dash.extraSettingsHasChanges)
        }

        function test_canSourceBindsTheSensorAndKeepsBadNumbersOut() {
            const oil = sensor(ArdixEnums.OilPressure_index)
            const p = openPage(allSensors)
            const r = row(p, "sensorRow_" + ArdixEnums.OilPressure_index)
            r.chooseSource(ArdixEnums.InputSourceCustomCan)
            r.chooseChannel(2)
            const popup = findChild(p, "canSourcePopup")
            verify(popup)
            const input = popup.input
            verify(input)
            const divider = findChild(popup, "dividerField")
            const before = input.dataValueDivider
            divider.forceActiveFocus()
            divider.selectAll()
            keyClick(Qt.Key_0)
            keyClick(Qt.Key_Return)
            verify(!divider.textValid)
            compare(input.dataValueDivider, before)
            popup.accepted()
            verify(input.isInputEnabled)
            compare(input.destinationSensId, ArdixEnums.OilPressure_index)
            compare(input.canInMessageIndex, 2)
            compare(oil.inputDataSource, ArdixEnums.InputSourceCustomCan)
            compare(oil.inputSourceIndex, popup.inputIndex)
            verify(!r.pending)
            compare(findChild(r, "channelCombo").currentIndex, 2)

            // Moving off CAN frees the CAN input.
            r.chooseSource(ArdixEnums.InputSourceNo)
            verify(!input.isInputEnabled)
        }

        function test_warningsPageWritesTheWarningBit() {
            const p = openPage(byType, { setWarnings: true })
            compare(p.title, "Активируйте и настройте предупреждения по желаемым показателям")
            const shown = p.sensorsShown()
            verify(shown.length > 0)
            const s = shown[0]
            const r = row(p, "sensorRow_" + s.sensorID)
            const check = findChild(r, "sensorCheck")
            const before = s.isWarningEnable
            compare(check.checked, before)
            mouseClick(check)
            compare(s.isWarningEnable, !before)
            verify(dash.sensorsHasChanges)
        }

        function test_ecuPageAsksBeforeTakingASensorFromItsSource() {
            let ecu = -1
            let target = null
            for (const s of dash.sensors) {
                if (s.ecuProtocolsSupport.length > 0 && s.sensorID !== ArdixEnums.Speed_index) {
                    target = s
                    ecu = s.ecuProtocolsSupport[0]
                    break
                }
            }
            verify(target)
            dash.commonSettings.currEcuProtocol = ecu
            target.inputDataSource = ArdixEnums.InputSourceAnalog
            const p = openPage(byType, { setEcu: true })
            const r = row(p, "sensorRow_" + target.sensorID)
            const check = findChild(r, "sensorCheck")
            verify(!check.checked)
            mouseClick(check)
            compare(stubWindow.dialogs.length, 1)
            compare(target.inputDataSource, ArdixEnums.InputSourceAnalog)
            verify(!check.checked)
            stubWindow.dialogs[0].handlers.accepted()
            compare(target.inputDataSource, ArdixEnums.InputSourceEcu)
            verify(check.checked)
            mouseClick(check)
            compare(target.inputDataSource, ArdixEnums.InputSourceNo)
        }
    
        // CAN chosen with no filter switched on: the page offers the filters page, and takes the user
        // there; with a filter on it does not ask.
        function test_canWithoutFiltersOffersTheFilterPage() {
            for (const m of dash.extra.customCan.canInMessages) m.isMessageEnabled = false
            const p = openPage(allSensors)
            const r = row(p, "sensorRow_" + ArdixEnums.OilPressure_index)
            r.chooseSource(ArdixEnums.InputSourceCustomCan)
            compare(stubWindow.dialogs.length, 1)
            verify(stubWindow.lastText().endsWith("Перейти к настройкам CAN фильтров?"))
            verify(stubWindow.dialogs[0].props.isCancelBtnVisible)
            stubWindow.dialogs[0].handlers.accepted()
            compare(stubWindow.opened, ["canDialogs/CanInputMessagesDialog.qml"])

            dash.extra.customCan.canInMessages[3].isMessageEnabled = true
            r.chooseSource(ArdixEnums.InputSourceNo)
            r.chooseSource(ArdixEnums.InputSourceCustomCan)
            compare(stubWindow.dialogs.length, 1)
        }

        // An input no table fits says where tables are made and opens that page.
        function test_noTableFitsLeadsToTheCustomTablesPage() {
            for (const t of dash.customAnalogSensors) t.sensorType = ArdixEnums.Disabled_CustomAnalogType
            const p = openPage(allSensors)
            const r = row(p, "sensorRow_" + ArdixEnums.BatteryVolts_index)
            r.chooseSource(ArdixEnums.InputSourceAnalog)
            r.chooseChannel(0)
            const popup = findChild(p, "analogTablesPopup")
            verify(popup)
            tryCompare(popup, "opacity", 1)
            compare(popup.tables.length, 0)
            const hint = findChild(popup, "noTablesHint")
            verify(hint.visible && hint.text.indexOf("Пользовательские датчики") >= 0)
            const button = findChild(popup, "customTablesButton")
            verify(button.visible)
            button.clicked()
            compare(stubWindow.opened, ["dialogs/CustomAnalogSensorDialog.qml"])
            tryVerify(() => findChild(p, "analogTablesPopup") === null)
        }

        // A sensor fed by a CAN input and moved to a table or to the ECU no longer has that input
        // writing into it.
        function test_movingOffCanFreesTheCanInput_data() {
            return [{ tag: "table" }, { tag: "ecu" }]
        }
        function test_movingOffCanFreesTheCanInput(data) {
            const oil = sensor(ArdixEnums.OilPressure_index)
            const input = dash.extra.customCan.canAnalogInputs[5]
            input.isInputEnabled = true
            input.destinationSensId = ArdixEnums.OilPressure_index
            oil.inputDataSource = ArdixEnums.InputSourceCustomCan
            oil.inputSourceIndex = 5
            dash.extra.customCanHasChanges = false
            if (data.tag === "table") {
                const p = openPage(allSensors)
                const r = row(p, "sensorRow_" + ArdixEnums.OilPressure_index)
                r.chooseSource(ArdixEnums.InputSourceAnalog)
                r.chooseChannel(0)
                const popup = findChild(p, "analogTablesPopup")
                verify(popup.tables.length > 0)
                popup.choose(popup.tables[0])
                compare(oil.inputDataSource, popup.tables[0].source)
            } else {
                dash.commonSettings.currEcuProtocol = oil.ecuProtocolsSupport[0]
                const p = openPage(byType, { setEcu: true })
                p.takeFromEcu(oil, true)
                stubWindow.dialogs[0].handlers.accepted()
                compare(oil.inputDataSource, ArdixEnums.InputSourceEcu)
            }
            verify(!input.isInputEnabled)
            verify(dash.extra.customCanHasChanges)
        }

        // The replica's sensor menu has a title and says why its list is short, with the way to the
        // pages that give sensors a source (the ECU page only when an ECU is chosen).
        function test_sensorMenuSaysWhyAndLeadsOn_data() {
            return [{ tag: "no ecu", ecu: 0, link: "allSensorsLink", page: "dialogs/AllSensorsConfigDialog.qml" },
                    { tag: "ecu", ecu: 3, link: "ecuSensorsLink", page: "dialogs/SensorsByInputType.qml" }]
        }
        function test_sensorMenuSaysWhyAndLeadsOn(data) {
            dash.commonSettings.currEcuProtocol = data.ecu
            const m = createTemporaryObject(sensorMenu, stubWindow)
            tryCompare(m, "opacity", 1)
            const title = findChild(m, "sensorMenuTitle")
            verify(title.visible)
            compare(title.text, "ВЫБОР ПОКАЗАТЕЛЯ")
            verify(findChild(m, "sensorsHintText").text.indexOf("активные показатели") >= 0)
            compare(findChild(m, "ecuSensorsLink").visible, data.ecu !== 0)
            // Nothing of the menu lies under another part of it.
            const list = findChild(m, "sensorList")
            const hint = findChild(m, "sensorMenuHint")
            verify(hint.mapToItem(m, 0, 0).y >= list.mapToItem(m, 0, list.height).y)
            mouseClick(findChild(m, data.link))
            compare(stubWindow.opened, [data.page])
        }
    }
}
