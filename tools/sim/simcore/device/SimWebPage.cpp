#include "simcore/device/SimWebPage.h"

#include "simcore/device/SimDeviceStore.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>

namespace {

constexpr int MaxRequest = 64 * 1024;
constexpr auto NewConfigValue = "0x2ffff";

QByteArray reply(int status, const QByteArray &reason, const QByteArray &body)
{
    return "HTTP/1.0 " + QByteArray::number(status) + " " + reason
           + "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size())
           + "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace

SimWebPage::SimWebPage(SimDeviceStore &store, std::function<void()> onChanged)
    : m_store(store), m_onChanged(std::move(onChanged)), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &SimWebPage::onConnection);
}

bool SimWebPage::listen(quint16 port)
{
    return m_server->listen(QHostAddress::LocalHost, port);
}

quint16 SimWebPage::port() const
{
    return m_server->serverPort();
}

int SimWebPage::completeLength(const QByteArray &buf)
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

QByteArray SimWebPage::answer(SimDeviceStore &store, const QByteArray &request, bool *changed)
{
    if (changed)
        *changed = false;
    const int end = int(request.indexOf("\r\n\r\n"));
    const QList<QByteArray> start = request.left(request.indexOf("\r\n")).split(' ');
    if (end < 0 || start.size() < 3)
        return reply(400, "Bad Request", "bad request");
    const QByteArray method = start[0];
    const QByteArray path = QUrl(QString::fromUtf8(start[1])).path().toUtf8();
    if (method == "GET" && path.endsWith("/getData.htm"))
        return reply(200, "OK", store.wifiName.toUtf8() + ":" + store.wifiPassword.toUtf8());
    if (method == "POST" && path.endsWith("/timeout.htm")) {
        const QUrlQuery form(QString::fromUtf8(request.mid(end + 4)));
        const QString ssid = form.queryItemValue("wifi_ap_ssid", QUrl::FullyDecoded);
        const QString psw = form.queryItemValue("wifi_ap_psw", QUrl::FullyDecoded);
        if (form.queryItemValue("wifi_newcfg") != QLatin1String(NewConfigValue) || ssid.isEmpty() || psw.isEmpty())
            return reply(400, "Bad Request", "bad form");
        store.wifiName = ssid;
        store.wifiPassword = psw;
        if (changed)
            *changed = true;
        return reply(200, "OK", "OK");
    }
    return reply(404, "Not Found", "not found");
}

void SimWebPage::onConnection()
{
    while (QTcpSocket *s = m_server->nextPendingConnection()) {
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QTcpSocket::readyRead, this, [this, s] {
            QByteArray buf = s->property("buf").toByteArray() + s->readAll();
            if (buf.size() > MaxRequest) {
                s->abort();
                return;
            }
            const int len = completeLength(buf);
            if (!len) {
                s->setProperty("buf", buf);
                return;
            }
            bool changed = false;
            s->write(answer(m_store, buf.left(len), &changed));
            s->disconnectFromHost();
            if (changed && m_onChanged)
                m_onChanged();
        });
    }
}
