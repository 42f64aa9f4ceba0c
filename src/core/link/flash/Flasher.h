#pragma once
// Writes a firmware file into the dash or the PDM through its boot loader: the PDM's framed
// answers, the dash's text lines, the packets (next one prepared on the thread pool while the
// current one is on the wire), the watchdog and the boot wait, progress and the closing texts.

#include "link/flash/FirmwarePacket.h"
#include "link/flash/FlashPort.h"

#include <QByteArray>
#include <QDateTime>
#include <QFuture>
#include <QObject>
#include <QString>
#include <QTimer>

class Flasher : public QObject
{
    Q_OBJECT
public:
    // folder: where flashFirmware finds its files (ends with "/").
    Flasher(FlashPort &port, QString folder, QObject *parent = nullptr);
    ~Flasher() override;

    void setFolder(const QString &folder) { m_folder = folder; }

    void flashFirmware(const QString &fileName);
    // Fills the buffer of that packet's parity with packet min(packetNum, count - 1).
    void wifi_preparePacketToSend(uint32_t packetNum);

    // What the state holds (for tests and the kernel).
    uint32_t firmwareSize() const { return uint32_t(m_firmware.size()); }
    bool hasFirmware() const { return !m_firmware.isEmpty(); }
    uint32_t packetIndex() const { return m_index; }
    uint32_t bytesConfirmed() const { return m_confirmed; }
    uint32_t retryCount() const { return m_retries; }
    int timeoutCount() const { return m_timeouts; }
    QDateTime startTime() const { return m_startTime; }

public Q_SLOTS:
    // Every command frame the link received (only the PDM boot loader's matter here).
    void onCommand(uint dataOrCommand, uint sender, uint parameter, uint parameter1);
    // A read without a frame header: the dash boot loader's lines.
    void onBootText(const QByteArray &chunk);
    void wifi_flashingTimeout();
    void wifi_kostilStariyBootTimeout();
    // The link went down: whatever the device had taken is void, the next start begins at 0.
    void onLinkOffline();

Q_SIGNALS:
    void progressMoving(uint progress);
    void showInfoMessage(const QString &text);
    void popUpSignal(const QString &text);
    void hideBusy();
    // Flashing ended (either way): the local firmware list is refreshed.
    void flashingEnded();

private:
    // PDM boot loader
    void pdmKeepOnline(uint parameter);
    void pdmSerial();
    void pdmReady(uint parameter);
    void pdmVerified();
    void pdmResend(bool timeout, uint parameter);
    void pdmError(bool abort, uint parameter1);
    // Dash boot loader
    void onLine(const QList<QByteArray> &parts);
    void dashReflashLine(const QList<QByteArray> &parts);
    void dashError(const QByteArray &reason);

    void sendFlashLine();
    void dashRedial();
    void beginPackets();
    void resetRun();
    uint32_t lastPacketIndex() const;
    // The device holds packets 0 to index: that many bytes are in.
    void packetConfirmed(uint32_t index);
    void sendCurrentPacket();
    void prepareInto(uint32_t packetNum);
    void waitForPreparation();
    void emitProgress();
    void success();
    void failFlashing();
    void clearFlashingState();
    void show(const char *text);
    bool reflashing() const;

    FlashPort &m_port;
    QString m_folder;
    // The dash boot loader's text, whole lines only; a last line it leaves unended is taken when
    // nothing more follows for a moment.
    flash::BootLineBuffer m_bootText;
    QTimer m_bootTextFlush;
    // Long enough that a line cut in two on a busy machine is not taken as two.
    static constexpr int BootTextFlushMs = 500;

    QByteArray m_firmware;
    QByteArray m_packets[2];
    int64_t m_prepared[2] = {-1, -1}; // packet index each buffer holds
    QFuture<void> m_preparing;
    // One run: from the boot loader's ready (or the boot wait) to an ending or a lost link.
    uint32_t m_index = 0;
    uint32_t m_confirmed = 0;
    uint32_t m_retries = 0;
    int m_timeouts = 0;
    bool m_lastPacketGrace = false;
    QDateTime m_startTime;
    // Re-dials since flashFirmware: each starts the file over, so they are bounded.
    int m_redials = 0;

    // Last percentage emitted; process-wide as the devices only ever flash one at a time.
    static uint8_t s_progressMemory;
};
