.pragma library

// The log view's axis arithmetic: zoom about a point, pan, keep a point in view, and texts.

// The narrowest range shown: a fifth of a second, or five metres.
function minSpan(axis) {
    return axis === 1 ? 5 : 0.2
}

function clampRange(from, span, length) {
    span = Math.min(span, length)
    from = Math.max(0, Math.min(from, length - span))
    return [from, from + span]
}

// Zoom by `factor` (< 1 in) keeping the point at `atFraction` of the width where it is.
function zoom(from, to, length, factor, atFraction, smallest) {
    const span = to - from
    const next = Math.max(Math.min(span * factor, length), Math.min(smallest, length))
    const at = from + span * atFraction
    return clampRange(at - next * atFraction, next, length)
}

// Move by `fraction` of the width (positive: later).
function pan(from, to, length, fraction) {
    const span = to - from
    return clampRange(from + span * fraction, span, length)
}

// The same range if `x` is in it, else the range moved to centre `x`.
function centreOn(x, from, to, length) {
    if (x < 0 || (x >= from && x <= to))
        return [from, to]
    const span = to - from
    return clampRange(x - span / 2, span, length)
}

// The best lap and another to lay over it: the one before it, else the one after.
function defaultLaps(validLaps, best) {
    if (validLaps.length === 0)
        return [-1, -1]
    const a = best >= 0 ? best : validLaps[0].entry
    let b = -1
    for (const lap of validLaps)
        if (lap.entry !== a && (b < 0 || Math.abs(lap.entry - a) < Math.abs(b - a)))
            b = lap.entry
    return [a, b]
}

function infoText(model) {
    let text = qsTr("Частота: %1").arg(model.logRate) + qsTr(" Гц   Длительность: %1").arg(model.axisText(0, model.duration))
    if (model.hasDistance)
        text += qsTr("   Путь: %1").arg(model.axisText(1, model.axisLength(1, -1)))
    return text
}
