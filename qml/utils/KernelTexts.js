.pragma library

// The kernel and its subsystems speak Russian; their texts are translated where they are shown.
// A text built from a known line and a detail (a path, the system's error) is translated line by
// line, so the known line still finds its translation.
const composedLines = [
    QT_TRANSLATE_NOOP("KernelText", "Успешно экспортирован лог"),
    QT_TRANSLATE_NOOP("KernelText", "Не удалось записать файл:")
]

function shown(text) {
    if (!text)
        return ""
    const whole = qsTranslate("KernelText", text)
    if (whole !== text || text.indexOf("\n") < 0)
        return whole
    return text.split("\n").map(line => qsTranslate("KernelText", line)).join("\n")
}
