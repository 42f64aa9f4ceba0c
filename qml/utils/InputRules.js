.pragma library

// What the input widgets accept, one function per kind of number, so that every page validates
// and scales the same way. Each parser returns { valid, value }.

// Whole numbers: digits only (a leading minus when the range allows it), within [from, to].
function parseIntText(text, from, to) {
    const t = String(text).trim()
    const pattern = from < 0 ? /^-?\d+$/ : /^\d+$/
    if (!pattern.test(t))
        return { valid: false, value: 0 }
    const v = Number(t)
    return { valid: v >= from && v <= to, value: v }
}

// "0x" and hexadecimal digits; a value above `to` is invalid (tooBig) without being taken.
function parseHexText(text, from, to) {
    let t = String(text).trim()
    if (!/^0[xX]/.test(t))
        t = "0x" + t
    if (!/^0[xX][0-9a-fA-F]+$/.test(t))
        return { valid: false, value: 0, tooBig: false }
    const v = parseInt(t.substring(2), 16)
    return { valid: v >= from && v <= to, value: v, tooBig: v > to }
}

function hexText(value) {
    return "0x" + Math.max(0, Math.floor(value)).toString(16).toUpperCase()
}

// Decimal numbers: a comma counts as a point; at most `dec` decimals and 12 characters.
function parseFloatText(text, from, to, dec) {
    const t = String(text).trim().replace(",", ".")
    if (t.length === 0 || t.length > 12)
        return { valid: false, value: 0 }
    const pattern = dec > 0 ? new RegExp("^-?\\d+(\\.\\d{0," + dec + "})?$") : /^-?\d+$/
    if (!pattern.test(t))
        return { valid: false, value: 0 }
    const v = Number(t)
    return { valid: v >= from && v <= to, value: v }
}

function floatText(value, dec) {
    return Number(value).toFixed(dec)
}

// A stored integer scaled for display (×10, ×100) goes back to its raw form rounded, never cut.
function toRaw(shown, scale) {
    return Math.round(shown * scale)
}
function fromRaw(raw, scale) {
    return raw / scale
}

// Writes `value` into target[property] and raises the settings group's change flag: `flag` is a
// property name of `flagTarget` (e.g. "commonSettingsHasChanges") or a function to call.
function commit(target, property, value, flagTarget, flag) {
    if (!target || property === "")
        return false
    if (target[property] === value)
        return false
    target[property] = value
    if (typeof flag === "function")
        flag()
    else if (flagTarget && flag !== "")
        flagTarget[flag] = true
    return true
}

// Bytes the text takes in a fixed UTF-8 field of the device (a Cyrillic letter takes two).
function utf8Length(text) {
    const s = String(text)
    let n = 0
    for (let i = 0; i < s.length; ++i) {
        const c = s.charCodeAt(i)
        if (c < 0x80)
            n += 1
        else if (c < 0x800)
            n += 2
        else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.length) {
            n += 4
            ++i
        } else
            n += 3
    }
    return n
}

// "от 0 до 250 °C": the range an editor accepts, as shown next to it and in messages.
function rangeText(from, to, unit) {
    return qsTr("от %1").arg(from) + qsTr(" до %1").arg(to) + (unit ? " " + unit : "")
}

function bytesText(maxBytes) {
    return qsTr("не длиннее %1").arg(maxBytes) + qsTr(" байт: %1").arg(maxBytes) + qsTr(" латинских или %1").arg(Math.floor(maxBytes / 2))
            + qsTr(" русских букв")
}
