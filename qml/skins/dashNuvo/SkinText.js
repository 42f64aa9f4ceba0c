.pragma library

// The replica's own words in both languages; `ru` follows the dash's language setting.
function pick(ru, ruText, enText) { return ru ? ruText : enText }

// Sensors whose table cell shows both thresholds.
function showsMinMax(sensor, id) {
    return (sensor && sensor.custom) || [12, 1, 4, 23, 24, 25].indexOf(id) >= 0
}
