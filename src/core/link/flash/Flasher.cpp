#include "link/flash/Flasher.h"

#include "link/LinkConstants.h"
#include "link/LinkLog.h"
#include "link/flash/FirmwareFileCheck.h"
#include "link/flash/FlashTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

using namespace LinkConst;

namespace {
constexpr int SerialHashLength = 128;
constexpr int PdmTimeoutsBeforeFailing = 5;
constexpr int DashRedialAt1 = 5, DashRedialAt2 = 10, DashRedialFrom = 15;
// A boot loader that times out after every re-dial would be re-dialled for ever.
constexpr int DashRedialsBeforeFailing = 3;
constexpr uint8_t ProgressCeiling = 98;
} // namespace

uint8_t Flasher::s_progressMemory = 0;

Flasher::Flasher(FlashPort &port, QString folder, QObject *parent)
    : QObject(parent), m_port(port), m_folder(std::move(folder))
{
    m_bootTextFlush.setSingleShot(true);
    m_bootTextFlush.setInterval(BootTextFlushMs);
    connect(&m_bootTextFlush, &QTimer::timeout, this, [this] {
        for (const QList<QByteArray> &parts : m_bootText.flush())
            onLine(parts);
    });
}

Flasher::~Flasher()
{
    waitForPreparation();
}

void Flasher::show(const char *text)
{
    Q_EMIT showInfoMessage(QString::fromUtf8(text));
}

bool Flasher::reflashing() const
{
    return m_port.ardixStatus() == ardixReflash;
}

// ---- starting ------------------------------------------------------------------------------

void Flasher::flashFirmware(const QString &fileName)
{
    if (reflashing()) {
        // The packets in flight are cut from the buffer a new file would replace.
        qCInfo(lcLink) << "flashing runs already, ignoring" << fileName;
        return;
    }
    m_port.restartKeepOnline();
    m_bootText.clear();
    // Only a file of the firmware folder: a name with a path in it would flash whatever it points at.
    const bool plainName = !fileName.isEmpty() && fileName != QLatin1String("..")
                           && !fileName.contains(QLatin1Char('/')) && !fileName.contains(QLatin1Char('\\'));
    QFile file(m_folder + fileName);
    if (!plainName || !QFileInfo(file).isFile()) {
        // Without a file the device would be told a stale size and wait for nothing.
        qCInfo(lcLink) << "no firmware file" << file.fileName();
        show(FlashText::NoFile);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCInfo(lcLink) << "cannot read firmware file" << file.fileName() << file.errorString();
        show(FlashText::NoFile);
        return;
    }
    QByteArray content = file.readAll();
    if (flash::checkAgainstName(fileName, content) != flash::FileCheck::Intact) {
        // Packets carry checksums of whatever the file holds: the device would take the damage.
        qCInfo(lcLink) << "firmware file does not match the MD5 in its name" << file.fileName();
        show(FlashText::DamagedFile);
        return;
    }
    waitForPreparation();
    m_firmware = std::move(content);
    m_prepared[0] = m_prepared[1] = -1;
    resetRun();
    m_redials = 0;

    const int status = m_port.ardixStatus();
    if (status == ardixBootOnline && m_port.deviceId() == Device_Ardix7Boot) {
        // The dash boot loader reads no frames: it is asked in its own words.
        sendFlashLine();
    } else if (status == ardixOnline || status == ardixBootOnline) {
        m_port.queueCommand(PrepareToFlash, firmwareSize());
        m_port.startWatchdog();
    }
}

// ---- PDM boot loader -----------------------------------------------------------------------

void Flasher::onCommand(uint dataOrCommand, uint sender, uint parameter, uint parameter1)
{
    if (sender != Device_PmxBoot)
        return;
    switch (dataOrCommand) {
    case KeepOnline:
        pdmKeepOnline(parameter);
        break;
    case DeviceSerialNum:
        pdmSerial();
        break;
    case ReadyToFlash:
        pdmReady(parameter);
        break;
    case FlashPacketVerify:
        if (reflashing())
            pdmVerified();
        break;
    case FlashPacketTimeout:
    case FlashPacketBadCrc:
        if (reflashing())
            pdmResend(dataOrCommand == FlashPacketTimeout, parameter);
        break;
    case ErrorMessage:
    case FlashingAbort:
        if (reflashing())
            pdmError(dataOrCommand == FlashingAbort, parameter1);
        break;
    default:
        break;
    }
}

