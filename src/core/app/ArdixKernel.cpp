#include "ArdixKernel.h"

#include "app/IncomingFile.h"
#include "app/RunGuard.h"
#include "settings/ArdixEnums.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/catalogue/Vocabularies.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcKernel, "ardix.kernel", QtWarningMsg)

namespace {
constexpr int kIncomingFilePollMs = 1000;
constexpr const char *kUnknownFileText = "Неизвестный файл!";

#ifndef ARDIX_CLIENT_VERSION
#define ARDIX_CLIENT_VERSION "0.0.0"
#endif
} // namespace

ArdixKernel::ArdixKernel(QObject *parent)
    : QObject(parent), m_config(AppConfig::fromEnvironment())
{
    m_logic = new Logic(this);
    m_pdmSettings = new PdmSettings(this);
    m_ardixSettings = new ArdixSettings(this);
    m_pdmRealtimeData = new PdmRealtimeData(this);
    m_circuitSensors = ArdixCatalogue::createCircuitSensors(sensorContext(), this);

    connect(&m_incomingFileTimer, &QTimer::timeout, this, &ArdixKernel::desktop_incomingFileRoutine);
    m_incomingFileTimer.start(kIncomingFilePollMs);
}

ArdixKernel::~ArdixKernel() = default;

// The dash settings own the language flag and the sensor lists.
SensorContext *ArdixKernel::sensorContext() const { return nullptr; }
bool ArdixKernel::isRu() const { return true; }
QList<TheSensorConfig *> ArdixKernel::dashSensors() const { return {}; }
QList<TheSensorConfig *> ArdixKernel::dashCustomSensors() const { return {}; }

void ArdixKernel::notYetAvailable(const char *what)
{
    qCWarning(lcKernel) << what << "is not available in this build";
}

// --- properties -------------------------------------------------------------------------------

bool ArdixKernel::IsDEBUG() const
{
#ifdef QT_DEBUG
    return true;
#else
    return false;
#endif
}

void ArdixKernel::setIsPdmEeepromOk(bool value)
{
    if (m_isPdmEeepromOk == value)
        return;
    m_isPdmEeepromOk = value;
    emit syncCompletedSignal();
}

void ArdixKernel::setIsLogsSettingsMustBeChanged(bool value)
{
    if (m_isLogsSettingsMustBeChanged == value)
        return;
    m_isLogsSettingsMustBeChanged = value;
    emit configChangedSignal();
}

void ArdixKernel::setCurSkinNum(int value)
{
    if (m_curSkinNum == value)
        return;
    m_curSkinNum = value;
    emit configChangedSignal();
}

void ArdixKernel::setCurSkinMode(int value)
{
    if (m_curSkinMode == value)
        return;
    m_curSkinMode = value;
    emit configChangedSignal();
}

QVariantList ArdixKernel::lampsInfo() const { return ArdixCatalogue::lampsInfo(); }
QStringList ArdixKernel::units() const { return ArdixCatalogue::unitsList(isRu()); }
QVariantList ArdixKernel::ecuList_Ardix() const { return ArdixCatalogue::ecuListArdix(); }
QVariantList ArdixKernel::ecuList_PDM() const { return ArdixCatalogue::ecuListPdm(); }
QStringList ArdixKernel::analogGroupsNames() const { return ArdixCatalogue::analogGroupsNames(); }

void ArdixKernel::setAvailableFirmwares(const QVariantList &value)
{
    if (m_availableFirmwares == value)
        return;
    m_availableFirmwares = value;
    emit availableFirmwaresChanged();
}

#define ARDIX_FIRMWARE_SETTER(setter, member)                                                       \
    void ArdixKernel::setter(const QString &value)                                                 \
    {                                                                                              \
        if (member == value)                                                                       \
            return;                                                                                \
        member = value;                                                                            \
        emit availableFirmwaresChanged();                                                          \
    }
ARDIX_FIRMWARE_SETTER(setUpdatesHistory, m_updatesHistory)
ARDIX_FIRMWARE_SETTER(setPdmUpdatesHistory, m_pdmUpdatesHistory)
ARDIX_FIRMWARE_SETTER(setCurrFirmwareVersion, m_currFirmwareVersion)
ARDIX_FIRMWARE_SETTER(setPdmCurrFirmwareVersion, m_pdmCurrFirmwareVersion)
ARDIX_FIRMWARE_SETTER(setDownloadingFileName, m_downloadingFileName)
#undef ARDIX_FIRMWARE_SETTER

