#pragma once
// Encodings of data blocks sent to the devices, and the gzip-polynomial CRC helper.

#include <QByteArray>
#include <cstdint>

namespace BlockEncoding {

// One gzip stream (deflate level 9, window 15, memory level 8), fed in 32768-byte pieces.
QByteArray gzip(const QByteArray &raw);
// The framework's compressed byte array: 4-byte big-endian length + zlib stream, default level.
QByteArray compressedByteArray(const QByteArray &raw);

} // namespace BlockEncoding

// Standard zlib CRC-32 over the first len bytes cut down to whole 4-byte words; 0 under 4 bytes.
uint32_t crc32usingGZIPPolynomial(const char *inputData, uint32_t len);
// The same over a byte array; len is clamped to its size.
uint32_t crc32usingGZIPPolynomial(const QByteArray &inputData, uint32_t len);
