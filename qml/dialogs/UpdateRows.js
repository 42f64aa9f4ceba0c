.pragma library

// Rows of the update page from the kernel's catalogue entries:
// [type, version, kilobytes, date, md5, last, fileName, downloaded, installed].

var channelNames = { "S": "Стабильная", "B": "Бета", "P": "Персональная", "T": "Тестовая" }

function channelName(version) {
    var name = channelNames[String(version).charAt(0)]
    return name !== undefined ? name : ""
}

function sizeText(kilobytes) {
    var kb = Number(kilobytes)
    if (isNaN(kb))
        return ""
    return kb > 1024 ? (kb / 1024).toFixed(2) + "Мб" : kb + "Кб"
}

// Entries of one device type ("firmware" or "pdmFirmware"), newest (last listed) first.
function rows(entries, type) {
    var out = []
    if (!entries)
        return out
    for (var i = entries.length - 1; i >= 0; --i) {
        var e = entries[i]
        if (!e || e.length < 9 || e[0] !== type)
            continue
        out.push({
            channel: channelName(e[1]),
            letter: String(e[1]).charAt(0),
            versionText: "Версия " + e[1] + " от " + e[3],
            size: sizeText(e[2]),
            fileName: e[6],
            downloaded: e[7] === "true",
            installed: e[8] === "true"
        })
    }
    return out
}
