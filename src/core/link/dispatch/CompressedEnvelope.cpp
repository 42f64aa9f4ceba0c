#include "link/dispatch/CompressedEnvelope.h"

#include <zlib.h>

#include <array>

namespace envelope {
namespace {

constexpr int kLengthPrefix = 4;
constexpr std::size_t kPiece = 64 * 1024;

// Runs the stream through inflate; keep (if not null) receives the body. Returns the body length,
// or -1 on any failure.
int64_t inflateStream(const QByteArray &bytes, int64_t cap, QByteArray *keep)
{
    if (bytes.size() <= kLengthPrefix)
        return -1;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return -1;
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData() + kLengthPrefix));
    zs.avail_in = uInt(bytes.size() - kLengthPrefix);

    std::array<char, kPiece> piece;
    int64_t total = 0;
    int rc = Z_OK;
    while (rc == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef *>(piece.data());
        zs.avail_out = uInt(piece.size());
        rc = inflate(&zs, Z_NO_FLUSH);
        const auto produced = int64_t(piece.size() - zs.avail_out);
        total += produced;
        if (total > cap) {
            rc = Z_MEM_ERROR;
            break;
        }
        if (keep && produced > 0)
            keep->append(piece.data(), qsizetype(produced));
        if (rc == Z_OK && produced == 0 && zs.avail_in == 0)
            break; // input ended before the stream did
    }
    inflateEnd(&zs);
    if (rc != Z_STREAM_END || total == 0)
        return -1;
    return total;
}

} // namespace

std::optional<QByteArray> unpack(const QByteArray &bytes, int64_t cap)
{
    QByteArray body;
    if (inflateStream(bytes, cap, &body) < 0)
        return std::nullopt;
    return body;
}

bool unpacks(const QByteArray &bytes, int64_t cap)
{
    return inflateStream(bytes, cap, nullptr) > 0;
}

} // namespace envelope
