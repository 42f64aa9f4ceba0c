#include "logs/elog/ElogEnvelope.h"

#include <QLoggingCategory>

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <memory>

Q_LOGGING_CATEGORY(lcElogEnvelope, "ardix.logs.envelope", QtWarningMsg)

namespace elog {
namespace {

constexpr int kHeaderSize = 4;

struct DecompressorDeleter
{
    void operator()(libdeflate_decompressor *d) const { libdeflate_free_decompressor(d); }
};

const QString kDamaged = QStringLiteral("the compressed data is damaged");

void setWhy(QString *why, const QString &text)
{
    if (why)
        *why = text;
}

// Slow path for envelopes whose declared length is too small: grow the buffer like a stream
// reader would, never past the cap.
QByteArray inflateGrowing(const uchar *in, size_t inSize, int64_t start, int64_t cap, QString *why)
{
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) {
        setWhy(why, QStringLiteral("the decompressor could not start"));
        return {};
    }
    QByteArray out;
    int64_t capacity = std::clamp<int64_t>(start, 4096, cap);
    out.resize(qsizetype(capacity));
    zs.next_in = const_cast<Bytef *>(in);
    zs.avail_in = uInt(std::min<size_t>(inSize, UINT32_MAX));
    int64_t produced = 0;
    int rc = Z_OK;
    while (true) {
        zs.next_out = reinterpret_cast<Bytef *>(out.data()) + produced;
        const int64_t room = capacity - produced;
        zs.avail_out = uInt(std::min<int64_t>(room, UINT32_MAX));
        rc = inflate(&zs, Z_NO_FLUSH);
        produced = int64_t(zs.total_out);
        if (rc == Z_STREAM_END)
            break;
        if (rc != Z_OK && rc != Z_BUF_ERROR) {
            setWhy(why, kDamaged);
            produced = 0;
            break;
        }
        if (zs.avail_out != 0) { // input ran out before the stream ended
            setWhy(why, QStringLiteral("the compressed data ends early"));
            produced = 0;
            break;
        }
        if (capacity >= cap) {
            qCDebug(lcElogEnvelope) << "body exceeds cap" << cap;
            setWhy(why, QStringLiteral("the compressed data expands past %1 bytes").arg(cap));
            produced = 0;
            break;
        }
        capacity = std::min(cap, capacity * 2);
        out.resize(qsizetype(capacity));
    }
    inflateEnd(&zs);
    out.resize(qsizetype(produced));
    return out;
}

} // namespace

QByteArray inflateEnvelope(const QByteArray &fileBytes, int64_t cap, QString *why)
{
    if (fileBytes.size() <= kHeaderSize) {
        setWhy(why, QStringLiteral("%1 bytes are too few for compressed data").arg(fileBytes.size()));
        return {};
    }
    const auto *p = reinterpret_cast<const uchar *>(fileBytes.constData());
    const uint32_t declared = (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
    const size_t inSize = size_t(fileBytes.size()) - kHeaderSize;
    const int64_t possible = std::min<int64_t>(cap, int64_t(inSize) * kMaxDeflateRatio + 64);
    if (int64_t(declared) > possible) {
        qCDebug(lcElogEnvelope) << "declared body length" << declared << "is impossible for" << inSize << "bytes";
        setWhy(why, QStringLiteral("the compressed data declares %1 bytes, more than %2 compressed bytes can hold")
                        .arg(declared)
                        .arg(inSize));
        return {};
    }

    std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> d(libdeflate_alloc_decompressor());
    if (!d) {
        setWhy(why, QStringLiteral("the decompressor could not start"));
        return {};
    }
    QByteArray out(qsizetype(std::max<uint32_t>(declared, 1)), Qt::Uninitialized);
    size_t actual = 0;
    const libdeflate_result r = libdeflate_zlib_decompress(d.get(), p + kHeaderSize, inSize, out.data(),
                                                           size_t(out.size()), &actual);
    if (r == LIBDEFLATE_SUCCESS) {
        out.resize(qsizetype(actual));
        if (out.isEmpty())
            setWhy(why, QStringLiteral("the compressed data holds nothing"));
        return out;
    }
    if (r == LIBDEFLATE_INSUFFICIENT_SPACE) {
        out = QByteArray();
        out = inflateGrowing(p + kHeaderSize, inSize, int64_t(declared) * 2, possible, why);
        if (out.isEmpty() && why && why->isEmpty())
            *why = QStringLiteral("the compressed data holds nothing");
        return out;
    }
    setWhy(why, kDamaged);
    return {};
}

} // namespace elog
