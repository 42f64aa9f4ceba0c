#pragma once
// The one object through which the interface reaches the whole system. It is a facade: every
// member forwards to the subsystem object that owns the behaviour. Members are declared in the
// order the interface and the tooling rely on.

#include <QAbstractSocket>
#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>

#include "app/AppConfig.h"
#include "settings/SensorContext.h"

#include <memory>

class DeviceLink;
class DeviceLinkPort;
class MessageDispatcher;
class Flasher;
class DeviceLinkFlashPort;
class FirmwareCatalog;
class Downloader;
class QSettingsStorePort;
class DashPortAdapter;
class PdmPortAdapter;
class BlocksAdapter;
class LogStoreAdapter;
class LogStore;
class GPS;
class QSettings;
struct LogExportContext;
namespace persistence {
class SettingsStore;
}
namespace settingsHistory {
class SnapshotRecorder;
}
namespace ardix::laps {
class LapService;
}
#include "logic/Logic.h"
#include "settings/TheSensorConfig.h"
#include "settings/dash/ArdixSettings.h"
#include "settings/pdm/PdmRealtimeData.h"
#include "settings/pdm/PdmSettings.h"

class ArdixKernel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool IsDEBUG READ IsDEBUG CONSTANT)
    Q_PROPERTY(bool IsMobile READ IsMobile WRITE setIsMobile)
    Q_PROPERTY(bool IsPdmEeepromOk READ IsPdmEeepromOk WRITE setIsPdmEeepromOk NOTIFY syncCompletedSignal)
    Q_PROPERTY(bool IsLogsSettingsMustBeChanged READ IsLogsSettingsMustBeChanged WRITE setIsLogsSettingsMustBeChanged NOTIFY configChangedSignal)
    Q_PROPERTY(int curSkinNum READ curSkinNum WRITE setCurSkinNum NOTIFY configChangedSignal)
    Q_PROPERTY(int curSkinMode READ curSkinMode WRITE setCurSkinMode NOTIFY configChangedSignal)
    Q_PROPERTY(QVariantList lampsInfo READ lampsInfo NOTIFY interfaceLanguageChanged)
    Q_PROPERTY(QStringList units READ units NOTIFY configChangedSignal)
    Q_PROPERTY(QVariantList ecuList_Ardix READ ecuList_Ardix CONSTANT)
    Q_PROPERTY(QVariantList ecuList_PDM READ ecuList_PDM CONSTANT)
    Q_PROPERTY(QStringList analogGroupsNames READ analogGroupsNames NOTIFY interfaceLanguageChanged)
    Q_PROPERTY(int ardixStatus READ ardixStatus WRITE setArdixStatus NOTIFY ardixStatusChangedSignal)
    Q_PROPERTY(int deviceId READ deviceId WRITE setDeviceId NOTIFY deviceIdChanged)
    Q_PROPERTY(QList<TheSensorConfig *> circuit_sensors READ circuit_sensors NOTIFY configChangedSignal)
    Q_PROPERTY(QVariantList availableFirmwares READ availableFirmwares WRITE setAvailableFirmwares NOTIFY availableFirmwaresChanged)
    Q_PROPERTY(QString updatesHistory READ updatesHistory WRITE setUpdatesHistory NOTIFY availableFirmwaresChanged)
    Q_PROPERTY(QString pdmUpdatesHistory READ pdmUpdatesHistory WRITE setPdmUpdatesHistory NOTIFY availableFirmwaresChanged)
    Q_PROPERTY(QString currFirmwareVersion READ currFirmwareVersion WRITE setCurrFirmwareVersion NOTIFY availableFirmwaresChanged)
    Q_PROPERTY(QString pdmCurrFirmwareVersion READ pdmCurrFirmwareVersion WRITE setPdmCurrFirmwareVersion NOTIFY availableFirmwaresChanged)
    Q_PROPERTY(QString downloadingFileName READ downloadingFileName WRITE setDownloadingFileName NOTIFY availableFirmwaresChanged)
    Q_PROPERTY(QString logNameToSave READ logNameToSave WRITE setLogNameToSave)
    Q_PROPERTY(QString ssidWifi READ ssidWifi WRITE setSsidWifi)
    Q_PROPERTY(QString passWifi READ passWifi WRITE setPassWifi)
    Q_PROPERTY(QString pdmSsidWifi READ pdmSsidWifi WRITE setPdmSsidWifi)
    Q_PROPERTY(QString pdmPassWifi READ pdmPassWifi WRITE setPdmPassWifi)
    Q_PROPERTY(QString ardixClientVersion READ ardixClientVersion CONSTANT)
    Q_PROPERTY(QVariantList logsFilesList READ logsFilesList NOTIFY logsFileListUpdateSignal)
    Q_PROPERTY(QVariantList localLogsFilesList READ localLogsFilesList NOTIFY localLogsFileListUpdateSignal)
    Q_PROPERTY(QVariantMap pdmDescription READ pdmDescription NOTIFY deviceIdChanged)
    Q_PROPERTY(QVariantMap pdmBoardInfo READ pdmBoardInfo NOTIFY newPdmBoardInfoRecieved)
    Q_PROPERTY(bool isPdmRealtimeModeOn READ isPdmRealtimeModeOn WRITE setIsPdmRealtimeModeOn)
    Q_PROPERTY(uint ardixSerialNum READ ardixSerialNum NOTIFY ardixSerialNumChanged)
    Q_PROPERTY(uint pdmSerialNum READ pdmSerialNum NOTIFY pdmSerialNumChanged)
    Q_PROPERTY(QVariantMap ardixDescription READ ardixDescription NOTIFY deviceIdChanged)
    Q_PROPERTY(uint ardixBoardVer READ ardixBoardVer WRITE setArdixBoardVer NOTIFY ardixSerialNumChanged)
    Q_PROPERTY(QVariantMap refLapData READ refLapData NOTIFY refLapDataRecieved)
    Q_PROPERTY(uint dev_conn_type READ dev_conn_type CONSTANT)
    Q_PROPERTY(bool isServerOnline READ isServerOnline WRITE setIsServerOnline NOTIFY isServerOnline_Changed)
    Q_PROPERTY(Logic *logic READ logic CONSTANT)
    Q_PROPERTY(PdmSettings *currentPdmSettings READ currentPdmSettings WRITE setCurrentPdmSettings NOTIFY newConfigDownloadedFromArdix)
    Q_PROPERTY(ArdixSettings *currentArdixSettings READ currentArdixSettings WRITE setCurrentArdixSettings NOTIFY newConfigDownloadedFromArdix)
    Q_PROPERTY(PdmRealtimeData *pdmRealtimeData READ pdmRealtimeData WRITE setPdmRealtimeData NOTIFY newPdmRealtimeDataRecieved)

