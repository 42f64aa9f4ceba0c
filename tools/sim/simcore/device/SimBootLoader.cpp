#include "simcore/device/SimBootLoader.h"

#include "simcore/device/DeviceBytes.h"
#include "simcore/device/DeviceSimulator.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSaveFile>
#include <QTcpSocket>

#include <algorithm>
#include <cctype>

namespace {

enum Cmd : quint8 {
    KeepOnline = 0, PrepareToFlash = 13, VerifiedOk = 18, DeviceSerialNum = 36, ReadyToFlash = 37,
    FlashPacketVerify = 39, FlashPacketBadCrc = 41,
};
constexpr int DescriptorSize = 16;
constexpr int MaxFirmware = 8 * 1024 * 1024;

} // namespace

SimBootLoader::SimBootLoader(DeviceSimulator &device)
    : m_dev(device), m_dash(device.options().role == SimRole::DashBoot)
{
}

bool SimBootLoader::takesRawBytes() const
{
    return m_dash || m_flashing;
}

void SimBootLoader::say(const QByteArray &line)
{
    m_dev.trace(QStringLiteral("-> TEXT %1").arg(QString::fromLatin1(line)));
    m_dev.sendRaw(line + "\r\n");
}

void SimBootLoader::onConnected()
{
    m_buf.clear();
    m_flashing = false;
    if (m_dash) {
        const QByteArray hash = QCryptographicHash::hash("ardix-sim-serial-" + QByteArray::number(m_dev.options().serial),
                                                         QCryptographicHash::Sha512);
        say("bootloader:" + hash.toHex().toUpper());
    }
}

void SimBootLoader::onCommand(const SimFrame &f)
{
    if (m_dash)
        return;
    const QByteArray fw = m_dev.options().firmware.leftJustified(4, ' ', true);
    switch (f.type) {
    case KeepOnline:
        m_dev.sendCommand(KeepOnline, SimBytes::get<quint32>(fw, 0));
        break;
    case DeviceSerialNum:
        m_dev.sendCommand(DeviceSerialNum, m_dev.options().serial);
        break;
    case PrepareToFlash:
        startFlashing(f.parameter);
        if (m_flashing)
            m_dev.sendCommand(ReadyToFlash, f.parameter);
        break;
    default:
        m_dev.sendCommand(VerifiedOk, 0);
        break;
    }
}

void SimBootLoader::startFlashing(quint32 size)
{
    m_flashing = size > quint32(headerSize()) && size <= quint32(MaxFirmware);
    m_size = size;
    m_next = 0;
    m_image.clear();
    m_buf.clear();
}

void SimBootLoader::feed(const QByteArray &bytes)
{
    m_buf.append(bytes);
    if (m_flashing) {
        takePackets();
        return;
    }
    for (int nl; (nl = int(m_buf.indexOf("\r\n"))) >= 0;) {
        const QByteArray line = m_buf.left(nl);
        m_buf.remove(0, nl + 2);
        onLine(line);
        if (m_flashing) {
            takePackets();
            return;
        }
    }
    if (m_buf.size() > 4096)
        m_buf.clear(); // frames and other noise a boot loader does not read
}

void SimBootLoader::onLine(const QByteArray &line)
{
    if (!line.isEmpty() && !line.contains('\0'))
        m_dev.trace(QStringLiteral("<- TEXT %1").arg(QString::fromLatin1(line.toPercentEncoding(" :"))));
    const int at = int(line.indexOf("CONNECT"));
    if (at >= 0) {
        const QByteArray fw = m_dev.options().firmware;
        say("BOOT:" + fw.left(2) + "." + fw.mid(2, 2));
        return;
    }
    const int flash = int(line.indexOf("FLASH"));
    if (flash > 0) {
        int start = flash;
        while (start > 0 && std::isdigit(static_cast<unsigned char>(line[start - 1])))
            --start;
        startFlashing(line.mid(start, flash - start).toUInt());
        say(m_flashing ? "FLASHREADY:" + QByteArray::number(m_size) : QByteArray("ERROR:SIZE"));
    }
}

void SimBootLoader::answer(bool good, quint32 index)
{
    if (m_dash)
        say((good ? "DONE:" : "BADCRC:") + QByteArray::number(index));
    else
        m_dev.sendCommand(good ? FlashPacketVerify : FlashPacketBadCrc, index);
}

void SimBootLoader::takePackets()
{
    const int h = headerSize();
    const int p = payloadSize();
    const quint32 count = (m_size - quint32(h) + quint32(p) - 1) / quint32(p);
    while (m_flashing) {
        const int lead = m_next == 0 ? h : 0;
        const quint32 offset = quint32(h) + m_next * quint32(p);
        const int len = int(std::min<quint32>(quint32(p), m_size - offset));
        const int need = lead + DescriptorSize + len;
        if (m_buf.size() < need)
            return;
        const QByteArray packet = m_buf.left(need);
        m_buf.remove(0, need);
        const QByteArray chunk = packet.mid(lead + DescriptorSize, len);
        const quint32 index = SimBytes::get<quint32>(packet, lead);
        const qint32 plen = SimBytes::get<qint32>(packet, lead + 4);
        const quint32 half = SimBytes::get<quint32>(packet, lead + 8);
        const quint32 whole = SimBytes::get<quint32>(packet, lead + 12);
        const quint32 wantHalf = len > p / 2 ? SimCodec::wordCrc(chunk.left(p / 2)) : 0;
        const bool good = index == m_next && plen == len && half == wantHalf && whole == SimCodec::wordCrc(chunk);
        m_dev.trace(QStringLiteral("<- PACKET %1 of %2, %3 bytes, %4").arg(index).arg(count).arg(len)
                        .arg(good ? QStringLiteral("good") : QStringLiteral("bad")));
        if (!good) {
            m_buf.clear();
            answer(false, m_next);
            return;
        }
        if (m_next == 0)
            m_image = packet.left(h);
        m_image.append(chunk);
        answer(true, m_next);
        ++m_next;
        if (m_next == count) {
            m_flashing = false;
            m_dev.m_firmware = m_image;
            if (!m_dev.options().stateDir.isEmpty()) {
                QSaveFile f(QDir(m_dev.options().stateDir).filePath("firmware.bin"));
                if (f.open(QIODevice::WriteOnly)) {
                    f.write(m_image);
                    f.commit();
                }
            }
            m_dev.trace(QStringLiteral("firmware of %1 bytes received, restarting").arg(m_image.size()));
            // The device restarts into its new firmware: the link drops.
            m_dev.m_client->flush();
            m_dev.restartIntoApplication();
            return;
        }
    }
}
