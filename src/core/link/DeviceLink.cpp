#include "link/DeviceLink.h"

#include "link/LinkLog.h"

#include <QDateTime>
#include <QSettings>
#include <QTcpSocket>
#include <QTimer>

using namespace LinkConst;

namespace {
QTimer *makeTimer(QObject *parent, int ms, void (DeviceLink::*slot)(), DeviceLink *link)
{
    auto *t = new QTimer(parent);
    t->setInterval(ms);
    t->setSingleShot(false);
    QObject::connect(t, &QTimer::timeout, link, slot);
    return t;
}
} // namespace

DeviceLink::DeviceLink(QString host, quint16 port, QObject *parent)
    : QObject(parent), m_host(std::move(host)), m_port(port)
{
    m_socket = new QTcpSocket(this);
    m_socket->setReadBufferSize(0);
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    connect(m_socket, &QTcpSocket::connected, this, &DeviceLink::onWifiConnected);
    connect(m_socket, &QTcpSocket::disconnected, this, &DeviceLink::onWifiDisconnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &DeviceLink::onWifiError);
    connect(m_socket, &QTcpSocket::readyRead, this, &DeviceLink::onWifiDataReady);

    m_keepOnline = makeTimer(this, KeepOnlineMs, &DeviceLink::wifi_keepOnlineTimeout, this);
    m_checkOnline = makeTimer(this, CheckOnlineMs, &DeviceLink::wifi_checkOnlineTimeout, this);
    m_sendQueue = makeTimer(this, SendQueueMs, &DeviceLink::wifi_sendToArdixTimeout, this);
    m_gotHeader = makeTimer(this, GotHeaderMs, &DeviceLink::wifi_gotHeaderTimeout, this);
    m_headerParse = makeTimer(this, HeaderParseMs, &DeviceLink::wifi_headerParseTimeout, this);
    m_flashing = makeTimer(this, FlashingMs, &DeviceLink::wifi_flashingTimeout, this);
    m_bootWait = makeTimer(this, BootWaitMs, &DeviceLink::wifi_kostilStariyBootTimeout, this);
    m_logData = new QTimer(this);
    m_logData->setInterval(LogDataMs);
    connect(m_logData, &QTimer::timeout, this, &DeviceLink::logDataTimeout);
}

DeviceLink::~DeviceLink()
{
    // Tear-down must not run the disconnect handling against half-destroyed members.
    m_socket->disconnect(this);
    m_socket->abort();
}

void DeviceLink::start()
{
    m_receiver.reset();
    dial();
    m_keepOnline->start();
    m_checkOnline->start();
}

void DeviceLink::dial()
{
    qCInfo(lcLink) << "dialling" << m_host << m_port;
    m_socket->connectToHost(m_host, m_port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
}

void DeviceLink::closeAndAbort()
{
    m_socket->disconnectFromHost();
    m_socket->abort();
}

// With the receiver cleared there is nothing left for them to watch.
void DeviceLink::stopWatchdogs()
{
    m_gotHeader->stop();
    m_headerParse->stop();
}

void DeviceLink::popUp(const char *text)
{
    Q_EMIT popUpSignal(QString::fromUtf8(text));
}

bool DeviceLink::logDownloadRunning() const
{
    return m_logData->isActive();
}

qint64 DeviceLink::localSecondsSinceEpoch()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.toSecsSinceEpoch() + now.offsetFromUtc();
}

// ---- state -------------------------------------------------------------------------------

void DeviceLink::setArdixStatus(int newStatus)
{
    const auto s = uint8_t(newStatus);
    if (s == m_status)
        return;
    m_status = s;
    Q_EMIT ardixStatusChanged();
}

void DeviceLink::setDeviceId(int newDeviceId)
{
    const auto d = uint8_t(newDeviceId);
    if (d == m_deviceId)
        return;
    m_deviceId = d;
    Q_EMIT deviceIdChanged();
}

void DeviceLink::goWifiOffline()
{
    m_bootLoaderPeer = false;
    setArdixStatus(ardixOffline);
    closeAndAbort();
    Q_EMIT deviceSerialCleared();
}

// ---- sending -----------------------------------------------------------------------------

