.pragma library
.import ARDIX 1.0 as Ardix

// Which keypad models offer which settings.

const E = Ardix.ArdixEnums

// Built when asked for, so that a binding that shows them follows a change of language.
function blinkMarineColors() {
    return [qsTr("Красный"), qsTr("Зеленый"), qsTr("Синий"), qsTr("Желтый"), qsTr("Голубой"), qsTr("Фиолетовый"), qsTr("Белый"), qsTr("Янтарь"), qsTr("Желтый / Зеленый")]
}

function isArdix(type) { return type === E.Device_Keypad7 || type === E.Device_Keypad8 }
function isBlinkMarine(type) {
    return type === E.Device_EcumasterKeypadUpTo8 || type === E.Device_EcumasterKeypad10 || type === E.Device_EcumasterKeypad12
}
function isQpad(type) { return type === E.Device_Qpad_I_Keypad || type === E.Device_Qpad_RGB_Keypad }
// Buttons a model has; 0 where the record's full list applies.
function buttonsCount(type) {
    switch (type) {
    case E.Device_Keypad7: return 7
    case E.Device_Keypad8: return 8
    case E.Device_EcumasterKeypadUpTo8: return 8
    case E.Device_EcumasterKeypad10: return 10
    case E.Device_EcumasterKeypad12: return 12
    }
    return 0
}
function isConfigurable(type) { return isArdix(type) || type === E.Device_GrayHill_J1939_Keypad }

// A Blink Marine keypad still holding the Ardix keypad's serial and identifier gets its own
// defaults. Returns true when it changed the keypad.
function fixBlinkMarine(keypad) {
    if (!isBlinkMarine(keypad.keypadType) || keypad.keypadSerial !== 0xFFFF || keypad.canId !== 0x195)
        return false
    keypad.keypadSerial = 0x15
    keypad.canId = 0x180
    return true
}
