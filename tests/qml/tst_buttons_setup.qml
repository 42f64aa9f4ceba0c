import QtQuick
import QtQuick.Controls
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/dialogs"
import "qrc:/ARDIX/qml/utils/ModuleInputRules.js" as Rules

// The expansion module's input page over a real kernel's settings: the byte of each input (function
// and inversion), which functions are offered, and that one function is never bound twice.
Item {
    id: top
    width: 1280
    height: 800

    ArdixKernel { id: realKernel }

    Item {
        id: stubWindow
        anchors.fill: parent
        property var texts: []
        function createDialog(props, handlers) {
            texts.push(props.dialogText)
            return {}
        }
    }

    Component { id: modulePage; ButtonsSetupDialog { window: stubWindow; kernel: realKernel } }
    Component { id: lampsPage; LampsConfigDialog { window: stubWindow; kernel: realKernel } }
    Component { id: gearPage; GearDigitalInputsDialog { window: stubWindow; kernel: realKernel } }

    TestCase {
        id: tc
        name: "ButtonsSetup"
        when: windowShown

        readonly property var dash: realKernel.currentArdixSettings
        readonly property var common: dash.commonSettings
        readonly property var lamps: realKernel.lampsInfo

        function initTestCase() {
            DevSettings.dash = realKernel.currentArdixSettings
            DevSettings.pdm = realKernel.currentPdmSettings
        }

        function init() {
            stubWindow.texts = []
            const zero = []
            for (let i = 0; i < Rules.ChannelsCount; ++i)
                zero.push(0)
            common.input16ChannelModuleSettings = zero
            dash.commonSettingsHasChanges = false
        }

        function openPage(component) {
            const p = createTemporaryObject(component, stubWindow)
            tryCompare(p, "opacity", 1)
            return p
        }

        function child(parent, name) {
            tryVerify(() => findChild(parent, name) !== null, 2000, name)
            return findChild(parent, name)
        }

        function stored(channel) {
            return common.input16ChannelModuleSettings[channel]
        }

        function test_rulesUseTheDeviceCodes() {
            compare(Rules.Action_No, ArdixEnums.Action_No)
            compare(Rules.Lamp_User1, ArdixEnums.Lamp_User1)
            compare(Rules.Lamp_User7, ArdixEnums.Lamp_User1 + 6)
            compare(Rules.Lamp_Gear_Neutral, ArdixEnums.Lamp_Gear_Neutral)
            compare(Rules.Lamp_Gear_Manuall, ArdixEnums.Lamp_Gear_Manuall)
            compare(Rules.Lamp_Gear_1, ArdixEnums.Lamp_Gear_1)
            compare(Rules.Lamp_Gear_8, ArdixEnums.Lamp_Gear_1 + 7)
            compare(Rules.ChannelsCount, common.input16ChannelModuleSettings.length)
        }

        // The function sits in the low seven bits, the inversion in bit 7, whatever the other holds.
        function test_byteLayout_data() {
            return [
                { tag: "nothing", value: 0, fn: 0, inverted: false },
                { tag: "launch", value: 23, fn: ArdixEnums.Lamp_Launch, inverted: false },
                { tag: "launch inverted", value: 23 | 0x80, fn: ArdixEnums.Lamp_Launch, inverted: true },
                { tag: "last gear inverted", value: 0xAC, fn: ArdixEnums.Lamp_Gear_1 + 7, inverted: true },
                { tag: "inverted nothing", value: 0x80, fn: 0, inverted: true }
            ]
        }
        function test_byteLayout(data) {
            compare(Rules.functionOf(data.value), data.fn)
            compare(Rules.isInverted(data.value), data.inverted)
            compare(Rules.compose(data.fn, data.inverted), data.value)
        }

        function test_namesAndLabels_data() {
            return [
                { tag: "nothing", fn: ArdixEnums.Action_No, name: "Нет", label: "" },
                { tag: "launch", fn: ArdixEnums.Lamp_Launch, name: "Лампа Launch control", label: "" },
                { tag: "dccd auto", fn: ArdixEnums.Lamp_DCCD_AutoMode, name: "Лампа DCCD Auto", label: "" },
                { tag: "user 1", fn: ArdixEnums.Lamp_User1, name: "Лампа User 1 (без иконки)", label: "U1" },
                { tag: "user 7", fn: ArdixEnums.Lamp_User1 + 6, name: "Лампа User 7 (без иконки)", label: "U7" },
                { tag: "neutral", fn: ArdixEnums.Lamp_Gear_Neutral, name: "Лампа Передача: Нейтраль", label: "N" },
                { tag: "manual", fn: ArdixEnums.Lamp_Gear_Manuall, name: "Лампа Передача: Ручной режим", label: "M" },
                { tag: "gear 8", fn: ArdixEnums.Lamp_Gear_1 + 7, name: "Лампа Передача: 8", label: "8" },
                { tag: "no lamp", fn: ArdixEnums.Lamp_Nitro, name: "функция #24", label: "#24" }
            ]
        }
        function test_namesAndLabels(data) {
            compare(Rules.functionName(lamps, data.fn), data.name)
            const lamp = Rules.lampEntry(lamps, data.fn)
            compare(Rules.lampLabel(data.fn, lamp ? lamp.icon : ""), data.label)
        }

        // "Нет" and every lamp of the table, in its order; a function held by another input is
        // marked with that input and disabled, the row's own is not; an unknown stored code stays.
        function test_choicesOffered() {
            const values = [0, 0, Rules.compose(ArdixEnums.Lamp_Launch, true), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 60]
            const own = Rules.choices(lamps, values, 2)
            compare(own.length, 1 + lamps.length)
            compare(own[0].text, "Нет")
            compare(own.slice(1).map(e => e.value), lamps.map(l => l.lampIndex))
            verify(own.every(e => !e.disabled))
            verify(own.every(e => e.value !== ArdixEnums.Lamp_Nitro))

            const other = Rules.choices(lamps, values, 5)
            const launch = other[Rules.indexOfValue(other, ArdixEnums.Lamp_Launch)]
            compare(launch.text, "Лампа Launch control — занято входом #3")
            verify(launch.disabled)
            compare(other.filter(e => e.disabled).length, 1)

            const unknown = Rules.choices(lamps, values, 15)
            compare(unknown[unknown.length - 1].text, "функция #60")
            compare(Rules.withFunction(values, 5, ArdixEnums.Lamp_Launch), null)
            compare(Rules.withFunction(values, 5, ArdixEnums.Action_No)[5], 0)
        }

        // Choosing a function and inverting it write one byte of the list and mark the common
        // settings changed; each keeps what the other set.
        function test_chooseFunctionAndInvert() {
            const p = openPage(modulePage)
            verify(!p.applyButtonRight.visible)
            const row = child(p, "inputRow_2")
            const combo = child(row, "functionCombo")
            const check = child(row, "invertCheck")
            compare(combo.currentIndex, 0)

            const launchAt = Rules.indexOfValue(combo.model, ArdixEnums.Lamp_Launch)
            combo.currentIndex = launchAt
            combo.activated(launchAt)
            compare(stored(2), ArdixEnums.Lamp_Launch)
            verify(dash.commonSettingsHasChanges)
            verify(p.applyButtonRight.visible)

            mouseClick(check)
            verify(check.checked)
            compare(stored(2), ArdixEnums.Lamp_Launch | Rules.InvertedBit)
            compare(combo.displayText, "Лампа Launch control")

            verify(p.chooseFunction(2, ArdixEnums.Lamp_DCCD_AutoMode))
            compare(stored(2), ArdixEnums.Lamp_DCCD_AutoMode | Rules.InvertedBit)
            compare(combo.displayText, "Лампа DCCD Auto")
            verify(check.checked)
            // The rest of the list is untouched.
            compare(common.input16ChannelModuleSettings.filter(v => v !== 0).length, 1)

            // Settings arriving from the device show at once.
            const incoming = common.input16ChannelModuleSettings.slice()
            incoming[2] = ArdixEnums.Lamp_ABS
            common.input16ChannelModuleSettings = incoming
            compare(combo.displayText, "Лампа Неисправность ABS")
            verify(!check.checked)
        }

        // A function bound to another input cannot be chosen: it is disabled in the list, and a
        // choice of it anyway is refused with a message and changes nothing.
        function test_functionBoundTwiceIsRefused() {
            const p = openPage(modulePage)
            verify(p.chooseFunction(0, ArdixEnums.Lamp_Launch))
            dash.commonSettingsHasChanges = false
            const row = child(p, "inputRow_4")
            const combo = child(row, "functionCombo")
            const launchAt = Rules.indexOfValue(combo.model, ArdixEnums.Lamp_Launch)
            verify(combo.model[launchAt].disabled)

            combo.currentIndex = launchAt
            combo.activated(launchAt)
            compare(stored(4), 0)
            compare(stored(0), ArdixEnums.Lamp_Launch)
            compare(combo.currentIndex, 0)
            verify(!dash.commonSettingsHasChanges)
            compare(stubWindow.texts, ["«Лампа Launch control» уже назначена на вход #1"])

            // Freed on the first input, it can be taken.
            verify(p.chooseFunction(0, ArdixEnums.Action_No))
            verify(!combo.model[launchAt].disabled)
            verify(p.chooseFunction(4, ArdixEnums.Lamp_Launch))
            compare(stored(4), ArdixEnums.Lamp_Launch)
        }

        // The lamp pages show each lamp's picture, or a short label for the lamps that have none.
        function test_lampPagesShowPictures() {
            for (const l of lamps) {
                if (l.icon === "")
                    continue
                const img = createTemporaryQmlObject('import QtQuick; Image { source: "' + l.icon + '" }', top)
                tryVerify(() => img.status === Image.Ready, 2000, l.icon)
            }
            const p = openPage(lampsPage)
            const abs = child(p, "lampRow_" + ArdixEnums.Lamp_ABS)
            compare(abs.iconSource, "qrc:/ARDIX/images/icons/abs.svg")
            const dccd = child(p, "lampRow_" + ArdixEnums.Lamp_DCCD_AutoMode)
            compare(dccd.iconSource, "qrc:/ARDIX/images/skins/dash_nuvo/DCCD/DCCD_V0_AUTO.svg")
            const user = child(p, "lampRow_" + (ArdixEnums.Lamp_User1 + 2))
            compare(user.iconSource, "")
            compare(user.iconText, "U3")
            const g = openPage(gearPage)
            compare(child(g, "lampRow_" + ArdixEnums.Lamp_Gear_Reverse).iconText, "R")
            compare(child(g, "lampRow_" + (ArdixEnums.Lamp_Gear_1 + 4)).iconText, "5")
        }
    }
}
