#include "update/FirmwareCatalog.h"

#include "settings/ArdixEnums.h"
#include "update/ClientVersion.h"
#include "update/FirmwareName.h"
#include "update/InstallerPlatform.h"
#include "update/ReplyLimit.h"
#include "update/UpdateTexts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLoggingCategory>
#include <QNetworkRequest>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcUpdate, "ardix.update", QtWarningMsg)

namespace {
QString text(const char *utf8) { return QString::fromUtf8(utf8); }
// A text with a detail appended is translated before the detail joins it: the interface could no
// longer find the whole in its catalogue.
QString translated(const char *source) { return QCoreApplication::translate("KernelText", source); }
constexpr char InstallerBaseName[] = "/Ardix_latest";
constexpr char InstallerSuffix[] = ".exe";
constexpr char RequestProperty[] = "ardixRequest";
constexpr char AskedProperty[] = "ardixAskedByUser";
} // namespace

FirmwareCatalog::FirmwareCatalog(Host host, QUrl firmwareBase, QUrl siteBase, QObject *parent)
    : QObject(parent), m_host(std::move(host)), m_firmwareBase(std::move(firmwareBase)), m_siteBase(std::move(siteBase))
{
    // A history larger than any reply may be was stored by an older client: it would be read and
    // written back on every start, so it goes.
    for (const char *key : {UpdateKey::UpdatesHistory, UpdateKey::PdmUpdatesHistory}) {
        const QString k = QLatin1String(key);
        if (m_store.value(k).toString().size() > m_limits.history.maxBytes)
            m_store.remove(k);
    }
    m_updatesHistory = m_store.value(QLatin1String(UpdateKey::UpdatesHistory)).toString();
    m_pdmUpdatesHistory = m_store.value(QLatin1String(UpdateKey::PdmUpdatesHistory)).toString();
    m_folder = enterLocalFolder();
    connect(&m_manager, &QNetworkAccessManager::finished, this, &FirmwareCatalog::webServerReply);
    m_pingTimer.setInterval(PingFirstMs);
    connect(&m_pingTimer, &QTimer::timeout, this, &FirmwareCatalog::ping_remote_timeout);
    m_downloadTimer.setInterval(DownloadStallMs);
    connect(&m_downloadTimer, &QTimer::timeout, this, &FirmwareCatalog::downloadTimeout);
    connect(&m_downloader, &Downloader::dl_error, this, [this](Downloader::DL_Errors e) { downloading_failed(int(e)); });
}

QString FirmwareCatalog::localFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Ardix/");
}

void FirmwareCatalog::setLimits(const update::RequestLimits &limits)
{
    m_limits = limits;
    m_downloader.setLimit(limits.installer);
}

void FirmwareCatalog::start()
{
    m_pingTimer.start(PingFirstMs);
    requestClientVersion();
}

// ---- properties ----------------------------------------------------------------------------

void FirmwareCatalog::setUpdatesHistory(const QString &t)
{
    if (t == m_updatesHistory)
        return;
    m_updatesHistory = t;
    Q_EMIT availableFirmwaresChanged();
}

void FirmwareCatalog::setPdmUpdatesHistory(const QString &t)
{
    if (t == m_pdmUpdatesHistory)
        return;
    m_pdmUpdatesHistory = t;
    Q_EMIT availableFirmwaresChanged();
}

void FirmwareCatalog::setDownloadingFileName(const QString &name)
{
    if (name == m_downloadingFileName)
        return;
    m_downloadingFileName = name;
    Q_EMIT availableFirmwaresChanged();
}

void FirmwareCatalog::setIsServerOnline(bool online)
{
    if (online == m_serverOnline)
        return;
    m_serverOnline = online;
    Q_EMIT isServerOnline_Changed(online);
}

// ---- requests ------------------------------------------------------------------------------

