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
struct RequestLimits
{
    ReplyLimit ping{4 * 1024, 5'000};                   // "pong"
    ReplyLimit clientVersion{4 * 1024, 15'000};         // one version line
    ReplyLimit catalogue{1024 * 1024, 20'000};          // file names
    ReplyLimit history{256 * 1024, 20'000};             // release notes, kept in the settings store
    ReplyLimit firmware{16 * 1024 * 1024, 300'000};     // a device image; its name narrows the size
    ReplyLimit installer{256 * 1024 * 1024, 1'800'000}; // the client's own installer
};

// A firmware file may be this much larger than the kilobytes its name gives (rounding).
inline constexpr qint64 FirmwareSizeSlack = 1024;

// Aborts `reply` past the limit's size or deadline; returns the reply for chaining.
QNetworkReply *bounded(QNetworkReply *reply, ReplyLimit limit);

// Whether `reply` was aborted by its bound, and which one.
enum class BoundHit { None, Size, Deadline };
BoundHit boundHit(const QNetworkReply *reply);

} // namespace update
