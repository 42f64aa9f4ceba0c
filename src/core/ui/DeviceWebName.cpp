#include "ui/DeviceWebName.h"
#include "app/AppConfig.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

Q_LOGGING_CATEGORY(lcWebName, "ardix.ui.webname", QtWarningMsg)

DeviceWebName::DeviceWebName(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
}

QString DeviceWebName::parseReply(const QByteArray &reply)
{
    const QString text = QString::fromUtf8(reply);
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 1 && !text.contains(QLatin1String("div")))
        return parts.first();
    return {};
}

void DeviceWebName::clear()
{
    if (m_reply)
        m_reply->abort();
    setName({});
}

void DeviceWebName::refresh()
{
    if (m_reply)
        m_reply->abort();
    const AppConfig config = AppConfig::fromEnvironment();
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(config.deviceHost);
    url.setPort(config.deviceWebPort);
    url.setPath(QStringLiteral("/getData.htm"));
    QNetworkRequest request(url);
    request.setRawHeader("Content-Encoding", "UTF-8");
    request.setTransferTimeout(kTimeoutMs);
    qCDebug(lcWebName) << "reading" << url.toString();
    QNetworkReply *reply = m_network->get(request);
    m_reply = reply;
    // A page that streams without end is cut off rather than buffered.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxReplyBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
}

void DeviceWebName::finish(QNetworkReply *reply)
{
    reply->deleteLater();
    if (m_reply == reply)
        m_reply.clear();
    if (reply->error() != QNetworkReply::NoError) {
        qCDebug(lcWebName) << "no name:" << reply->errorString();
        return;
    }
    setName(parseReply(reply->read(kMaxReplyBytes)));
}

void DeviceWebName::setName(const QString &name)
{
    if (m_name == name)
        return;
    m_name = name;
    emit nameChanged();
}
