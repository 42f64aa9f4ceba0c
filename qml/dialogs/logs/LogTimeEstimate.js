.pragma library

// How long the dash can record with its logging settings: bytes per record from what is logged,
// then the seconds one file and all files hold at the chosen rate.

const TimeStampBytes = 8
const GpsRecordBytes = 80
const PdmRecordBytes = 336
const SensorSampleBytes = 2
const GpsModuleBit = 202 - 200
const PdmModuleBit = 203 - 200

function bitCount(mask) {
    let v = mask >>> 0
    let n = 0
    while (v) {
        n += v & 1
        v >>>= 1
    }
    return n
}

function bytesPerRecord(stdSensors, customSensors, modules) {
    let bytes = SensorSampleBytes * (bitCount(stdSensors) + bitCount(customSensors)) + TimeStampBytes
    if ((modules >> GpsModuleBit) & 1)
        bytes += GpsRecordBytes
    if ((modules >> PdmModuleBit) & 1)
        bytes += PdmRecordBytes
    return bytes
}

// "hh:mm:ss"; the hours grow past 99 rather than wrap.
function hms(seconds) {
    const s = Math.max(0, Math.floor(seconds))
    const pad = (v) => (v < 10 ? "0" : "") + v
    return pad(Math.floor(s / 3600)) + ":" + pad(Math.floor(s / 60) % 60) + ":" + pad(s % 60)
}

// { perFile, total } as "hh:mm:ss"; nothing logged gives "00:00:00" for both.
function estimate(stdSensors, customSensors, modules, rateHz, fileSizeMB, filesCount) {
    if ((stdSensors >>> 0) === 0 && (customSensors >>> 0) === 0 && modules === 0)
        return { perFile: hms(0), total: hms(0) }
    const rate = rateHz > 0 ? rateHz : 10
    const perFile = fileSizeMB * 1024 * 1024 / (rate * bytesPerRecord(stdSensors, customSensors, modules))
    return { perFile: hms(perFile), total: hms(filesCount * perFile) }
}

function estimateText(e) {
    return qsTr("± вместимость файла  %1").arg(e.perFile) + qsTr("  общая  %1").arg(e.total)
}
