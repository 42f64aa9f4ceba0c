.pragma library

// Texts and levels of the PDM live view, kept out of the bindings so that they can be tested; the
// view colours the levels with AppStyle.liveColor.

function oneDecimal(raw, divider) {
    return (raw / divider).toFixed(1)
}

// Named entries first, then unnamed ones, each group in index order.
function namedFirst(names, count) {
    const named = []
    const unnamed = []
    for (let i = 0; i < count; ++i) {
        const n = i < names.length ? String(names[i]) : ""
        ;(n.length > 0 ? named : unnamed).push(i)
    }
    return named.concat(unnamed)
}

// An active output (state, overcurrent or fault) is "fault", "overcurrent" or "on"; an inactive
// one "off".
function outputLampLevel(i, state, overcurrent, fault) {
    const bit = 1 << i
    if (((state | overcurrent | fault) & bit) === 0)
        return "off"
    if (fault & bit)
        return "fault"
    if (overcurrent & bit)
        return "overcurrent"
    return "on"
}

// { percent 0..100, level }: the PWM duty in PWM mode, else the current as a share of the
// output's recommended current; "on" below 60 %, "high" below 85 % (a duty stays "high"), "fault" above.
function outputLoad(isPwm, duty, current, recommendedAmps) {
    if (isPwm) {
        const p = Math.max(0, Math.min(100, duty))
        return { percent: p, level: p < 60 ? "on" : "high" }
    }
    const full = recommendedAmps * 100
    const p = full > 0 ? Math.max(0, Math.min(100, Math.round(current * 100 / full))) : 0
    return { percent: p, level: p < 60 ? "on" : p < 85 ? "high" : "fault" }
}

function bit(value, i) {
    return ((value >>> i) & 1) === 1
}

// State of function f from the 8 words of functionsState.
function funcState(words, f) {
    const w = words && words.length > (f >> 5) ? words[f >> 5] : 0
    return bit(w, f & 31)
}

// A counter's value lives at its number; numbers of 32 and above read 0.
function counterValue(values, number) {
    return number < 32 && values && number < values.length ? values[number] : 0
}