public:
    explicit ArdixKernel(QObject *parent = nullptr);
    ~ArdixKernel() override;

    // Property accessors (not part of the invokable surface).
    bool IsDEBUG() const;
    bool IsMobile() const { return m_isMobile; }
    void setIsMobile(bool value);
    bool IsPdmEeepromOk() const { return m_isPdmEeepromOk; }
    void setIsPdmEeepromOk(bool value);
    bool IsLogsSettingsMustBeChanged() const { return m_isLogsSettingsMustBeChanged; }
    void setIsLogsSettingsMustBeChanged(bool value);
    int curSkinNum() const { return m_curSkinNum; }
    void setCurSkinNum(int value);
    int curSkinMode() const { return m_curSkinMode; }
    void setCurSkinMode(int value);
    QVariantList lampsInfo() const;
    QStringList units() const;
    QVariantList ecuList_Ardix() const;
    QVariantList ecuList_PDM() const;
    QStringList analogGroupsNames() const;
    int ardixStatus() const;
    int deviceId() const;
    QList<TheSensorConfig *> circuit_sensors() const { return m_circuitSensors; }
    settingsHistory::SnapshotRecorder *snapshotRecorder() const { return m_history.get(); }
    QVariantList availableFirmwares() const;
    void setAvailableFirmwares(const QVariantList &value);
    QString updatesHistory() const;
    void setUpdatesHistory(const QString &value);
    QString pdmUpdatesHistory() const;
    void setPdmUpdatesHistory(const QString &value);
    QString currFirmwareVersion() const;
    void setCurrFirmwareVersion(const QString &value);
    QString pdmCurrFirmwareVersion() const;
    void setPdmCurrFirmwareVersion(const QString &value);
    QString downloadingFileName() const;
    void setDownloadingFileName(const QString &value);
    QString logNameToSave() const;
    void setLogNameToSave(const QString &value);
    QString ssidWifi() const { return m_ssidWifi; }
    void setSsidWifi(const QString &value) { m_ssidWifi = value; }
    QString passWifi() const { return m_passWifi; }
    void setPassWifi(const QString &value) { m_passWifi = value; }
    QString pdmSsidWifi() const { return m_pdmSsidWifi; }
    void setPdmSsidWifi(const QString &value) { m_pdmSsidWifi = value; }
    QString pdmPassWifi() const { return m_pdmPassWifi; }
    void setPdmPassWifi(const QString &value) { m_pdmPassWifi = value; }
    QString ardixClientVersion() const;
    QVariantList logsFilesList() const;
    QVariantList localLogsFilesList() const;
    QVariantMap pdmDescription() const;
    QVariantMap pdmBoardInfo() const;
    bool isPdmRealtimeModeOn() const;
    void setIsPdmRealtimeModeOn(bool value);
    uint ardixSerialNum() const;
    uint pdmSerialNum() const;
    QVariantMap ardixDescription() const;
    uint ardixBoardVer() const;
    void setArdixBoardVer(uint value);
    QVariantMap refLapData() const;
    uint dev_conn_type() const;
    bool isServerOnline() const;
    void setIsServerOnline(bool value);
    Logic *logic() const { return m_logic; }
    PdmSettings *currentPdmSettings() const { return m_pdmSettings; }
    void setCurrentPdmSettings(PdmSettings *value);
    ArdixSettings *currentArdixSettings() const { return m_ardixSettings; }
    void setCurrentArdixSettings(ArdixSettings *value);
    PdmRealtimeData *pdmRealtimeData() const { return m_pdmRealtimeData; }
    void setPdmRealtimeData(PdmRealtimeData *value);

    const AppConfig &config() const { return m_config; }

