#include "link/dispatch/FirmwareVersion.h"

#include <QByteArray>

QString FirmwareVersion::textFromParameter(uint32_t parameter)
{
    // The characters travel in byte order of the little-endian parameter; a zero byte ends them.
    QByteArray chars;
    for (int i = 0; i < 4; ++i) {
        const char c = char((parameter >> (8 * i)) & 0xFF);
        if (c == '\0')
            break;
        chars.append(c);
    }
    QString text = QString::fromLocal8Bit(chars);
    if (text.size() >= 2)
        text.insert(2, QLatin1Char('.'));
    return text;
}

float FirmwareVersion::number(const QString &text)
{
    if (text.size() != 5)
        return 0.0f;
    bool ok = false;
    const float v = text.mid(1).toFloat(&ok);
    return ok ? v : 0.0f;
}

int FirmwareVersion::dashNumber(const QString &text)
{
    if (text.size() != 5)
        return 0;
    const QString digits = text.mid(1, 1) + text.mid(3, 2);
    bool ok = false;
    const int v = digits.toInt(&ok);
    return ok ? v : 0;
}
