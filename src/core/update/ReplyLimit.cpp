#include "update/ReplyLimit.h"

#include <QNetworkReply>
#include <QTimer>

namespace update {

namespace {
constexpr char HitProperty[] = "ardixBoundHit";

void abortFor(QNetworkReply *reply, BoundHit hit)
{
    if (reply->isFinished())
        return;
    reply->setProperty(HitProperty, int(hit));
    reply->abort();
}
} // namespace

QNetworkReply *bounded(QNetworkReply *reply, ReplyLimit limit)
{
    if (!reply)
        return reply;
    // Qt stops reading the socket once this much is buffered, so memory stays bounded even
    // before the progress check below gets to run.
    reply->setReadBufferSize(limit.maxBytes + 1);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, limit](qint64 received, qint64 total) {
        if (received > limit.maxBytes || total > limit.maxBytes)
            abortFor(reply, BoundHit::Size);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, limit] {
        if (reply->bytesAvailable() > limit.maxBytes)
            abortFor(reply, BoundHit::Size);
    });
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply] { abortFor(reply, BoundHit::Deadline); });
    deadline->start(limit.deadlineMs);
    return reply;
}

BoundHit boundHit(const QNetworkReply *reply)
{
    return reply ? BoundHit(reply->property(HitProperty).toInt()) : BoundHit::None;
}

} // namespace update
