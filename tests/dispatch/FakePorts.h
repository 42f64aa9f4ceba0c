#pragma once
// Ports that remember what the dispatcher asked of them, and a recorder of its signals in order.

#include "link/dispatch/DispatchPorts.h"
#include "link/dispatch/MessageDispatcher.h"

#include <QDir>
#include <QMap>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

inline QString frameText(uint action, uint dataOrCommand, uint parameter)
{
    return QStringLiteral("%1%2:%3")
        .arg(action == 1 ? QLatin1Char('c') : QLatin1Char('d'))
        .arg(dataOrCommand)
        .arg(parameter);
}

class FakeLink : public LinkPort
{
public:
    int ardixStatus() const override { return status; }
    void setArdixStatus(int s) override { status = s; }
    int deviceId() const override { return device; }
    void setDeviceId(int d) override { device = d; }
    void sendToArdixQueue(uint a, uint c, uint p) override { queued << frameText(a, c, p); }
    void sendToArdix(uint a, uint c, uint p) override { direct << frameText(a, c, p); }
    void restartKeepOnline(int ms) override { keepOnlineMs = ms; }
    void restartCheckOnline(int ms) override { checkOnlineMs = ms; }
    bool logDataTimerActive() const override { return logTimerMs > 0; }
    void restartLogDataTimer(int ms) override { logTimerMs = ms; }
    void stopLogDataTimer() override { logTimerMs = 0; }
    void dropQueuedLogRequests() override { ++logRequestsDropped; }
    void setSynced(bool s) override { synced = s; }
    std::optional<QueueEntry> lastSent() const override { return last; }
    void detachFromSocket() override { ++detached; }
    qint64 localSecondsSinceEpoch() const override { return localSeconds; }

    int status = 0;
    int device = 0;
    QStringList queued;
    QStringList direct;
    int keepOnlineMs = 0;
    int checkOnlineMs = 0;
    int logTimerMs = 0;
    int logRequestsDropped = 0;
    bool synced = false;
    std::optional<QueueEntry> last;
    int detached = 0;
    qint64 localSeconds = 1700000000;
};

class FakeDash : public DashSettingsPort
{
public:
    QByteArray image() const override { return img; }
    void writeImagePrefix(const QByteArray &b) override { img.replace(0, b.size(), b); }
    void loadDefaultExtraSettings() override { calls << QStringLiteral("defaultExtra"); }
    bool transferOldExtraSettings() override
    {
        calls << QStringLiteral("transfer");
        return transferResult;
    }
    bool reloadFromImage() override
    {
        calls << QStringLiteral("reload");
        return correctsOnReload;
    }
    bool hasChanges() const override { return pending != 0; }
    unsigned packChangedParts() override
    {
        calls << QStringLiteral("pack");
        const unsigned m = pending;
        pending = 0;
        return m;
    }
    int currSkin() const override { return 2; }
    void setPwmValue(PwmTarget t, int v) override
    {
        pwm[int(t)] = v;
        pending |= DashPartBit::CommonSettings;
    }
    void setCustomAnalogPoint(int s, int pair, float value, float reading) override
    {
        calls << QStringLiteral("analog %1 %2 %3 %4").arg(s).arg(pair).arg(value).arg(reading);
        pending |= DashPartBit::CustomAnalogSensors;
    }
    void setAccelerometerCalibration(uint32_t v) override
    {
        calls << QStringLiteral("acc %1").arg(v);
        pending |= DashPartBit::CommonSettings;
    }
    void setStartLine(double la, double lo, double c) override
    {
        lat = la;
        lon = lo;
        course = c;
        pending |= DashPartBit::CommonSettings;
    }
    int curSkinMode() const override { return skinMode; }
    void setCurSkinMode(int m) override { skinMode = m; }
    int modesCount() const override { return modes; }

    QByteArray img = QByteArray(28876, '\0');
    QStringList calls;
    bool transferResult = false;
    bool correctsOnReload = false;
    unsigned pending = 0;
    QMap<int, int> pwm;
    double lat = 0, lon = 0, course = -1;
    int skinMode = 0;
    int modes = 5;
};

class FakePdm : public PdmPort
{
public:
    QByteArray image() const override { return img; }
    void acceptDeviceBlock(const QByteArray &b) override
    {
        img = b;
        ++accepted;
    }
    void loadRealtimeData(const QByteArray &b) override { realtime = b; }
    void setBoardInfo(const QByteArray &b) override { boardInfo = b; }
    void setAdcRaw(const QByteArray &b) override { adcRaw = b; }

    QByteArray img = QByteArray(40960, '\0');
    int accepted = 0;
    QByteArray realtime, boardInfo, adcRaw;
};

class FakeStore : public SettingsStorePort
{
public:
    QVariant value(const QString &k, const QVariant &d) const override { return values.value(k, d); }
    void setValue(const QString &k, const QVariant &v) override { values.insert(k, v); }
    void remove(const QString &k) override { values.remove(k); }
    QMap<QString, QVariant> values;
};

