#pragma once
// LinkPort over the real connection, and the one call that connects a dispatcher to it.

#include "link/dispatch/DispatchPorts.h"

class DeviceLink;
class MessageDispatcher;

class DeviceLinkPort : public LinkPort
{
public:
    explicit DeviceLinkPort(DeviceLink &link) : m_link(link) {}

    int ardixStatus() const override;
    void setArdixStatus(int status) override;
    int deviceId() const override;
    void setDeviceId(int deviceId) override;
    void sendToArdixQueue(uint action, uint dataOrCommand, uint parameter) override;
    void sendToArdix(uint action, uint dataOrCommand, uint parameter) override;
    void restartKeepOnline(int ms) override;
    void restartCheckOnline(int ms) override;
    bool logDataTimerActive() const override;
    void restartLogDataTimer(int ms) override;
    void stopLogDataTimer() override;
    void dropQueuedLogRequests() override;
    void setSynced(bool synced) override;
    std::optional<QueueEntry> lastSent() const override;
    void detachFromSocket() override;
    qint64 localSecondsSinceEpoch() const override;

private:
    DeviceLink &m_link;
};

// Frames, log events and the log byte count between the link and the dispatcher; the dispatcher
// takes over the KeepOnline answers from the link's minimal handling.
void connectDispatcherToLink(DeviceLink &link, MessageDispatcher &dispatcher);
