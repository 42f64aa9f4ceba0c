#pragma once
// The link's vocabulary on the client side: what the kernel does with every command frame
// (handleCommand) and data frame (handleData) the receiver hands over, the start-of-link
// handshakes with the dash and the PDM, the settings download and upload selection, calibrations
// and the log download. It owns the device identity (firmware versions, serial numbers, board
// version); everything else it reaches through the ports, and it reports through its signals,
// which the kernel re-emits under the same names.

#include "link/dispatch/DispatchPorts.h"
#include "link/dispatch/LogDownload.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

class MessageDispatcher : public QObject
{
    Q_OBJECT
public:
    struct Ports
    {
        LinkPort &link;
        DashSettingsPort &dash;
        PdmPort &pdm;
        SettingsStorePort &store;
        LogStorePort &logs;
    };

    // Monotonic milliseconds, for the brightness send rule (tests substitute their own clock).
    using Clock = std::function<qint64()>;

    explicit MessageDispatcher(Ports ports, QObject *parent = nullptr);

    // --- identity ----------------------------------------------------------------------------
    QString currFirmwareVersion() const { return m_currFirmwareVersion; }
    void setCurrFirmwareVersion(const QString &text);
    QString pdmCurrFirmwareVersion() const { return m_pdmCurrFirmwareVersion; }
    void setPdmCurrFirmwareVersion(const QString &text);
    // The dash's firmware as a number (1.85 for "S1.85"), 0 when unknown.
    float firmwareVersionNumber() const;
    // The dash's version number (185 for "S1.85").
    int dashFirmwareNumber() const;
    QString serialHash() const { return m_serialHash; }
    uint ardixSerialNum() const { return m_ardixSerialNum; }
    uint ardixBoardVer() const { return m_ardixBoardVer; }
    void setArdixBoardVer(uint value);
    // Reported as a 16-bit value, as the settings store keeps it.
    uint pdmSerialNum() const { return m_pdmSerialNum & 0xFFFFu; }

    // --- logs --------------------------------------------------------------------------------
    QString logNameToSave() const { return m_log.logNameToSave(); }
    void setLogNameToSave(const QString &name) { m_log.setLogNameToSave(name); }
    quint32 logBytesReceived() const { return m_log.bytesReceived(); }
    // The device's log list as it came: 9 bytes per entry.
    QByteArray deviceLogList() const { return m_deviceLogList; }
    const LogDownload &logDownload() const { return m_log; }

    // --- operations ----------------------------------------------------------------------------
    QVariantMap getDashDescription() const;
    void setPwmDuty(int duty, int lcdOrLeds, int needSend);
    void changeSkinMode();
    void applyNewArdixSettings(bool isFull);
    // Upload the stored PDM image when a PDM is online (after a save of the PDM block).
    void uploadPdmImage(bool defaults);
    // Settings were loaded from a file: the next sync answer must not change the skin mode. Holds
    // until that answer arrives or the link leaves the online state.
    void setSkinModeFromFile(bool on) { m_skinModeFromFile = on; }
    bool skinModeFromFile() const { return m_skinModeFromFile; }
    // Flashing starts over with a fresh count of device resend requests.
    void resetResendCount() { s_resendCount = 0; }

    void setClock(Clock clock) { m_clock = std::move(clock); }

public Q_SLOTS:
    void handleCommand(uint dataOrCommand, uint sender, uint parameter, uint parameter1,
                       const QByteArray &auxData);
    void handleData(const QByteArray &data, uint dataOrCommand, uint parameter, uint parameter1);
    // GetLogFile went out: start assembling afresh.
    void onLogDownloadStarted() { m_log.started(); }
    void onLogFileRequested(uint index) { m_log.requested(index, m_serialHash, m_deviceLogList); }
    void logDataTimeout() { m_log.timeout(); }
    // The link went offline on purpose: the device will be identified again.
    void forgetSerialHash() { m_serialHash.clear(); }
    // The dash boot loader names the device by the same hash.
    void setSerialHash(const QString &text) { m_serialHash = text; }

Q_SIGNALS:
    void popUpSignal(const QString &popUpText);
    void showInfoMessage(const QString &infoMessageText);
    void hideBusy();
    void progressMoving(uint progress);
    void showSyncDiaglog(bool extra);
    void syncCompletedSignal();
    void configChangedSignal();
    void newConfigDownloadedFromArdix();
    void skinModeChanged(int modeIndex);
    void newGearCalibrationValueRecieved(int num, int value, bool isGear);
    void newSpeedInputCorrectionRecieved(int num, int value);
    void logsFileListUpdateSignal();
    void localLogsFileListUpdateSignal();
    void tripValueRecieved(uint trip);
    void accelerometerCalibrationDataRecieved();
    void ardixSerialNumChanged();
    void pdmSerialNumChanged();
    void newRawAdcDataRecievedFromArdix(const QVariantList &rawAdcData);
    void newPdmRealtimeDataRecieved();
    void newPdmAdcRawDataRecieved();
    void newPdmBoardInfoRecieved();
    void showPdmSettingsPasswordDialog(bool isSetPassword);
    void refLapDataRecieved();
    // currFirmwareVersion or pdmCurrFirmwareVersion changed (the kernel refreshes the local
    // firmware list and emits availableFirmwaresChanged).
    void firmwareVersionChanged();
    // The PDM's answer to CheckPdmSettingsSync says whether its non-volatile store works.
    void pdmEeepromStateRecieved(bool ok);

private:
    // Commands
    void dashKeepOnline(uint parameter);
    void pdmKeepOnline(uint sender, uint parameter, uint parameter1);
    void settingsSyncAnswer(uint parameter, uint parameter1);
    void synced();
    void pdmSerialAnswer(uint parameter);
    void pdmSettingsSyncAnswer(uint parameter, uint parameter1);
    void settingsPasswordBad(uint parameter);
    void resendRequested(uint parameter);
    void analogCalibration(bool isMax, uint parameter, uint parameter1);
    void gearCalibration(bool isGear, uint parameter, uint parameter1);
    void speedCalibration(uint parameter, uint parameter1);
    void accelerometerCalibration(uint parameter);
    void startLineCalibration(const QByteArray &auxData);

    // Data
    void settingsBlockRefused(const char *text);
    void dashSettingsDownloaded(const QByteArray &data);
    void pdmSettingsDownloaded(const QByteArray &data);
    void serialData(const QByteArray &data, uint parameter, uint parameter1);
    void logList(const QByteArray &data);
    void refLap(const QByteArray &data);
    void dashAdcRaw(const QByteArray &data);
    void pdmRealtime(const QByteArray &data);

    void queue(uint dataOrCommand, uint parameter);
    void queueData(uint dataType, uint parameter = 0);
    void show(const char *text);
    void popUp(const char *text);
    bool onlineWithDash() const;

    LinkPort &m_link;
    DashSettingsPort &m_dash;
    PdmPort &m_pdm;
    SettingsStorePort &m_store;
    LogDownload m_log;
    Clock m_clock;

    QString m_currFirmwareVersion;
    QString m_pdmCurrFirmwareVersion;
    QString m_serialHash;
    uint m_ardixSerialNum = 0;
    uint m_ardixBoardVer = 0;
    uint m_pdmSerialNum = 0;
    uint m_pdmLastParameter1 = 0;
    bool m_skinModeFromFile = false;
    QByteArray m_deviceLogList;
    qint64 m_lastPwmSendMs = 0;
    bool m_pwmSent = false;

    // Consecutive resend requests from the device (process-wide, 0 to 2).
    static int s_resendCount;
};
