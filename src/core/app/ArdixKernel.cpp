#include "ArdixKernel.h"
#include <QtGlobal>

#include "app/IncomingFile.h"
#include "app/InterfaceLanguage.h"
#include "app/KernelPorts.h"
#include "settings/history/SnapshotRecorder.h"
#include "app/RunGuard.h"
#include "link/BlockEncoding.h"
#include "logs/LogExportContext.h"
#include "logs/csv/CsvExport.h"
#include "logs/laps/GPS.h"
#include "logs/laps/LapService.h"
#include "logs/ld/LdExport.h"
#include "logs/store/DeviceLogList.h"
#include "logs/store/LogStore.h"
#include "link/DeviceLink.h"
#include "link/dispatch/DeviceLinkPort.h"
#include "link/dispatch/MessageDispatcher.h"
#include "link/dispatch/QSettingsStorePort.h"
#include "link/flash/DeviceLinkFlashPort.h"
#include "link/flash/Flasher.h"
#include "update/FirmwareCatalog.h"
#include "settings/ArdixEnums.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/catalogue/Vocabularies.h"
#include "settings/dash/GpsAccelerationMeasureSettings.h"
#include "settings/dash/ThePreferenceTransport.h"
#include "settings/persistence/SettingsStore.h"
#include "settings/pdm/PdmBoard.h"
#include "settings/pdm/PdmOtherSettings.h"

#include <QLoggingCategory>
#include <QSettings>

Q_LOGGING_CATEGORY(lcKernel, "ardix.kernel", QtWarningMsg)

namespace {
constexpr int kIncomingFilePollMs = 1000;
constexpr const char *kUnknownFileText = QT_TRANSLATE_NOOP("KernelText", "Неизвестный файл!");
constexpr int kDefaultPdmBoardVariant = 2;

#ifndef ARDIX_CLIENT_VERSION
#define ARDIX_CLIENT_VERSION "0.0.0"
#endif
} // namespace

ArdixKernel::ArdixKernel(QObject *parent)
    : QObject(parent), m_config(AppConfig::fromEnvironment())
{
    buildSettings();
    buildLogs();
    buildLink();
    buildUpdate();
    connectSignals();

    m_store->loadDashSettings(false);
    m_store->loadPdmSettings(false);
    m_history->look();
    refreshWifi();

    const RunGuard *guard = RunGuard::instance();
    if (!guard || guard->isPrimary()) {
        qCInfo(lcKernel).noquote() << "device link to" << m_config.deviceHost << m_config.devicePort;
        m_link->start();
    }

    connect(&m_incomingFileTimer, &QTimer::timeout, this, &ArdixKernel::desktop_incomingFileRoutine);
    m_incomingFileTimer.start(kIncomingFilePollMs);
    m_catalog->start();
}

ArdixKernel::~ArdixKernel()
{
    // The dispatcher and the link hold references to the adapters: they go first. The log store
    // then waits for conversions still running, which report through it.
    delete m_flasher;
    delete m_dispatcher;
    delete m_link;
    delete m_logStore;
}

