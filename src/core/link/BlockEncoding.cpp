#include "link/BlockEncoding.h"

#include "link/LinkConstants.h"

#include <zlib.h>

#include <algorithm>

namespace BlockEncoding {

QByteArray gzip(const QByteArray &raw)
{
    z_stream zs{};
    if (deflateInit2(&zs, LinkConst::GzipLevel, Z_DEFLATED, LinkConst::GzipWindowBits,
                     LinkConst::GzipMemLevel, Z_DEFAULT_STRATEGY)
        != Z_OK)
        return {};

    QByteArray out;
    out.resize(qsizetype(deflateBound(&zs, uLong(raw.size()))) + 64);
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());

    const auto *src = reinterpret_cast<const Bytef *>(raw.constData());
    std::size_t left = std::size_t(raw.size());
    int rc = Z_OK;
    do {
        const std::size_t piece = std::min(left, LinkConst::GzipFeedPiece);
        zs.next_in = const_cast<Bytef *>(src);
        zs.avail_in = uInt(piece);
        src += piece;
        left -= piece;
        const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        for (;;) {
            if (zs.avail_out == 0) {
                const qsizetype used = out.size();
                out.resize(used * 2);
                zs.next_out = reinterpret_cast<Bytef *>(out.data()) + used;
                zs.avail_out = uInt(out.size() - used);
            }
            rc = deflate(&zs, flush);
            if (rc == Z_STREAM_END || rc == Z_STREAM_ERROR)
                break;
            if (flush == Z_NO_FLUSH && zs.avail_in == 0)
                break;
            if (rc == Z_BUF_ERROR && zs.avail_out != 0)
                break;
        }
    } while (left > 0 && (rc == Z_OK || rc == Z_BUF_ERROR));

    if (rc != Z_STREAM_END) {
        deflateEnd(&zs);
        return {};
    }
    out.resize(qsizetype(zs.total_out));
    deflateEnd(&zs);
    return out;
}

QByteArray compressedByteArray(const QByteArray &raw)
{
    return qCompress(raw);
}

} // namespace BlockEncoding

uint32_t crc32usingGZIPPolynomial(const char *inputData, uint32_t len)
{
    const uint32_t whole = len & ~3u;
    if (whole == 0 || inputData == nullptr)
        return 0;
    return uint32_t(crc32(0L, reinterpret_cast<const Bytef *>(inputData), whole));
}

uint32_t crc32usingGZIPPolynomial(const QByteArray &inputData, uint32_t len)
{
    const auto available = uint32_t(std::min<qsizetype>(inputData.size(), qsizetype(UINT32_MAX)));
    return crc32usingGZIPPolynomial(inputData.constData(), std::min(len, available));
}
