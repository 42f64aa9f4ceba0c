#include "link/dispatch/DeviceLinkPort.h"

#include "link/DeviceLink.h"
#include "link/dispatch/MessageDispatcher.h"

#include <QTcpSocket>
#include <QTimer>

int DeviceLinkPort::ardixStatus() const { return m_link.ardixStatus(); }
void DeviceLinkPort::setArdixStatus(int status) { m_link.setArdixStatus(status); }
int DeviceLinkPort::deviceId() const { return m_link.deviceId(); }
void DeviceLinkPort::setDeviceId(int deviceId) { m_link.setDeviceId(deviceId); }

void DeviceLinkPort::sendToArdixQueue(uint action, uint dataOrCommand, uint parameter)
{
    m_link.sendToArdixQueue(action, dataOrCommand, parameter);
}

void DeviceLinkPort::sendToArdix(uint action, uint dataOrCommand, uint parameter)
{
    m_link.sendToArdix(action, dataOrCommand, parameter);
}

void DeviceLinkPort::restartKeepOnline(int ms) { m_link.keepOnlineTimer()->start(ms); }
void DeviceLinkPort::restartCheckOnline(int ms) { m_link.checkOnlineTimer()->start(ms); }
bool DeviceLinkPort::logDataTimerActive() const { return m_link.logDataTimer()->isActive(); }
void DeviceLinkPort::restartLogDataTimer(int ms) { m_link.logDataTimer()->start(ms); }
void DeviceLinkPort::stopLogDataTimer() { m_link.logDataTimer()->stop(); }
void DeviceLinkPort::dropQueuedLogRequests() { m_link.dropQueuedLogRequests(); }
void DeviceLinkPort::setSynced(bool synced) { m_link.setSynced(synced); }

std::optional<QueueEntry> DeviceLinkPort::lastSent() const
{
    if (!m_link.hasLastSent())
        return std::nullopt;
    return m_link.lastSent();
}

void DeviceLinkPort::detachFromSocket()
{
    QObject::disconnect(m_link.socket(), nullptr, &m_link, nullptr);
}

qint64 DeviceLinkPort::localSecondsSinceEpoch() const
{
    return DeviceLink::localSecondsSinceEpoch();
}

void connectDispatcherToLink(DeviceLink &link, MessageDispatcher &dispatcher)
{
    link.setMinimalKeepOnlineHandling(false);
    link.setLogBytesProvider([&dispatcher] { return dispatcher.logBytesReceived(); });
    QObject::connect(&link, &DeviceLink::commandReceived, &dispatcher,
                     &MessageDispatcher::handleCommand);
    QObject::connect(&link, &DeviceLink::dataReceived, &dispatcher, &MessageDispatcher::handleData);
    QObject::connect(&link, &DeviceLink::logFileRequested, &dispatcher, &MessageDispatcher::onLogFileRequested);
    QObject::connect(&link, &DeviceLink::logDownloadStarted, &dispatcher,
                     &MessageDispatcher::onLogDownloadStarted);
    QObject::connect(&link, &DeviceLink::logDataTimeout, &dispatcher,
                     &MessageDispatcher::logDataTimeout);
    QObject::connect(&link, &DeviceLink::deviceSerialCleared, &dispatcher,
                     &MessageDispatcher::forgetSerialHash);
    QObject::connect(&link, &DeviceLink::ardixStatusChanged, &dispatcher, [&link, &dispatcher] {
        if (link.ardixStatus() != LinkConst::ardixOnline)
            dispatcher.setSkinModeFromFile(false);
    });
}
