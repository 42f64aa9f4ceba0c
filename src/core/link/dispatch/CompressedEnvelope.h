#pragma once
// The framework's compressed-byte-array format (4-byte big-endian length, then a zlib stream), as
// the device sends logs and reference laps. The bytes come from outside: nothing is allocated
// from the declared length, and the output is capped.

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace envelope {

// The body, or nothing when the stream is broken, truncated, empty or longer than cap.
std::optional<QByteArray> unpack(const QByteArray &bytes, int64_t cap);

// Whether the bytes unpack to a non-empty body no longer than cap, without keeping the body.
bool unpacks(const QByteArray &bytes, int64_t cap);

} // namespace envelope
