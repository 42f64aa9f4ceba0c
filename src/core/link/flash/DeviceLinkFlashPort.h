#pragma once
// Flashing's view of the real link and of the command handler's device identity.

#include "link/flash/FlashPort.h"

class DeviceLink;
class MessageDispatcher;
class Flasher;

class DeviceLinkFlashPort : public FlashPort
{
public:
    DeviceLinkFlashPort(DeviceLink &link, MessageDispatcher &dispatcher)
        : m_link(link), m_dispatcher(dispatcher)
    {
    }

    int ardixStatus() const override;
    void setArdixStatus(int status) override;
    int deviceId() const override;
    void setDeviceId(int deviceId) override;
    void queueCommand(uint command, uint parameter) override;
    qint64 writeRaw(const QByteArray &bytes) override;
    void restartKeepOnline() override;
    void restartKeepOnlineIfActive() override;
    void startWatchdog() override;
    void stopWatchdog() override;
    void startBootWait() override;
    void stopBootWait() override;
    void redial() override;
    void holdFramesForBootLoader() override;
    QString currFirmwareVersion() const override;
    void setCurrFirmwareVersion(const QString &text) override;
    void setPdmFirmwareFromParameter(uint parameter) override;
    QString serialHash() const override;
    void setSerialHash(const QString &hash) override;
    void forgetSerialHash() override;
    void resetResendCount() override;

private:
    DeviceLink &m_link;
    MessageDispatcher &m_dispatcher;
};

// Command frames, boot loader lines and the two flashing timers go to the flasher.
void connectFlasherToLink(DeviceLink &link, Flasher &flasher);