class FakeLogs : public LogStorePort
{
public:
    QString localLogsDirectory() const { return dir.path() + QStringLiteral("/Ardix/"); }
    bool saveDownloadedLog(const QString &name, const QByteArray &bytes) override
    {
        QDir().mkpath(localLogsDirectory());
        QSaveFile file(localLogsDirectory() + name + QStringLiteral(".elog"));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    }
    QTemporaryDir dir;
};

// Every signal of the dispatcher as one line, in the order emitted.
inline void recordSignals(MessageDispatcher &d, QStringList &out)
{
    using D = MessageDispatcher;
    auto add = [&out](const QString &s) { out << s; };
    QObject::connect(&d, &D::popUpSignal, [add](const QString &t) { add("popUp:" + t); });
    QObject::connect(&d, &D::showInfoMessage, [add](const QString &t) { add("info:" + t); });
    QObject::connect(&d, &D::hideBusy, [add] { add("hideBusy"); });
    QObject::connect(&d, &D::progressMoving, [add](uint p) { add(QStringLiteral("progress:%1").arg(p)); });
    QObject::connect(&d, &D::showSyncDiaglog, [add](bool e) { add(QStringLiteral("syncDialog:%1").arg(e)); });
    QObject::connect(&d, &D::syncCompletedSignal, [add] { add("syncCompleted"); });
    QObject::connect(&d, &D::configChangedSignal, [add] { add("configChanged"); });
    QObject::connect(&d, &D::newConfigDownloadedFromArdix, [add] { add("newConfig"); });
    QObject::connect(&d, &D::skinModeChanged, [add](int m) { add(QStringLiteral("skinMode:%1").arg(m)); });
    QObject::connect(&d, &D::newGearCalibrationValueRecieved, [add](int n, int v, bool g) {
        add(QStringLiteral("gear:%1,%2,%3").arg(n).arg(v).arg(g));
    });
    QObject::connect(&d, &D::newSpeedInputCorrectionRecieved,
                     [add](int n, int v) { add(QStringLiteral("speed:%1,%2").arg(n).arg(v)); });
    QObject::connect(&d, &D::logsFileListUpdateSignal, [add] { add("logList"); });
    QObject::connect(&d, &D::localLogsFileListUpdateSignal, [add] { add("localLogs"); });
    QObject::connect(&d, &D::tripValueRecieved, [add](uint t) { add(QStringLiteral("trip:%1").arg(t)); });
    QObject::connect(&d, &D::accelerometerCalibrationDataRecieved, [add] { add("accelerometer"); });
    QObject::connect(&d, &D::ardixSerialNumChanged, [add] { add("ardixSerial"); });
    QObject::connect(&d, &D::pdmSerialNumChanged, [add] { add("pdmSerial"); });
    QObject::connect(&d, &D::newRawAdcDataRecievedFromArdix, [add](const QVariantList &l) {
        QStringList parts;
        for (const QVariant &v : l)
            parts << v.toString();
        add("adc:" + parts.join(','));
    });
    QObject::connect(&d, &D::newPdmRealtimeDataRecieved, [add] { add("pdmRealtime"); });
    QObject::connect(&d, &D::newPdmAdcRawDataRecieved, [add] { add("pdmAdcRaw"); });
    QObject::connect(&d, &D::newPdmBoardInfoRecieved, [add] { add("pdmBoardInfo"); });
    QObject::connect(&d, &D::showPdmSettingsPasswordDialog,
                     [add](bool s) { add(QStringLiteral("passwordDialog:%1").arg(s)); });
    QObject::connect(&d, &D::refLapDataRecieved, [add] { add("refLap"); });
    QObject::connect(&d, &D::firmwareVersionChanged, [add] { add("firmware"); });
    QObject::connect(&d, &D::pdmEeepromStateRecieved,
                     [add](bool ok) { add(QStringLiteral("eeprom:%1").arg(ok)); });
}

struct Rig
{
    FakeLink link;
    FakeDash dash;
    FakePdm pdm;
    FakeStore store;
    FakeLogs logs;
    std::unique_ptr<MessageDispatcher> d;
    QStringList events;

    explicit Rig(const QString &firmware = QString())
    {
        if (!firmware.isEmpty())
            store.values.insert(QStringLiteral("currFirmwareVersion"), firmware);
        d = std::make_unique<MessageDispatcher>(
            MessageDispatcher::Ports{link, dash, pdm, store, logs});
        recordSignals(*d, events);
    }
    void command(uint c, uint parameter = 0, uint parameter1 = 0, uint sender = 0,
                 const QByteArray &aux = QByteArray(64, '\0'))
    {
        d->handleCommand(c, sender, parameter, parameter1, aux);
    }
    void data(uint type, const QByteArray &block, uint parameter = 255, uint parameter1 = 0)
    {
        d->handleData(block, type, parameter, parameter1);
    }
};
