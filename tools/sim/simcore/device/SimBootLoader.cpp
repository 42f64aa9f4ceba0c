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
    ErrorMessage = 38, FlashPacketVerify = 39, FlashPacketTimeout = 40, FlashPacketBadCrc = 41, FlashingAbort = 42,
};
enum ErrorCode : quint8 { BadFirmware = 0, WrongSerialNumber = 1 };
constexpr int DescriptorSize = 16;
constexpr int MaxFirmware = 8 * 1024 * 1024;
constexpr char ConnectWord[] = "CONNECT";
constexpr char FlashWord[] = "FLASH";
constexpr int FlashWordSize = 5;

} // namespace

SimBootLoader::SimBootLoader(DeviceSimulator &device)
    : m_dev(device), m_dash(device.options().role == SimRole::DashBoot)
{
    m_packetTimer.setSingleShot(true);
    QObject::connect(&m_packetTimer, &QTimer::timeout, [this] { reportTimeout(); });
}

bool SimBootLoader::takesRawBytes() const
{
    return m_dash || m_flashing;
}

QByteArray SimBootLoader::serialHash(quint32 serial)
{
    return QCryptographicHash::hash("ardix-sim-serial-" + QByteArray::number(serial), QCryptographicHash::Sha512)
        .toHex()
        .toUpper();
}

void SimBootLoader::say(const QByteArray &line)
{
    m_dev.trace(QStringLiteral("-> TEXT %1").arg(QString::fromLatin1(line)));
    const QByteArray bytes = line + "\r\n";
    const int split = m_dev.options().bootLineSplitMs;
    if (split <= 0 || !m_dev.hasClient()) {
        m_dev.sendRaw(bytes);
        return;
    }
    // Two writes far enough apart to reach the client as two reads; later lines queue behind.
    const qint64 now = m_dev.m_clock.elapsed();
    const qint64 due = std::max(now, m_dev.m_out.isEmpty() ? now : m_dev.m_out.back().due);
    const int cut = int(bytes.size()) / 2;
    m_dev.m_out.append({bytes.left(cut), due, false});
    m_dev.m_out.append({bytes.mid(cut), due + split, false});
    m_dev.flushOut();
}

// Faults play in order: only the first one not used up is armed.
FlashFault *SimBootLoader::faultFor(quint32 packet)
{
    for (FlashFault &f : m_dev.m_flashFaults) {
        if (f.kind == FlashFault::None || f.times <= 0)
            continue;
        return f.kind != FlashFault::Mute && quint32(f.packet) == packet ? &f : nullptr;
    }
    return nullptr;
}

bool SimBootLoader::takeMute()
{
    for (FlashFault &f : m_dev.m_flashFaults) {
        if (f.kind == FlashFault::None || f.times <= 0)
            continue;
        if (f.kind != FlashFault::Mute)
            return false;
        --f.times;
        m_silent = true;
        m_packetTimer.stop();
        m_dev.trace(QStringLiteral("   fault: mute after the request to flash"));
        return true;
    }
    return false;
}

void SimBootLoader::onConnected()
{
    m_buf.clear();
    m_flashing = false;
    m_silent = false;
    m_serialAsked = false;
    m_packetTimer.stop();
    if (m_dash)
        say("bootloader:" + serialHash(m_dev.options().serial));
}