void DeviceLink::sendToArdix(uint action, uint dataOrCommand, uint i_parameter)
{
    if (framesHeld()) {
        qCInfo(lcLink) << "frame held back from the boot loader's stream:" << action << dataOrCommand;
        return;
    }
    FrameContext ctx;
    ctx.status = m_status;
    ctx.deviceId = m_deviceId;
    ctx.images = m_images;
    const BuiltFrame f = buildFrame(action, dataOrCommand, i_parameter, ctx);
    if (f.dropped)
        return;
    if (f.showBusy)
        Q_EMIT showBusyWithTimeout(BusyTimeoutMs);
    if (f.startsLogDownload) {
        Q_EMIT progressMoving(1);
        Q_EMIT logFileRequested(i_parameter);
        Q_EMIT logDownloadStarted();
        m_logData->start(LogDataFirstMs);
    }
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    // Asynchronous writes: the socket keeps the order, and the device only needs the header
    // before the block.
    m_socket->write(f.headerBytes);
    if (f.isData && !f.data.isEmpty())
        m_socket->write(f.data);
}

void DeviceLink::dropQueuedLogRequests()
{
    m_queue.removeCommand(LogPacketCrcBAD);
    m_queue.removeCommand(LogPacketVerify);
}

qint64 DeviceLink::writeRaw(const QByteArray &bytes)
{
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return -1;
    return m_socket->write(bytes);
}

void DeviceLink::redial()
{
    m_bootLoaderPeer = false;
    closeAndAbort();
    dial();
}

void DeviceLink::sendToArdixQueue(uint action, uint dataOrCommand, uint parameter)
{
    const QueueEntry e{uint8_t(action), uint8_t(dataOrCommand), uint32_t(parameter)};
    switch (m_queue.enqueue(e)) {
    case SendQueue::Added::AlreadyFirst:
    case SendQueue::Added::Appended:
        if (!m_sendQueue->isActive())
            m_sendQueue->start();
        break;
    case SendQueue::Added::Refused:
        break;
    }
}

void DeviceLink::wifi_sendToArdixTimeout()
{
    if (logDownloadRunning())
        return;

    if (m_queue.awaitingReply()) {
        const bool wait = m_socket->state() == QAbstractSocket::ConnectedState && m_queue.countDown();
        if (!wait)
            m_queue.clearAwaitingReply();
    } else if (!m_queue.isEmpty()) {
        const QueueEntry e = m_queue.takeFirst();
        if (framesHeld()
            || (m_status != ardixOnline && !e.isKeepOnline() && m_deviceId != Device_PmxBoot)) {
            m_queue.clearAwaitingReply();
        } else {
            if (SendQueue::wantsBusyIndicator(e))
                Q_EMIT showBusyWithTimeout(BusyTimeoutMs);

            if (e.isCommand(PdmStartRealTimeDataLoop)) {
                Q_EMIT pdmRealtimeResetRequested();
                sendToArdix(e.action, e.dataOrCommand, e.parameter);
                m_keepOnline->start();
            } else {
                sendToArdix(e.action, e.dataOrCommand, e.parameter);
                if (m_status != ardixOffline && SendQueue::expectsReply(e))
                    m_queue.setAwaitingReply();
                m_keepOnline->start();
            }

            if (!e.isKeepOnline() && !e.isCommand(PdmStartRealTimeDataLoop))
                m_checkOnline->start(e.isCommand(GetLogFile) ? CheckOnlineLogMs : CheckOnlineMs);
            if (e.isData() && m_queue.isEmpty() && m_deviceId == Device_Ardix7)
                sendToArdixQueue(CommandMessage, CheckSettingsSync, uint(localSecondsSinceEpoch()));
            if (e.isKeepOnline() || e.isData()) {
                m_lastSent = e;
                m_hasLastSent = true;
            }
        }
    }

    if (m_queue.isEmpty() && !m_queue.awaitingReply())
        m_sendQueue->stop();
}

// ---- timers ------------------------------------------------------------------------------

