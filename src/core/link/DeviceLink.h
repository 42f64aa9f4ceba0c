#pragma once
// The TCP connection to the dash or the PDM: socket, link timers, link status, the send queue
// and the receiver. It reports through its own signals; the kernel re-emits them and forwards
// its link slots here one-to-one.

#include "link/FrameBuilder.h"
#include "link/FrameReceiver.h"
#include "link/LinkImageProvider.h"
#include "link/SendQueue.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QTcpSocket;
class QTimer;

class DeviceLink : public QObject, private FrameReceiverSink
{
    Q_OBJECT
    Q_PROPERTY(int ardixStatus READ ardixStatus WRITE setArdixStatus NOTIFY ardixStatusChanged)
    Q_PROPERTY(int deviceId READ deviceId WRITE setDeviceId NOTIFY deviceIdChanged)
    Q_PROPERTY(bool isPdmRealtimeModeOn READ isPdmRealtimeModeOn WRITE setPdmRealtimeModeOn)

public:
    // host/port: where the device answers (the kernel reads ARDIX_DEVICE_HOST/PORT).
    DeviceLink(QString host, quint16 port, QObject *parent = nullptr);
    ~DeviceLink() override;

    // Link set-up: clear the receiver, dial, start keep-online and check-online.
    void start();

    // The frame builder reads its blocks here; null means zeroed images.
    void setImageProvider(const LinkImageProvider *provider) { m_images = provider; }
    // Log bytes received so far (the log store fills this in).
    void setLogBytesProvider(std::function<quint32()> fn) { m_logBytes = std::move(fn); }
    // While true the link itself takes KeepOnline answers as "online" (status and deviceId);
    // the command handler turns this off when it takes over.
    void setMinimalKeepOnlineHandling(bool on) { m_minimalKeepOnline = on; }
    void setIsMobile(bool mobile) { m_isMobile = mobile; }
    void setApplicationActive(bool active) { m_appActive = active; }

    int ardixStatus() const { return m_status; }
    int deviceId() const { return m_deviceId; }
    bool isPdmRealtimeModeOn() const { return m_pdmRealtime; }
    void setPdmRealtimeModeOn(bool on) { m_pdmRealtime = on; }
    bool isSynced() const { return m_synced; }
    void setSynced(bool synced) { m_synced = synced; }
    bool awaitingReply() const { return m_queue.awaitingReply(); }
    void clearAwaitingReply() { m_queue.clearAwaitingReply(); }
    const SendQueue &queue() const { return m_queue; }
    // The last KeepOnline or data frame taken from the queue (for device resend requests).
    bool hasLastSent() const { return m_hasLastSent; }
    QueueEntry lastSent() const { return m_lastSent; }
    int connectionAttempts() const { return m_attempts; }
    const FrameReceiver &receiver() const { return m_receiver; }
    QTcpSocket *socket() const { return m_socket; }

    QTimer *keepOnlineTimer() const { return m_keepOnline; }
    QTimer *checkOnlineTimer() const { return m_checkOnline; }
    QTimer *sendQueueTimer() const { return m_sendQueue; }
    QTimer *gotHeaderTimer() const { return m_gotHeader; }
    QTimer *headerParseTimer() const { return m_headerParse; }
    QTimer *flashingTimer() const { return m_flashing; }
    QTimer *bootWaitTimer() const { return m_bootWait; }
    QTimer *logDataTimer() const { return m_logData; }

    // A log download ended: requests about its blocks still queued (the queue was frozen while
    // it ran) would only make the device send again what nobody waits for.
    void dropQueuedLogRequests();

    // Bytes for the boot loaders (text lines, firmware packets), written as they are; the count
    // written, or -1 when the socket is not connected.
    qint64 writeRaw(const QByteArray &bytes);
    // Abort the socket and dial again (a boot loader that stopped taking packets).
    void redial();
    // Until this connection ends no frame goes out: its peer is the dash boot loader, which
    // counts raw bytes. Frames are held as well while packets flow to either boot loader.
    void holdFramesForBootLoader() { m_bootLoaderPeer = true; }
    bool framesHeld() const { return m_bootLoaderPeer || m_status == LinkConst::ardixReflash; }

