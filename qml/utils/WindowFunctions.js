.pragma library
.import ARDIX 1.0 as Ardix

// Pure helpers of the window: texts, file kinds, keypad names, free function slots. Kept out of the
// bindings so that each can be tested on its own.

const E = Ardix.ArdixEnums

// Display text, short name, device id, default CAN id and default serial of each keypad type.
const keypadTypes = [
    { text: "Ardix 1x7", shortName: "Ardix 1x7", deviceId: E.Device_Keypad7, canId: 0x118, serial: 0xFFFF },
    { text: "Ardix 2x4", shortName: "Ardix 2x4", deviceId: E.Device_Keypad8, canId: 0x118, serial: 0xFFFF },
    { text: "Blink Marine 4-8 (Link, Ecumaster ID 0x15)", shortName: "Blink Marine 4-8 (Link, Ecumaster...)",
      deviceId: E.Device_EcumasterKeypadUpTo8, canId: 0x180, serial: 0x15 },
    { text: "Blink Marine 10 (Link, Ecumaster ID 0x15)", shortName: "Blink Marine 10 (Link, Ecumaster...)",
      deviceId: E.Device_EcumasterKeypad10, canId: 0x180, serial: 0x15 },
    { text: "Blink Marine 12 (Link, Ecumaster ID 0x15)", shortName: "Blink Marine 12 (Link, Ecumaster...)",
      deviceId: E.Device_EcumasterKeypad12, canId: 0x180, serial: 0x15 },
    { text: "GrayHill-CanOpen (Motec use ID 0xA, Haltech use ID 0xC)", shortName: "GrayHill-CanOpen (Motec, Haltech...)",
      deviceId: E.Device_GrayHill_CanOpen_Keypad, canId: 0x700, serial: 0xA },
    { text: "GrayHill-J1939 (CAN 250kbit)", shortName: "GrayHill-J1939",
      deviceId: E.Device_GrayHill_J1939_Keypad, canId: 0x000, serial: 0x80 },
    { text: "BMW iDrive", shortName: "BMW iDrive", deviceId: E.Device_BMW_IDrive_Joystic, canId: 0x267, serial: 0xFFFF },
    { text: "Qpad-I-X", shortName: "Qpad-I-X", deviceId: E.Device_Qpad_I_Keypad, canId: 0x180, serial: 0x0000 },
    { text: "Qpad-I-X-RGB", shortName: "Qpad-I-X-RGB", deviceId: E.Device_Qpad_RGB_Keypad, canId: 0x180, serial: 0x0000 }
]

// " -> " and the keypad's type, " -> нет" for a keypad switched off, "" outside the list.
function keypadName(k, settings) {
    if (!settings || k < 0 || k >= settings.length)
        return ""
    const keypad = settings[k]
    if ((keypad.keypadConfigBits & 0x05) === 0)
        return qsTr(" -> нет")
    for (let i = 0; i < keypadTypes.length; ++i) {
        if (keypadTypes[i].deviceId === keypad.keypadType)
            return " -> " + keypadTypes[i].shortName
    }
    return " -> "
}

// The first logic function that is neither a counter, a global nor an internal function and is
// disabled; -1 when the list is full.
function firstFreeFunction(funcList) {
    const reserved = (1 << E.FunctionIsCounter) | (1 << E.FunctionIsGlobal) | (1 << E.FunctionIsInternal)
    for (let i = 0; i < funcList.length; ++i) {
        const f = funcList[i]
        if ((f.configBits & reserved) === 0 && f.inChannelType === E.ChannelType_DisabledFunction)
            return i
    }
    return -1
}

// A settings file exported while the device's WiFi name is known is named after it.
function exportFileName(wifiName, fileName) {
    // No "_" dangling at either end when one of the parts is empty.
    return [wifiName.trim().replace(/ /g, "_"), fileName].filter(p => p.length > 0).join("_")
}

// Where the dialog starts and what it shows, by file type.
function fileKind(fileType, isPdm) {
    switch (fileType) {
    case E.Settings_FileType:
        return { folderKey: "lastSettingsFolder",
                 filter: isPdm ? qsTr("файлы настроек PMX (*.pmx)") : qsTr("файлы настроек Ardix 7 (*.ardix7)") }
    case E.Elog_FileType:
        return { folderKey: "lastLogsFolder", filter: qsTr("файлы логов Ardix (*.elog)") }
    case E.StartLine_FileType:
    case E.StartLineInLog_FileType:
        return { folderKey: "lastStartPointFolder", filter: qsTr("файлы настроек Ardix (*.esl)") }
    case E.RefLap_FileType:
    case E.RefLapInLog_FileType:
        return { folderKey: "lastRefLapFolder", filter: qsTr("файлы настроек Ardix (*.erl)") }
    case E.UserLogoSvg_FileType:
        return { folderKey: "lastUserLogoFolder", filter: qsTr("файлы SVG (*.svg)") }
    }
    return { folderKey: "", filter: "*" }
}

// The question asked before a file handed to the client is loaded.
function incomingFileText(fileInfo) {
    const name = fileInfo.fileName
    switch (fileInfo.fileType) {
    case E.Settings_FileType: {
        const device = fileInfo.deviceId === E.Device_Ardix7 ? "Ardix" : fileInfo.deviceId === E.Device_Pmx ? "PMX" : ""
        return qsTr("Настройки %1").arg(device) + qsTr(" будут загружены из файла\n %1").arg(name)
    }
    case E.StartLine_FileType:
        return qsTr("Координаты стартовой линии будут загружены из файла\n %1").arg(name)
    case E.RefLap_FileType:
        return qsTr("Лучший круг будет загружен из файла\n %1").arg(name)
    case E.UserLogoSvg_FileType:
        return qsTr("Изображение будет загружено из файла\n %1").arg(name)
    case E.Elog_FileType:
        return qsTr("Лог будет загружен из файла\n %1").arg(name)
    }
    return qsTr("Загрузить файл %1").arg(name) + "?"
}

// The installer's address on the maker's site for a new client version.
function clientDownloadPath(siteUrl, verNum, os) {
    const windows = os === "windows"
    return siteUrl + "downloads/" + (windows ? "win/" : "macos/") + "Ardix_v" + verNum + (windows ? ".exe" : ".dmg")
}

// The device family an interface serves for a device id: the PDM or its boot loader give the PDM,
// anything else the dash.
function deviceFamily(deviceId) {
    return deviceId === E.Device_Pmx || deviceId === E.Device_PmxBoot ? E.Device_Pmx : E.Device_Ardix7
}
