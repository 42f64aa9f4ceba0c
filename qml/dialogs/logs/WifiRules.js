.pragma library

// The WiFi page's rules: what the device's page answers and what the device accepts.

function badPasswordText() {
    return qsTr("Пароль должен быть 8-10 знаков\nПароль не должен содержать пробелы")
}
function savedText() {
    return qsTr("Новые параметры сохранены\nТеперь вы можете подключиться\n используя новое имя и пароль")
}
const NewConfigValue = "0x2ffff"

// getData.htm answers "name:password"; an HTML page (an error page of something else) is no answer.
function parseDeviceData(text) {
    const t = String(text)
    const parts = t.split(":")
    if (parts.length < 2 || t.indexOf("div") >= 0)
        return null
    return { ssid: parts[0], pass: parts.slice(1).join(":").trim() }
}

function isValidName(name) {
    const n = String(name).trim()
    return n.length >= 1 && n.length <= 14
}

function isValidPassword(pass) {
    const p = String(pass)
    return p.length >= 8 && p.length <= 10 && !/\s/.test(p)
}

function form(ssid, pass) {
    return { wifi_ap_psw: pass, wifi_ap_ssid: String(ssid).trim(), wifi_newcfg: NewConfigValue }
}

function resultText(status) {
    return status === 200 ? savedText() : qsTr("Ошибка (%1").arg(status) + ")"
}

// A host for a URL: an IPv6 address goes in brackets.
function urlHost(host) {
    return host.indexOf(":") >= 0 ? "[" + host + "]" : host
}
