#pragma once
// The compressed envelope of logs and similar files: a 4-byte big-endian length of the body
// followed by a zlib stream of it. The bytes come from outside, so the declared length is checked
// against a cap and against what zlib can possibly expand the stream to before anything is allocated.

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace elog {

// No log the device can hold comes near this; it only stops hostile envelopes.
constexpr int64_t kMaxElogBodyBytes = int64_t(1) << 30;
// deflate cannot expand by more than about 1032:1.
constexpr int64_t kMaxDeflateRatio = 1040;

// The body, or an empty array when the envelope is short, its declared length is impossible,
// the stream is broken or the body is empty. A stream longer than declared is still inflated,
// up to `cap`. On failure `why`, when given, receives the cause.
QByteArray inflateEnvelope(const QByteArray &fileBytes, int64_t cap = kMaxElogBodyBytes, QString *why = nullptr);

} // namespace elog
