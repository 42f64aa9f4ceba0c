#include "update/Downloader.h"
#include "update/ReplyLimit.h"

#include <QSaveFile>
#include <QUrl>

Downloader::Downloader(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(TimeoutMs);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Downloader::downloadTimeoutSlot);
    connect(&m_manager, &QNetworkAccessManager::finished, this, &Downloader::downloadFinished);
}

bool Downloader::download()
{
    if (m_busy)
        return false;
    m_busy = true;
    m_reply = update::bounded(m_manager.get(QNetworkRequest(QUrl::fromEncoded(url.toUtf8()))), update::Limits::Installer);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &Downloader::downloadProgress);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &Downloader::network_error);
    m_timer.start();
    return true;
}

void Downloader::downloadProgress(qint64 recieved, qint64 total)
{
    if (total <= 0)
        return;
    Q_EMIT dl_progress(uint(recieved * 100 / total));
    m_timer.start();
}

void Downloader::downloadFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != m_reply)
        return; // one the timeout gave up on
    m_reply = nullptr;
    m_timer.stop();
    if (reply->error() != QNetworkReply::NoError)
        return; // network_error has reported it
    const QByteArray body = reply->readAll();
    // Written aside and renamed, so that a failed write never leaves half an installer.
    QSaveFile file(fileName);
    const bool ok = file.open(QIODevice::WriteOnly) && (body.isEmpty() || file.write(body) == body.size())
                    && file.commit();
    url.clear();
    fileName.clear();
    m_busy = false;
    if (ok) {
        Q_EMIT dl_progress(0);
        Q_EMIT done();
    } else {
        Q_EMIT dl_error(CannotWrite);
    }
}

void Downloader::network_error(QNetworkReply::NetworkError)
{
    if (!m_busy)
        return;
    finishWith(NetworkError);
}

void Downloader::downloadTimeoutSlot()
{
    if (m_reply) {
        QNetworkReply *r = m_reply;
        m_reply = nullptr;
        r->disconnect(this);
        r->abort();
    }
    finishWith(Timeout);
}

void Downloader::finishWith(DL_Errors error)
{
    url.clear();
    fileName.clear();
    m_timer.stop();
    m_busy = false;
    Q_EMIT dl_progress(0);
    Q_EMIT dl_error(error);
}
