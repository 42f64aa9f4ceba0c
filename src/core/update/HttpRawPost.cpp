#include "HttpRawPost.h"

#include <QUrl>

#include <algorithm>

namespace {
const QByteArray kHeaderEnd("\r\n\r\n");
const QByteArray kLineEnd("\r\n");
} // namespace

RawHttpReply::RawHttpReply(QObject *parent)
    : QObject(parent), m_socket(new QTcpSocket(this)), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_finished)
            return;
        m_socket->abort();
        finish(-1);
    });
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        m_socket->write(m_request);
        m_socket->flush();
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &RawHttpReply::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        if (!m_finished)
            finish(-1);
    });
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this] {
        if (!m_finished)
            finish(-1);
    });
}

void RawHttpReply::start(const QString &host, int port, const QByteArray &request, int timeoutMs)
{
    m_request = request;
    m_timer->start(timeoutMs);
    m_socket->connectToHost(host, quint16(port), QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
}

int RawHttpReply::parseStatus(const QByteArray &header)
{
    const int lineEnd = header.indexOf(kLineEnd);
    if (lineEnd <= 0)
        return -1;
    const QList<QByteArray> parts = header.left(lineEnd).split(' ');
    if (parts.size() < 2)
        return -1;
    bool ok = false;
    const int status = parts.at(1).toInt(&ok);
    return ok ? status : 0;
}

void RawHttpReply::onReadyRead()
{
    if (m_finished) {
        m_socket->readAll(); // a late piece after the header end is not ours to keep
        return;
    }
    // Only the new bytes (and the few before them that may start the header end) are searched.
    const qsizetype from = std::max<qsizetype>(0, m_buffer.size() - (kHeaderEnd.size() - 1));
    m_buffer += m_socket->read(kMaxResponseBytes + 1 - m_buffer.size());
    m_headerEnd = m_buffer.indexOf(kHeaderEnd, from);
    if (m_headerEnd >= 0)
        finish(parseStatus(m_buffer));
    else if (m_buffer.size() > kMaxResponseBytes)
        finish(-1); // a page that never ends its header is no device's
}

void RawHttpReply::finish(int status)
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer->stop();
    if (m_socket->isOpen())
        m_socket->abort();
    const QString body = m_headerEnd < 0 ? QString() : QString::fromUtf8(m_buffer.mid(m_headerEnd + kHeaderEnd.size()));
    m_buffer.clear();
    // Never from inside postUrlEncoded (a refused connection can fail at once): the caller connects
    // to finished() after the call returns.
    QMetaObject::invokeMethod(this, [this, status, body] { emit finished(status, body); }, Qt::QueuedConnection);
}

HttpRawPost::HttpRawPost(QObject *parent) : QObject(parent) {}

QByteArray HttpRawPost::formBody(const QVariantMap &form)
{
    // Every character outside the unreserved set is percent-encoded, so "+", "&" and "=" in a
    // password arrive as typed.
    QByteArray body;
    for (auto it = form.cbegin(); it != form.cend(); ++it) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(it.key());
        body += '=';
        body += QUrl::toPercentEncoding(it.value().toString());
    }
    return body;
}

QByteArray HttpRawPost::buildRequest(const QString &host, const QString &path, const QVariantMap &form)
{
    const QByteArray body = formBody(form);
    QByteArray request;
    request += "POST " + path.toUtf8() + " HTTP/1.0\r\n";
    request += "Host: " + host.toUtf8() + "\r\n";
    request += "Content-Type: application/x-www-form-urlencoded;charset=UTF-8\r\n";
    request += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    request += "Connection: close\r\n";
    request += "\r\n";
    request += body;
    return request;
}

QObject *HttpRawPost::postUrlEncoded(QString host, int port, QString path, QVariantMap form, int timeoutMs)
{
    auto *reply = new RawHttpReply(this);
    reply->start(host, port, buildRequest(host, path, form), timeoutMs);
    return reply;
}

QObject *HttpRawPost::postUrlEncoded(QString host, int port, QString path, QVariantMap form)
{
    return postUrlEncoded(host, port, path, form, kDefaultTimeoutMs);
}