void Flasher::pdmKeepOnline(uint parameter)
{
    Q_EMIT popUpSignal(QString::fromUtf8(FlashText::PdmBoot));
    const int status = m_port.ardixStatus();
    if (status != ardixOffline && status != ardixOnline)
        return;
    m_port.setDeviceId(Device_PmxBoot);
    m_port.setArdixStatus(ardixBootOnline);
    m_port.queueCommand(DeviceSerialNum, 0);
    m_port.setPdmFirmwareFromParameter(parameter);
}

void Flasher::pdmSerial()
{
    if (m_port.ardixStatus() != ardixBootOnline || !hasFirmware())
        return;
    s_progressMemory = 0;
    m_port.resetResendCount();
    m_port.queueCommand(PrepareToFlash, firmwareSize());
    // A boot loader that never gets ready ends in a message, not in waiting.
    m_port.startWatchdog();
}

void Flasher::pdmReady(uint parameter)
{
    Q_EMIT hideBusy();
    if (m_port.ardixStatus() != ardixBootOnline || !hasFirmware() || parameter != firmwareSize())
        return;
    beginPackets();
    sendCurrentPacket();
}

void Flasher::pdmVerified()
{
    m_port.startWatchdog();
    m_timeouts = 0;
    packetConfirmed(m_index);
}

void Flasher::pdmResend(bool timeout, uint parameter)
{
    ++m_retries;
    m_index = std::min<uint32_t>(parameter, lastPacketIndex());
    m_port.startWatchdog();
    if (timeout && ++m_timeouts >= PdmTimeoutsBeforeFailing) {
        m_port.redial();
        failFlashing();
        return;
    }
    prepareInto(m_index);
    sendCurrentPacket();
}

void Flasher::pdmError(bool abort, uint parameter1)
{
    m_port.setArdixStatus(ardixOffline);
    m_port.stopWatchdog();
    m_port.restartKeepOnline();
    s_progressMemory = 0;
    Q_EMIT progressMoving(100);
    Q_EMIT flashingEnded();
    clearFlashingState();

    if (abort) {
        show(FlashText::Aborted);
        return;
    }
    switch (parameter1) {
    case Error_BadFirmware: show(FlashText::BadFirmware); break;
    case Error_WrongSerialNumber: show(FlashText::WrongSerialPdm); break;
    case Error_Timeout: show(FlashText::DeviceTimeout); break;
    case Error_SettingsSize: show(FlashText::SettingsSize); break;
    default: show(FlashText::OtherPdmError); break;
    }
}

// ---- dash boot loader ----------------------------------------------------------------------

void Flasher::onBootText(const QByteArray &chunk)
{
    const QList<QList<QByteArray>> lines = m_bootText.feed(chunk);
    if (m_bootText.hasPending())
        m_bootTextFlush.start();
    else
        m_bootTextFlush.stop();
    for (const QList<QByteArray> &parts : lines)
        onLine(parts);
}

void Flasher::onLine(const QList<QByteArray> &parts)
{
    const QByteArray &what = parts.at(0);
    const QByteArray &arg = parts.at(1);

    if (what == "bootloader") {
        m_port.holdFramesForBootLoader();
        m_port.forgetSerialHash();
        m_port.setCurrFirmwareVersion(QString());
        // The same hash the application sends: the catalogue asks for this device by it.
        if (arg.size() == SerialHashLength)
            m_port.setSerialHash(QString::fromLatin1(arg).toUpper());
        if (!m_port.serialHash().isEmpty())
            m_port.writeRaw(flash::connectLine());
        m_port.setDeviceId(Device_Ardix7Boot);
        return;
    }
    if (what == "BOOT") {
        const QString version = QString::fromLatin1(arg);
        if (version != m_port.currFirmwareVersion())
            m_port.setCurrFirmwareVersion(version);
        if (version.isEmpty()) {
            m_port.writeRaw(flash::connectLine());
            return;
        }
        m_port.setArdixStatus(ardixBootOnline);
        Q_EMIT popUpSignal(QString::fromUtf8(FlashText::DashBoot));
        m_port.setDeviceId(Device_Ardix7Boot);
        if (hasFirmware())
            sendFlashLine();
        return;
    }
    if (what == "FLASHREADY") {
        m_port.stopBootWait();
        if (m_port.ardixStatus() == ardixBootOnline && hasFirmware())
            beginPackets();
        if (reflashing())
            dashReflashLine(parts);
        return;
    }
    if (what == "ERROR") {
        dashError(arg);
        return;
    }
    if (what == "2BOOT") {
        if (m_port.ardixStatus() == ardixOnline)
            m_port.restartKeepOnlineIfActive();
        return;
    }
    if (reflashing())
        dashReflashLine(parts);
}

