#include "simcore/device/DeviceSimulator.h"

#include "simcore/device/SimBootLoader.h"
#include "simcore/device/SimFrameNames.h"
#include "simcore/device/SimSettingsBlocks.h"
#include "simcore/device/SimWebPage.h"

#include <QHostAddress>
#include <QLoggingCategory>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>

Q_LOGGING_CATEGORY(lcSim, "ardix.sim", QtWarningMsg)

namespace {

constexpr quint8 DashSender = 0;
constexpr quint8 PdmSender = 4;
constexpr quint8 PdmBootSender = 5;
constexpr quint32 LogSpacingSeconds = 86400 + 3600;

} // namespace

DeviceSimulator::DeviceSimulator(const SimOptions &options, QObject *parent)
    : QObject(parent),
      m_opt(options),
      m_store(options.stateDir, options.serial,
              options.role == SimRole::Dash && options.refLap ? qCompress(makeSyntheticRefLap()) : QByteArray()),
      m_faults(options.seed, options.faults),
      m_live(options.seed, options.serial),
      m_server(new QTcpServer(this))
{
    m_flashFaults = options.flashFaults;
    m_clock.start();
    m_flushTimer.setSingleShot(true);
    // Written bytes keep the order of their due times, also against the simulator's other timers.
    m_flushTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_flushTimer, &QTimer::timeout, this, &DeviceSimulator::flushOut);
    m_realtime.setInterval(std::max(10, m_opt.realtimeIntervalMs));
    connect(&m_realtime, &QTimer::timeout, this, &DeviceSimulator::sendRealtime);
    m_drift.setInterval(m_opt.driftMs);
    connect(&m_drift, &QTimer::timeout, this, &DeviceSimulator::driftSettings);
    connect(m_server, &QTcpServer::newConnection, this, &DeviceSimulator::onNewConnection);
    if (m_opt.role == SimRole::DashBoot || m_opt.role == SimRole::PdmBoot)
        m_boot = std::make_unique<SimBootLoader>(*this);
    if (m_opt.webPort >= 0)
        m_web = std::make_unique<SimWebPage>(m_store, [this] {
            persist();
            emit wifiChanged();
        });
    buildLogs();
}

DeviceSimulator::~DeviceSimulator()
{
    if (m_client)
        m_client->abort();
}

bool DeviceSimulator::start()
{
    // Loopback only: the simulator never listens on an outside address.
    if (!m_server->listen(QHostAddress::LocalHost, m_opt.port))
        return false;
    if (m_web && !m_web->listen(quint16(m_opt.webPort)))
        return false;
    m_store.save(); // a fresh state folder shows the device's blocks at once
    if (m_opt.driftMs > 0 && m_opt.role == SimRole::Dash)
        m_drift.start();
    trace(QStringLiteral("listening on 127.0.0.1:%1%2").arg(port())
              .arg(m_web ? QStringLiteral(", web page on 127.0.0.1:%1").arg(webPort()) : QString()));
    return true;
}

quint16 DeviceSimulator::port() const
{
    return m_server->serverPort();
}

quint16 DeviceSimulator::webPort() const
{
    return m_web ? m_web->port() : 0;
}

int DeviceSimulator::firmwareNumber() const
{
    return m_opt.firmware.mid(1, 3).toInt();
}

double DeviceSimulator::firmwareVersion() const
{
    const QByteArray text = m_opt.firmware.left(2) + "." + m_opt.firmware.mid(2, 2);
    return text.size() == 5 ? text.mid(1).toDouble() : 0;
}

int DeviceSimulator::dashKnownSize() const
{
    return firmwareVersion() < 0.945 ? SimSettings::DashShortBlockSize : SimSettings::DashBlockSize;
}

quint8 DeviceSimulator::senderId() const
{
    switch (m_opt.role) {
    case SimRole::Pdm: return PdmSender;
    case SimRole::PdmBoot: return PdmBootSender;
    default: return DashSender;
    }
}

void DeviceSimulator::setDashBlock(const QByteArray &block)
{
    m_store.dash.replace(0, std::min<int>(block.size(), SimSettings::DashBlockSize),
                         block.left(SimSettings::DashBlockSize));
    persist();
}

void DeviceSimulator::setPdmBlock(const QByteArray &block)
{
    if (block.size() != SimSettings::PdmBlockSize)
        return;
    m_store.pdm = block;
    SimSettings::sealPdmBlock(m_store.pdm);
    persist();
}

