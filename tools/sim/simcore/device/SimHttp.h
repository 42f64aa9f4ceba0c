#pragma once
// The few lines of HTTP the simulator's web servers need: gather a request from a connection and
// shape a reply. Both servers listen on loopback only.

#include <QByteArray>

#include <functional>

class QObject;
class QTcpServer;
class QTcpSocket;

namespace SimHttp {

// Length of a complete request (header and the body its Content-Length announces) at the start of
// buf, or 0 while more is needed.
int completeLength(const QByteArray &buf);

// Calls onRequest once per connection of `server` with the whole request; a connection that sends more
// than maxRequest bytes before completing one is dropped.
void serve(QTcpServer *server, QObject *context, int maxRequest,
           std::function<void(QTcpSocket *, const QByteArray &request)> onRequest);

// The request line's target ("/path?query"), or "/" when the line has none.
QByteArray target(const QByteArray &request);

QByteArray reply(int status, const QByteArray &reason, const QByteArray &body,
                 const QByteArray &contentType = "text/html", const QByteArray &version = "HTTP/1.0");

} // namespace SimHttp