QString FirmwareCatalog::query() const
{
    QString hash = m_host.serialHash ? m_host.serialHash() : QString();
    if (hash.isEmpty())
        hash = m_store.value(QLatin1String(UpdateKey::SerialNumHash)).toString();
    const uint pdmSerial = m_store.value(QLatin1String(UpdateKey::PdmSerialNumber), 0).toUInt() & 0xFFFFu;
    return hash + QStringLiteral("&currVer=") + (m_host.currFirmwareVersion ? m_host.currFirmwareVersion() : QString())
           + QStringLiteral("&client=") + m_host.clientVersion + QStringLiteral("&serialNum=")
           + m_store.value(QLatin1String(UpdateKey::SerialNum), QStringLiteral("0")).toString()
           + QStringLiteral("&pdmSerialNum=") + QString::number(pdmSerial) + QStringLiteral("&pdmCurrFirmwareVer=")
           + m_store.value(QLatin1String(UpdateKey::PdmCurrFirmwareVersion), QStringLiteral("S0.00")).toString();
}

QUrl FirmwareCatalog::base(const char *path) const
{
    return QUrl(m_firmwareBase.toString() + QString::fromLatin1(path));
}

QUrl FirmwareCatalog::pingUrl() const { return base("app.php?ping"); }
QUrl FirmwareCatalog::catalogueUrl() const { return QUrl(base("app.php?listFirmwares=ALL&serial=").toString() + query()); }

QUrl FirmwareCatalog::historyUrl(bool pdm) const
{
    return QUrl(base(pdm ? "app.php?pdmUpdatesHistory&serial=" : "app.php?updatesHistory&serial=").toString() + query());
}

QUrl FirmwareCatalog::clientVersionUrl() const
{
    return QUrl(m_siteBase.toString() + QStringLiteral("downloads/getUpdate.php") + QStringLiteral("?win"));
}

QUrl FirmwareCatalog::firmwareUrl(const QString &fileName, const QString &channel) const
{
    return QUrl(m_firmwareBase.toString() + FirmwareName::channelFolder(channel) + fileName);
}

// Each reply carries the kind of its request: a redirect changes its URL, not what it answers.
QNetworkReply *FirmwareCatalog::send(Request kind, const QUrl &url, update::ReplyLimit limit, int transferTimeoutMs)
{
    QNetworkRequest request(url);
    if (transferTimeoutMs > 0)
        request.setTransferTimeout(transferTimeoutMs);
    QNetworkReply *reply = update::bounded(m_manager.get(request), limit);
    reply->setProperty(RequestProperty, int(kind));
    return reply;
}

FirmwareCatalog::Request FirmwareCatalog::kindOf(const QNetworkReply *reply)
{
    return Request(reply->property(RequestProperty).toInt());
}

void FirmwareCatalog::ping_remote_timeout()
{
    m_pingTimer.setInterval(PingMs);
    send(Request::Ping, pingUrl(), m_limits.ping, PingTransferTimeoutMs);
}

void FirmwareCatalog::requestClientVersion()
{
    send(Request::ClientVersion, clientVersionUrl(), m_limits.clientVersion);
}

void FirmwareCatalog::sendCatalogueRequests()
{
    send(Request::Catalogue, catalogueUrl(), m_limits.catalogue)->setProperty(AskedProperty, true);
    send(Request::DashHistory, historyUrl(false), m_limits.history);
    send(Request::PdmHistory, historyUrl(true), m_limits.history);
}

void FirmwareCatalog::webServerFileListRequest()
{
    const int status = m_host.ardixStatus ? m_host.ardixStatus() : 0;
    const bool linked = status == ArdixEnums::ardixOnline || status == ArdixEnums::ardixBootOnline
                        || status == ArdixEnums::ardixReflash;
    if (linked && !m_serverOnline) {
        getLocalFirmwaresList();
        return;
    }
    sendCatalogueRequests();
}

