#include "update/ReplyLimit.h"

#include <QNetworkReply>
#include <QTimer>

namespace update {

QNetworkReply *bounded(QNetworkReply *reply, ReplyLimit limit)
{
    if (!reply)
        return reply;
    // Qt stops reading the socket once this much is buffered, so memory stays bounded even
    // before the progress check below gets to run.
    reply->setReadBufferSize(limit.maxBytes + 1);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, limit](qint64 received, qint64 total) {
        if (received > limit.maxBytes || total > limit.maxBytes)
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, limit] {
        if (reply->bytesAvailable() > limit.maxBytes)
            reply->abort();
    });
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline->start(limit.deadlineMs);
    return reply;
}

} // namespace update
