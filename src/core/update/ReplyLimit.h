#pragma once
// Every reply from a web server is bounded: a body larger than the request can need, or a transfer
// that outlives its deadline, is aborted (the reply then finishes with OperationCanceledError). The
// network access manager buffers a body whole, so without a bound an endless reply from anyone on
// the path grows the client until it dies.

#include <QtGlobal>

class QNetworkReply;

namespace update {

struct ReplyLimit
{
    qint64 maxBytes;
    int deadlineMs;
};

// What each request may take.
namespace Limits {
constexpr ReplyLimit Ping{4 * 1024, 5'000};                 // "pong"
constexpr ReplyLimit ClientVersion{4 * 1024, 15'000};       // one version line
constexpr ReplyLimit Catalogue{1024 * 1024, 20'000};        // file names
constexpr ReplyLimit History{256 * 1024, 20'000};           // release notes, kept in the settings store
constexpr ReplyLimit Firmware{16 * 1024 * 1024, 600'000};   // a device image
constexpr ReplyLimit Installer{512 * 1024 * 1024, 1'800'000}; // the client's own installer
} // namespace Limits

// Aborts `reply` past the limit's size or deadline; returns the reply for chaining.
QNetworkReply *bounded(QNetworkReply *reply, ReplyLimit limit);

} // namespace update
