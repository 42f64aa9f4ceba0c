#pragma once
// The firmware web server seen from the client: reachability ping, catalogue and histories,
// firmware downloads checked against the MD5 in their names, the local catalogue, the notice of
// newer firmware, the client version check and the installer download.

#include "update/Downloader.h"
#include "update/ReplyLimit.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVariantList>

#include <functional>

class FirmwareCatalog : public QObject
{
    Q_OBJECT
public:
    // What the catalogue reads from the rest of the client.
    struct Host
    {
        std::function<int()> ardixStatus;
        std::function<QString()> currFirmwareVersion;
        std::function<QString()> pdmCurrFirmwareVersion;
        std::function<QString()> serialHash; // the connected dash's, empty when unknown
        QString clientVersion;
    };

    static constexpr int PingFirstMs = 500;
    static constexpr int PingMs = 1200;
    static constexpr int PingTransferTimeoutMs = 900;
    static constexpr int DownloadStallMs = 8000;

    FirmwareCatalog(Host host, QUrl firmwareBase, QUrl siteBase, QObject *parent = nullptr);

    // Generic data location + "/Ardix/".
    static QString localFolder();
    // Where firmware files are saved and found: the local folder, or a folder of this client's own
    // when that cannot be made.
    QString folder() const { return m_folder; }
    // Test hook: shorter bounds.
    void setLimits(const update::RequestLimits &limits);

    // Starts the ping (first after 500 ms, then every 1200 ms) and sends the client version check.
    void start();

    bool isServerOnline() const { return m_serverOnline; }
    QVariantList availableFirmwares() const { return m_available; }
    QString updatesHistory() const { return m_updatesHistory; }
    QString pdmUpdatesHistory() const { return m_pdmUpdatesHistory; }
    QString downloadingFileName() const { return m_downloadingFileName; }
    void setUpdatesHistory(const QString &text);
    void setPdmUpdatesHistory(const QString &text);
    void setDownloadingFileName(const QString &name);
    void setIsServerOnline(bool online);
    QTimer &downloadTimer() { return m_downloadTimer; }
    Downloader &downloader() { return m_downloader; }

    // Requests as the client builds them now (replies are recognised by them).
    QUrl pingUrl() const;
    QUrl catalogueUrl() const;
    QUrl historyUrl(bool pdm) const;
    QUrl clientVersionUrl() const;
    QUrl firmwareUrl(const QString &fileName, const QString &channel) const;

public Q_SLOTS:
    void webServerFileListRequest();
    void getLocalFirmwaresList();
    void webServerDownloadFile(const QString &fileName, const QString &firmwareType);
    void webServerUpdateDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void downloadTimeout();
    // The user gave up on the running firmware download: nothing is kept and nothing is said.
    void cancelFirmwareDownload();
    void deleteLocalFile(const QString &fileName);
    void checkFirmwareVersion();
    void ping_remote_timeout();
    void webServerReply(QNetworkReply *reply);
    void requestClientVersion();
    void downloadClientUpdate(const QString &url);
    void update_client_downloaded();
    void downloading_failed(int error);
    // The link status changed: the firmware notice may be shown again after a disconnection.
    void onLinkStatusChanged();

Q_SIGNALS:
    void availableFirmwaresChanged();
    void isServerOnline_Changed(bool isOnline);
    void progressMoving(uint progress);
    void showInfoMessage(const QString &text);
    void newClientVersionFound(const QString &verNum);
    void killAllInfoMessageDialogs();
    // An installer for this platform is ready to start (the kernel ends the client after it).
    void installerStarted(const QString &path);
    void folderChanged(const QString &folder);

private:
    enum class Request { None, Ping, ClientVersion, Catalogue, DashHistory, PdmHistory, Firmware };
    QNetworkReply *send(Request kind, const QUrl &url, update::ReplyLimit limit, int transferTimeoutMs = 0);
    static Request kindOf(const QNetworkReply *reply);
    void endFirmwareDownload();
    QString query() const;
    QUrl base(const char *path) const;
    QString enterLocalFolder();
    QStringList localFirmwareFiles(const QString &folder, bool reversed) const;
    QVariantList entry(const QStringList &fields, const QString &fileName, bool downloaded) const;
    void catalogueReply(const QByteArray &body);
    void firmwareReply(const QByteArray &body);
    void clientVersionReply(const QByteArray &body);
    void sendCatalogueRequests();
    void disconnectDownloader();

    Host m_host;
    update::RequestLimits m_limits;
    QString m_folder;
    QUrl m_firmwareBase;
    QUrl m_siteBase;
    QNetworkAccessManager m_manager;
    QSettings m_store{QStringLiteral("Ardix"), QStringLiteral("Ardix")};
    QTimer m_pingTimer;
    QTimer m_downloadTimer;
    Downloader m_downloader;
    QPointer<QNetworkReply> m_firmwareReply;

    bool m_serverOnline = false;
    QVariantList m_available;
    QString m_updatesHistory;
    QString m_pdmUpdatesHistory;
    QString m_downloadingFileName;
    bool m_firmwareCheckPending = false;
    bool m_noticeShownThisConnection = false;
    QMetaObject::Connection m_doneConnection;
    QMetaObject::Connection m_progressConnection;
};