void DeviceSimulator::setPdmPassword(const QByteArray &hash64)
{
    QByteArray b = m_store.pdm;
    quint8 flags = quint8(b[SimSettings::PdmFlagsOffset]);
    flags = hash64.isEmpty() ? (flags & 0x7F) : (flags | 0x80);
    b[SimSettings::PdmFlagsOffset] = char(flags);
    b.replace(SimSettings::PdmPasswordHashOffset, SimSettings::PdmPasswordHashSize,
              hash64.leftJustified(SimSettings::PdmPasswordHashSize, '\0', true));
    setPdmBlock(b);
}

void DeviceSimulator::buildLogs()
{
    m_logs.clear();
    if (m_store.logsCleared || m_opt.role != SimRole::Dash)
        return;
    for (int i = 0; i < m_opt.logCount; ++i) {
        SyntheticLogOptions o = m_opt.logTemplate;
        o.seed = m_opt.seed * 1000 + quint32(i);
        o.startTime = m_opt.logTemplate.startTime + quint32(i) * LogSpacingSeconds;
        o.laps = std::max(1, m_opt.logTemplate.laps + (i % 2));
        m_logs.append(makeSyntheticLog(o));
    }
}

QList<QByteArray> DeviceSimulator::logFiles() const
{
    QList<QByteArray> out;
    for (const SyntheticLog &l : m_logs)
        out.append(l.file);
    return out;
}

QByteArray DeviceSimulator::logList() const
{
    QByteArray out;
    int used = 0;
    for (const SyntheticLog &l : m_logs) {
        used += int(l.file.size());
        // Memory fill as the dash reports it: share of a 16 MB log area.
        const int percent = std::clamp(used * 100 / (16 * 1024 * 1024) + 1, 1, 100);
        out.append(logListEntry(quint8(percent), l.startTime, l.endTime));
    }
    return out;
}

void DeviceSimulator::persist()
{
    m_store.save();
    emit settingsStored();
}

QList<SimFrame> DeviceSimulator::framesOf(quint8 action, quint8 type) const
{
    QList<SimFrame> out;
    for (const SimFrame &f : m_received)
        if (f.action == action && f.type == type)
            out.append(f);
    return out;
}

bool DeviceSimulator::hasClient() const
{
    return m_client && m_client->state() == QAbstractSocket::ConnectedState;
}

void DeviceSimulator::dropClient()
{
    if (m_client)
        m_client->abort();
}

void DeviceSimulator::onNewConnection()
{
    while (QTcpSocket *s = m_server->nextPendingConnection()) {
        // One client at a time, as the real device: a new one replaces the old.
        if (m_client) {
            m_client->abort();
            m_client->deleteLater();
        }
        m_client = s;
        s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_parser = SimCodec::StreamParser();
        m_out.clear();
        m_quietUntil = 0;
        connect(s, &QTcpSocket::readyRead, this, &DeviceSimulator::onReadyRead);
        connect(s, &QTcpSocket::disconnected, this, &DeviceSimulator::onDisconnected);
        trace(QStringLiteral("client connected from port %1").arg(s->peerPort()));
        emit clientConnected();
        if (m_boot)
            m_boot->onConnected();
    }
}

void DeviceSimulator::onDisconnected()
{
    auto *s = qobject_cast<QTcpSocket *>(QObject::sender());
    if (s && s != m_client)
        return;
    m_realtime.stop();
    m_transfer = {};
    m_lastData.reset();
    m_out.clear();
    m_flushTimer.stop();
    trace(QStringLiteral("client disconnected"));
    emit clientDisconnected();
    if (s)
        s->deleteLater();
}

void DeviceSimulator::onReadyRead()
{
    auto *s = qobject_cast<QTcpSocket *>(QObject::sender());
    if (!s || s != m_client)
        return;
    const QByteArray bytes = s->readAll();
    if (m_boot && m_boot->takesRawBytes()) {
        m_boot->feed(bytes);
        return;
    }
    const QList<SimFrame> frames = m_parser.feed(bytes);
    for (const SimFrame &f : frames) {
        m_received.append(f);
        trace(SimNames::describe(f, true));
        emit frameReceived(f);
        handle(f);
        if (m_boot && m_boot->takesRawBytes())
            break; // what follows is raw firmware, not frames
    }
}

void DeviceSimulator::send(SimFrame f)
{
    const bool leadIn = f.action == 0 && f.sender == DashSender;
    if (f.action == 0) {
        f.dataCrc = SimCodec::wordCrc(f.data);
        f.dataSize = quint32(f.data.size());
    }
    SimCodec::HeaderOptions header;
    if (f.action == 1) {
        // Command frames carry no block: dataCrc and dataSize stay 0 unless a command sets them.
        header.autoSizeAndCrc = false;
        f.dataSize = 0;
    }
    if (f.action == 0 && f.type != 7 && f.type != 14) // logs and live data have their own recovery
        m_lastData = f;
    trace(SimNames::describe(f, false));
    emit frameSent(f);
    QByteArray bytes = SimCodec::frame(f, leadIn, header);
    writeOut(bytes, f.action, f.type, SimCodec::HeaderLen);
}

