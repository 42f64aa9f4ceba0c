#include "settings/persistence/SettingsEnvelope.h"

#include <zlib.h>

namespace persistence {

namespace {
constexpr int kHeaderSize = 4;
}

QByteArray compressEnvelope(const QByteArray &content)
{
    return qCompress(content);
}

std::optional<quint32> envelopeDeclaredSize(const QByteArray &envelope)
{
    if (envelope.size() < kHeaderSize)
        return std::nullopt;
    const auto *p = reinterpret_cast<const unsigned char *>(envelope.constData());
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

std::optional<QByteArray> decompressEnvelope(const QByteArray &envelope, qsizetype maxSize)
{
    const std::optional<quint32> declared = envelopeDeclaredSize(envelope);
    if (!declared || qsizetype(*declared) > maxSize)
        return std::nullopt;
    if (*declared == 0)
        return QByteArray(); // what qCompress makes of empty content

    QByteArray out(qsizetype(*declared), Qt::Uninitialized);
    uLongf outLen = uLongf(*declared);
    uLong inLen = uLong(envelope.size() - kHeaderSize);
    // uncompress2 succeeds only on a complete stream that fits the buffer.
    const int rc = uncompress2(reinterpret_cast<Bytef *>(out.data()), &outLen,
                               reinterpret_cast<const Bytef *>(envelope.constData() + kHeaderSize), &inLen);
    if (rc != Z_OK || outLen != uLongf(*declared))
        return std::nullopt;
    return out;
}

} // namespace persistence
