#include "link/flash/FirmwarePacket.h"

#include "settings/ArdixEnums.h"
#include "settings/layout/Crc32Words.h"

#include <QtEndian>

#include <algorithm>

namespace flash {

PacketGeometry geometryFor(int deviceId)
{
    return deviceId == ArdixEnums::Device_PmxBoot ? PdmBootGeometry : DashBootGeometry;
}

uint32_t packetCount(uint32_t firmwareSize, const PacketGeometry &g)
{
    if (firmwareSize <= g.header)
        return 0;
    return (firmwareSize - g.header + g.payload - 1) / g.payload;
}

QByteArray preparePacket(const QByteArray &firmware, uint32_t packetNum, const PacketGeometry &g)
{
    const auto size = uint32_t(firmware.size());
    const uint32_t count = packetCount(size, g);
    if (count == 0)
        return {};
    const uint32_t i = std::min(packetNum, count - 1);
    const uint32_t offset = g.header + i * g.payload;
    const uint32_t len = std::min(g.payload, size - offset);
    const char *chunk = firmware.constData() + offset;

    const int32_t descriptor[4] = {
        int32_t(i),
        int32_t(len),
        int32_t(len > g.half() ? crc32Words(chunk, g.half()) : 0u),
        int32_t(crc32Words(chunk, len)),
    };

    QByteArray packet;
    packet.reserve(qsizetype((i == 0 ? g.header : 0) + DescriptorSize + len));
    if (i == 0)
        packet.append(firmware.constData(), qsizetype(g.header));
    for (int32_t v : descriptor) {
        char le[4];
        qToLittleEndian(v, le);
        packet.append(le, 4);
    }
    packet.append(chunk, qsizetype(len));
    return packet;
}

QByteArray connectLine()
{
    QByteArray line("CONNECT");
    line.append(char(line.size()));
    line.append("\r\n");
    return line;
}

QByteArray flashLine(uint32_t firmwareSize)
{
    QByteArray line = QByteArray::number(firmwareSize) + "FLASH";
    line.append(char(uint8_t(line.size())));
    line.append("\r\n");
    return line;
}

QList<QList<QByteArray>> bootLines(const QByteArray &chunk)
{
    QList<QList<QByteArray>> out;
    for (const QByteArray &raw : chunk.split('\n')) {
        const QList<QByteArray> parts = raw.trimmed().split(':');
        if (parts.size() < 2)
            continue;
        QList<QByteArray> trimmed;
        for (const QByteArray &p : parts)
            trimmed.append(p.trimmed());
        out.append(trimmed);
    }
    return out;
}

QList<QList<QByteArray>> BootLineBuffer::feed(const QByteArray &chunk)
{
    m_pending += chunk;
    const qsizetype end = m_pending.lastIndexOf('\n');
    if (end < 0) {
        if (m_pending.size() > MaxPending)
            return flush();
        return {};
    }
    const QByteArray complete = m_pending.left(end + 1);
    m_pending.remove(0, end + 1);
    if (m_pending.size() > MaxPending)
        m_pending.clear();
    return bootLines(complete);
}

QList<QList<QByteArray>> BootLineBuffer::flush()
{
    const QByteArray rest = m_pending;
    m_pending.clear();
    return bootLines(rest);
}

} // namespace flash
