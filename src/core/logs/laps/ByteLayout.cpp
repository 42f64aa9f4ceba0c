#include "logs/laps/ByteLayout.h"

namespace ardix::laps {

QByteArray utf8Cut(QByteArray utf8, int maxBytes)
{
    if (maxBytes < 0)
        maxBytes = 0;
    if (utf8.size() <= maxBytes)
        return utf8;
    int cut = maxBytes;
    // Step back over continuation bytes (10xxxxxx) to the lead byte of the character that would
    // be split, and cut before it.
    while (cut > 0 && (uchar(utf8.at(cut)) & 0xC0) == 0x80)
        --cut;
    utf8.truncate(cut);
    return utf8;
}

QByteArray utf8Cut(const QString &text, int maxBytes)
{
    return utf8Cut(text.toUtf8(), maxBytes);
}

} // namespace ardix::laps
