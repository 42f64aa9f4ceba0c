import QtQuick
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/myComponents"
import "qrc:/ARDIX/qml/utils/InputRules.js" as Rules

// The input widgets every settings page is built from: what they accept, and that a bound widget
// writes its one setting (scaled back with rounding) and raises the group's flag only when valid.
TestCase {
    id: testCase
    name: "InputWidgets"
    when: windowShown
    width: 600
    height: 400

    QtObject {
        id: settings
        property int limit: 120
        property int scaled: 1250      // 12.50 shown, stored × 100
        property int canId: 0x118
        property int bits: 0x05
        property int baud: 2
        property bool groupHasChanges: false
    }

    Component { id: intField; IntTextField {} }
    Component { id: floatField; FloatTextField {} }
    Component { id: hexField; HexTextField {} }
    Component { id: check; CheckBoxNuvo {} }
    Component { id: combo; MyComboBox {} }

    function init() {
        settings.limit = 120
        settings.scaled = 1250
        settings.canId = 0x118
        settings.bits = 0x05
        settings.baud = 2
        settings.groupHasChanges = false
    }

    function test_parse_data() {
        return [
            { tag: "int in range", kind: "int", text: "42", from: 0, to: 250, valid: true, value: 42 },
            { tag: "int above", kind: "int", text: "251", from: 0, to: 250, valid: false },
            { tag: "int letters", kind: "int", text: "4a", from: 0, to: 250, valid: false },
            { tag: "int empty", kind: "int", text: "", from: 0, to: 250, valid: false },
            { tag: "int negative allowed", kind: "int", text: "-5", from: -10, to: 10, valid: true, value: -5 },
            { tag: "int negative refused", kind: "int", text: "-5", from: 0, to: 10, valid: false },
            { tag: "hex", kind: "hex", text: "0x1aF", from: 0, to: 0x7FF, valid: true, value: 0x1AF },
            { tag: "hex without prefix", kind: "hex", text: "118", from: 0, to: 0x7FF, valid: true, value: 0x118 },
            { tag: "hex too big", kind: "hex", text: "0x800", from: 0, to: 0x7FF, valid: false },
            { tag: "hex junk", kind: "hex", text: "0xZZ", from: 0, to: 0x7FF, valid: false },
            { tag: "float comma", kind: "float", text: "12,5", from: 0, to: 100, dec: 2, valid: true, value: 12.5 },
            { tag: "float too many decimals", kind: "float", text: "1.234", from: 0, to: 100, dec: 2, valid: false },
            { tag: "float above", kind: "float", text: "100.01", from: 0, to: 100, dec: 2, valid: false },
            { tag: "float too long", kind: "float", text: "1.00000000000", from: 0, to: 100, dec: 12, valid: false }
        ]
    }
    function test_parse(data) {
        const r = data.kind === "int" ? Rules.parseIntText(data.text, data.from, data.to)
                : data.kind === "hex" ? Rules.parseHexText(data.text, data.from, data.to)
                : Rules.parseFloatText(data.text, data.from, data.to, data.dec)
        compare(r.valid, data.valid)
        if (data.valid)
            compare(r.value, data.value)
    }

    function test_scaledValuesGoBackRounded() {
        // 0.29 × 100 is 28.999999999999996 in binary: cutting it would store 28.
        compare(Rules.toRaw(0.29, 100), 29)
        compare(Rules.toRaw(12.345, 1000), 12345)
        compare(Rules.hexText(0), "0x0")
        compare(Rules.hexText(0x1af), "0x1AF")
    }

    function test_boundIntWritesOnlyValidText() {
        const f = createTemporaryObject(intField, testCase, { target: settings, property: "limit", intTo: 200,
                                                               flagTarget: settings, changeFlag: "groupHasChanges" })
        compare(f.text, "120")
        f.forceActiveFocus()
        f.selectAll()
        keyClick(Qt.Key_2); keyClick(Qt.Key_5)
        // Nothing is written while typing, and an invalid text is never written.
        compare(settings.limit, 120)
        keyClick(Qt.Key_0)
        compare(f.textValid, false)
        keyClick(Qt.Key_Return)
        compare(settings.limit, 120)
        compare(settings.groupHasChanges, false)
        f.forceActiveFocus()
        keyClick(Qt.Key_End)
        keyClick(Qt.Key_Backspace)
        compare(f.text, "25")
        compare(f.intValue, 25)
        keyClick(Qt.Key_Return)
        compare(settings.limit, 25)
        compare(settings.groupHasChanges, true)
        // A change from elsewhere shows while the field is not being edited.
        settings.limit = 77
        compare(f.text, "77")
    }

    // A field that only holds the focus writes nothing when it loses it: a value that arrived
    // meanwhile (new settings from the device) shows and stays.
    function test_focusedFieldsKeepValuesThatArriveMeanwhile_data() {
        return [
            { tag: "int", component: intField, property: "limit", arrived: 77, shown: "77" },
            { tag: "float", component: floatField, property: "scaled", arrived: 990, shown: "9.90" },
            { tag: "hex", component: hexField, property: "canId", arrived: 0x7E8, shown: "0x7E8" },
        ]
    }
    function test_focusedFieldsKeepValuesThatArriveMeanwhile(data) {
        const props = { target: settings, property: data.property, flagTarget: settings, changeFlag: "groupHasChanges" }
        if (data.tag === "float")
            Object.assign(props, { scale: 100, floatDec: 2 })
        else
            props.intTo = 0x7FF
        if (data.tag === "int")
            props.scale = 1
        const f = createTemporaryObject(data.component, testCase, props)
        f.forceActiveFocus()
        settings[data.property] = data.arrived
        compare(f.text, data.shown)
        keyClick(Qt.Key_Tab)
        f.focus = false
        compare(settings[data.property], data.arrived)
        compare(settings.groupHasChanges, false)
    }

    function test_boundFloatStoresScaledRaw() {
        const f = createTemporaryObject(floatField, testCase, { target: settings, property: "scaled", scale: 100,
                                                                 floatFrom: 0, floatTo: 100, floatDec: 2,
                                                                 flagTarget: settings, changeFlag: "groupHasChanges" })
        compare(f.text, "12.50")
        f.forceActiveFocus()
        f.selectAll()
        keyClick(Qt.Key_0); keyClick(Qt.Key_Comma); keyClick(Qt.Key_2); keyClick(Qt.Key_9)
        compare(f.text, "0.29")
        keyClick(Qt.Key_Return)
        compare(settings.scaled, 29)
        compare(settings.groupHasChanges, true)
    }

    function test_boundHexKeepsValueWhenTooBig() {
        const f = createTemporaryObject(hexField, testCase, { target: settings, property: "canId", intTo: 0x7FF })
        compare(f.text, "0x118")
        f.forceActiveFocus()
        f.selectAll()
        keyClick(Qt.Key_8); keyClick(Qt.Key_0); keyClick(Qt.Key_0)
        compare(f.text, "0x800")
        compare(f.isValid, false)
        keyClick(Qt.Key_Return)
        compare(settings.canId, 0x118)
        f.forceActiveFocus()
        keyClick(Qt.Key_End)
        keyClick(Qt.Key_Backspace)
        keyClick(Qt.Key_Return)
        compare(settings.canId, 0x80)
    }

    function test_checkBoxWritesOneBit() {
        const c = createTemporaryObject(check, testCase, { target: settings, property: "bits", bit: 1, text: "Бит",
                                                           flagTarget: settings, changeFlag: "groupHasChanges" })
        compare(c.checked, false)
        c.forceActiveFocus()
        keyClick(Qt.Key_Space)
        compare(settings.bits, 0x07)
        compare(settings.groupHasChanges, true)
        keyClick(Qt.Key_Space)
        compare(settings.bits, 0x05)
    }

    function test_comboWritesEntryValueAndSkipsDisabled() {
        const c = createTemporaryObject(combo, testCase, {
            model: [{ text: "Нет", value: 0 }, { text: "Занят", value: 1, disabled: true }, { text: "Вход 3", value: 2 }],
            target: settings, property: "baud", flagTarget: settings, changeFlag: "groupHasChanges" })
        compare(c.currentIndex, 2)
        c.activated(1)          // a busy entry is refused
        compare(settings.baud, 2)
        compare(c.currentIndex, 2)
        c.currentIndex = 0
        c.activated(0)
        compare(settings.baud, 0)
        compare(settings.groupHasChanges, true)
    }

    // The arrow keys step over a disabled entry in both directions, and stop at the ends.
    function test_comboKeysStepOverDisabledEntries() {
        const c = createTemporaryObject(combo, testCase, {
            model: [{ text: "Нет", value: 0 }, { text: "Занят", value: 1, disabled: true }, { text: "Вход 3", value: 2 }],
            target: settings, property: "baud", flagTarget: settings, changeFlag: "groupHasChanges" })
        settings.baud = 0
        c.forceActiveFocus()
        keyClick(Qt.Key_Down)
        compare(c.currentIndex, 2)
        compare(settings.baud, 2)
        keyClick(Qt.Key_Down)
        compare(c.currentIndex, 2)
        keyClick(Qt.Key_Up)
        compare(c.currentIndex, 0)
        compare(settings.baud, 0)
    }
}