void Flasher::dashReflashLine(const QList<QByteArray> &parts)
{
    m_port.startWatchdog();
    const QByteArray &what = parts.at(0);
    if (what == "W")
        return;
    if (what == "TIMEOUT" || what == "BADCRC") {
        ++m_retries;
        bool ok = false;
        const uint wanted = parts.at(1).toUInt(&ok);
        m_index = std::min<uint32_t>(ok ? wanted : 0, lastPacketIndex());
        if (what == "TIMEOUT") {
            ++m_timeouts;
            if (m_timeouts == DashRedialAt1 || m_timeouts == DashRedialAt2 || m_timeouts > DashRedialFrom) {
                dashRedial();
                return;
            }
        }
        prepareInto(m_index);
        sendCurrentPacket();
        return;
    }
    if (what == "DONE") {
        // The device names the packet it took; it cannot have taken one not yet sent.
        bool ok = false;
        const uint taken = parts.at(1).toUInt(&ok);
        const uint32_t index = ok ? taken : m_index;
        if (index > m_index || index > lastPacketIndex()) {
            qCInfo(lcLink) << "boot loader confirmed packet" << index << "while" << m_index << "was sent";
            sendCurrentPacket();
            return;
        }
        m_timeouts = 0;
        packetConfirmed(index);
        return;
    }
    sendCurrentPacket();
}

void Flasher::dashRedial()
{
    if (++m_redials > DashRedialsBeforeFailing) {
        m_port.redial();
        failFlashing();
        return;
    }
    // The boot loader starts over on the new connection ("BOOT", then the FLASH line again).
    resetRun();
    m_port.setArdixStatus(ardixOffline);
    m_port.redial();
}

void Flasher::sendFlashLine()
{
    m_port.holdFramesForBootLoader();
    m_port.writeRaw(flash::flashLine(firmwareSize()));
    m_port.startBootWait();
    // A boot loader that stays silent from here on must not leave the run waiting for ever.
    m_port.startWatchdog();
    s_progressMemory = 0;
}

void Flasher::dashError(const QByteArray &reason)
{
    m_port.stopBootWait();
    m_port.setArdixStatus(ardixOffline);
    m_port.stopWatchdog();
    m_port.restartKeepOnline();
    Q_EMIT progressMoving(100);
    Q_EMIT flashingEnded();
    if (reason == "WRONG SERIALNUM") {
        show(FlashText::WrongSerialDash);
    } else if (reason == "TIMEOUT") {
        s_progressMemory = 0;
        Q_EMIT progressMoving(100);
        show(FlashText::DashTimeout);
    } else {
        show(FlashText::OtherDashError);
    }
    // Whatever the error, a later start must not count on this run's packets.
    clearFlashingState();
}

// ---- packets -------------------------------------------------------------------------------

void Flasher::beginPackets()
{
    m_port.setArdixStatus(ardixReflash);
    resetRun();
    m_startTime = QDateTime::currentDateTime();
    s_progressMemory = 0;
    Q_EMIT progressMoving(1);
    m_port.startWatchdog();
}

void Flasher::resetRun()
{
    m_index = 0;
    m_confirmed = 0;
    m_retries = 0;
    m_timeouts = 0;
    m_lastPacketGrace = false;
}

void Flasher::onLinkOffline()
{
    resetRun();
    m_bootText.clear();
    m_bootTextFlush.stop();
}

uint32_t Flasher::lastPacketIndex() const
{
    const uint32_t count = flash::packetCount(firmwareSize(), flash::geometryFor(m_port.deviceId()));
    return count > 0 ? count - 1 : 0;
}

