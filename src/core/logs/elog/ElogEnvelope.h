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

// A stream may run a little past its declared length (older writers counted differently); one
// that runs further is damaged or hostile, and is not inflated any further.
constexpr int64_t kDeclaredLengthSlack = 64 * 1024;

struct Inflated
{
    QByteArray body;      // empty on failure
    QString why;          // the cause of a failure
    int64_t limit = 0;    // the most the stream was allowed to produce
    int64_t produced = 0; // what it produced before it ended or was stopped
};

// The body, or an empty one when the envelope is short, its declared length is impossible, the
// stream is broken, the body is empty, or the stream runs past the declared length plus the slack
// (or past `cap`).
Inflated inflateEnvelopeBounded(const QByteArray &fileBytes, int64_t cap = kMaxElogBodyBytes);

// The same, body only; on failure `why`, when given, receives the cause.
QByteArray inflateEnvelope(const QByteArray &fileBytes, int64_t cap = kMaxElogBodyBytes, QString *why = nullptr);

} // namespace elog