void ArdixKernel::buildSettings()
{
    m_logic = new Logic(this);
    m_pdmSettings = new PdmSettings(this);
    m_ardixSettings = new ArdixSettings(this);
    m_pdmRealtimeData = new PdmRealtimeData(this);
    m_circuitSensors = ArdixCatalogue::createCircuitSensors(sensorContext(), this);

    persistence::SettingsHost host;
    host.isOnlineWith = [this](int device) { return isOnlineWith(device); };
    host.isOnline = [this] { return ardixStatus() == ArdixEnums::ardixOnline; };
    host.loadDashTree = [this](const DashSettingsImage *image) { m_ardixSettings->loadFromImage(image); };
    host.loadPdmTree = [this](const QByteArray &block) { m_pdmSettings->loadFromBlock(block); };
    host.resetSensorObjects = [this] { m_ardixSettings->reloadFromStruct(); };
    host.setPdmPasswordInTree = [this](const QByteArray &hash) {
        m_pdmSettings->other()->setPasswordHash(hash);
        m_pdmSettings->other()->setIsPasswordProtectionSet(true);
        m_pdmSettings->setOtherHasChanges(true);
    };
    host.applyNewPdmSettings = [this] { applyNewPdmSettings(); };
    m_store = new persistence::SettingsStore(nullptr, host, this);

    KernelState state;
    state.curSkinMode = [this] { return m_curSkinMode; };
    state.setCurSkinMode = [this](int mode) { setCurSkinMode(mode); };
    state.deviceId = [this] { return deviceId(); };
    state.firmwareVersionNumber = [this] { return m_dispatcher ? m_dispatcher->firmwareVersionNumber() : 0.0f; };
    state.refLapData = [this] {
        return m_lapStore ? m_lapStore->value(QLatin1String(ardix::laps::kRefLapDataKey)).toByteArray() : QByteArray();
    };
    m_dashPort = std::make_unique<DashPortAdapter>(*m_store, *m_ardixSettings, state);
    m_pdmPort = std::make_unique<PdmPortAdapter>(*m_store, *m_pdmRealtimeData);
    m_blocks = std::make_unique<BlocksAdapter>(*m_store, *m_ardixSettings, state);
    m_storePort = std::make_unique<QSettingsStorePort>();
    m_logic->setProvider(m_blocks.get());
    settingsHistory::DeviceBlocks blocks;
    blocks.block = [this](settingsDiff::BlockKind k) { return k == settingsDiff::BlockKind::Dash ? m_store->dashImage().bytes() : m_store->pdmBlock(); };
    blocks.serial = [this](settingsDiff::BlockKind k) { return k == settingsDiff::BlockKind::Dash ? m_store->serialNum() : m_store->pdmSerialNumber(); };
    m_history = std::make_unique<settingsHistory::SnapshotRecorder>(
        settingsHistory::SettingsHistory(settingsHistory::SettingsHistory::defaultFolder()), blocks);
}

void ArdixKernel::buildLink()
{
    m_link = new DeviceLink(m_config.deviceHost, m_config.devicePort);
    m_link->setImageProvider(m_blocks.get());
    m_linkPort = std::make_unique<DeviceLinkPort>(*m_link);
    m_dispatcher = new MessageDispatcher({*m_linkPort, *m_dashPort, *m_pdmPort, *m_storePort, *m_logPort});
    connectDispatcherToLink(*m_link, *m_dispatcher);
    m_flashPort = std::make_unique<DeviceLinkFlashPort>(*m_link, *m_dispatcher);
    m_flasher = new Flasher(*m_flashPort, FirmwareCatalog::localFolder());
    connectFlasherToLink(*m_link, *m_flasher);
}

void ArdixKernel::buildUpdate()
{
    FirmwareCatalog::Host host;
    host.ardixStatus = [this] { return ardixStatus(); };
    host.currFirmwareVersion = [this] { return currFirmwareVersion(); };
    host.pdmCurrFirmwareVersion = [this] { return pdmCurrFirmwareVersion(); };
    host.serialHash = [this] { return m_dispatcher->serialHash(); };
    host.clientVersion = ardixClientVersion();
    m_catalog = new FirmwareCatalog(host, m_config.firmwareUrl, m_config.siteUrl, this);
}

void ArdixKernel::buildLogs()
{
    m_logStore = new LogStore(this);
    m_logPort = std::make_unique<LogStoreAdapter>(*m_logStore);
    m_gps = new GPS(this);
    m_lapStore = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Ardix"), QStringLiteral("Ardix"));

    ardix::laps::LapHost host;
    host.dashStartPoint = [this] {
        const GpsAccelerationMeasureSettings *gps = m_ardixSettings->commonSettings()->gpsAccelerationMeasureSettings();
        return ardix::laps::StartPoint{gps->startPointLat(), gps->startPointLon(), gps->startPointCourse()};
    };
    host.applyDashStartPoint = [this](const ardix::laps::StartPoint &start) {
        m_dashPort->setStartLine(start.lat, start.lon, start.course);
        applyNewArdixSettings(false);
    };
    host.isDashConnected = [this] { return isOnlineWith(ArdixEnums::Device_Ardix7); };
    // The frame builder takes the stored lap and compresses it itself.
    host.sendRefLap = [this](const QByteArray &) {
        sendToArdixQueue(ArdixEnums::FlashData, ArdixEnums::RefLapData, 0);
    };
    m_laps = new ardix::laps::LapService(m_gps, m_lapStore.get(), host, this);

    persistence::LapFileHooks hooks;
    hooks.exportPayload = [this](int fileType) { return m_laps->exportPayload(fileType); };
    hooks.loadContent = [this](int fileType, const QByteArray &content) { m_laps->loadFileContent(fileType, content); };
    m_store->setLapFileHooks(hooks);
}

