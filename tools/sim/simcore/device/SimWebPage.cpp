#include "simcore/device/SimWebPage.h"

#include "simcore/device/SimDeviceStore.h"
#include "simcore/device/SimHttp.h"

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
    return SimHttp::reply(status, reason, body);
}

} // namespace

SimWebPage::SimWebPage(SimDeviceStore &store, std::function<void()> onChanged)
    : m_store(store), m_onChanged(std::move(onChanged)), m_server(new QTcpServer(this))
{
    SimHttp::serve(m_server, this, MaxRequest, [this](QTcpSocket *s, const QByteArray &request) {
        bool changed = false;
        s->write(answer(m_store, request, &changed));
        s->disconnectFromHost();
        if (changed && m_onChanged)
            m_onChanged();
    });
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
    return SimHttp::completeLength(buf);
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
