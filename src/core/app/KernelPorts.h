#pragma once
// The adapters through which the link, the dispatcher and the logic texts reach the settings the
// kernel owns. Each is a thin translation onto the object that holds the data; nothing here
// decides anything.

#include "link/LinkImageProvider.h"
#include "link/dispatch/DispatchPorts.h"
#include "logic/LogicBlocksProvider.h"

#include <QByteArray>
#include <QString>
#include <functional>

class ArdixSettings;
class PdmSettings;
class PdmRealtimeData;
class LogStore;
namespace persistence {
class SettingsStore;
}

// What the adapters read from the kernel itself.
struct KernelState
{
    std::function<int()> curSkinMode;
    std::function<void(int)> setCurSkinMode;
    std::function<int()> deviceId;
    std::function<float()> firmwareVersionNumber;
    std::function<QByteArray()> refLapData;
};

class DashPortAdapter : public DashSettingsPort
{
public:
    DashPortAdapter(persistence::SettingsStore &store, ArdixSettings &dash, KernelState state);

    QByteArray image() const override;
    void writeImagePrefix(const QByteArray &bytes) override;
    void loadDefaultExtraSettings() override;
    bool transferOldExtraSettings() override;
    bool reloadFromImage() override;
    bool hasChanges() const override;
    unsigned packChangedParts() override;
    int currSkin() const override;
    void setPwmValue(PwmTarget target, int value) override;
    void setCustomAnalogPoint(int sensorIndex, int pairIndex, float value, float reading) override;
    void setAccelerometerCalibration(uint32_t value) override;
    void setStartLine(double lat, double lon, double course) override;
    int curSkinMode() const override;
    void setCurSkinMode(int mode) override;
    int modesCount() const override;

private:
    persistence::SettingsStore &m_store;
    ArdixSettings &m_dash;
    KernelState m_state;
};

class PdmPortAdapter : public PdmPort
{
public:
    PdmPortAdapter(persistence::SettingsStore &store, PdmRealtimeData &realtime);

    QByteArray image() const override;
    void acceptDeviceBlock(const QByteArray &block) override;
    void loadRealtimeData(const QByteArray &block) override;
    void setBoardInfo(const QByteArray &bytes) override;
    void setAdcRaw(const QByteArray &bytes) override;

    QByteArray boardInfo() const { return m_boardInfo; }
    QByteArray adcRaw() const { return m_adcRaw; }

private:
    persistence::SettingsStore &m_store;
    PdmRealtimeData &m_realtime;
    QByteArray m_boardInfo;
    QByteArray m_adcRaw;
};

// Downloaded logs go to the local log store.
class LogStoreAdapter : public LogStorePort
{
public:
    explicit LogStoreAdapter(LogStore &logs) : m_logs(logs) {}
    bool saveDownloadedLog(const QString &name, const QByteArray &bytes) override;

private:
    LogStore &m_logs;
};

// The blocks as the frame builder and the logic texts read them.
class BlocksAdapter : public LinkImageProvider, public LogicBlocksProvider
{
public:
    BlocksAdapter(persistence::SettingsStore &store, ArdixSettings &dash, KernelState state);

    QByteArray dashImage() const override;
    QByteArray pdmImage() const override;
    float firmwareVersionNumber() const override;
    QByteArray refLapData() const override;
    QByteArray userLogoData() const override;
    int curSkinMode() const override;

    int connectedDeviceType() const override;
    QByteArray dashBlock() const override;
    QByteArray pdmBlock() const override;
    QString sensorShortName(uint8_t sensorId) const override;
    bool isSensorFloat(uint8_t sensorId) const override;

private:
    persistence::SettingsStore &m_store;
    ArdixSettings &m_dash;
    KernelState m_state;
};
