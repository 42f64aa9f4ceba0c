import QtQuick
import QtQuick.Controls
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/dialogs"
import "qrc:/ARDIX/qml/utils/ChannelRules.js" as Channels

// The channel pages (lamps, actions, gear inputs) over a real kernel's settings: who holds a dash
// input, that a busy input is refused, and that a row waiting for its channel is noticed.
Item {
    id: top
    width: 1280
    height: 800

    ArdixKernel { id: realKernel }

    Item {
        id: stubWindow
        anchors.fill: parent
        property var dialogs: []
        function createDialog(props, handlers) {
            dialogs.push({ props: props, handlers: handlers })
            return {}
        }
        function lastText() { return dialogs.length ? dialogs[dialogs.length - 1].props.dialogText : "" }
    }

    Component { id: lampsPage; LampsConfigDialog { window: stubWindow; kernel: realKernel } }
    Component { id: actionsPage; ActionsConfigDialog { window: stubWindow; kernel: realKernel } }
    Component { id: gearPage; GearDigitalInputsDialog { window: stubWindow; kernel: realKernel } }

    TestCase {
        id: tc
        name: "DashChannelPages"
        when: windowShown

        readonly property var dash: realKernel.currentArdixSettings
        readonly property var lamps: dash.extra.lamps
        readonly property var actions: dash.extra.actions

        function initTestCase() {
            DevSettings.dash = realKernel.currentArdixSettings
            DevSettings.pdm = realKernel.currentPdmSettings
        }

        function init() {
            stubWindow.dialogs = []
            for (const s of dash.sensors.concat(dash.customSensors)) {
                if (s.inputDataSource === ArdixEnums.InputSourceFrequency)
                    s.inputDataSource = ArdixEnums.InputSourceNo
            }
            for (const b of lamps.concat(actions)) {
                b.inChannelType = 0
                b.inChannel = 0
                b.isInverse = false
                b.isPullUp = false
            }
            dash.extraSettingsHasChanges = false
            dash.sensorsHasChanges = false
        }

        function bind(source, input) {
            source.inChannelType = ArdixEnums.ChannelType_ArdixInputsState
            source.inChannel = input
        }

        function openPage(component) {
            const p = createTemporaryObject(component, stubWindow)
            tryCompare(p, "opacity", 1)
            return p
        }

        function row(page, name) {
            tryVerify(() => findChild(page, name) !== null, 2000, name)
            return findChild(page, name)
        }

        function entryFor(r, input) {
            return r.channelModel[Channels.indexOfValue(r.channelModel, input)]
        }

        function test_rulesUseTheDeviceCodes() {
            compare(Channels.InputSourceFrequency, ArdixEnums.InputSourceFrequency)
            compare(Channels.ChannelType_DisabledFunction, ArdixEnums.ChannelType_DisabledFunction)
            compare(Channels.ChannelType_PdmOutputState, ArdixEnums.ChannelType_PdmOutputState)
            compare(Channels.ChannelType_ArdixInputsState, ArdixEnums.ChannelType_ArdixInputsState)
            compare(Channels.ChannelType_ArdixCanbusDigitalInput, ArdixEnums.ChannelType_ArdixCanbusDigitalInput)
            compare(Channels.ChannelType_Keypad1, ArdixEnums.ChannelType_Keypad1)
            compare(Channels.ChannelType_Keypad2, ArdixEnums.ChannelType_Keypad2)
        }

        // The first owner wins: a frequency sensor, then another lamp, then an action; the row's
        // own binding never makes its input busy.
        function test_busyOwnerOrder_data() {
            return [
                { tag: "free", sensor: false, lamp: false, action: false, text: "" },
                { tag: "sensor first", sensor: true, lamp: true, action: true, text: " — занят датчиком: " },
                { tag: "lamp before action", sensor: false, lamp: true, action: true,
                  text: " — занят индикатором: Открыта дверь" },
                { tag: "action", sensor: false, lamp: false, action: true,
                  text: " — занят действием: Сброс пиков" }
            ]
        }
        function test_busyOwnerOrder(data) {
            const speed = dash.sensors[ArdixEnums.Speed_index]
            if (data.sensor) {
                speed.inputDataSource = ArdixEnums.InputSourceFrequency
                speed.inputSourceIndex = 3
            }
            if (data.lamp)
                bind(lamps[ArdixEnums.Lamp_OpenedDoors], 3)
            if (data.action)
                bind(actions[ArdixEnums.ResetPeaks_Action], 3)
            const p = openPage(lampsPage)
            const expected = data.sensor ? data.text + speed.sensorName : data.text
            compare(p.getArdixInputBusyInfo(3, ArdixEnums.Lamp_ABS, -1), expected)
            // Skipping the holder itself.
            if (!data.sensor && data.lamp)
                compare(p.getArdixInputBusyInfo(3, ArdixEnums.Lamp_OpenedDoors, -1),
                        data.action ? " — занят действием: Сброс пиков" : "")
            compare(Channels.actionName(ArdixEnums.DefBtn_Action), "Кнопка 3 в 1, листать, сбрасывать варнинги и пики")
            compare(Channels.actionName(7), "действие #8")
        }

        function test_lampRowsListInputsWithoutTheInductiveOnes() {
            const p = openPage(lampsPage)
            const r = row(p, "lampRow_" + ArdixEnums.Lamp_ABS)
            r.chooseType(ArdixEnums.ChannelType_ArdixInputsState)
            const values = r.channelModel.map(e => e.value)
            compare(values, [0, 3, 4, 5, 6, 7, 8, 9])
            compare(r.channelModel[0].text, "Пин " + realKernel.ardixDescription.DI[0] + ", вход #1")
            // Gear lamps live on their own page, and every gear position is there.
            compare(findChild(p, "lampRow_" + ArdixEnums.Lamp_Gear_1), null)
            const g = openPage(gearPage)
            verify(findChild(g, "lampRow_" + ArdixEnums.Lamp_Gear_Neutral))
            verify(findChild(g, "lampRow_" + ArdixEnums.Lamp_Gear_8))
            compare(findChild(g, "lampRow_" + ArdixEnums.Lamp_ABS), null)
        }

        function test_inputOfAFrequencySensorCannotBeBound() {
            const speed = dash.sensors[ArdixEnums.Speed_index]
            speed.inputDataSource = ArdixEnums.InputSourceFrequency
            speed.inputSourceIndex = 0
            const p = openPage(lampsPage)
            const r = row(p, "lampRow_" + ArdixEnums.Lamp_ABS)
            r.chooseType(ArdixEnums.ChannelType_ArdixInputsState)
            const e = entryFor(r, 0)
            verify(e.disabled)
            compare(e.text, "Пин " + realKernel.ardixDescription.DI[0] + ", вход #1 — занят датчиком: " + speed.sensorName)
            // Picked anyway (keyboard): refused, reported, nothing stored.
            r.chooseChannel(r.channelModel.indexOf(e))
            compare(stubWindow.lastText(), "Данный вход занят: " + speed.sensorName + "\n\nизменения не будут сохранены")
            compare(lamps[ArdixEnums.Lamp_ABS].inChannelType, ArdixEnums.ChannelType_DisabledFunction)
            verify(r.asking)
            verify(!dash.extraSettingsHasChanges)
        }

        function test_rowAsksForItsChannelUntilChosen() {
            const p = openPage(lampsPage)
            const r = row(p, "lampRow_" + ArdixEnums.Lamp_LeftTurn)
            const channelCombo = findChild(r, "channelCombo")
            r.chooseType(ArdixEnums.ChannelType_ArdixInputsState)
            verify(channelCombo.focusHighlight)
            compare(p.pendingCount, 1)
            compare(lamps[ArdixEnums.Lamp_LeftTurn].inChannelType, 0)

            // Leaving now asks first.
            p.requestClose()
            compare(stubWindow.lastText(), p.leaveText)
            compare(stubWindow.dialogs[0].props.isCancelBtnVisible, true)
            verify(!p.isClosing)

            r.chooseChannel(Channels.indexOfValue(r.channelModel, 5))
            compare(lamps[ArdixEnums.Lamp_LeftTurn].inChannelType, ArdixEnums.ChannelType_ArdixInputsState)
            compare(lamps[ArdixEnums.Lamp_LeftTurn].inChannel, 5)
            verify(!channelCombo.focusHighlight)
            compare(p.pendingCount, 0)
            verify(dash.extraSettingsHasChanges)
            verify(findChild(r, "pullUpCheck").enabled)

            // A CAN input has no pull-up.
            lamps[ArdixEnums.Lamp_LeftTurn].isPullUp = true
            r.chooseType(ArdixEnums.ChannelType_ArdixCanbusDigitalInput)
            r.chooseChannel(2)
            compare(lamps[ArdixEnums.Lamp_LeftTurn].inChannelType, ArdixEnums.ChannelType_ArdixCanbusDigitalInput)
            compare(lamps[ArdixEnums.Lamp_LeftTurn].inChannel, 2)
            verify(!lamps[ArdixEnums.Lamp_LeftTurn].isPullUp)
            verify(!findChild(r, "pullUpCheck").enabled)
        }

        function test_releasingAnInputFreesItEverywhereAtOnce() {
            const p = openPage(lampsPage)
            const a = row(p, "lampRow_" + ArdixEnums.Lamp_ABS)
            const b = row(p, "lampRow_" + ArdixEnums.Lamp_HighBeam_Lights)
            a.chooseType(ArdixEnums.ChannelType_ArdixInputsState)
            a.chooseChannel(Channels.indexOfValue(a.channelModel, 4))
            b.chooseType(ArdixEnums.ChannelType_ArdixInputsState)
            verify(entryFor(b, 4).disabled)
            compare(entryFor(b, 4).text, "Пин " + realKernel.ardixDescription.DI[4] + ", вход #5 — занят индикатором: Неисправность ABS")

            a.chooseType(ArdixEnums.ChannelType_DisabledFunction)
            compare(lamps[ArdixEnums.Lamp_ABS].inChannelType, 0)
            verify(!entryFor(b, 4).disabled)
            b.chooseChannel(Channels.indexOfValue(b.channelModel, 4))
            compare(lamps[ArdixEnums.Lamp_HighBeam_Lights].inChannel, 4)
        }

        // A binding whose input is taken by a sensor afterwards keeps its channel and shows red.
        function test_rowShowsRedWhenItsInputIsTakenLater() {
            bind(lamps[ArdixEnums.Lamp_CheckEngine], 3)
            const p = openPage(lampsPage)
            const r = row(p, "lampRow_" + ArdixEnums.Lamp_CheckEngine)
            verify(!r.asking)
            const speed = dash.sensors[ArdixEnums.Speed_index]
            speed.inputDataSource = ArdixEnums.InputSourceFrequency
            speed.inputSourceIndex = 3
            p.refreshAll()
            verify(r.asking)
            compare(lamps[ArdixEnums.Lamp_CheckEngine].inChannel, 3)
            compare(p.pendingCount, 1)
        }

        function test_actionsOfferKeypadButtonsAndShareTheBusyRules() {
            bind(lamps[ArdixEnums.Lamp_ABS], 0)
            const p = openPage(actionsPage)
            const r = row(p, "actionRow_" + ArdixEnums.ResetWarnings_Action)
            compare(r.name, "Сброс предупреждений")
            compare(r.channelTypes.map(t => t.text), ["Нет", "Цифровые входы Ardix", "CAN цифровые входы Ardix", "Кейпад 1", "Кейпад 2"])
            r.chooseType(ArdixEnums.ChannelType_ArdixInputsState)
            verify(entryFor(r, 0).disabled)
            r.chooseType(ArdixEnums.ChannelType_Keypad1)
            verify(r.channelModel.length > 0)
            compare(r.channelModel[0].text.indexOf("Кнопка #1"), 0)
            r.chooseChannel(1)
            compare(actions[ArdixEnums.ResetWarnings_Action].inChannelType, ArdixEnums.ChannelType_Keypad1)
            compare(actions[ArdixEnums.ResetWarnings_Action].inChannel, 1)
        }

        function test_pdmOutputsOnlyWhileALampUsesThem() {
            let p = openPage(lampsPage)
            compare(p.channelTypes.length, 3)
            p.destroy()
            lamps[ArdixEnums.Lamp_User1].inChannelType = ArdixEnums.ChannelType_PdmOutputState
            p = openPage(lampsPage)
            compare(p.channelTypes[3].text, "Состояние выходов PMX")
            const r = row(p, "lampRow_" + ArdixEnums.Lamp_User1)
            compare(r.channelModel.length, 30)
            compare(r.channelModel[29].text.indexOf("Выход #30"), 0)
        }
    }
}