void FirmwareCatalog::webServerDownloadFile(const QString &fileName, const QString &firmwareType)
{
    if (!FirmwareName::isPlainFileName(fileName)) {
        qCWarning(lcUpdate) << "refused to download a file named" << fileName;
        Q_EMIT availableFirmwaresChanged();
        return;
    }
    if (QNetworkReply *old = m_firmwareReply) {
        m_firmwareReply = nullptr;
        old->disconnect(this);
        old->abort();
    }
    // No larger than its name says: an image of 300 kilobytes never needs 16 megabytes.
    update::ReplyLimit limit = m_limits.firmware;
    if (const auto f = FirmwareName::fields(fileName))
        if (const auto size = FirmwareName::maxBytes(*f))
            limit.maxBytes = std::min(limit.maxBytes, *size + update::FirmwareSizeSlack);
    m_firmwareReply = send(Request::Firmware, firmwareUrl(fileName, firmwareType), limit);
    connect(m_firmwareReply, &QNetworkReply::downloadProgress, this, &FirmwareCatalog::webServerUpdateDownloadProgress);
    setDownloadingFileName(enterLocalFolder() + fileName);
    m_downloadTimer.start();
}

void FirmwareCatalog::cancelFirmwareDownload()
{
    QNetworkReply *reply = m_firmwareReply;
    if (!reply && m_downloadingFileName.isEmpty())
        return;
    endFirmwareDownload();
    if (reply) {
        reply->disconnect(this);
        reply->abort();
    }
    Q_EMIT availableFirmwaresChanged();
}

void FirmwareCatalog::endFirmwareDownload()
{
    m_downloadTimer.stop();
    m_firmwareReply = nullptr;
    m_downloadingFileName.clear();
}

void FirmwareCatalog::webServerUpdateDownloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    m_downloadTimer.start();
    if (bytesTotal > 0)
        Q_EMIT progressMoving(uint(bytesReceived * 100 / bytesTotal));
}

void FirmwareCatalog::downloadTimeout()
{
    m_downloadTimer.stop();
    if (m_firmwareReply && m_firmwareReply->isRunning())
        m_firmwareReply->abort();
}

// ---- local files ---------------------------------------------------------------------------

QString FirmwareCatalog::enterLocalFolder()
{
    QString folder = localFolder();
    if (!QDir().mkpath(folder)) {
        // A folder of this client's own, never a user's (the working folder's Documents is usually
        // the user's).
        folder = QDir::temp().absoluteFilePath(QStringLiteral("ardix-firmware")) + QLatin1Char('/');
        QDir().mkpath(folder);
    }
    if (folder != m_folder) {
        m_folder = folder;
        Q_EMIT folderChanged(folder);
    }
    return folder;
}

// The names of the files this client downloaded into `folder`: only those are ever removed.
namespace {
const QString kManifest = QStringLiteral("downloaded-firmware.txt");
constexpr qint64 kManifestMaxBytes = 64 * 1024;

QStringList downloadedFiles(const QString &folder)
{
    QFile file(folder + kManifest);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList names = QString::fromUtf8(file.read(kManifestMaxBytes)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    names.removeIf([](const QString &n) { return !FirmwareName::isPlainFileName(n); });
    return names;
}

void writeDownloadedFiles(const QString &folder, const QStringList &names)
{
    QSaveFile file(folder + kManifest);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(names.join(QLatin1Char('\n')).toUtf8());
        file.commit();
    }
}
} // namespace

QStringList FirmwareCatalog::localFirmwareFiles(const QString &folder, bool reversed) const
{
    QDir dir(folder);
    QDir::SortFlags sort = QDir::Name;
    if (reversed)
        sort |= QDir::Reversed;
    QStringList files = dir.entryList(reversed ? QStringList() : QStringList{QStringLiteral("*.bin")},
                                      QDir::Files | QDir::Hidden | QDir::NoSymLinks, sort);
    files.removeAll(kManifest); // the folder's own bookkeeping is not a local file
    return files;
}

void FirmwareCatalog::deleteLocalFile(const QString &fileName)
{
    if (FirmwareName::isPlainFileName(fileName)) {
        const QString folder = enterLocalFolder();
        if (QFile::exists(folder + fileName))
            QFile::remove(folder + fileName);
        QStringList downloaded = downloadedFiles(folder);
        if (downloaded.removeAll(fileName) > 0)
            writeDownloadedFiles(folder, downloaded);
    }
    webServerFileListRequest();
}

