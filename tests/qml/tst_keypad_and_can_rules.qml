import QtQuick
import QtQuick.Controls
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/keypadDialogs"
import "qrc:/ARDIX/qml/canDialogs"
import "qrc:/ARDIX/qml/canDialogs/CanRules.js" as CanRules

// Keypad buttons follow the model's real count; a transmitted message says when its data cannot be
// sent (length 0, or placed past its length).
Item {
    id: top
    width: 1280
    height: 800

    ArdixKernel { id: realKernel }
    Item { id: stubWindow; anchors.fill: parent; property bool isMobile: false }

    Component { id: buttonsPage; KeypadButtonsSettingsDialog { window: stubWindow; kernel: realKernel } }
    Component { id: outMessages; CanOutputMessagesDialog { window: stubWindow; kernel: realKernel } }
    Component { id: analogInputs; CanAnalogInputsDialog { window: stubWindow; kernel: realKernel } }

    TestCase {
        name: "KeypadAndCanRules"
        when: windowShown

        function initTestCase() {
            DevSettings.dash = realKernel.currentArdixSettings
            DevSettings.pdm = realKernel.currentPdmSettings
        }

        function open(component, props) {
            const p = createTemporaryObject(component, stubWindow, props || {})
            tryCompare(p, "opacity", 1)
            return p
        }

        function test_buttonRowsFollowTheModel_data() {
            return [{ tag: "Ardix 1x7", type: ArdixEnums.Device_Keypad7, rows: 7 },
                    { tag: "Ardix 2x4", type: ArdixEnums.Device_Keypad8, rows: 8 },
                    { tag: "Blink Marine 12", type: ArdixEnums.Device_EcumasterKeypad12, rows: 12 },
                    { tag: "BMW iDrive", type: ArdixEnums.Device_BMW_IDrive_Joystic, rows: 16 }]
        }
        function test_buttonRowsFollowTheModel(data) {
            const keypad = DevSettings.pdm.keypads[1]
            const before = keypad.keypadType
            keypad.keypadType = data.type
            const p = open(buttonsPage, { parentDev: ArdixEnums.Device_Pmx, keypadIndex: 1 })
            compare(findChild(p, "buttonsList").count, data.rows)
            keypad.keypadType = before
        }

        function test_placement_data() {
            return [{ tag: "fits", frame: 8, size: 2, byte: 6, bad: false },
                    { tag: "16 bit past the end", frame: 8, size: 2, byte: 7, bad: true },
                    { tag: "byte past a short frame", frame: 2, size: 1, byte: 2, bad: true },
                    { tag: "bit in the last byte", frame: 2, size: 0, byte: 1, bad: false },
                    { tag: "length 0", frame: 0, size: 0, byte: 0, bad: true }]
        }
        function test_placement(data) {
            compare(CanRules.placementProblem(data.frame, data.size, data.byte) !== "", data.bad)
        }

        // Length 0 and data placed beyond the length are said on the message's card.
        function test_messageCardSaysWhatIsNotSent() {
            const m = DevSettings.dash.extra.customCan.canOutMessages[0]
            const sizeBefore = m.frameSize
            const enabledBefore = m.isMessageEnabled
            m.isMessageEnabled = true
            m.frameSize = 8
            const p = open(outMessages, { parentDev: ArdixEnums.Device_Ardix7 })
            const note = findChild(p, "canOutLengthNote_0")
            verify(note)
            verify(!note.visible)
            m.frameSize = 0
            verify(note.visible)
            verify(note.text.indexOf("длина 0") === 0)
            m.frameSize = sizeBefore
            m.isMessageEnabled = enabledBefore
        }

    }
}
