.pragma library

// Rows of the update page from the kernel's catalogue entries:
// [type, version, kilobytes, date, md5, last, fileName, downloaded, installed].
// Rows hold data only; the page builds their texts in its bindings, so that they follow a change
// of the interface language.

// Stable first, the test channel last: the safest choice heads the list.
var channelOrder = "SBPT"

function olderText() {
    return qsTr("более ранняя версия")
}

function channelName(version) {
    switch (String(version).charAt(0)) {
    case "S": return qsTr("Стабильная")
    case "B": return qsTr("Бета")
    case "P": return qsTr("Персональная")
    case "T": return qsTr("Тестовая")
    }
    return ""
}

function versionText(version, date) {
    return qsTr("Версия %1").arg(version) + qsTr(" от %1").arg(date)
}

function sizeText(kilobytes) {
    var kb = Number(kilobytes)
    if (isNaN(kb))
        return ""
    return kb > 1024 ? (kb / 1024).toFixed(2) + qsTr("Мб") : kb + qsTr("Кб")
}

// The number of a version in hundredths ("S1.85" -> 185), or -1 when it has none. The four
// characters after the channel letter are a decimal number.
function versionNumber(version) {
    var digits = String(version).substr(1, 4)
    if (!/^\d+(\.\d*)?$/.test(digits))
        return -1
    var n = Math.round(parseFloat(digits) * 100)
    return n > 0 ? n : -1
}

// Whether `version` is below the one the device runs (both readable).
function isOlder(version, current) {
    var v = versionNumber(version)
    var c = versionNumber(current)
    return v > 0 && c > 0 && v < c
}

function channelRank(version) {
    var i = channelOrder.indexOf(String(version).charAt(0))
    return i < 0 ? channelOrder.length : i
}

// Entries of one device type ("firmware" or "pdmFirmware"): by channel, stable first, and newest
// first within a channel; `current` is the version the device runs.
function rows(entries, type, current) {
    var out = []
    if (!entries)
        return out
    for (var i = entries.length - 1; i >= 0; --i) {
        var e = entries[i]
        if (!e || e.length < 9 || e[0] !== type)
            continue
        out.push({
            letter: String(e[1]).charAt(0),
            version: String(e[1]),
            date: String(e[3]),
            kilobytes: e[2],
            fileName: e[6],
            downloaded: e[7] === "true",
            installed: e[8] === "true",
            older: e[8] !== "true" && isOlder(e[1], current),
            order: out.length
        })
    }
    out.sort(function(a, b) {
        return channelRank(a.version) - channelRank(b.version)
               || versionNumber(b.version) - versionNumber(a.version)
               || a.order - b.order
    })
    return out
}

// The question before installing: a version older than the device's is said to be one.
function installQuestion(row, current, installText) {
    if (!row.older)
        return installText
    return qsTr("Версия %1").arg(row.version) + qsTr(" старее установленной %1").arg(current)
           + qsTr(".\n\nУстановка вернёт устройство к более ранней версии.\n\n%1").arg(installText)
}