QString ArdixKernel::ardixClientVersion() const
{
    return QStringLiteral(ARDIX_CLIENT_VERSION);
}

QVariantMap ArdixKernel::pdmDescription() const { return {}; }

void ArdixKernel::setIsPdmRealtimeModeOn(bool value)
{
    m_isPdmRealtimeModeOn = value;
}

QVariantMap ArdixKernel::ardixDescription() const { return {}; }

void ArdixKernel::setArdixBoardVer(uint value)
{
    if (m_ardixBoardVer == value)
        return;
    m_ardixBoardVer = value;
    emit ardixSerialNumChanged();
}

uint ArdixKernel::dev_conn_type() const
{
    return ArdixEnums::Connection_Wifi;
}

void ArdixKernel::setIsServerOnline(bool value)
{
    if (m_isServerOnline == value)
        return;
    m_isServerOnline = value;
    emit isServerOnline_Changed(value);
}

// The settings roots are created once and refilled on every load; the interface may not swap them.
void ArdixKernel::setCurrentPdmSettings(PdmSettings *) {}
void ArdixKernel::setCurrentArdixSettings(ArdixSettings *) {}
void ArdixKernel::setPdmRealtimeData(PdmRealtimeData *) {}

// --- operations -------------------------------------------------------------------------------

QVariantMap ArdixKernel::getDashDescription() { return {}; }
void ArdixKernel::saveNewWifiData(QString, QString, int) { notYetAvailable("saveNewWifiData"); }
void ArdixKernel::saveNewSkinPos(int, int) { notYetAvailable("saveNewSkinPos"); }
void ArdixKernel::saveNewSkinSettings(int, int) { notYetAvailable("saveNewSkinSettings"); }
void ArdixKernel::setPwmDuty(int, int, int) { notYetAvailable("setPwmDuty"); }
void ArdixKernel::loadDefaultExtraSettings() { notYetAvailable("loadDefaultExtraSettings"); }
bool ArdixKernel::transferOldExtraSettings() { notYetAvailable("transferOldExtraSettings"); return false; }
void ArdixKernel::loadDefaultSkinsSettings() { notYetAvailable("loadDefaultSkinsSettings"); }
void ArdixKernel::loadDefaultAllSettings() { notYetAvailable("loadDefaultAllSettings"); }
void ArdixKernel::resetArdixSettings() { notYetAvailable("resetArdixSettings"); }
void ArdixKernel::setPdmPasswordSettings(QString, bool) { notYetAvailable("setPdmPasswordSettings"); }
void ArdixKernel::loadDefaultPdmSettings(bool) { notYetAvailable("loadDefaultPdmSettings"); }
void ArdixKernel::loadDataFromFile(QString, int, int) { notYetAvailable("loadDataFromFile"); }
void ArdixKernel::exportFile(QString, int, int) { notYetAvailable("exportFile"); }
void ArdixKernel::changeSkinMode() { notYetAvailable("changeSkinMode"); }
void ArdixKernel::goWifiOffline() { setArdixStatus(ArdixEnums::ardixOffline); }

void ArdixKernel::setArdixStatus(uint8_t newStatus)
{
    if (m_ardixStatus == newStatus)
        return;
    m_ardixStatus = newStatus;
    emit ardixStatusChangedSignal();
}

void ArdixKernel::setDeviceId(unsigned newDeviceId)
{
    if (m_deviceId == int(newDeviceId))
        return;
    m_deviceId = int(newDeviceId);
    emit deviceIdChanged();
}

