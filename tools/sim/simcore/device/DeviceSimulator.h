#pragma once
// The simulated dash or PDM on 127.0.0.1: answers the client's frames from its own state (settings
// blocks, logs, live values), with seeded faults on request, and serves its small web page.

#include "simcore/SimFrame.h"
#include "simcore/device/FaultInjector.h"
#include "simcore/device/PdmLiveData.h"
#include "simcore/device/SimFlashFault.h"
#include "simcore/device/SimDeviceStore.h"
#include "simcore/device/SyntheticLog.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QTcpServer;
class QTcpSocket;
class SimWebPage;
class SimBootLoader;

enum class SimRole { Dash, Pdm, DashBoot, PdmBoot };

struct SimOptions
{
    SimRole role = SimRole::Dash;
    QByteArray firmware = "S185"; // the 4 characters KeepOnline answers carry
    quint32 serial = 70123;
    quint8 boardVersion = 4;
    QString stateDir;             // empty: nothing survives the process
    quint16 port = 0;             // 0: any free port
    int webPort = 0;              // 0: any free port, -1: no web page
    quint32 seed = 1;
    FaultRates faults;
    int logCount = 3;
    SyntheticLogOptions logTemplate; // seed and start time are varied per log
    int logChunkSize = 4096;
    int realtimeIntervalMs = 200;
    bool refLap = true;           // a new dash holds a reference lap of the circuit
    int driftMs = 0;              // the dash changes one setting on its own this often (0: never)
    // Boot loaders: faults at chosen packets, how long they wait for a packet before reporting a
    // timeout, and the file they expect (empty: any file whose packets are sound).
    QList<FlashFault> flashFaults;
    int bootPacketTimeoutMs = 2000;
    int bootAnswerDelayMs = 0; // a boot loader's time to write each packet into its flash
    bool bootSaysFlashReady = true; // false: an older dash boot loader, silent after the FLASH line
    int bootLineSplitMs = 0;        // > 0: the dash boot loader writes each line in two pieces this far apart
    QByteArray expectedFirmware;
};

class DeviceSimulator : public QObject
{
    Q_OBJECT
public:
    explicit DeviceSimulator(const SimOptions &options = {}, QObject *parent = nullptr);
    ~DeviceSimulator() override;

    // Listens on 127.0.0.1 only (link and web page).
    bool start();
    quint16 port() const;
    quint16 webPort() const;
    const SimOptions &options() const { return m_opt; }

    // Firmware number as the client reads it: "S185" -> 185, and its float form 1.85.
    int firmwareNumber() const;
    double firmwareVersion() const;
    bool streamsLogOffsets() const { return firmwareNumber() > 114; }
    int dashKnownSize() const; // 16,588 on firmware before 0.945, else 28,876
    quint8 senderId() const;

    // State, as the device holds it.
    QByteArray dashBlock() const { return m_store.dash.left(dashKnownSize()); }
    QByteArray pdmBlock() const { return m_store.pdm; }
    void setDashBlock(const QByteArray &block);
    void setPdmBlock(const QByteArray &block); // sealed on the way in
    void setPdmPassword(const QByteArray &hash64); // empty: no password
    QList<QByteArray> logFiles() const;       // file bytes in list order
    QByteArray logList() const;               // 9 bytes per file
    const QList<SyntheticLog> &logs() const { return m_logs; }
    QByteArray refLap() const { return m_store.refLap; }
    QString wifiName() const { return m_store.wifiName; }
    QString wifiPassword() const { return m_store.wifiPassword; }
    quint8 skinMode() const { return m_store.skinMode; }
    bool realtimeLoopOn() const { return m_realtime.isActive(); }
    QByteArray firmwareReceived() const { return m_firmware; }
    // The four characters its KeepOnline answers carry now (changes with a successful update).
    QByteArray firmwareText() const { return m_opt.firmware; }
    SimRole role() const { return m_opt.role; }
    bool inBootLoader() const { return bool(m_boot); }
    void setFlashFaults(const QList<FlashFault> &faults) { m_flashFaults = faults; }
    void setExpectedFirmware(const QByteArray &image) { m_opt.expectedFirmware = image; }
    void setBootPacketTimeoutMs(int ms) { m_opt.bootPacketTimeoutMs = ms; }
    // Packets whose checksums were sound but did not match the expected file.
    int packetMismatches() const { return m_packetMismatches; }
    // Packets a boot loader answered as bad (a stray byte before one spoils every one after it).
    int rejectedPackets() const { return m_rejectedPackets; }
    // Time the boot loader's delayed answers really waited, summed: a loaded machine wakes late.
    qint64 bootAnswerWaitNs() const { return m_bootAnswerWaitNs; }