    static qint64 localSecondsSinceEpoch();

public Q_SLOTS:
    void sendToArdix(uint action, uint dataOrCommand, uint i_parameter);
    void sendToArdixQueue(uint action, uint dataOrCommand, uint parameter);
    void goWifiOffline();
    void setArdixStatus(int newStatus);
    void setDeviceId(int newDeviceId);
    void onWifiConnected();
    void onWifiDisconnected();
    void onWifiDataReady();
    void onWifiError(QAbstractSocket::SocketError socketError);

    void wifi_keepOnlineTimeout();
    void wifi_checkOnlineTimeout();
    void wifi_flashingTimeout();
    void wifi_gotHeaderTimeout();
    void wifi_sendToArdixTimeout();
    void wifi_kostilStariyBootTimeout();
    void wifi_headerParseTimeout();

Q_SIGNALS:
    void popUpSignal(const QString &popUpText);
    void showInfoMessage(const QString &infoMessageText);
    void showBusy();
    void showBusyWithTimeout(int timeoutValue);
    void hideBusy();
    void progressMoving(uint progress);
    void ardixStatusChanged();
    void deviceIdChanged();
    // A good header-only frame (for the command handler).
    void commandReceived(uint dataOrCommand, uint sender, uint parameter, uint parameter1,
                         const QByteArray &auxData);
    // A good data frame whose block passed its checksum (for the data dispatcher).
    void dataReceived(const QByteArray &data, uint dataOrCommand, uint parameter, uint parameter1);
    // A read without a good frame header, for the boot loader's text lines.
    void bootLoaderText(const QByteArray &chunk);
    // GetLogFile went out: clear the log assembly buffer.
    void logDownloadStarted();
    // GetLogFile is going out for this device file (just before logDownloadStarted).
    void logFileRequested(uint index);
    // A LogFileData block failed its checksum: the log packets in flight are void.
    void logBlockCrcBad();
    // Timers whose handling lives elsewhere (log download, flashing).
    void logDataTimeout();
    void flashingTimeout();
    void bootWaitTimeout();
    // PdmStartRealTimeDataLoop is about to go out: reset the real-time values.
    void pdmRealtimeResetRequested();
    // goWifiOffline: forget the device's serial text.
    void deviceSerialCleared();

private:
    // FrameReceiverSink
    void headerByteStored() override;
    void headerCompleted() override;
    void badHeader(bool closeLink) override;
    void commandFrame(const FrameHeader &h) override;
    void dataHeader(const FrameHeader &h) override;
    void dataActivity() override;
    void dataAppended(const FrameHeader &h) override;
    void busyBegins() override;
    void progress(unsigned percent) override;
    void dataEnded(const FrameHeader &h) override;
    void dataFrame(const FrameHeader &h, const QByteArray &block) override;
    void dataFrameCrcBad(const FrameHeader &h) override;
    void unframedChunk(const QByteArray &chunk) override;

    void dial();
    void closeAndAbort();
    void stopWatchdogs();
    void popUp(const char *text);
    quint32 logBytesReceived() const { return m_logBytes ? m_logBytes() : 0; }
    bool logDownloadRunning() const;

    QString m_host;
    quint16 m_port;
    QTcpSocket *m_socket = nullptr;
    QTimer *m_keepOnline = nullptr;
    QTimer *m_checkOnline = nullptr;
    QTimer *m_sendQueue = nullptr;
    QTimer *m_gotHeader = nullptr;
    QTimer *m_headerParse = nullptr;
    QTimer *m_flashing = nullptr;
    QTimer *m_bootWait = nullptr;
    QTimer *m_logData = nullptr;

    FrameReceiver m_receiver{this};
    SendQueue m_queue;
    const LinkImageProvider *m_images = nullptr;
    std::function<quint32()> m_logBytes;

    uint8_t m_status = LinkConst::ardixOffline;
    uint8_t m_deviceId = LinkConst::Device_Ardix7;
    bool m_pdmRealtime = false;
    bool m_synced = false;
    bool m_minimalKeepOnline = true;
    bool m_isMobile = false;
    bool m_appActive = true;
    int m_attempts = 0;
    // "no connection" pop-ups from socket errors since the last connection was made.
    int m_errorPopUps = 0;
    QueueEntry m_lastSent;
    bool m_hasLastSent = false;
    bool m_bootLoaderPeer = false;
};