QVariantList FirmwareCatalog::entry(const QStringList &fields, const QString &fileName, bool downloaded) const
{
    const QString &type = fields.at(FirmwareName::TypeField);
    const QString &version = fields.at(FirmwareName::VersionField);
    bool installed = false;
    if (type == QLatin1String(FirmwareName::DashType))
        installed = m_host.currFirmwareVersion && version == m_host.currFirmwareVersion();
    else if (type == QLatin1String(FirmwareName::PdmType))
        installed = m_host.pdmCurrFirmwareVersion && version == m_host.pdmCurrFirmwareVersion();
    QStringList e = fields;
    e << fileName << (downloaded ? QStringLiteral("true") : QStringLiteral("false"))
      << (installed ? QStringLiteral("true") : QStringLiteral("false"));
    return {QVariant(e)};
}

void FirmwareCatalog::getLocalFirmwaresList()
{
    setDownloadingFileName(QString());
    const QString folder = enterLocalFolder();
    const QStringList files = localFirmwareFiles(folder, true);
    m_available.clear();
    if (files.isEmpty()) {
        m_updatesHistory = text(UpdateText::NoLocalFiles);
        Q_EMIT availableFirmwaresChanged();
        return;
    }
    for (const QString &name : files)
        if (const auto f = FirmwareName::fields(name))
            m_available += entry(*f, name, true);
    Q_EMIT availableFirmwaresChanged();
}

// ---- replies -------------------------------------------------------------------------------

void FirmwareCatalog::webServerReply(QNetworkReply *reply)
{
    reply->deleteLater();
    const Request kind = kindOf(reply);
    if (kind == Request::Firmware && reply != m_firmwareReply)
        return; // replaced or cancelled

    if (reply->error() != QNetworkReply::NoError) {
        if (kind == Request::Ping) {
            setIsServerOnline(false);
            return;
        }
        if (kind == Request::Firmware) {
            // A failed or stalled download leaves nothing behind and does not keep the page waiting.
            endFirmwareDownload();
            const update::BoundHit hit = update::boundHit(reply);
            Q_EMIT showInfoMessage(text(hit == update::BoundHit::Size       ? UpdateText::FirmwareTooLarge
                                        : hit == update::BoundHit::Deadline ? UpdateText::FirmwareTooSlow
                                                                            : UpdateText::FirmwareDownloadFailed));
        }
        if (kind == Request::Catalogue && reply->property(AskedProperty).toBool()
            && update::boundHit(reply) != update::BoundHit::None)
            Q_EMIT showInfoMessage(text(UpdateText::CatalogueRefused));
        Q_EMIT availableFirmwaresChanged();
        return;
    }

    const QByteArray body = reply->readAll();
    switch (kind) {
    case Request::Ping:
        if (body == UpdateText::Pong)
            setIsServerOnline(true);
        return;
    case Request::Catalogue:
        if (body.contains(UpdateText::CatalogueMarker))
            catalogueReply(body);
        return;
    case Request::DashHistory:
    case Request::PdmHistory:
        if (body.contains(UpdateText::HistoryMarker)) {
            const bool dash = kind == Request::DashHistory;
            const QString history = QString::fromUtf8(body);
            m_store.setValue(QLatin1String(dash ? UpdateKey::UpdatesHistory : UpdateKey::PdmUpdatesHistory), history);
            (dash ? m_updatesHistory : m_pdmUpdatesHistory) = history;
            Q_EMIT availableFirmwaresChanged();
        }
        return;
    case Request::Firmware:
        if (!m_downloadingFileName.isEmpty())
            firmwareReply(body);
        return;
    case Request::ClientVersion:
        clientVersionReply(body);
        return;
    case Request::None:
        return;
    }
}

