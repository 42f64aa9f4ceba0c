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

Inflated failed(Inflated &&r, const QString &why)
{
    r.body = QByteArray();
    r.why = why;
    return std::move(r);
}

// Slow path for envelopes whose declared length is too small: grow the buffer like a stream
// reader would, never past the limit.
Inflated inflateGrowing(const uchar *in, size_t inSize, int64_t start, Inflated &&r)
{
    const int64_t cap = r.limit;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return failed(std::move(r), QStringLiteral("the decompressor could not start"));
    QByteArray &out = r.body;
    int64_t capacity = std::clamp<int64_t>(start, std::min<int64_t>(4096, cap), cap);
    out.resize(qsizetype(capacity));
    zs.next_in = const_cast<Bytef *>(in);
    zs.avail_in = uInt(std::min<size_t>(inSize, UINT32_MAX));
    QString why;
    while (true) {
        zs.next_out = reinterpret_cast<Bytef *>(out.data()) + r.produced;
        zs.avail_out = uInt(std::min<int64_t>(capacity - r.produced, UINT32_MAX));
        const int rc = inflate(&zs, Z_NO_FLUSH);
        r.produced = int64_t(zs.total_out);
        if (rc == Z_STREAM_END)
            break;
        if (rc != Z_OK && rc != Z_BUF_ERROR) {
            why = kDamaged;
            break;
        }
        if (zs.avail_out != 0) { // input ran out before the stream ended
            why = QStringLiteral("the compressed data ends early");
            break;
        }
        if (capacity >= cap) {
            qCDebug(lcElogEnvelope) << "body exceeds limit" << cap;
            why = QStringLiteral("the compressed data expands past %1 bytes").arg(cap);
            break;
        }
        capacity = std::min(cap, capacity * 2);
        out.resize(qsizetype(capacity));
    }
    inflateEnd(&zs);
    if (!why.isEmpty())
        return failed(std::move(r), why);
    out.resize(qsizetype(r.produced));
    if (out.isEmpty())
        return failed(std::move(r), QStringLiteral("the compressed data holds nothing"));
    return std::move(r);
}

} // namespace

Inflated inflateEnvelopeBounded(const QByteArray &fileBytes, int64_t cap)
{
    Inflated r;
    if (fileBytes.size() <= kHeaderSize)
        return failed(std::move(r), QStringLiteral("%1 bytes are too few for compressed data").arg(fileBytes.size()));
    const auto *p = reinterpret_cast<const uchar *>(fileBytes.constData());
    const uint32_t declared = (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
    const size_t inSize = size_t(fileBytes.size()) - kHeaderSize;
    const int64_t possible = std::min<int64_t>(cap, int64_t(inSize) * kMaxDeflateRatio + 64);
    if (int64_t(declared) > possible) {
        qCDebug(lcElogEnvelope) << "declared body length" << declared << "is impossible for" << inSize << "bytes";
        return failed(std::move(r), QStringLiteral("the compressed data declares %1 bytes, more than %2 compressed bytes can hold")
                                        .arg(declared)
                                        .arg(inSize));
    }
    r.limit = std::min<int64_t>(possible, int64_t(declared) + kDeclaredLengthSlack);

    std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> d(libdeflate_alloc_decompressor());
    if (!d)
        return failed(std::move(r), QStringLiteral("the decompressor could not start"));
    r.body = QByteArray(qsizetype(std::max<uint32_t>(declared, 1)), Qt::Uninitialized);
    size_t actual = 0;
    const libdeflate_result rc = libdeflate_zlib_decompress(d.get(), p + kHeaderSize, inSize, r.body.data(),
                                                            size_t(r.body.size()), &actual);
    if (rc == LIBDEFLATE_SUCCESS) {
        r.produced = int64_t(actual);
        r.body.resize(qsizetype(actual));
        if (r.body.isEmpty())
            return failed(std::move(r), QStringLiteral("the compressed data holds nothing"));
        return r;
    }
    if (rc == LIBDEFLATE_INSUFFICIENT_SPACE) {
        r.body = QByteArray();
        return inflateGrowing(p + kHeaderSize, inSize, int64_t(declared) * 2, std::move(r));
    }
    return failed(std::move(r), kDamaged);
}

QByteArray inflateEnvelope(const QByteArray &fileBytes, int64_t cap, QString *why)
{
    Inflated r = inflateEnvelopeBounded(fileBytes, cap);
    if (why && r.body.isEmpty())
        *why = r.why;
    return std::move(r.body);
}

} // namespace elog