LogExportContext ArdixKernel::exportContext() const
{
    const GpsAccelerationMeasureSettings *gps = m_ardixSettings->commonSettings()->gpsAccelerationMeasureSettings();
    return LogExportContext::capture(
        [this](uint8_t id) { return const_cast<ArdixKernel *>(this)->getSensor(id); }, m_store->pdmBlock(),
        m_dispatcher->ardixSerialNum(), gps->startPointLat(), gps->startPointLon(), gps->startPointCourse());
}

void ArdixKernel::connectSignals()
{
    connect(InterfaceLanguage::instance(), &InterfaceLanguage::languageChanged, this, &ArdixKernel::interfaceLanguageChanged);
    // The link's own feedback.
    connect(m_link, &DeviceLink::popUpSignal, this, &ArdixKernel::popUpSignal);
    connect(m_link, &DeviceLink::showInfoMessage, this, &ArdixKernel::showInfoMessage);
    connect(m_link, &DeviceLink::showBusy, this, &ArdixKernel::showBusy);
    connect(m_link, &DeviceLink::showBusyWithTimeout, this, &ArdixKernel::showBusyWithTimeout);
    connect(m_link, &DeviceLink::hideBusy, this, &ArdixKernel::hideBusy);
    connect(m_link, &DeviceLink::progressMoving, this, &ArdixKernel::progressMoving);
    connect(m_link, &DeviceLink::ardixStatusChanged, this, &ArdixKernel::ardixStatusChangedSignal);
    connect(m_link, &DeviceLink::deviceIdChanged, this, &ArdixKernel::deviceIdChanged);
    connect(m_link, &DeviceLink::pdmRealtimeResetRequested, m_pdmRealtimeData, &PdmRealtimeData::reset);

    // Flashing.
    connect(m_flasher, &Flasher::progressMoving, this, &ArdixKernel::progressMoving);
    connect(m_flasher, &Flasher::showInfoMessage, this, &ArdixKernel::showInfoMessage);
    connect(m_flasher, &Flasher::popUpSignal, this, &ArdixKernel::popUpSignal);
    connect(m_flasher, &Flasher::hideBusy, this, &ArdixKernel::hideBusy);
    connect(m_flasher, &Flasher::flashingEnded, this, &ArdixKernel::getLocalFirmwaresList);

    // Firmware catalogue and client updates.
    connect(m_catalog, &FirmwareCatalog::availableFirmwaresChanged, this, &ArdixKernel::availableFirmwaresChanged);
    connect(m_catalog, &FirmwareCatalog::isServerOnline_Changed, this, &ArdixKernel::isServerOnline_Changed);
    connect(m_catalog, &FirmwareCatalog::progressMoving, this, &ArdixKernel::progressMoving);
    connect(m_catalog, &FirmwareCatalog::showInfoMessage, this, &ArdixKernel::showInfoMessage);
    connect(m_catalog, &FirmwareCatalog::newClientVersionFound, this, &ArdixKernel::newClientVersionFound);
    connect(m_catalog, &FirmwareCatalog::killAllInfoMessageDialogs, this, &ArdixKernel::killAllInfoMessageDialogs);
    connect(m_link, &DeviceLink::ardixStatusChanged, m_catalog, &FirmwareCatalog::onLinkStatusChanged);
    // The flasher finds files where the catalogue saved them.
    m_flasher->setFolder(m_catalog->folder());
    connect(m_catalog, &FirmwareCatalog::folderChanged, m_flasher, &Flasher::setFolder);

    // What the device said, as the dispatcher reports it.
    const MessageDispatcher *d = m_dispatcher;
    connect(d, &MessageDispatcher::popUpSignal, this, &ArdixKernel::popUpSignal);
    connect(d, &MessageDispatcher::showInfoMessage, this, &ArdixKernel::showInfoMessage);
    connect(d, &MessageDispatcher::hideBusy, this, &ArdixKernel::hideBusy);
    connect(d, &MessageDispatcher::progressMoving, this, &ArdixKernel::progressMoving);
    connect(d, &MessageDispatcher::showSyncDiaglog, this, &ArdixKernel::showSyncDiaglog);
    connect(d, &MessageDispatcher::syncCompletedSignal, this, &ArdixKernel::syncCompletedSignal);
    connect(d, &MessageDispatcher::configChangedSignal, this, &ArdixKernel::configChangedSignal);
    connect(d, &MessageDispatcher::newConfigDownloadedFromArdix, this, &ArdixKernel::newConfigDownloadedFromArdix);
    connect(d, &MessageDispatcher::newConfigDownloadedFromArdix, this, [this] {
        m_history->keep(isOnlineWith(ArdixEnums::Device_Pmx) ? settingsDiff::BlockKind::Pdm : settingsDiff::BlockKind::Dash,
                        settingsHistory::Source::ReadFromDevice);
    });
    connect(d, &MessageDispatcher::skinModeChanged, this, &ArdixKernel::skinModeChanged);
    connect(d, &MessageDispatcher::newGearCalibrationValueRecieved, this, &ArdixKernel::newGearCalibrationValueRecieved);
    connect(d, &MessageDispatcher::newSpeedInputCorrectionRecieved, this, &ArdixKernel::newSpeedInputCorrectionRecieved);
    connect(d, &MessageDispatcher::logsFileListUpdateSignal, this, &ArdixKernel::logsFileListUpdateSignal);
    connect(d, &MessageDispatcher::localLogsFileListUpdateSignal, this, &ArdixKernel::localLogsFileListUpdateSignal);
    connect(d, &MessageDispatcher::tripValueRecieved, this, &ArdixKernel::tripValueRecieved);
    connect(d, &MessageDispatcher::accelerometerCalibrationDataRecieved, this,
            &ArdixKernel::accelerometerCalibrationDataRecieved);
    connect(d, &MessageDispatcher::ardixSerialNumChanged, this, &ArdixKernel::ardixSerialNumChanged);
    connect(d, &MessageDispatcher::pdmSerialNumChanged, this, &ArdixKernel::pdmSerialNumChanged);
    connect(d, &MessageDispatcher::newRawAdcDataRecievedFromArdix, this, &ArdixKernel::newRawAdcDataRecievedFromArdix);
    connect(d, &MessageDispatcher::newPdmRealtimeDataRecieved, this, &ArdixKernel::newPdmRealtimeDataRecieved);
    connect(d, &MessageDispatcher::newPdmAdcRawDataRecieved, this, &ArdixKernel::newPdmAdcRawDataRecieved);
    connect(d, &MessageDispatcher::newPdmBoardInfoRecieved, this, &ArdixKernel::newPdmBoardInfoRecieved);
    connect(d, &MessageDispatcher::showPdmSettingsPasswordDialog, this, &ArdixKernel::showPdmSettingsPasswordDialog);
    connect(d, &MessageDispatcher::refLapDataRecieved, this, &ArdixKernel::refLapDataRecieved);
    connect(d, &MessageDispatcher::firmwareVersionChanged, this, &ArdixKernel::availableFirmwaresChanged);
    connect(d, &MessageDispatcher::pdmEeepromStateRecieved, this, &ArdixKernel::setIsPdmEeepromOk);

    // Settings persistence.
    connect(m_store, &persistence::SettingsStore::uploadRequested, this, &ArdixKernel::sendToArdixQueue);
    connect(m_store, &persistence::SettingsStore::showInfoMessage, this, &ArdixKernel::showInfoMessage);
    connect(m_store, &persistence::SettingsStore::popUpSignal, this, &ArdixKernel::popUpSignal);
    connect(m_store, &persistence::SettingsStore::configChangedSignal, this, &ArdixKernel::configChangedSignal);
    connect(m_store, &persistence::SettingsStore::newConfigDownloadedFromArdix, this,
            &ArdixKernel::newConfigDownloadedFromArdix);
    connect(m_store, &persistence::SettingsStore::newConfigDownloadedFromArdix, this,
            [this] { m_history->keepChanged(settingsHistory::Source::LoadedFromFile); });
    connect(m_store, &persistence::SettingsStore::newPdmSettingsPasswordSignal, this,
            &ArdixKernel::newPdmSettingsPasswordSignal);
    connect(m_store, &persistence::SettingsStore::skinStateLoaded, this, [this](int skin, int mode) {
        setCurSkinNum(skin);
        if (m_curSkinMode != mode) {
            setCurSkinMode(mode);
            emit skinModeChanged(mode);
        }
    });
    // The mode the file chose must outlive the device's next sync answer, which carries its old one.
    connect(m_store, &persistence::SettingsStore::dashFileLoaded, this,
            [this] { m_dispatcher->setSkinModeFromFile(true); });
    connect(m_store, &persistence::SettingsStore::logsSettingsMustBeChangedUpdated, this,
            &ArdixKernel::setIsLogsSettingsMustBeChanged);

    connect(m_store, &persistence::SettingsStore::utcOffsetLoaded, this, [this](int seconds) { m_gps->setTimeOffset(seconds); });

    // Log files and laps.
    connect(m_logStore, &LogStore::hideBusy, this, &ArdixKernel::hideBusy);
    connect(m_logStore, &LogStore::progressMoving, this, &ArdixKernel::progressMoving);
    connect(m_logStore, &LogStore::showInfoMessage, this, &ArdixKernel::showInfoMessage);
    connect(m_logStore, &LogStore::localLogsFileListUpdateSignal, this, &ArdixKernel::localLogsFileListUpdateSignal);
    connect(m_logStore, &LogStore::incomingElog_signal, this, &ArdixKernel::incomingElog_signal);
    connect(m_laps, &ardix::laps::LapService::refLapDataRecieved, this, &ArdixKernel::refLapDataRecieved);
    connect(m_laps, &ardix::laps::LapService::showInfoMessage, this, &ArdixKernel::showInfoMessage);
    connect(m_laps, &ardix::laps::LapService::progressMoving, this, &ArdixKernel::progressMoving);
    connect(m_laps, &ardix::laps::LapService::hideBusy, this, &ArdixKernel::hideBusy);

    // The language of the dash settings decides the units list.
    connect(m_ardixSettings->commonSettings(), &ThePreferenceTransport::dataChanged, this,
            &ArdixKernel::configChangedSignal);
}