signals:
    void syncCompletedSignal();
    void newConfigDownloadedFromArdix();
    void configChangedSignal();
    void availableFirmwaresChanged();
    void progressMoving(unsigned progress);
    void showInfoMessage(QString infoMessageText);
    void showBusy();
    void showBusyWithTimeout(int timeoutValue);
    void hideBusy();
    void popUpSignal(QString popUpText);
    void showSyncDiaglog(bool extra);
    void skinModeChanged(int modeIndex);
    void newGearCalibrationValueRecieved(int num, int value, bool isGear);
    void newSpeedInputCorrectionRecieved(int num, int value);
    void logsFileListUpdateSignal();
    void localLogsFileListUpdateSignal();
    void ardixStatusChangedSignal();
    void tripValueRecieved(unsigned trip);
    void accelerometerCalibrationDataRecieved();
    void deviceIdChanged();
    void ardixSerialNumChanged();
    void pdmSerialNumChanged();
    void newRawAdcDataRecievedFromArdix(QVariantList rawAdcData);
    void newPdmRealtimeDataRecieved();
    void newPdmAdcRawDataRecieved();
    void newPdmBoardInfoRecieved();
    void showPdmSettingsPasswordDialog(bool isSetPassword);
    void newPdmSettingsPasswordSignal();
    void newClientVersionFound(QString verNum);
    void incomingFileSignal(QVariantMap fileInfo);
    void logExportDone(QUrl csvFileUrl);
    void ldExportDone(QUrl ldFileUrl);
    void refLapDataRecieved();
    void incomingEvent_focusWindow_signal();
    void incomingElog_signal(QString elog_path);
    void isServerOnline_Changed(bool isOnline);
    void killAllInfoMessageDialogs();
    // The lamp and sensor group names are read again in the new language.
    void interfaceLanguageChanged();