void FirmwareCatalog::catalogueReply(const QByteArray &body)
{
    const QString folder = enterLocalFolder();
    const QStringList local = localFirmwareFiles(folder, false);
    QStringList downloaded = downloadedFiles(folder);
    const int downloadedBefore = downloaded.size();
    QStringList names = QString::fromUtf8(body).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!names.isEmpty())
        names.removeFirst();
    for (QString &n : names)
        n = n.trimmed();
    // Names become paths: anything but a plain file name is not the server's to give.
    names.removeIf([](const QString &n) { return !FirmwareName::isPlainFileName(n); });

    for (const QString &file : local) {
        if (names.contains(file))
            continue;
        if (FirmwareName::isTestBuild(file) || !downloaded.contains(file)) {
            // A file the client did not download is the user's: it stays, and stays listed.
            names.append(file);
        } else {
            QFile::remove(folder + file);
            downloaded.removeAll(file);
        }
    }

    if (downloaded.size() != downloadedBefore)
        writeDownloadedFiles(folder, downloaded);

    m_available.clear();
    float maxDash = 0, maxPdm = 0;
    for (const QString &name : names) {
        const auto f = FirmwareName::fields(name);
        if (!f)
            continue;
        m_available += entry(*f, name, QFile::exists(folder + name));
        const float v = FirmwareName::versionNumber(f->at(FirmwareName::VersionField));
        const QString &type = f->at(FirmwareName::TypeField);
        float *max = type == QLatin1String(FirmwareName::DashType)  ? &maxDash
                     : type == QLatin1String(FirmwareName::PdmType) ? &maxPdm
                                                                     : nullptr;
        if (max && v > *max) {
            *max = v;
            m_store.setValue(QLatin1String(max == &maxDash ? UpdateKey::MaxArdix : UpdateKey::MaxPmx), v);
            m_store.sync();
        }
    }
    if (m_firmwareCheckPending) {
        m_firmwareCheckPending = false;
        checkFirmwareVersion();
    }
    Q_EMIT availableFirmwaresChanged();
}

void FirmwareCatalog::firmwareReply(const QByteArray &body)
{
    const QString path = m_downloadingFileName;
    endFirmwareDownload();
    const QString fileName = QFileInfo(path).fileName();
    const auto f = FirmwareName::fields(fileName);
    const QString expected = f ? f->at(FirmwareName::Md5Field) : QString();
    if (expected.isEmpty()) {
        Q_EMIT availableFirmwaresChanged();
        return;
    }

    const QString md5 = QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Md5).toHex().toUpper());
    if (md5 != expected) {
        qCInfo(lcUpdate) << "firmware" << fileName << "does not match its MD5, discarded";
        if (QFile::exists(path))
            QFile::remove(path);
    } else {
        // Renamed into place once complete, so a good file is never replaced by a partial one.
        QSaveFile out(path);
        if (out.open(QIODevice::WriteOnly) && out.write(body) == body.size() && out.commit()) {
            const QString folder = QFileInfo(path).absolutePath() + QLatin1Char('/');
            QStringList downloaded = downloadedFiles(folder);
            if (!downloaded.contains(fileName))
                writeDownloadedFiles(folder, downloaded << fileName);
            const bool offline = (m_host.ardixStatus ? m_host.ardixStatus() : 0) == ArdixEnums::ardixOffline;
            Q_EMIT showInfoMessage(text(offline ? UpdateText::SavedConnect : UpdateText::SavedReady));
        }
    }
    webServerFileListRequest();
}

void FirmwareCatalog::clientVersionReply(const QByteArray &body)
{
    if (body == UpdateText::NoClientVersion || body.size() != 4)
        return;
    if (!update::isNewerClientVersion(QString::fromLatin1(body), m_host.clientVersion)) {
        m_firmwareCheckPending = true;
        send(Request::Catalogue, catalogueUrl(), m_limits.catalogue);
    } else {
        Q_EMIT newClientVersionFound(QString::fromLatin1(body));
    }
}

// ---- firmware notice -----------------------------------------------------------------------

void FirmwareCatalog::onLinkStatusChanged()
{
    if ((m_host.ardixStatus ? m_host.ardixStatus() : 0) == ArdixEnums::ardixOffline)
        m_noticeShownThisConnection = false;
}