void ArdixKernel::refreshWifi()
{
    m_ssidWifi = m_store->ssidWifi();
    m_passWifi = m_store->passWifi();
    m_pdmSsidWifi = m_store->pdmSsidWifi();
    m_pdmPassWifi = m_store->pdmPassWifi();
}

bool ArdixKernel::isOnlineWith(int deviceModelId) const
{
    return ardixStatus() == ArdixEnums::ardixOnline && deviceId() == deviceModelId;
}

SensorContext *ArdixKernel::sensorContext() const { return m_ardixSettings; }
bool ArdixKernel::isRu() const { return m_ardixSettings->isRu(); }
QList<TheSensorConfig *> ArdixKernel::dashSensors() const { return m_ardixSettings->sensors(); }
QList<TheSensorConfig *> ArdixKernel::dashCustomSensors() const { return m_ardixSettings->customSensors(); }

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

void ArdixKernel::setIsMobile(bool value)
{
    m_isMobile = value;
    m_link->setIsMobile(value);
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

QVariantList ArdixKernel::logsFilesList() const { return devicelogs::formatList(m_dispatcher->deviceLogList()); }
QVariantList ArdixKernel::localLogsFilesList() const { return m_logStore->localLogsFilesList(); }

int ArdixKernel::ardixStatus() const { return m_link->ardixStatus(); }
int ArdixKernel::deviceId() const { return m_link->deviceId(); }

QVariantList ArdixKernel::availableFirmwares() const { return m_catalog->availableFirmwares(); }
// The catalogue is the server's: the interface reads it, never writes it.
void ArdixKernel::setAvailableFirmwares(const QVariantList &) {}
QString ArdixKernel::updatesHistory() const { return m_catalog->updatesHistory(); }
QString ArdixKernel::pdmUpdatesHistory() const { return m_catalog->pdmUpdatesHistory(); }
QString ArdixKernel::downloadingFileName() const { return m_catalog->downloadingFileName(); }
void ArdixKernel::setUpdatesHistory(const QString &value) { m_catalog->setUpdatesHistory(value); }
void ArdixKernel::setPdmUpdatesHistory(const QString &value) { m_catalog->setPdmUpdatesHistory(value); }
void ArdixKernel::setDownloadingFileName(const QString &value) { m_catalog->setDownloadingFileName(value); }

QString ArdixKernel::currFirmwareVersion() const { return m_dispatcher->currFirmwareVersion(); }
QString ArdixKernel::pdmCurrFirmwareVersion() const { return m_dispatcher->pdmCurrFirmwareVersion(); }
void ArdixKernel::setCurrFirmwareVersion(const QString &value) { m_dispatcher->setCurrFirmwareVersion(value); }
void ArdixKernel::setPdmCurrFirmwareVersion(const QString &value) { m_dispatcher->setPdmCurrFirmwareVersion(value); }
QString ArdixKernel::logNameToSave() const { return m_dispatcher->logNameToSave(); }
void ArdixKernel::setLogNameToSave(const QString &value) { m_dispatcher->setLogNameToSave(value); }

QString ArdixKernel::ardixClientVersion() const
{
    return QStringLiteral(ARDIX_CLIENT_VERSION);
}

QVariantMap ArdixKernel::pdmBoardInfo() const
{
    return PdmBoard::boardInfo(m_pdmPort->boardInfo());
}

QVariantMap ArdixKernel::pdmDescription() const
{
    // The board information names the variant; until it has arrived the current board is assumed.
    const int reported = m_pdmPort->boardInfo().isEmpty() ? 0 : pdmBoardInfo().value(QStringLiteral("boardVer")).toInt();
    return PdmBoard::description(reported == 1 || reported == 2 ? reported : kDefaultPdmBoardVariant);
}

void ArdixKernel::setIsPdmRealtimeModeOn(bool value)
{
    m_link->setPdmRealtimeModeOn(value);
}

bool ArdixKernel::isPdmRealtimeModeOn() const
{
    return m_link->isPdmRealtimeModeOn();
}

uint ArdixKernel::ardixSerialNum() const { return m_dispatcher->ardixSerialNum(); }
uint ArdixKernel::pdmSerialNum() const { return m_dispatcher->pdmSerialNum(); }
uint ArdixKernel::ardixBoardVer() const { return m_dispatcher->ardixBoardVer(); }
void ArdixKernel::setArdixBoardVer(uint value) { m_dispatcher->setArdixBoardVer(value); }
QVariantMap ArdixKernel::ardixDescription() const { return m_dispatcher->getDashDescription(); }

uint ArdixKernel::dev_conn_type() const
{
    return ArdixEnums::Connection_Wifi;
}

bool ArdixKernel::isServerOnline() const { return m_catalog->isServerOnline(); }
void ArdixKernel::setIsServerOnline(bool value) { m_catalog->setIsServerOnline(value); }

// The settings roots are created once and refilled on every load; the interface may not swap them.
void ArdixKernel::setCurrentPdmSettings(PdmSettings *) {}
void ArdixKernel::setCurrentArdixSettings(ArdixSettings *) {}
void ArdixKernel::setPdmRealtimeData(PdmRealtimeData *) {}

// --- operations -------------------------------------------------------------------------------

QVariantMap ArdixKernel::getDashDescription() { return m_dispatcher->getDashDescription(); }

void ArdixKernel::saveNewWifiData(QString ssid, QString pass, int parentDevice)
{
    m_store->saveNewWifiData(ssid, pass, parentDevice);
    refreshWifi();
}

void ArdixKernel::saveNewSkinPos(int s_index, int p_index)
{
    if (!m_ardixSettings->setSkinCell(m_curSkinNum, m_curSkinMode, p_index, uint8_t(s_index)))
        return;
    m_ardixSettings->setSkinsPosHasChanges(true);
    applyNewArdixSettings(false);
    emit configChangedSignal();
}

void ArdixKernel::saveNewSkinSettings(int settingsIndex, int settingsValue)
{
    if (!m_ardixSettings->commonSettings()->setSkinSetting(m_curSkinNum, settingsIndex, uint8_t(settingsValue)))
        return;
    m_ardixSettings->setCommonSettingsHasChanges(true);
    applyNewArdixSettings(false);
    emit configChangedSignal();
}

void ArdixKernel::setPwmDuty(int duty, int lcdOrLeds, int needSend) { m_dispatcher->setPwmDuty(duty, lcdOrLeds, needSend); }

void ArdixKernel::loadDefaultExtraSettings()
{
    m_store->loadDefaultExtraSettings();
    m_store->saveDashSettings();
    m_store->loadDashSettings(true);
}

bool ArdixKernel::transferOldExtraSettings()
{
    const bool moved = m_store->transferOldExtraSettings();
    m_store->saveDashSettings();
    m_store->loadDashSettings(true);
    return moved;
}

void ArdixKernel::loadDefaultSkinsSettings()
{
    m_store->loadDefaultSkinsSettings();
    m_store->saveDashSettings();
    m_store->loadDashSettings(true);
}

void ArdixKernel::loadDefaultAllSettings() { m_store->loadDefaultAllSettings(); }
void ArdixKernel::resetArdixSettings() { m_store->resetArdixSettings(); }
void ArdixKernel::setPdmPasswordSettings(QString password, bool upload) { m_store->setPdmPasswordSettings(password, upload); }
void ArdixKernel::loadDefaultPdmSettings(bool isForceReset) { m_store->loadDefaultPdmSettings(isForceReset); }

void ArdixKernel::loadDataFromFile(QString filePath, int deviceId_settings, int fileType)
{
    if (fileType == ArdixEnums::Elog_FileType) {
        m_logStore->handOffElog(filePath);
        return;
    }
    m_store->loadDataFromFile(filePath, deviceId_settings, fileType);
}

void ArdixKernel::exportFile(QString filePath, int deviceId_settings, int fileType)
{
    m_store->exportFile(filePath, deviceId_settings, fileType);
}

void ArdixKernel::changeSkinMode() { m_dispatcher->changeSkinMode(); }
void ArdixKernel::goWifiOffline() { m_link->goWifiOffline(); }
void ArdixKernel::setArdixStatus(uint8_t newStatus) { m_link->setArdixStatus(newStatus); }
void ArdixKernel::setDeviceId(unsigned newDeviceId) { m_link->setDeviceId(int(newDeviceId)); }
void ArdixKernel::onWifiConnected() { m_link->onWifiConnected(); }
void ArdixKernel::onWifiDisconnected() { m_link->onWifiDisconnected(); }
void ArdixKernel::onWifiDataReady() { m_link->onWifiDataReady(); }
void ArdixKernel::onWifiError(QAbstractSocket::SocketError socketError) { m_link->onWifiError(socketError); }
void ArdixKernel::flashFirmware(QString fileName) { m_flasher->flashFirmware(fileName); }
void ArdixKernel::deleteLocalFile(QString fileName) { m_catalog->deleteLocalFile(fileName); }
void ArdixKernel::deleteFileWithAbsolutePath(QString filename) { m_logStore->deleteFileWithAbsolutePath(filename); }
void ArdixKernel::webServerFileListRequest() { m_catalog->webServerFileListRequest(); }
void ArdixKernel::webServerReply(QNetworkReply *reply) { m_catalog->webServerReply(reply); }
void ArdixKernel::webServerDownloadFile(QString fileName, QString firmwareType) { m_catalog->webServerDownloadFile(fileName, firmwareType); }
void ArdixKernel::webServerUpdateDownloadProgress(qint64 bytesReceived, qint64 bytesTotal) { m_catalog->webServerUpdateDownloadProgress(bytesReceived, bytesTotal); }
void ArdixKernel::getLocalFirmwaresList() { m_catalog->getLocalFirmwaresList(); }
void ArdixKernel::logDataTimeout() { m_dispatcher->logDataTimeout(); }
// The catalogue's own timer handles a stall; from the interface this is the user giving up.
void ArdixKernel::downloadTimeout() { m_catalog->cancelFirmwareDownload(); }
void ArdixKernel::wifi_keepOnlineTimeout() { m_link->wifi_keepOnlineTimeout(); }
void ArdixKernel::wifi_checkOnlineTimeout() { m_link->wifi_checkOnlineTimeout(); }
void ArdixKernel::wifi_flashingTimeout() { m_link->wifi_flashingTimeout(); }
void ArdixKernel::wifi_gotHeaderTimeout() { m_link->wifi_gotHeaderTimeout(); }
void ArdixKernel::wifi_sendToArdixTimeout() { m_link->wifi_sendToArdixTimeout(); }
void ArdixKernel::wifi_kostilStariyBootTimeout() { m_link->wifi_kostilStariyBootTimeout(); }
void ArdixKernel::wifi_headerParseTimeout() { m_link->wifi_headerParseTimeout(); }

uint32_t ArdixKernel::crc32usingGZIPPolynomial(const char *inputData, uint32_t len)
{
    return ::crc32usingGZIPPolynomial(inputData, len);
}

void ArdixKernel::wifi_preparePacketToSend(uint32_t packetNum, QByteArray) { m_flasher->wifi_preparePacketToSend(packetNum); }
void ArdixKernel::sendToArdix(unsigned action, unsigned dataOrCommand, unsigned i_parameter) { m_link->sendToArdix(action, dataOrCommand, i_parameter); }
void ArdixKernel::sendToArdixQueue(unsigned action, unsigned dataOrCommand, unsigned parameter)
{
    if (action == ArdixEnums::FlashData)
        m_history->keepUpload(dataOrCommand);
    m_link->sendToArdixQueue(action, dataOrCommand, parameter);
}
QString ArdixKernel::importElog(QString inputPath) { return m_logStore->importElog(inputPath); }
void ArdixKernel::exportElog(QString inputPath, QString outputPath) { m_logStore->exportElog(inputPath, outputPath); }

int ArdixKernel::convertElogToCSV(QString inputPath, QString outputPath, bool isNeedToCompress)
{
    return ::convertElogToCSV(inputPath, outputPath, isNeedToCompress, exportContext(), m_logStore->reporter());
}

void ArdixKernel::exportLog_x64(QString inputPath, QString outputPath, int format)
{
    // Runs on the pool and reports through the log store's signals; not awaited.
    m_logStore->exportLog_x64(inputPath, outputPath, format, exportContext());
}
void ArdixKernel::exportLog_mobile(QString, int) {}
void ArdixKernel::exportLog_iCloud(QString, int) {}
void ArdixKernel::finishLogExport(QString outputPath) { m_logStore->finishLogExport(outputPath); }
QVariantMap ArdixKernel::findLapsInLog(QString inputPath) { return m_laps->findLapsInLog(inputPath); }

double ArdixKernel::getGpsDistance(double lat1, double lon1, double lat2, double lon2)
{
    return ardix::laps::LapService::getGpsDistance(lat1, lon1, lat2, lon2);
}

int ArdixKernel::convertElogToLD(QString inputPath, QString outputPath)
{
    return ::convertElogToLD(inputPath, outputPath, exportContext(), m_logStore->reporter());
}
void ArdixKernel::downloadClientUpdate(QString url) { m_catalog->downloadClientUpdate(url); }
void ArdixKernel::checkFirmwareVersion() { m_catalog->checkFirmwareVersion(); }

void ArdixKernel::parseIncomingFile(QString url)
{
    const std::optional<QVariantMap> info = classifyIncomingFile(url);
    if (!info) {
        emit showInfoMessage(QString::fromUtf8(kUnknownFileText));
        return;
    }
    emit incomingFileSignal(*info);
}

QVariantMap ArdixKernel::getRefLapInfo() { return m_laps->getRefLapInfo(); }
QVariantMap ArdixKernel::refLapData() const { return m_laps->getRefLapInfo(); }

void ArdixKernel::setStartLineLogFileData(QString name, float lat, float lon, float course, bool isApply)
{
    m_laps->setStartLineLogFileData(name, lat, lon, course, isApply);
}

void ArdixKernel::setRefLapLogFileData() { m_laps->setRefLapLogFileData(); }
void ArdixKernel::applyStartLineFromRefLap() { m_laps->applyStartLineFromRefLap(); }

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

void ArdixKernel::ping_remote_timeout() { m_catalog->ping_remote_timeout(); }
void ArdixKernel::update_client_downloaded() { m_catalog->update_client_downloaded(); }
void ArdixKernel::downloading_failed(QNetworkReply::NetworkError error) { m_catalog->downloading_failed(int(error)); }
void ArdixKernel::ios_stop_securityScope(QString) {}

void ArdixKernel::applyNewPdmSettings()
{
    m_store->setPdmBlock(m_pdmSettings->applyNewPdmSettings(m_store->pdmBlock()));
    m_store->savePdmSettings(false);
}

void ArdixKernel::applyNewArdixSettings(bool isFull)
{
    m_dispatcher->applyNewArdixSettings(isFull);
    if (isOnlineWith(ArdixEnums::Device_Ardix7))
        m_history->keep(settingsDiff::BlockKind::Dash, settingsHistory::Source::WrittenToDevice);
}
void ArdixKernel::applyNewArdixSettings() { applyNewArdixSettings(false); }

TheSensorConfig *ArdixKernel::getSensor(uint8_t sensId)
{
    return ArdixCatalogue::getSensor(sensId, dashSensors(), dashCustomSensors(), m_circuitSensors);
}
