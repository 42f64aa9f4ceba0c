#pragma once
// A web server on 127.0.0.1 that misbehaves on purpose: every request gets a 200 and then a body
// that never ends, or one of a given size sent in pieces on a timer (a drip, or a flood). It writes
// only as fast as the client reads, so what it has sent is what the client took.

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

class HostileHttpServer : public QTcpServer
{
public:
    struct Body
    {
        qint64 size = -1;       // -1: endless, no Content-Length
        int chunk = 64 * 1024;  // bytes per tick
        int everyMs = 1;
        QByteArray head;        // the body's first bytes ("История изменений", ...)
    };

    explicit HostileHttpServer(Body body) : m_body(std::move(body))
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection())
                serve(s);
        });
    }

    QString base() const { return QStringLiteral("http://127.0.0.1:%1/").arg(serverPort()); }
    qint64 sent = 0;
    int requests = 0;

private:
    void serve(QTcpSocket *s)
    {
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QTcpSocket::readyRead, s, [this, s] {
            if (s->property("answered").toBool() || !s->peek(1 << 16).contains("\r\n\r\n"))
                return;
            s->setProperty("answered", true);
            s->readAll();
            ++requests;
            QByteArray header = "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n";
            if (m_body.size >= 0)
                header += "Content-Length: " + QByteArray::number(m_body.size) + "\r\n";
            s->write(header + "\r\n" + m_body.head);
            auto *left = new qint64(m_body.size < 0 ? -1 : m_body.size - m_body.head.size());
            auto *pump = new QTimer(s);
            connect(pump, &QTimer::destroyed, [left] { delete left; });
            connect(pump, &QTimer::timeout, s, [this, s, left] {
                if (s->state() != QAbstractSocket::ConnectedState || s->bytesToWrite() > 4 * m_body.chunk)
                    return;
                const qint64 n = *left < 0 ? m_body.chunk : std::min<qint64>(m_body.chunk, *left);
                if (n == 0)
                    return;
                s->write(QByteArray(int(n), 'x'));
                sent += n;
                if (*left > 0)
                    *left -= n;
            });
            pump->start(m_body.everyMs);
        });
    }

    Body m_body;
};
