import QtQuick
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/myComponents"

// What the user types is what the settings hold, whatever they do next. Every kind of editor is
// typed into key by key, then left the way a user leaves it: a click on apply or save, back,
// Escape, a switch to another record, cancel.
Item {
    id: top
    width: 1280
    height: 760

TestCase {
    id: testCase
    name: "Editing"
    when: windowShown

    Component {
        id: recordComponent
        QtObject {
            property int count: 12
            property int scaled: 1250       // 12.50 shown, stored × 100
            property int canId: 0x118
            property string name: "Помпа"
            property int steps: 5
            property int mode: 1
            property bool changed: false
        }
    }

    QtObject {
        id: stubWindow
        property bool isMobile: false
        property bool isSyncDialogOn: false
        property real dialogsWidth: 0
        property real dialogsHeight: 0
        property var messages: []
        function infoDialog(text) { messages.push(text); return null }
    }

    // One page holding one editor of the kind asked for, bound to `record`.
    Component {
        id: pageComponent
        BasicDialog {
            id: page
            property var record: null
            property string kind: ""
            property int acceptedCount: 0
            window: stubWindow
            onAccepted: acceptedCount += 1
            readonly property Item editor: kind === "int" ? intEditor : kind === "float" ? floatEditor
                                         : kind === "hex" ? hexEditor : kind === "text" ? textEditor
                                         : kind === "spin" ? spinEditor : comboEditor
            readonly property Item focusPart: kind === "spin" ? spinEditor.spinBox.contentItem : editor

            Column {
                x: 20; y: 20
                spacing: 10
                IntTextField {
                    id: intEditor; objectName: "int"; visible: page.kind === "int"
                    label: "Порог"; unit: "°C"; intFrom: 0; intTo: 250
                    target: page.record; property: "count"; flagTarget: page.record; changeFlag: "changed"
                }
                FloatTextField {
                    id: floatEditor; visible: page.kind === "float"
                    label: "Множитель"; floatFrom: 0; floatTo: 100; floatDec: 2; scale: 100
                    target: page.record; property: "scaled"; flagTarget: page.record; changeFlag: "changed"
                }
                HexTextField {
                    id: hexEditor; visible: page.kind === "hex"
                    label: "CAN ID"; intFrom: 0; intTo: 0x7FF
                    target: page.record; property: "canId"; flagTarget: page.record; changeFlag: "changed"
                }
                TextSettingField {
                    id: textEditor; visible: page.kind === "text"
                    label: "Имя"; maxBytes: 31
                    target: page.record; property: "name"; flagTarget: page.record; changeFlag: "changed"
                }
                MySpinBox {
                    id: spinEditor; visible: page.kind === "spin"
                    label: "Шаги"; minimumValue: 0; maximumValue: 15
                    target: page.record; property: "steps"; flagTarget: page.record; changeFlag: "changed"
                }
                MyComboBox {
                    id: comboEditor; visible: page.kind === "combo"
                    width: 300
                    model: [{ text: "Нет", value: 0 }, { text: "Вентилятор", value: 1 }, { text: "Насос", value: 2 }]
                    target: page.record; property: "mode"; flagTarget: page.record; changeFlag: "changed"
                }
            }
        }
    }

    function init() { stubWindow.messages = [] }

    // Replaces the editor's text the way a user does: select it, then type key by key.
    function typeInto(page, text) {
        tryCompare(page, "opacity", 1)
        mouseClick(page.focusPart)
        page.focusPart.selectAll()
        for (let i = 0; i < text.length; ++i) {
            if (text.charCodeAt(i) < 128)
                keyClick(text[i])
            else
                keyTyper.type(page.focusPart, text[i])
        }
    }

    // Each kind: what to type, what the record must hold after it, and what the field must show.
    readonly property var kinds: [
        { kind: "int", property: "count", typed: "95", held: 95, shown: "95", before: 12 },
        { kind: "float", property: "scaled", typed: "0,29", held: 29, shown: "0.29", before: 1250 },
        { kind: "hex", property: "canId", typed: "3F", held: 0x3F, shown: "0x3F", before: 0x118 },
        { kind: "text", property: "name", typed: "Вентилятор 2", held: "Вентилятор 2",
          shown: "Вентилятор 2", before: "Помпа" },
        { kind: "spin", property: "steps", typed: "12", held: 12, shown: "12", before: 5 }
    ]
    readonly property var exits: ["apply", "save", "back", "escapeOnPage", "close", "tab"]

    function pageFor(kind, exit, record) {
        const props = { record: record, kind: kind }
        if (exit === "apply" || exit === "back" || exit === "escapeOnPage")
            props.fullScreen = true
        if (exit === "save")
            props.showDialogButtons = true
        return createTemporaryObject(pageComponent, top, props)
    }

    function leave(page, exit) {
        if (exit === "apply") {
            page.applyButtonRight.visible = true
            mouseClick(page.applyButtonRight)
        } else if (exit === "save") {
            mouseClick(page.saveButton)
        } else if (exit === "back") {
            mouseClick(page.backButton)
        } else if (exit === "escapeOnPage") {
            keyClick(Qt.Key_Escape)
        } else if (exit === "close") {
            mouseClick(page.cornerCloseIcon)
        } else if (exit === "tab") {
            keyClick(Qt.Key_Tab)
        }
    }

    function test_typedValueReachesItsSetting_data() {
        const rows = []
        for (const k of kinds)
            for (const exit of exits)
                rows.push(Object.assign({ tag: k.kind + " / " + exit, exit: exit }, k))
        return rows
    }
    function test_typedValueReachesItsSetting(data) {
        const record = createTemporaryObject(recordComponent, testCase)
        const page = pageFor(data.kind, data.exit, record)
        waitForRendering(page)
        typeInto(page, data.typed)
        // The last key counts at once: nothing lags a keystroke behind.
        compare(page.focusPart.text, data.kind === "hex" ? "0x" + data.typed : data.typed.replace(",", "."))
        leave(page, data.exit)
        compare(record[data.property], data.held)
        compare(record.changed, true)
        if (data.exit === "apply" || data.exit === "save")
            compare(page.acceptedCount, 1)
        if (data.exit === "tab")
            compare(page.focusPart.text, data.shown)
        compare(stubWindow.messages.length, 0)
    }

    // Cancel and Escape on a dialog with a Cancel button write nothing typed and put back what the
    // dialog changed before (here a combo choice, which writes at once).
    function test_cancelRestores_data() {
        const rows = []
        for (const k of kinds)
            for (const exit of ["cancel", "escape"])
                rows.push(Object.assign({ tag: k.kind + " / " + exit, exit: exit }, k))
        return rows
    }
    function test_cancelRestores(data) {
        const record = createTemporaryObject(recordComponent, testCase)
        const page = createTemporaryObject(pageComponent, top, { record: record, kind: data.kind,
                                                                      showDialogButtons: true,
                                                                      snapshotTargets: [record] })
        waitForRendering(page)
        page.record.mode = 2
        typeInto(page, data.typed)
        if (data.exit === "cancel")
            mouseClick(page.cancelButton)
        else
            keyClick(Qt.Key_Escape)
        compare(record[data.property], data.before)
        compare(record.mode, 1)
        compare(page.acceptedCount, 0)
    }

    // A text typed for one record is written to that record, not to the one shown next.
    function test_recordSwitchWritesToTheTypedRecord_data() { return kinds.filter(k => k.kind !== "spin")
                                                                   .map(k => Object.assign({ tag: k.kind }, k)) }
    function test_recordSwitchWritesToTheTypedRecord(data) {
        const first = createTemporaryObject(recordComponent, testCase)
        const second = createTemporaryObject(recordComponent, testCase)
        const page = createTemporaryObject(pageComponent, top, { record: first, kind: data.kind, fullScreen: true })
        waitForRendering(page)
        typeInto(page, data.typed)
        page.record = second
        compare(first[data.property], data.held)
        compare(second[data.property], data.before)
        compare(second.changed, false)
        compare(page.editor.text, page.kind === "float" ? "12.50" : page.kind === "hex" ? "0x118"
                                  : String(data.before))
    }

    // A spin box shows the record it is bound to, also after the user stepped the previous one.
    function test_spinBoxFollowsTheRecord() {
        const first = createTemporaryObject(recordComponent, testCase)
        const second = createTemporaryObject(recordComponent, testCase, { steps: 9 })
        const page = createTemporaryObject(pageComponent, top, { record: first, kind: "spin", fullScreen: true })
        waitForRendering(page)
        page.editor.spinBox.increase()
        page.editor.spinBox.valueModified()
        compare(first.steps, 6)
        page.record = second
        compare(page.editor.spinBox.value, 9)
        second.steps = 3
        compare(page.editor.spinBox.value, 3)
    }

    // An invalid text is never written, stops apply, save and back with a message naming the field
    // and its range, and keeps the page open.
    function test_invalidBlocksEveryWayOut_data() {
        return [
            { tag: "int / apply", kind: "int", typed: "999", exit: "apply", property: "count", before: 12, range: "от 0 до 250 °C" },
            { tag: "int / back", kind: "int", typed: "999", exit: "back", property: "count", before: 12, range: "от 0 до 250 °C" },
            { tag: "hex / save", kind: "hex", typed: "1FFFF", exit: "save", property: "canId", before: 0x118, range: "от 0x0 до 0x7FF" },
            { tag: "float / apply", kind: "float", typed: "1.234", exit: "apply", property: "scaled", before: 1250, range: "от 0 до 100" },
            // 20 Cyrillic letters take 39 bytes of a 32-byte field: not cut, refused.
            { tag: "text / save", kind: "text", typed: "Вентилятор радиатора", exit: "save", property: "name",
              before: "Помпа", range: "31 байт" },
            { tag: "spin / apply", kind: "spin", typed: "300", exit: "apply", property: "steps", before: 5, range: "от 0 до 15" }
        ]
    }
    function test_invalidBlocksEveryWayOut(data) {
        const record = createTemporaryObject(recordComponent, testCase)
        const page = pageFor(data.kind, data.exit, record)
        waitForRendering(page)
        typeInto(page, data.typed)
        leave(page, data.exit)
        compare(record[data.property], data.before)
        compare(record.changed, false)
        compare(page.acceptedCount, 0)
        verify(!page.isClosing)
        compare(stubWindow.messages.length, 1)
        verify(stubWindow.messages[0].indexOf(data.range) >= 0, stubWindow.messages[0])
        verify(stubWindow.messages[0].indexOf(page.editor.label) >= 0, stubWindow.messages[0])
    }

    // Merely passing through a field writes nothing.
    function test_focusWithoutTypingWritesNothing_data() { return kinds.map(k => Object.assign({ tag: k.kind }, k)) }
    function test_focusWithoutTypingWritesNothing(data) {
        const record = createTemporaryObject(recordComponent, testCase)
        const page = pageFor(data.kind, "apply", record)
        waitForRendering(page)
        mouseClick(page.focusPart)
        keyClick(Qt.Key_Tab)
        compare(record[data.property], data.before)
        compare(record.changed, false)
    }
}
}
