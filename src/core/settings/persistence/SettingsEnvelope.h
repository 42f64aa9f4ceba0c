#pragma once
// The compressed envelope of settings files (and of the other files the client exchanges): a 4-byte
// big-endian length of the content followed by a zlib stream, as qCompress writes it.
//
// Files come from outside, so the declared length is checked against what the caller can accept
// before anything is allocated, and the stream must produce exactly the declared number of bytes.

#include <QByteArray>
#include <optional>

namespace persistence {

// qCompress at the default level.
QByteArray compressEnvelope(const QByteArray &content);

// The declared content length, when there is a header at all.
std::optional<quint32> envelopeDeclaredSize(const QByteArray &envelope);

// The content, or nothing when the envelope is short, declares more than maxSize bytes, or its
// stream is damaged, truncated or yields another length than declared.
std::optional<QByteArray> decompressEnvelope(const QByteArray &envelope, qsizetype maxSize);

} // namespace persistence
