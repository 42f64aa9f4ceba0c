#pragma once
// What flashing needs from the link and from the device identity, as one small interface.
// DeviceLinkFlashPort adapts the real link; tests use a fake.

#include <QByteArray>
#include <QString>

class FlashPort
{
public:
    virtual ~FlashPort() = default;

    virtual int ardixStatus() const = 0;
    virtual void setArdixStatus(int status) = 0;
    virtual int deviceId() const = 0;
    virtual void setDeviceId(int deviceId) = 0;
    virtual void queueCommand(uint command, uint parameter) = 0;
    // Raw bytes on the stream; the count written, or -1 when the socket is not connected.
    virtual qint64 writeRaw(const QByteArray &bytes) = 0;
    virtual void restartKeepOnline() = 0;
    virtual void restartKeepOnlineIfActive() = 0;
    virtual void startWatchdog() = 0; // 10 s without a line or a verification
    virtual void stopWatchdog() = 0;
    virtual void startBootWait() = 0; // 4 s for FLASHREADY
    virtual void stopBootWait() = 0;
    // Abort the socket and dial the device again.
    virtual void redial() = 0;
    // The peer on this connection is the dash boot loader: it reads no frames, and one among its
    // packets would shift every byte after it.
    virtual void holdFramesForBootLoader() = 0;

    // Device identity, kept by the command handler.
    virtual QString currFirmwareVersion() const = 0;
    virtual void setCurrFirmwareVersion(const QString &text) = 0;
    virtual void setPdmFirmwareFromParameter(uint parameter) = 0;
    virtual QString serialHash() const = 0;
    virtual void setSerialHash(const QString &hash) = 0;
    virtual void forgetSerialHash() = 0;
    virtual void resetResendCount() = 0;
};
