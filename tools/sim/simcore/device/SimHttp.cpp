#include "simcore/device/SimHttp.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>

namespace SimHttp {

int completeLength(const QByteArray &buf)
{
    const int end = int(buf.indexOf("\r\n\r\n"));
    if (end < 0)
        return 0;
    int length = 0;
    for (const QByteArray &line : buf.left(end).split('\n')) {
        const QByteArray l = line.trimmed();
        if (l.toLower().startsWith("content-length:"))
            length = l.mid(15).trimmed().toInt();
    }
    const int total = end + 4 + std::max(0, length);
    return buf.size() >= total ? total : 0;
}

void serve(QTcpServer *server, QObject *context, int maxRequest,
           std::function<void(QTcpSocket *, const QByteArray &)> onRequest)
{
    QObject::connect(server, &QTcpServer::newConnection, context, [server, context, maxRequest, onRequest] {
        while (QTcpSocket *s = server->nextPendingConnection()) {
            QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            QObject::connect(s, &QTcpSocket::readyRead, context, [s, maxRequest, onRequest] {
                const QByteArray buf = s->property("buf").toByteArray() + s->readAll();
                if (buf.size() > maxRequest) {
                    s->abort();
                    return;
                }
                const int length = completeLength(buf);
                if (!length) {
                    s->setProperty("buf", buf);
                    return;
                }
                s->setProperty("buf", QByteArray());
                onRequest(s, buf.left(length));
            });
        }
    });
}

QByteArray target(const QByteArray &request)
{
    const QList<QByteArray> start = request.left(request.indexOf("\r\n")).split(' ');
    return start.size() >= 2 ? start[1] : QByteArray("/");
}

QByteArray reply(int status, const QByteArray &reason, const QByteArray &body, const QByteArray &contentType,
                 const QByteArray &version)
{
    return version + " " + QByteArray::number(status) + " " + reason + "\r\nContent-Type: " + contentType
           + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace SimHttp