void DeviceLink::wifi_keepOnlineTimeout()
{
    if (m_isMobile && !m_appActive)
        return;
    if (m_status > ardixOnline || m_receiver.halfReceived())
        return;

    if (m_socket->state() == QAbstractSocket::ConnectedState) {
        if (m_deviceId != Device_Ardix7Boot)
            sendToArdixQueue(CommandMessage, KeepOnline, m_status);
        return;
    }

    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        closeAndAbort();
    dial();
    if (m_attempts < ConnectAttemptsAnnounced) {
        popUp(LinkText::SearchingDevice);
        if (m_attempts == ConnectAttemptGivingUp) {
            setArdixStatus(ardixOffline);
            popUp(LinkText::NoConnection);
            QSettings store(QStringLiteral("Ardix"), QStringLiteral("Ardix"));
            const int taught = store.value(QLatin1String(Teach1Key), 0).toInt();
            if (taught < Teach1Limit) {
                store.setValue(QLatin1String(Teach1Key), taught + 1);
                Q_EMIT showInfoMessage(QString::fromUtf8(LinkText::NotConnectedYet));
            }
        }
        ++m_attempts;
    }
}

void DeviceLink::wifi_checkOnlineTimeout()
{
    const bool connected = m_socket->state() == QAbstractSocket::ConnectedState;
    if (m_isMobile && !m_appActive) {
        if (!logDownloadRunning() && m_status == ardixOnline) {
            setArdixStatus(ardixOffline);
            closeAndAbort();
        }
        return;
    }
    if (m_status == ardixOnline && !m_receiver.isCollecting() && !logDownloadRunning()) {
        Q_EMIT hideBusy();
        popUp(LinkText::NoConnection);
        setArdixStatus(ardixOffline);
        closeAndAbort();
    } else if (m_status == ardixOffline && connected) {
        closeAndAbort();
    } else if (m_status == ardixBootOnline) {
        setArdixStatus(ardixOffline);
    }
}

void DeviceLink::wifi_gotHeaderTimeout()
{
    const FrameHeader stalled = m_receiver.currentHeader();
    m_queue.clearAwaitingReply();
    m_keepOnline->start();
    m_receiver.leaveCollection();
    m_gotHeader->stop();
    if (stalled.dataOrCommand != LogFileData)
        Q_EMIT progressMoving(100);
    if (logDownloadRunning())
        m_logData->start(LogDataMs);

    const quint32 logBytes = logBytesReceived();
    if (logBytes > 0 || stalled.dataOrCommand == LogFileData)
        sendToArdixQueue(CommandMessage, LogPacketCrcBAD, logBytes);
    else if (!m_pdmRealtime)
        sendToArdixQueue(CommandMessage, AskResendPrevPacket, 0);
}

void DeviceLink::wifi_headerParseTimeout()
{
    if ((m_receiver.storedHeaderBytes() >= 2 && m_receiver.storedAction() == FlashData) || !m_synced)
        sendToArdixQueue(CommandMessage, AskResendPrevPacket, 0);
    m_headerParse->stop();
    m_receiver.dropPartialHeader();
    m_receiver.leaveCollection();
    m_queue.clearAwaitingReply();
}

void DeviceLink::wifi_flashingTimeout()
{
    Q_EMIT flashingTimeout();
}

void DeviceLink::wifi_kostilStariyBootTimeout()
{
    Q_EMIT bootWaitTimeout();
}

// ---- socket ------------------------------------------------------------------------------

void DeviceLink::onWifiConnected()
{
    // Some platforms only honour these once the connection exists.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    m_queue.clear();
    m_bootLoaderPeer = false;
    m_errorPopUps = 0;
    m_checkOnline->start(CheckOnlineMs);
    if (m_status != ardixOnline) {
        m_keepOnline->start();
        sendToArdixQueue(CommandMessage, KeepOnline, m_status);
    }
}

void DeviceLink::onWifiDisconnected()
{
    m_bootLoaderPeer = false;
    setArdixStatus(ardixOffline);
    m_keepOnline->start(KeepOnlineMs);
    m_receiver.reset();
    stopWatchdogs();
    m_queue.clear();
    Q_EMIT hideBusy();
    popUp(LinkText::Disconnected);
    m_synced = false;
}