    FaultInjector &faults() { return m_faults; }

    // What came in, in order.
    const QList<SimFrame> &received() const { return m_received; }
    QList<SimFrame> framesOf(quint8 action, quint8 type) const;
    void clearReceived() { m_received.clear(); }

    bool hasClient() const;
    void dropClient();
    // Unsolicited frames (a test pushing something the device would not send on its own).
    void send(SimFrame frame);
    void sendRaw(const QByteArray &bytes);

    // One readable line per frame or event; unset, the lines go to the "ardix.sim" category (debug).
    void setTrace(std::function<void(const QString &)> sink) { m_trace = std::move(sink); }

Q_SIGNALS:
    void clientConnected();
    void clientDisconnected();
    void frameReceived(const SimFrame &frame);
    void frameSent(const SimFrame &frame);
    void settingsStored();              // a block changed and was saved
    void logTransferFinished(int logId);
    void wifiChanged();

private:
    friend class SimBootLoader;
    void onNewConnection();
    void onReadyRead();
    void onDisconnected();
    void handle(const SimFrame &f);
    void handleCommand(const SimFrame &f);
    void handleData(const SimFrame &f);
    void handleDashCommand(const SimFrame &f);
    void handlePdmCommand(const SimFrame &f);
    void acceptSettings(const SimFrame &f);
    void sendCommand(quint8 command, quint32 parameter, quint8 parameter1 = 0,
                     const QByteArray &aux = {});
    void sendData(quint8 type, const QByteArray &block, quint32 parameter = 0, quint8 parameter1 = 0);
    void askResend(quint32 reason);
    void startLogTransfer(quint32 id);
    void sendLogChunk(quint32 offset);
    void sendRealtime();
    void buildLogs();
    void persist();
    void writeOut(QByteArray bytes, int action, int type, int headerLen);
    void flushOut();
    void trace(const QString &line);
    void restartIntoApplication(); // after a boot loader took a whole firmware
    void driftSettings();
    void restartIntoBootLoader();  // the application was asked to take a firmware

    SimOptions m_opt;
    SimDeviceStore m_store;
    FaultInjector m_faults;
    PdmLiveData m_live;
    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_client;
    SimCodec::StreamParser m_parser;
    std::unique_ptr<SimWebPage> m_web;
    std::unique_ptr<SimBootLoader> m_boot;
    QList<SimFrame> m_received;
    QList<SyntheticLog> m_logs;
    QByteArray m_firmware;
    QList<FlashFault> m_flashFaults;
    int m_packetMismatches = 0;
    int m_rejectedPackets = 0;
    qint64 m_bootAnswerWaitNs = 0;
    std::function<void(const QString &)> m_trace;

    struct Out
    {
        QByteArray bytes;
        qint64 due = 0;
        bool closeAfter = false;
    };
    QList<Out> m_out;
    QTimer m_flushTimer;
    qint64 m_quietUntil = 0;
    QElapsedTimer m_clock;

    QTimer m_realtime;
    qint64 m_realtimeStart = 0;
    QTimer m_drift;

    struct LogTransfer
    {
        int id = -1;
        QByteArray file;
    } m_transfer;

    std::optional<SimFrame> m_lastData; // what AskResendPrevPacket from the client sends again
    int m_badPasswords = 0;
};
