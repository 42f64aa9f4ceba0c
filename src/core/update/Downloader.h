#pragma once
// Fetches one file (the client installer) into a local path, with progress, a 7 s stall timeout,
// a size cap and an overall deadline. The body goes to disk as it arrives, never whole into memory.
// One download at a time.

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QSaveFile>
#include <QString>
#include <QTimer>

#include "update/ReplyLimit.h"

#include <memory>

class Downloader : public QObject
{
    Q_OBJECT
public:
    enum DL_Errors { NetworkError = 0, CannotWrite = 1, Timeout = 2 };
    Q_ENUM(DL_Errors)

    static constexpr int TimeoutMs = 7000;

    explicit Downloader(QObject *parent = nullptr);

    QString url;
    QString fileName;
    bool isBusy() const { return m_busy; }
    void setTimeoutMs(int ms) { m_timer.setInterval(ms); }
    void setLimit(update::ReplyLimit limit) { m_limit = limit; }

public Q_SLOTS:
    bool download();
    void downloadFinished(QNetworkReply *reply);
    void downloadProgress(qint64 recieved, qint64 total);

Q_SIGNALS:
    void done();
    void dl_error(Downloader::DL_Errors error);
    void dl_progress(uint progress);

private Q_SLOTS:
    void downloadTimeoutSlot();
    void network_error(QNetworkReply::NetworkError error);

private:
    void finishWith(DL_Errors error);
    bool writeAvailable();

    QNetworkAccessManager m_manager;
    QTimer m_timer;
    QNetworkReply *m_reply = nullptr;
    std::unique_ptr<QSaveFile> m_file;
    update::ReplyLimit m_limit = update::RequestLimits{}.installer;
    bool m_busy = false;
};
