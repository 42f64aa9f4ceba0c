#pragma once
// What the message dispatcher needs from the rest of the system, as small interfaces. The kernel
// wires each one to the object that owns the behaviour; tests use fakes.

#include "link/SendQueue.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>

// The connection, its timers and its link state (DeviceLinkPort adapts DeviceLink).
class LinkPort
{
public:
    virtual ~LinkPort() = default;
    virtual int ardixStatus() const = 0;
    virtual void setArdixStatus(int status) = 0;
    virtual int deviceId() const = 0;
    virtual void setDeviceId(int deviceId) = 0;
    virtual void sendToArdixQueue(uint action, uint dataOrCommand, uint parameter) = 0;
    // Written at once, bypassing the queue (the queue is frozen during a log download).
    virtual void sendToArdix(uint action, uint dataOrCommand, uint parameter) = 0;
    virtual void restartKeepOnline(int ms) = 0;
    virtual void restartCheckOnline(int ms) = 0;
    virtual bool logDataTimerActive() const = 0;
    virtual void restartLogDataTimer(int ms) = 0;
    virtual void stopLogDataTimer() = 0;
    // The log download ended: its resume and verify requests still queued are void.
    virtual void dropQueuedLogRequests() = 0;
    virtual void setSynced(bool synced) = 0;
    // The last KeepOnline or data frame taken from the queue.
    virtual std::optional<QueueEntry> lastSent() const = 0;
    // Stop listening to the socket for good (firmware and client do not match).
    virtual void detachFromSocket() = 0;
    // Local wall-clock time as seconds since 1970 (UTC seconds plus the offset from UTC).
    virtual qint64 localSecondsSinceEpoch() const = 0;
};

// Dash image parts, as bits of the mask that packChangedParts returns.
namespace DashPartBit {
enum : unsigned {
    SkinsPos = 1u << 0,
    Sensors = 1u << 1,
    CustomSensors = 1u << 2,
    CommonSettings = 1u << 3,
    CustomAnalogSensors = 1u << 4,
    ExtraSettings = 1u << 5,
};
}

// What setPwmDuty writes into the common settings.
enum class PwmTarget { LcdBrightness, LedBrightness, LightSensorSensivity };

// The dash settings image, its object tree and the kernel's skin mode.
class DashSettingsPort
{
public:
    virtual ~DashSettingsPort() = default;
    // The 28876-byte image.
    virtual QByteArray image() const = 0;
    // Copy a block from the device over the start of the image (16588 or 28876 bytes).
    virtual void writeImagePrefix(const QByteArray &bytes) = 0;
    virtual void loadDefaultExtraSettings() = 0;
    virtual bool transferOldExtraSettings() = 0;
    // Rebuild the objects from the image (the load with keep set). True when that load corrected
    // the image and stored it again; the caller then uploads it (the port itself must not).
    virtual bool reloadFromImage() = 0;

    virtual bool hasChanges() const = 0;
    // Pack the changed parts into the image and clear the change flags; the mask of DashPart bits.
    virtual unsigned packChangedParts() = 0;
    virtual int currSkin() const = 0;

    // Writers that also mark their part changed.
    virtual void setPwmValue(PwmTarget target, int value) = 0;
    virtual void setCustomAnalogPoint(int sensorIndex, int pairIndex, float value, float reading) = 0;
    virtual void setAccelerometerCalibration(uint32_t value) = 0;
    virtual void setStartLine(double lat, double lon, double course) = 0;

    // The kernel's curSkinMode and the ModesCount of the skin shown.
    virtual int curSkinMode() const = 0;
    virtual void setCurSkinMode(int mode) = 0;
    virtual int modesCount() const = 0;
};

// The PDM image, its object tree and the real-time object.
class PdmPort
{
public:
    virtual ~PdmPort() = default;
    // The 40960-byte image.
    virtual QByteArray image() const = 0;
    // The PDM sent its whole block (40960 bytes): it becomes the image, is stored and the objects
    // are rebuilt from it. Announcing it is the caller's.
    virtual void acceptDeviceBlock(const QByteArray &block) = 0;
    virtual void loadRealtimeData(const QByteArray &block) = 0;
    virtual void setBoardInfo(const QByteArray &bytes) = 0;
    virtual void setAdcRaw(const QByteArray &bytes) = 0;
};

// The per-user settings store (organisation and application "Ardix").
class SettingsStorePort
{
public:
    virtual ~SettingsStorePort() = default;
    virtual QVariant value(const QString &key, const QVariant &defaultValue = {}) const = 0;
    // Written and synced at once.
    virtual void setValue(const QString &key, const QVariant &value) = 0;
    virtual void remove(const QString &key) = 0;
};

// Where downloaded logs go.
class LogStorePort
{
public:
    virtual ~LogStorePort() = default;
    // Keeps a downloaded log as local folder + name + ".elog", replacing a file of that name
    // without ever leaving a half-written one; false when it cannot be written.
    virtual bool saveDownloadedLog(const QString &name, const QByteArray &bytes) = 0;
};

// Keys of the settings store this side of the link writes.
namespace StoreKey {
inline constexpr char CurrFirmwareVersion[] = "currFirmwareVersion";
inline constexpr char PdmCurrFirmwareVersion[] = "pdmCurrFirmwareVersion";
inline constexpr char AllSettingsData[] = "allSettingsData";
inline constexpr char PdmCommonSettings[] = "pdmCommonSettings";
inline constexpr char RefLapData[] = "refLapData";
inline constexpr char SerialNumHash[] = "serialNumHash";
inline constexpr char SerialNum[] = "serialNum";
inline constexpr char ArdixBoardVer[] = "ardixBoardVer";
inline constexpr char PdmSerialNumber[] = "pdmSerialNumber";
} // namespace StoreKey