void Flasher::packetConfirmed(uint32_t index)
{
    const flash::PacketGeometry g = flash::geometryFor(m_port.deviceId());
    if (flash::packetCount(firmwareSize(), g) == 0) {
        // Nothing but a header: no packet the device confirms can make a whole image.
        failFlashing();
        return;
    }
    m_confirmed = uint32_t(std::min<uint64_t>(firmwareSize(), uint64_t(g.header) + (uint64_t(index) + 1) * g.payload));
    if (index >= lastPacketIndex()) {
        success();
        return;
    }
    m_index = index + 1;
    sendCurrentPacket();
}

void Flasher::waitForPreparation()
{
    if (m_preparing.isValid())
        m_preparing.waitForFinished();
}

void Flasher::prepareInto(uint32_t packetNum)
{
    waitForPreparation();
    const int b = int(packetNum & 1u);
    m_packets[b] = flash::preparePacket(m_firmware, packetNum, flash::geometryFor(m_port.deviceId()));
    m_prepared[b] = packetNum;
}

void Flasher::wifi_preparePacketToSend(uint32_t packetNum)
{
    prepareInto(packetNum);
}

void Flasher::sendCurrentPacket()
{
    // The buffer about to go out may still be in the making.
    waitForPreparation();
    const int b = int(m_index & 1u);
    if (m_prepared[b] != int64_t(m_index))
        prepareInto(m_index);
    const QByteArray current = m_packets[b];

    const uint32_t next = m_index + 1;
    const int nb = int(next & 1u);
    m_prepared[nb] = next;
    m_preparing = QtConcurrent::run(
        [firmware = m_firmware, next, g = flash::geometryFor(m_port.deviceId()), out = &m_packets[nb]] {
            *out = flash::preparePacket(firmware, next, g);
        });

    m_port.writeRaw(current);
    emitProgress();
}

void Flasher::emitProgress()
{
    if (m_firmware.isEmpty())
        return;
    const auto p = uint8_t(uint64_t(m_confirmed) * 100u / uint64_t(m_firmware.size()));
    if (p > s_progressMemory) {
        Q_EMIT progressMoving(p);
        s_progressMemory = p > ProgressCeiling ? 0 : p;
    }
}

// ---- endings -------------------------------------------------------------------------------

void Flasher::clearFlashingState()
{
    waitForPreparation();
    resetRun();
    m_redials = 0;
    m_packets[0].clear();
    m_packets[1].clear();
    m_prepared[0] = m_prepared[1] = -1;
    m_firmware.clear();
    m_port.stopWatchdog();
}

void Flasher::success()
{
    m_port.stopWatchdog();
    m_port.setArdixStatus(ardixOffline);
    clearFlashingState();
    s_progressMemory = 0;
    Q_EMIT progressMoving(100);
    Q_EMIT flashingEnded();
    Q_EMIT hideBusy();
    show(FlashText::Success);
    m_port.setCurrFirmwareVersion(QString());
    m_port.restartKeepOnline();
}

void Flasher::wifi_flashingTimeout()
{
    if (!reflashing()) {
        m_port.stopBootWait();
        m_port.setArdixStatus(ardixOffline);
        m_port.stopWatchdog();
        Q_EMIT progressMoving(100);
        Q_EMIT hideBusy();
        Q_EMIT flashingEnded();
        // The device never got ready (or never came back after a re-dial): say so, and do not
        // start this file behind the user's back when a boot loader turns up later.
        if (hasFirmware()) {
            show(FlashText::Failed);
            clearFlashingState();
        }
        return;
    }
    const uint32_t payload = flash::geometryFor(m_port.deviceId()).payload;
    if (!m_lastPacketGrace && firmwareSize() - std::min(m_confirmed, firmwareSize()) <= payload) {
        m_lastPacketGrace = true;
        return;
    }
    failFlashing();
}

void Flasher::failFlashing()
{
    m_lastPacketGrace = false;
    m_port.setArdixStatus(ardixOffline);
    m_port.stopWatchdog();
    m_port.restartKeepOnline();
    Q_EMIT flashingEnded();
    Q_EMIT progressMoving(100);
    show(FlashText::Failed);
    clearFlashingState();
}

void Flasher::wifi_kostilStariyBootTimeout()
{
    m_port.stopBootWait();
    // An older boot loader sends no FLASHREADY: its first line then asks for packet 0.
    if (m_port.ardixStatus() == ardixBootOnline && hasFirmware())
        beginPackets();
}
