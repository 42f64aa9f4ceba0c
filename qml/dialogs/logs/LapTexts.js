.pragma library

// Texts of the laps window, from the result of findLapsInLog.

function headerText(r) {
    return qsTr("Частота: %1").arg(r.logRate) + qsTr("Гц%1").arg(qsTr("\nВерсия: ")) + r.version + qsTr("\nКол-во кругов: %1").arg(r.lapsCount || 0)
}

// The best lap's own row says so; the others show how much slower they were, in seconds.
function lapDiffText(lapMsec, bestMsec) {
    if (lapMsec === bestMsec)
        return qsTr("Лучший круг")
    return "+" + ((lapMsec - bestMsec) / 1000).toFixed(3)
}

function finishText(lap) {
    return qsTr("финиш: %1").arg(lap.finishTime) + " (" + lap.finishDate + ")"
}

function startLineText(lat, lon, course) {
    return "Lat: " + Number(lat).toFixed(7) + "\nLon: " + Number(lon).toFixed(7) + "\nCourse: " + Number(course).toFixed(2)
}

function bestLapText(r) {
    const laps = r.lapsList || []
    let best = null
    for (const lap of laps)
        if (lap.isLapValid && lap.lapTimeMsecs === r.bestLapMsec)
            best = best || lap
    if (!best)
        return ""
    return r.bestLapString + qsTr("\n\nВремя финиша") + "\n" + best.finishTime + "\n" + best.finishDate
}

// The entry to centre the list on: the last whose time equals the best.
function bestLapIndex(r) {
    const laps = r.lapsList || []
    let index = -1
    for (let i = 0; i < laps.length; ++i)
        if (laps[i].isLapValid && laps[i].lapTimeMsecs === r.bestLapMsec)
            index = i
    return index
}

// "+1.25 с" / "-0.40 с" for a delta in ms.
function deltaText(ms) {
    return (ms > 0 ? "+" : ms < 0 ? "−" : "") + (Math.abs(ms) / 1000).toFixed(2) + qsTr(" с")
}

function sizeText(bytes) {
    if (bytes >= 1024 * 1024)
        return (bytes / 1024 / 1024).toFixed(1) + qsTr(" Мб")
    return Math.max(1, Math.round(bytes / 1024)) + qsTr(" кб")
}

// Export choices by index (the index is exportLog_x64's format); LD is offered on the desktop only.
function exportFormats(isMobile) {
    const all = [
        { text: qsTr("формат CSV (Epifan, EcuEdit, ...)"), value: 0, filter: qsTr("Файлы CSV (*.csv)"), ext: ".csv" },
        { text: qsTr("формат CSV + сжатие gzip"), value: 1, filter: qsTr("Файлы CSV (*.csv)"), ext: ".csv" },
        { text: qsTr("формат elog(Ardix)"), value: 2, filter: qsTr("файлы логов Ardix (*.elog)"), ext: ".elog" },
        { text: qsTr("формат LD(I2)"), value: 3, filter: qsTr("Файлы LD (*.ld)"), ext: ".ld" }
    ]
    return isMobile ? all.slice(0, 3) : all
}

function baseName(fileName) {
    const dot = fileName.lastIndexOf(".")
    return dot > 0 ? fileName.substring(0, dot) : fileName
}
