#include "link/flash/DeviceLinkFlashPort.h"

#include "link/DeviceLink.h"
#include "link/dispatch/FirmwareVersion.h"
#include "link/dispatch/MessageDispatcher.h"
#include "link/flash/Flasher.h"

#include <QTimer>

int DeviceLinkFlashPort::ardixStatus() const { return m_link.ardixStatus(); }
void DeviceLinkFlashPort::setArdixStatus(int status) { m_link.setArdixStatus(status); }
int DeviceLinkFlashPort::deviceId() const { return m_link.deviceId(); }
void DeviceLinkFlashPort::setDeviceId(int deviceId) { m_link.setDeviceId(deviceId); }

void DeviceLinkFlashPort::queueCommand(uint command, uint parameter)
{
    m_link.sendToArdixQueue(LinkConst::CommandMessage, command, parameter);
}

qint64 DeviceLinkFlashPort::writeRaw(const QByteArray &bytes) { return m_link.writeRaw(bytes); }
void DeviceLinkFlashPort::restartKeepOnline() { m_link.keepOnlineTimer()->start(); }

void DeviceLinkFlashPort::restartKeepOnlineIfActive()
{
    if (m_link.keepOnlineTimer()->isActive())
        m_link.keepOnlineTimer()->start();
}

void DeviceLinkFlashPort::startWatchdog() { m_link.flashingTimer()->start(); }
void DeviceLinkFlashPort::stopWatchdog() { m_link.flashingTimer()->stop(); }
void DeviceLinkFlashPort::startBootWait() { m_link.bootWaitTimer()->start(); }
void DeviceLinkFlashPort::stopBootWait() { m_link.bootWaitTimer()->stop(); }
void DeviceLinkFlashPort::redial() { m_link.redial(); }
void DeviceLinkFlashPort::holdFramesForBootLoader() { m_link.holdFramesForBootLoader(); }
QString DeviceLinkFlashPort::currFirmwareVersion() const { return m_dispatcher.currFirmwareVersion(); }
void DeviceLinkFlashPort::setCurrFirmwareVersion(const QString &text) { m_dispatcher.setCurrFirmwareVersion(text); }

void DeviceLinkFlashPort::setPdmFirmwareFromParameter(uint parameter)
{
    m_dispatcher.setPdmCurrFirmwareVersion(FirmwareVersion::textFromParameter(parameter));
}

QString DeviceLinkFlashPort::serialHash() const { return m_dispatcher.serialHash(); }
void DeviceLinkFlashPort::setSerialHash(const QString &hash) { m_dispatcher.setSerialHash(hash); }
void DeviceLinkFlashPort::forgetSerialHash() { m_dispatcher.forgetSerialHash(); }
void DeviceLinkFlashPort::resetResendCount() { m_dispatcher.resetResendCount(); }

void connectFlasherToLink(DeviceLink &link, Flasher &flasher)
{
    QObject::connect(&link, &DeviceLink::commandReceived, &flasher,
                     [&flasher](uint command, uint sender, uint parameter, uint parameter1, const QByteArray &) {
                         flasher.onCommand(command, sender, parameter, parameter1);
                     });
    QObject::connect(&link, &DeviceLink::bootLoaderText, &flasher, &Flasher::onBootText);
    QObject::connect(&link, &DeviceLink::flashingTimeout, &flasher, &Flasher::wifi_flashingTimeout);
    QObject::connect(&link, &DeviceLink::bootWaitTimeout, &flasher, &Flasher::wifi_kostilStariyBootTimeout);
    QObject::connect(&link, &DeviceLink::ardixStatusChanged, &flasher, [&link, &flasher] {
        if (link.ardixStatus() == LinkConst::ardixOffline)
            flasher.onLinkOffline();
    });
}