void DeviceSimulator::sendRaw(const QByteArray &bytes)
{
    writeOut(bytes, -1, -1, 0);
}

void DeviceSimulator::sendCommand(quint8 command, quint32 parameter, quint8 parameter1, const QByteArray &aux)
{
    SimFrame f;
    f.action = 1;
    f.type = command;
    f.sender = senderId();
    f.parameter = parameter;
    f.parameter1 = parameter1;
    if (!aux.isEmpty())
        f.aux = aux.leftJustified(64, '\0', true);
    send(f);
}

void DeviceSimulator::sendData(quint8 type, const QByteArray &block, quint32 parameter, quint8 parameter1)
{
    SimFrame f;
    f.action = 0;
    f.type = type;
    f.sender = senderId();
    f.parameter = parameter;
    f.parameter1 = parameter1;
    f.data = block;
    send(f);
}

void DeviceSimulator::writeOut(QByteArray bytes, int action, int type, int headerLen)
{
    if (!hasClient())
        return;
    const qint64 now = m_clock.elapsed();
    qint64 due = std::max(now, m_quietUntil);
    if (!m_out.isEmpty())
        due = std::max(due, m_out.back().due);
    bool closeAfter = false;
    if (action >= 0) {
        switch (m_faults.forFrame(action, type)) {
        case SimFault::Drop:
            bytes = m_faults.dropSpan(bytes);
            trace(QStringLiteral("   fault: bytes dropped"));
            break;
        case SimFault::Corrupt:
            bytes = m_faults.corruptByte(bytes, 0);
            trace(QStringLiteral("   fault: byte corrupted"));
            break;
        case SimFault::Delay: {
            const int ms = m_faults.delayMs();
            due += ms;
            trace(QStringLiteral("   fault: delayed %1 ms").arg(ms));
            break;
        }
        case SimFault::Stall: {
            bytes.truncate(m_faults.cutPoint(headerLen, int(bytes.size())));
            m_quietUntil = due + m_faults.rates().stallMs;
            trace(QStringLiteral("   fault: stalled after %1 bytes").arg(bytes.size()));
            break;
        }
        case SimFault::Disconnect:
            bytes.truncate(m_faults.cutPoint(headerLen, int(bytes.size())));
            closeAfter = true;
            trace(QStringLiteral("   fault: disconnect after %1 bytes").arg(bytes.size()));
            break;
        default:
            break;
        }
    }
    m_out.append({bytes, due, closeAfter});
    flushOut();
}

void DeviceSimulator::flushOut()
{
    const qint64 now = m_clock.elapsed();
    while (!m_out.isEmpty() && m_out.front().due <= now) {
        const Out o = m_out.takeFirst();
        if (!hasClient()) {
            m_out.clear();
            return;
        }
        m_client->write(o.bytes);
        if (o.closeAfter) {
            m_out.clear();
            m_client->flush();
            m_client->disconnectFromHost();
            return;
        }
    }
    if (!m_out.isEmpty())
        m_flushTimer.start(int(std::max<qint64>(1, m_out.front().due - now)));
}

void DeviceSimulator::restartIntoApplication()
{
    // Queued: the boot loader that asks for this is still on the stack.
    QMetaObject::invokeMethod(this, [this] {
        m_opt.role = m_opt.role == SimRole::PdmBoot ? SimRole::Pdm : SimRole::Dash;
        m_boot.reset();
        buildLogs();
        dropClient();
        trace(QStringLiteral("restarted into the application"));
    }, Qt::QueuedConnection);
}

// As if someone changed a setting on the dash itself: the next sync check finds the blocks differ.
void DeviceSimulator::driftSettings()
{
    const int at = dashKnownSize() - 1;
    m_store.dash[at] = char(m_store.dash.at(at) ^ 0x01);
    persist();
    trace(QStringLiteral("settings changed on the device"));
}

void DeviceSimulator::restartIntoBootLoader()
{
    QMetaObject::invokeMethod(this, [this] {
        if (m_boot)
            return;
        m_opt.role = m_opt.role == SimRole::Pdm ? SimRole::PdmBoot : SimRole::DashBoot;
        m_realtime.stop();
        m_boot = std::make_unique<SimBootLoader>(*this);
        dropClient();
        trace(QStringLiteral("restarted into the boot loader"));
    }, Qt::QueuedConnection);
}

void DeviceSimulator::trace(const QString &line)
{
    if (m_trace)
        m_trace(line);
    else
        qCDebug(lcSim).noquote() << line;
}