public slots:
    QVariantMap getDashDescription();
    void saveNewWifiData(QString ssid, QString pass, int parentDevice);
    void saveNewSkinPos(int s_index, int p_index);
    void saveNewSkinSettings(int settingsIndex, int settingsValue);
    void setPwmDuty(int duty, int lcdOrLeds, int needSend);
    void loadDefaultExtraSettings();
    bool transferOldExtraSettings();
    void loadDefaultSkinsSettings();
    void loadDefaultAllSettings();
    void resetArdixSettings();
    void setPdmPasswordSettings(QString password, bool upload);
    void loadDefaultPdmSettings(bool isForceReset);
    void loadDataFromFile(QString filePath, int deviceId_settings, int fileType);
    void exportFile(QString filePath, int deviceId_settings, int fileType);
    void changeSkinMode();
    void goWifiOffline();
    void setArdixStatus(uint8_t newStatus);
    void setDeviceId(unsigned newDeviceId);
    void onWifiConnected();
    void onWifiDisconnected();
    void onWifiDataReady();
    void onWifiError(QAbstractSocket::SocketError socketError);
    void flashFirmware(QString fileName);
    void deleteLocalFile(QString fileName);
    void deleteFileWithAbsolutePath(QString filename);
    void webServerFileListRequest();
    void webServerReply(QNetworkReply *reply);
    void webServerDownloadFile(QString fileName, QString firmwareType);
    void webServerUpdateDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void getLocalFirmwaresList();
    void logDataTimeout();
    void downloadTimeout();
    void wifi_keepOnlineTimeout();
    void wifi_checkOnlineTimeout();
    void wifi_flashingTimeout();
    void wifi_gotHeaderTimeout();
    void wifi_sendToArdixTimeout();
    void wifi_kostilStariyBootTimeout();
    void wifi_headerParseTimeout();
    uint32_t crc32usingGZIPPolynomial(const char *inputData, uint32_t len);
    void wifi_preparePacketToSend(uint32_t packetNum, QByteArray nextPacketWithCrc);
    void sendToArdix(unsigned action, unsigned dataOrCommand, unsigned i_parameter);
    void sendToArdixQueue(unsigned action, unsigned dataOrCommand, unsigned parameter);
    QString importElog(QString inputPath);
    void exportElog(QString inputPath, QString outputPath);
    int convertElogToCSV(QString inputPath, QString outputPath, bool isNeedToCompress);
    void exportLog_x64(QString inputPath, QString outputPath, int format);
    void exportLog_mobile(QString inputPath, int format);
    void exportLog_iCloud(QString inputPath, int format);
    void finishLogExport(QString outputPath);
    QVariantMap findLapsInLog(QString inputPath);
    double getGpsDistance(double lat1, double lon1, double lat2, double lon2);
    int convertElogToLD(QString inputPath, QString outputPath);
    void downloadClientUpdate(QString url);
    void checkFirmwareVersion();
    void parseIncomingFile(QString url);
    QVariantMap getRefLapInfo();
    void setStartLineLogFileData(QString name, float lat, float lon, float course, bool isApply);
    void setRefLapLogFileData();
    void applyStartLineFromRefLap();
    void desktop_incomingFileRoutine();
    void ping_remote_timeout();
    void update_client_downloaded();
    void downloading_failed(QNetworkReply::NetworkError error);
    void ios_stop_securityScope(QString inFilePath);
    void applyNewPdmSettings();
    void applyNewArdixSettings(bool isFull);
    void applyNewArdixSettings();
    TheSensorConfig *getSensor(uint8_t sensId);

private:
    void notYetAvailable(const char *what);
    SensorContext *sensorContext() const;
    bool isRu() const;
    QList<TheSensorConfig *> dashSensors() const;
    QList<TheSensorConfig *> dashCustomSensors() const;
    void buildSettings();
    void buildLink();
    void buildUpdate();
    void buildLogs();
    LogExportContext exportContext() const;
    void connectSignals();
    void refreshWifi();
    bool isOnlineWith(int deviceModelId) const;

    AppConfig m_config;
    QTimer m_incomingFileTimer;

    bool m_isMobile = false;
    bool m_isPdmEeepromOk = true;
    bool m_isLogsSettingsMustBeChanged = false;
    int m_curSkinNum = 0;
    int m_curSkinMode = 0;
    QList<TheSensorConfig *> m_circuitSensors;
    QString m_ssidWifi;
    QString m_passWifi;
    QString m_pdmSsidWifi;
    QString m_pdmPassWifi;

    // Owned subsystems (QObject children unless held here).
    Logic *m_logic = nullptr;
    PdmSettings *m_pdmSettings = nullptr;
    ArdixSettings *m_ardixSettings = nullptr;
    PdmRealtimeData *m_pdmRealtimeData = nullptr;
    persistence::SettingsStore *m_store = nullptr;
    DeviceLink *m_link = nullptr;
    MessageDispatcher *m_dispatcher = nullptr;
    std::unique_ptr<DeviceLinkFlashPort> m_flashPort;
    Flasher *m_flasher = nullptr;
    FirmwareCatalog *m_catalog = nullptr;
    Downloader *m_downloader = nullptr;
    std::unique_ptr<DashPortAdapter> m_dashPort;
    std::unique_ptr<PdmPortAdapter> m_pdmPort;
    std::unique_ptr<BlocksAdapter> m_blocks;
    std::unique_ptr<settingsHistory::SnapshotRecorder> m_history;
    std::unique_ptr<LogStoreAdapter> m_logPort;
    std::unique_ptr<DeviceLinkPort> m_linkPort;
    std::unique_ptr<QSettingsStorePort> m_storePort;
    std::unique_ptr<QSettings> m_lapStore;
    LogStore *m_logStore = nullptr;
    GPS *m_gps = nullptr;
    ardix::laps::LapService *m_laps = nullptr;
};
