#include "update/Downloader.h"

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
    m_file.reset();
    m_reply = update::bounded(m_manager.get(QNetworkRequest(QUrl::fromEncoded(url.toUtf8()))), m_limit);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &Downloader::downloadProgress);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &Downloader::network_error);
    connect(m_reply, &QNetworkReply::readyRead, this, [this] {
        if (!writeAvailable())
            finishWith(CannotWrite);
    });
    m_timer.start();
    return true;
}

// Written aside and renamed on success, so that a failed download never leaves half an installer.
bool Downloader::writeAvailable()
{
    if (!m_reply)
        return false;
    if (!m_file) {
        m_file = std::make_unique<QSaveFile>(fileName);
        if (!m_file->open(QIODevice::WriteOnly))
            return false;
    }
    const QByteArray chunk = m_reply->readAll();
    return chunk.isEmpty() || m_file->write(chunk) == chunk.size();
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
        return; // one the timeout or a write failure gave up on
    m_timer.stop();
    if (reply->error() != QNetworkReply::NoError) {
        m_reply = nullptr;
        return; // network_error has reported it
    }
    const bool ok = writeAvailable() && m_file->commit();
    m_reply = nullptr;
    m_file.reset();
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
    finishWith(Timeout);
}

void Downloader::finishWith(DL_Errors error)
{
    if (m_reply) {
        QNetworkReply *r = m_reply;
        m_reply = nullptr;
        r->disconnect(this);
        r->abort();
    }
    m_file.reset(); // the partial file goes with it
    url.clear();
    fileName.clear();
    m_timer.stop();
    m_busy = false;
    Q_EMIT dl_progress(0);
    Q_EMIT dl_error(error);
}