void FirmwareCatalog::checkFirmwareVersion()
{
    const int status = m_host.ardixStatus ? m_host.ardixStatus() : 0;
    if (status == ArdixEnums::ardixOffline) {
        m_noticeShownThisConnection = false;
    } else {
        if (m_noticeShownThisConnection)
            return;
        m_noticeShownThisConnection = true;
    }

    QString lines;
    const auto check = [&](const QString &current, const char *maxKey, const char *shownKey, const char *device) {
        const QString shown = m_store.value(QLatin1String(shownKey), QLatin1String(UpdateKey::NoticeDefault)).toString();
        const float max = m_store.value(QLatin1String(maxKey), 0).toFloat();
        const float now = FirmwareName::versionNumber(current);
        if (current == shown || current.size() != 5 || max == 0 || now == 0 || !(max > now))
            return;
        lines += translated(UpdateText::NewVersionLine).arg(QLatin1String(device), QString::number(double(max), 'f', 2), current);
        m_store.setValue(QLatin1String(shownKey), current);
    };
    check(m_host.currFirmwareVersion ? m_host.currFirmwareVersion() : QString(), UpdateKey::MaxArdix,
          UpdateKey::ArdixNoticeShown, "Ardix");
    check(m_host.pdmCurrFirmwareVersion ? m_host.pdmCurrFirmwareVersion() : QString(), UpdateKey::MaxPmx,
          UpdateKey::PmxNoticeShown, "PMX");
    if (!lines.isEmpty())
        Q_EMIT showInfoMessage(translated(UpdateText::UpdatesFor) + lines + translated(UpdateText::UpdatesAdvice));
}

// ---- client self-update --------------------------------------------------------------------

void FirmwareCatalog::downloadClientUpdate(const QString &url)
{
    if (url.isEmpty() || m_downloader.isBusy()) {
        Q_EMIT showInfoMessage(translated(UpdateText::ManualDownload) + m_siteBase.host());
        return;
    }
    m_downloader.url = url;
    m_downloader.fileName = QStandardPaths::writableLocation(QStandardPaths::TempLocation)
                            + QLatin1String(InstallerBaseName) + QLatin1String(InstallerSuffix);
    m_doneConnection = connect(&m_downloader, &Downloader::done, this, &FirmwareCatalog::update_client_downloaded);
    m_progressConnection = connect(&m_downloader, &Downloader::dl_progress, this, &FirmwareCatalog::progressMoving);
    m_downloader.download();
}

void FirmwareCatalog::disconnectDownloader()
{
    disconnect(m_doneConnection);
    disconnect(m_progressConnection);
}

void FirmwareCatalog::update_client_downloaded()
{
    Q_EMIT killAllInfoMessageDialogs();
    disconnectDownloader();
    const QString path = QStandardPaths::writableLocation(QStandardPaths::TempLocation)
                         + QLatin1String(InstallerBaseName) + QLatin1String(InstallerSuffix);
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(InstallerPlatform::HeadBytes) : QByteArray();
    if (!InstallerPlatform::fitsThisPlatform(head)) {
        // Starting a program built for another system fails at best; the user gets the file instead.
        Q_EMIT showInfoMessage(translated(UpdateText::InstallerNotForPlatform) + QDir::toNativeSeparators(path));
        return;
    }
    if (QProcess::startDetached(path, {})) {
        Q_EMIT installerStarted(path);
        QCoreApplication::exit(0);
    }
}

void FirmwareCatalog::downloading_failed(int error)
{
    Q_EMIT killAllInfoMessageDialogs();
    disconnectDownloader();
    switch (error) {
    case Downloader::CannotWrite:
        Q_EMIT showInfoMessage(text(UpdateText::NoWriteRights));
        break;
    case Downloader::NetworkError:
    case Downloader::Timeout:
        Q_EMIT showInfoMessage(text(UpdateText::CheckInternet));
        break;
    default:
        Q_EMIT showInfoMessage(translated(UpdateText::DownloadErrorN) + QString::number(error));
        break;
    }
}
