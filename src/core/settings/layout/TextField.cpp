#include "settings/layout/TextField.h"

#include <QByteArray>
#include <cstring>

namespace layout {

QString loadText(const unsigned char *field, int fieldSize)
{
    const auto *nul = static_cast<const unsigned char *>(std::memchr(field, 0, std::size_t(fieldSize)));
    const int len = nul ? int(nul - field) : fieldSize;
    return QString::fromUtf8(reinterpret_cast<const char *>(field), len);
}

void packText(unsigned char *field, int fieldSize, const QString &text)
{
    if (fieldSize <= 0)
        return;
    const QByteArray utf8 = text.toUtf8();
    int len = int(utf8.size());
    if (len >= fieldSize) {
        len = fieldSize - 1;
        while (len > 0 && (uchar(utf8[len]) & 0xC0) == 0x80)
            --len;
    }
    std::memcpy(field, utf8.constData(), std::size_t(len));
    field[len] = 0;
}

} // namespace layout
