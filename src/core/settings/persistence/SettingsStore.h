#pragma once
// Keeps the dash and PDM settings blocks, mirrors them into the application settings store, loads
// them at start with their corrections and defaults, and saves and loads settings files. The
// kernel forwards its persistence slots here and re-emits the signals; it binds the object trees
// and the link through SettingsHost.

#include "settings/dash/DashSettingsImage.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QSettings;

namespace persistence {

// What the store needs from the rest of the system. Every member may be left empty (tests, early
// start-up); an empty query answers false.
struct SettingsHost
{
    // The link is online and the connected device is of this DeviceModelId.
    std::function<bool(int deviceModelId)> isOnlineWith;
    // The link is online with any device.
    std::function<bool()> isOnline;
    // Refill ArdixSettings from the block (it keeps the pointer) / PdmSettings from a block.
    std::function<void(const DashSettingsImage *image)> loadDashTree;
    std::function<void(const QByteArray &block)> loadPdmTree;
    // The sensor catalogue resets the tree's standard sensors and recreates the custom ones, when
    // all dash settings go back to defaults (the block gets the same records).
    std::function<void()> resetSensorObjects;
    // PdmSettings gets the password: `passwordHash`, `isPasswordProtectionSet`, other settings
    // marked changed.
    std::function<void(const QByteArray &hash)> setPdmPasswordInTree;
    // The kernel's applyNewPdmSettings().
    std::function<void()> applyNewPdmSettings;
    // The computer's offset from UTC in seconds; the local time zone's when empty.
    std::function<int()> utcOffsetSeconds;
};

// The reference lap and start line files belong to the lap service.
struct LapFileHooks
{
    // exportFile's compressed payload for StartLine_FileType, StartLineInLog_FileType,
    // RefLap_FileType and RefLapInLog_FileType; empty when there is nothing to write.
    std::function<QByteArray(int fileType)> exportPayload;
    // A start line (76 bytes) or reference lap file, already decompressed; fileType says which.
    std::function<void(int fileType, const QByteArray &content)> loadContent;
};

class SettingsStore : public QObject
{
    Q_OBJECT
public:
    // `store` stays owned by the caller and must outlive this object; null: the store opens the
    // per-user settings of organisation and application "Ardix" itself.
    explicit SettingsStore(QSettings *store, SettingsHost host = {}, QObject *parent = nullptr);
    ~SettingsStore() override;

    void setHost(SettingsHost host) { m_host = std::move(host); }
    void setLapFileHooks(LapFileHooks hooks) { m_lapHooks = std::move(hooks); }

    // The kernel's blocks. The dash image keeps its address for the store's life (ArdixSettings
    // holds a pointer to it); assign into it, never replace it.
    DashSettingsImage &dashImage() { return m_dash; }
    const DashSettingsImage &dashImage() const { return m_dash; }
    const QByteArray &pdmBlock() const { return m_pdm; }
    // Takes a block (the PDM apply step's result); a block of the wrong size is refused.
    bool setPdmBlock(const QByteArray &block);

    // Loading at start (keep false) and after the stored value changed (keep true).
    void loadDashSettings(bool keep);
    void loadPdmSettings(bool keep);
    // The load with keep set, without the upload of a corrected block: true when the block was
    // corrected (and stored); the caller uploads it.
    bool correctAndFinishDashLoad();

    // The dash block under "allSettingsData", synced.
    void saveDashSettings();
    // Checksum, "pdmCommonSettings", upload when a PDM is online, configChangedSignal.
    void savePdmSettings(bool force);
    // The PDM sent its whole block: sealed with its word checksum, stored, the tree rebuilt. False
    // (nothing touched) for a block of the wrong size.
    bool acceptPdmBlockFromDevice(const QByteArray &block);

    // Kernel operations.
    void loadDefaultAllSettings();
    // These three only write into the dash block; the caller stores and reloads.
    void loadDefaultSkinsSettings();
    void loadDefaultExtraSettings();
    bool transferOldExtraSettings();
    void resetArdixSettings();
    void loadDefaultPdmSettings(bool isForceReset);
    void exportFile(const QString &filePath, int deviceId_settings, int fileType);
    void loadDataFromFile(const QString &filePath, int deviceId_settings, int fileType);
    void setPdmPasswordSettings(const QString &password, bool upload);
    void saveNewWifiData(const QString &ssid, const QString &pass, int parentDevice);

    QString ssidWifi() const { return m_ssidWifi; }
    QString passWifi() const { return m_passWifi; }
    QString pdmSsidWifi() const { return m_pdmSsidWifi; }
    QString pdmPassWifi() const { return m_pdmPassWifi; }
    uint serialNum() const;
    void setSerialNum(uint value);
    uint pdmSerialNumber() const;
    void setPdmSerialNumber(uint value);

    bool isLogsSettingsMustBeChanged() const { return m_logsMustBeChanged; }
    // The compressed start-up logo last accepted for upload.
    QByteArray userLogoData() const { return m_userLogo; }
    // Skin and mode chosen by the last dash load.
    int curSkinNum() const { return m_skin; }
    int curSkinMode() const { return m_mode; }

    // Largest reference lap file accepted (decompressed).
    static constexpr qsizetype kMaxRefLapSize = 16 * 1024 * 1024;
    // Largest compressed start-up logo the dash takes.
    static constexpr qsizetype kMaxUserLogoSize = 32592;

Q_SIGNALS:
    // ActionTypes, then a MessageDataTypes (FlashData) or CommandsEnum (CommandMessage) value:
    // the kernel passes it to sendToArdixQueue.
    void uploadRequested(unsigned action, unsigned dataOrCommand, unsigned parameter);
    void showInfoMessage(const QString &text);
    void popUpSignal(const QString &text);
    void configChangedSignal();
    void newConfigDownloadedFromArdix();
    void newPdmSettingsPasswordSignal();
    // The dash load chose the skin (`currSkin`) and its default mode: the kernel's curSkinNum and
    // curSkinMode, and the skin mode change.
    void skinStateLoaded(int skin, int mode);
    // The kernel property IsLogsSettingsMustBeChanged.
    void logsSettingsMustBeChangedUpdated(bool value);
    // A dash settings file was loaded (its skin mode stands until the device has been told).
    void dashFileLoaded();
    // The computer's offset from UTC, for the GPS time handling.
    void utcOffsetLoaded(int seconds);

private:
    bool online(int deviceModelId) const;
    int utcOffset() const;
    void writeDashDefaults();
    void finishDashLoad();
    void writePdmDefaultsAndSave(bool force);
    // Word checksum into the first four bytes, then "pdmCommonSettings", synced.
    void storePdmBlock();
    void readWifi();
    void request(unsigned action, unsigned dataOrCommand, unsigned parameter = 0);
    void info(const char *text);

    void loadDashFileContent(const QByteArray &content);
    void loadPdmFileContent(const QByteArray &content);
    void loadUserLogo(const QByteArray &raw);
    void loadLapFileContent(int fileType, const QByteArray &content);
    void loadUnknownFile(const QByteArray &file);

    std::unique_ptr<QSettings> m_ownStore;
    QSettings *m_settings;
    SettingsHost m_host;
    LapFileHooks m_lapHooks;

    DashSettingsImage m_dash;
    QByteArray m_pdm;
    QString m_ssidWifi;
    QString m_passWifi;
    QString m_pdmSsidWifi;
    QString m_pdmPassWifi;
    bool m_logsMustBeChanged = false;
    QByteArray m_userLogo;
    int m_skin = 0;
    int m_mode = 0;
};

} // namespace persistence