void ArdixKernel::onWifiConnected() {}
void ArdixKernel::onWifiDisconnected() {}
void ArdixKernel::onWifiDataReady() {}
void ArdixKernel::onWifiError(QAbstractSocket::SocketError) {}
void ArdixKernel::flashFirmware(QString) { notYetAvailable("flashFirmware"); }
void ArdixKernel::deleteLocalFile(QString) { notYetAvailable("deleteLocalFile"); }
void ArdixKernel::deleteFileWithAbsolutePath(QString) { notYetAvailable("deleteFileWithAbsolutePath"); }
void ArdixKernel::webServerFileListRequest() { notYetAvailable("webServerFileListRequest"); }
void ArdixKernel::webServerReply(QNetworkReply *) {}
void ArdixKernel::webServerDownloadFile(QString, QString) { notYetAvailable("webServerDownloadFile"); }
void ArdixKernel::webServerUpdateDownloadProgress(qint64, qint64) {}
void ArdixKernel::getLocalFirmwaresList() {}
void ArdixKernel::logDataTimeout() {}
void ArdixKernel::downloadTimeout() {}
void ArdixKernel::wifi_keepOnlineTimeout() {}
void ArdixKernel::wifi_checkOnlineTimeout() {}
void ArdixKernel::wifi_flashingTimeout() {}
void ArdixKernel::wifi_gotHeaderTimeout() {}
void ArdixKernel::wifi_sendToArdixTimeout() {}
void ArdixKernel::wifi_kostilStariyBootTimeout() {}
void ArdixKernel::wifi_headerParseTimeout() {}
uint32_t ArdixKernel::crc32usingGZIPPolynomial(const char *, uint32_t) { return 0; }
void ArdixKernel::wifi_preparePacketToSend(uint32_t, QByteArray) {}
void ArdixKernel::sendToArdix(unsigned, unsigned, unsigned) {}
void ArdixKernel::sendToArdixQueue(unsigned, unsigned, unsigned) {}
QString ArdixKernel::importElog(QString) { notYetAvailable("importElog"); return {}; }
void ArdixKernel::exportElog(QString, QString) { notYetAvailable("exportElog"); }
int ArdixKernel::convertElogToCSV(QString, QString, bool) { notYetAvailable("convertElogToCSV"); return -1; }
void ArdixKernel::exportLog_x64(QString, QString, int) { notYetAvailable("exportLog_x64"); }
void ArdixKernel::exportLog_mobile(QString, int) {}
void ArdixKernel::exportLog_iCloud(QString, int) {}
void ArdixKernel::finishLogExport(QString) {}
QVariantMap ArdixKernel::findLapsInLog(QString) { notYetAvailable("findLapsInLog"); return {}; }
double ArdixKernel::getGpsDistance(double, double, double, double) { return 0; }
int ArdixKernel::convertElogToLD(QString, QString) { notYetAvailable("convertElogToLD"); return -1; }
void ArdixKernel::downloadClientUpdate(QString) { notYetAvailable("downloadClientUpdate"); }
void ArdixKernel::checkFirmwareVersion() {}

void ArdixKernel::parseIncomingFile(QString url)
{
    const std::optional<QVariantMap> info = classifyIncomingFile(url);
    if (!info) {
        emit showInfoMessage(QString::fromUtf8(kUnknownFileText));
        return;
    }
    emit incomingFileSignal(*info);
}

QVariantMap ArdixKernel::getRefLapInfo() { return {}; }
void ArdixKernel::setStartLineLogFileData(QString, float, float, float, bool) { notYetAvailable("setStartLineLogFileData"); }
void ArdixKernel::setRefLapLogFileData() { notYetAvailable("setRefLapLogFileData"); }
void ArdixKernel::applyStartLineFromRefLap() { notYetAvailable("applyStartLineFromRefLap"); }

void ArdixKernel::desktop_incomingFileRoutine()
{
    RunGuard *guard = RunGuard::instance();
    if (!guard)
        return;
    const QString request = guard->takeIncomingRequest();
    if (request.isEmpty())
        return;
    qCInfo(lcKernel).noquote() << "incoming request:" << request;
    if (request != QLatin1String(RunGuard::kJustFocus))
        parseIncomingFile(request);
    emit incomingEvent_focusWindow_signal();
}

void ArdixKernel::ping_remote_timeout() {}
void ArdixKernel::update_client_downloaded() {}
void ArdixKernel::downloading_failed(QNetworkReply::NetworkError) {}
void ArdixKernel::ios_stop_securityScope(QString) {}
void ArdixKernel::applyNewPdmSettings() { notYetAvailable("applyNewPdmSettings"); }
void ArdixKernel::applyNewArdixSettings(bool) { notYetAvailable("applyNewArdixSettings"); }
void ArdixKernel::applyNewArdixSettings() { applyNewArdixSettings(false); }
TheSensorConfig *ArdixKernel::getSensor(uint8_t sensId)
{
    return ArdixCatalogue::getSensor(sensId, dashSensors(), dashCustomSensors(), m_circuitSensors);
}