void SimBootLoader::onCommand(const SimFrame &f)
{
    if (m_dash || m_silent)
        return;
    const QByteArray fw = m_dev.options().firmware.leftJustified(4, ' ', true);
    switch (f.type) {
    case KeepOnline:
        m_dev.sendCommand(KeepOnline, SimBytes::get<quint32>(fw, 0));
        break;
    case DeviceSerialNum:
        m_serialAsked = true;
        m_dev.sendCommand(DeviceSerialNum, m_dev.options().serial);
        break;
    case PrepareToFlash:
        // The device checks the serial number before it erases anything.
        if (!m_serialAsked) {
            m_dev.trace(QStringLiteral("   PrepareToFlash before DeviceSerialNum: ignored"));
            break;
        }
        startFlashing(f.parameter);
        if (m_flashing && !takeMute()) {
            m_dev.sendCommand(ReadyToFlash, f.parameter);
            armPacketTimer();
        }
        break;
    default:
        // A boot loader knows only its own few commands.
        m_dev.trace(QStringLiteral("   command %1 not known to the boot loader: no answer").arg(f.type));
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

void SimBootLoader::armPacketTimer()
{
    m_packetTimer.start(m_dev.options().bootPacketTimeoutMs);
}

void SimBootLoader::feed(const QByteArray &bytes)
{
    if (m_silent)
        return;
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

// A command line ends in a byte holding the count of bytes of the command before it: "CONNECT"
// then 7; the size in digits, "FLASH", then the count (8 bits). The device reads the command from
// that count, so a line whose byte does not fit is not a command.
void SimBootLoader::onLine(const QByteArray &line)
{
    if (!line.isEmpty() && !line.contains('\0'))
        m_dev.trace(QStringLiteral("<- TEXT %1").arg(QString::fromLatin1(line.toPercentEncoding(" :"))));
    if (line.size() < 2)
        return;
    const auto count = quint8(line.back());
    const QByteArray command = line.chopped(1);
    const int connectSize = int(sizeof(ConnectWord)) - 1;
    if (command.endsWith(ConnectWord) && count == connectSize) {
        const QByteArray fw = m_dev.options().firmware;
        say("BOOT:" + fw.left(2) + "." + fw.mid(2, 2));
        return;
    }
    if (!command.endsWith(FlashWord))
        return;
    const QByteArray digits = command.chopped(FlashWordSize);
    int start = int(digits.size());
    while (start > 0 && std::isdigit(static_cast<unsigned char>(digits[start - 1])))
        --start;
    if (start == digits.size() || quint8(digits.size() - start + FlashWordSize) != count) {
        m_dev.trace(QStringLiteral("   FLASH line with a wrong length byte: ignored"));
        return;
    }
    startFlashing(digits.mid(start).toUInt());
    if (!m_flashing) {
        say("ERROR:SIZE");
        return;
    }
    if (takeMute())
        return;
    if (m_dev.options().bootSaysFlashReady)
        say("FLASHREADY:" + QByteArray::number(m_size));
    armPacketTimer();
}

void SimBootLoader::answer(bool good, quint32 index, bool last)
{
    const qint64 asked = m_dev.m_clock.nsecsElapsed();
    const auto go = [this, good, index, last, asked] {
        m_dev.m_bootAnswerWaitNs += m_dev.m_clock.nsecsElapsed() - asked;
        sendAnswer(good, index);
        if (last)
            finish();
    };
    // The timer is the boot loader's own: a pending answer dies with it.
    if (const int delay = m_dev.options().bootAnswerDelayMs; delay > 0)
        QTimer::singleShot(delay, &m_packetTimer, go);
    else
        go();
}

void SimBootLoader::sendAnswer(bool good, quint32 index)
{
    if (m_dash)
        say((good ? "DONE:" : "BADCRC:") + QByteArray::number(index));
    else
        m_dev.sendCommand(good ? FlashPacketVerify : FlashPacketBadCrc, index);
    armPacketTimer();
}

// The packet expected did not arrive in time: ask for it again.
void SimBootLoader::reportTimeout()
{
    if (!m_flashing || m_silent || !m_dev.hasClient())
        return;
    m_buf.clear();
    m_dev.trace(QStringLiteral("   packet %1 timed out").arg(m_next));
    if (m_dash)
        say("TIMEOUT:" + QByteArray::number(m_next));
    else
        m_dev.sendCommand(FlashPacketTimeout, m_next);
    armPacketTimer();
}

void SimBootLoader::abort(FlashFault::Kind kind, int code)
{
    m_flashing = false;
    m_packetTimer.stop();
    m_buf.clear();
    m_dev.trace(QStringLiteral("   flashing given up"));
    if (m_dash) {
        say(kind == FlashFault::WrongDevice ? QByteArray("ERROR:WRONG SERIALNUM")
            : kind == FlashFault::DeviceError && code == BadFirmware ? QByteArray("ERROR:BAD IMAGE")
                                                                     : QByteArray("ERROR:FLASH WRITE"));
        return;
    }
    if (kind == FlashFault::Abort)
        m_dev.sendCommand(FlashingAbort, 0);
    else
        m_dev.sendCommand(ErrorMessage, 0, quint8(kind == FlashFault::WrongDevice ? WrongSerialNumber : code));
}

bool SimBootLoader::checkPacket(const QByteArray &packet, quint32 index, int lead, int len)
{
    const int p = payloadSize();
    const QByteArray chunk = packet.mid(lead + DescriptorSize, len);
    const quint32 half = SimBytes::get<quint32>(packet, lead + 8);
    const quint32 whole = SimBytes::get<quint32>(packet, lead + 12);
    const quint32 wantHalf = len > p / 2 ? SimCodec::wordCrc(chunk.left(p / 2)) : 0;
    bool good = index == m_next && SimBytes::get<qint32>(packet, lead + 4) == len && half == wantHalf
                && whole == SimCodec::wordCrc(chunk);
    const QByteArray &expected = m_dev.m_opt.expectedFirmware;
    if (good && !expected.isEmpty()) {
        // The descriptor's checksums must also be those of the file this device was meant to get.
        const int offset = headerSize() + int(m_next) * p;
        const QByteArray want = expected.mid(offset, len);
        const bool matches = expected.size() == int(m_size) && chunk == want
                             && whole == SimCodec::wordCrc(want)
                             && (m_next != 0 || packet.left(lead) == expected.left(headerSize()));
        if (!matches) {
            ++m_dev.m_packetMismatches;
            good = false;
        }
    }
    return good;
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
        QByteArray packet = m_buf.left(need);
        m_buf.remove(0, need);
        m_packetTimer.stop();

        if (FlashFault *fault = faultFor(m_next)) {
            --fault->times;
            const FlashFault::Kind kind = fault->kind;
            m_dev.trace(QStringLiteral("   fault at packet %1: %2").arg(m_next).arg(int(kind)));
            switch (kind) {
            case FlashFault::Drop:
                m_buf.clear();
                armPacketTimer(); // it "never came": the timeout asks for it
                return;
            case FlashFault::Corrupt:
                // Inside the checksummed words: up to 3 trailing bytes of a chunk are not covered.
                packet[lead + DescriptorSize] = char(packet[lead + DescriptorSize] ^ 0x5A);
                break;
            case FlashFault::Disconnect:
                m_flashing = false;
                m_buf.clear();
                m_dev.dropClient();
                return;
            case FlashFault::Silence:
                m_flashing = false;
                m_silent = true;
                m_buf.clear();
                return;
            case FlashFault::Abort:
            case FlashFault::WrongDevice:
            case FlashFault::DeviceError:
                abort(kind, fault->code);
                return;
            default:
                break;
            }
        }

        const quint32 index = SimBytes::get<quint32>(packet, lead);
        const bool good = checkPacket(packet, index, lead, len);
        m_dev.trace(QStringLiteral("<- PACKET %1 of %2, %3 bytes, %4").arg(index).arg(count).arg(len)
                        .arg(good ? QStringLiteral("good") : QStringLiteral("bad")));
        if (!good) {
            // Bytes are counted from the FLASH line: what follows stays where it is.
            ++m_dev.m_rejectedPackets;
            answer(false, m_next);
            return;
        }
        if (m_next == 0) {
            m_image = packet.left(h);
            const auto kind = m_dash ? SimFirmware::Kind::Dash : SimFirmware::Kind::Pdm;
            if (SimFirmware::isForOtherDevice(m_image, kind)) {
                abort(FlashFault::WrongDevice, 0);
                return;
            }
        }
        m_image.append(packet.mid(lead + DescriptorSize, len));
        const bool last = m_next + 1 == count;
        if (last && !imageVerified()) {
            m_image.clear();
            abort(FlashFault::DeviceError, BadFirmware);
            return;
        }
        if (last)
            m_flashing = false; // nothing more to take; restarts once the answer is out
        answer(true, m_next, last);
        ++m_next;
        if (last)
            return;
    }
}

// The whole image against the checksum its own header carries, as the device checks it before
// it confirms the last packet and boots into it.
bool SimBootLoader::imageVerified() const
{
    const bool ok = SimFirmware::verify(m_image, m_dash ? SimFirmware::Kind::Dash : SimFirmware::Kind::Pdm);
    if (!ok)
        m_dev.trace(QStringLiteral("   image of %1 bytes fails its check").arg(m_image.size()));
    return ok;
}

void SimBootLoader::finish()
{
    m_flashing = false;
    m_packetTimer.stop();
    m_dev.m_firmware = m_image;
    const auto kind = m_dash ? SimFirmware::Kind::Dash : SimFirmware::Kind::Pdm;
    if (const auto version = SimFirmware::versionOf(m_image, kind))
        m_dev.m_opt.firmware = *version;
    if (!m_dev.options().stateDir.isEmpty()) {
        QSaveFile f(QDir(m_dev.options().stateDir).filePath("firmware.bin"));
        if (f.open(QIODevice::WriteOnly)) {
            f.write(m_image);
            f.commit();
        }
    }
    m_dev.trace(QStringLiteral("firmware of %1 bytes received, restarting into %2")
                    .arg(m_image.size()).arg(QString::fromLatin1(m_dev.options().firmware)));
    if (!m_dash)
        m_dev.sendCommand(VerifiedOk, 0); // only ever for an image that passed its check
    // The device restarts into its new firmware once its last words are out: the link drops.
    if (m_dev.m_client)
        m_dev.m_client->flush();
    const qint64 pending = m_dev.m_out.isEmpty() ? 0 : m_dev.m_out.back().due - m_dev.m_clock.elapsed();
    if (pending > 0)
        QTimer::singleShot(int(pending) + 1, Qt::PreciseTimer, &m_dev, [dev = &m_dev] {
            dev->flushOut(); // all of it is due by now, whichever timer came first
            if (dev->m_client)
                dev->m_client->flush();
            dev->restartIntoApplication();
        });
    else
        m_dev.restartIntoApplication();
}