void DeviceLink::onWifiError(QAbstractSocket::SocketError socketError)
{
    qCInfo(lcLink) << "socket error" << socketError << m_socket->errorString();
    m_bootLoaderPeer = false;
    setArdixStatus(ardixOffline);
    m_receiver.reset();
    stopWatchdogs();
    // A refused dial fails at once, every second: like the search, say so only a few times.
    if (m_errorPopUps < ConnectAttemptsAnnounced) {
        ++m_errorPopUps;
        popUp(LinkText::NoConnection);
    }
    closeAndAbort();
    m_synced = false;
}

void DeviceLink::onWifiDataReady()
{
    const QByteArray chunk = m_socket->readAll();
    m_checkOnline->start();
    m_receiver.feed(chunk);
}

// ---- receiver events ---------------------------------------------------------------------

void DeviceLink::headerByteStored()
{
    m_headerParse->start();
}

void DeviceLink::headerCompleted()
{
    m_headerParse->stop();
}

void DeviceLink::badHeader(bool closeLink)
{
    m_queue.clearAwaitingReply();
    if (closeLink) {
        qCInfo(lcLink) << "too many bad headers, closing";
        m_socket->disconnectFromHost();
    }
}

void DeviceLink::commandFrame(const FrameHeader &h)
{
    m_queue.clearAwaitingReply();
    if (m_minimalKeepOnline && h.dataOrCommand == KeepOnline) {
        if ((h.sender == Device_Ardix7 || h.sender == Device_Pmx) && m_status != ardixOnline) {
            m_keepOnline->setInterval(KeepOnlineMs);
            setArdixStatus(ardixOnline);
            setDeviceId(h.sender);
        } else if (h.sender == Device_PmxBoot && m_status <= ardixOnline) {
            setArdixStatus(ardixBootOnline);
            setDeviceId(Device_PmxBoot);
        }
    }
    Q_EMIT commandReceived(h.dataOrCommand, h.sender, h.parameter, h.parameter1,
                           QByteArray(reinterpret_cast<const char *>(h.auxData.data()),
                                      qsizetype(h.auxData.size())));
}

void DeviceLink::dataHeader(const FrameHeader &h)
{
    m_gotHeader->start(GotHeaderMs);
    if (h.dataOrCommand == AllData || h.dataOrCommand == PdmCommonSettings)
        Q_EMIT hideBusy();
    if (m_keepOnline->isActive() && h.dataOrCommand != PdmRealtimeData_MessageType)
        m_keepOnline->start();
}

void DeviceLink::dataActivity()
{
    m_gotHeader->start();
}

void DeviceLink::dataAppended(const FrameHeader &)
{
    m_gotHeader->start();
    if (m_logData->isActive())
        m_logData->start(LogDataMs);
}

void DeviceLink::busyBegins()
{
    Q_EMIT showBusy();
}

void DeviceLink::progress(unsigned percent)
{
    Q_EMIT progressMoving(percent);
}

void DeviceLink::dataEnded(const FrameHeader &h)
{
    m_queue.clearAwaitingReply();
    m_gotHeader->stop();
    if (h.dataOrCommand != PdmRealtimeData_MessageType)
        m_keepOnline->start();
}

void DeviceLink::dataFrame(const FrameHeader &h, const QByteArray &block)
{
    Q_EMIT dataReceived(block, h.dataOrCommand, h.parameter, h.parameter1);
}

void DeviceLink::dataFrameCrcBad(const FrameHeader &h)
{
    qCInfo(lcLink) << "data block checksum mismatch, type" << h.dataOrCommand;
    if (h.dataOrCommand == LogFileData) {
        // A stray block outside a download is no one's: asking for it again would start the
        // log-data timer and freeze the queue for a download the user never began.
        if (!logDownloadRunning())
            return;
        m_logData->start(LogDataMs);
        Q_EMIT logBlockCrcBad();
        sendToArdix(CommandMessage, LogPacketCrcBAD, logBytesReceived());
    } else if (!m_pdmRealtime) {
        sendToArdixQueue(CommandMessage, AskResendPrevPacket, 0);
    }
}

void DeviceLink::unframedChunk(const QByteArray &chunk)
{
    Q_EMIT bootLoaderText(chunk);
}
