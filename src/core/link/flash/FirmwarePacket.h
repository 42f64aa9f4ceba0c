#pragma once
// Firmware packets as both boot loaders take them, and the text lines the dash boot loader reads.
// Pure functions over bytes, safe to call from a pool thread.

#include <QByteArray>
#include <QList>

#include <cstdint>

namespace flash {

struct PacketGeometry
{
    uint32_t header;  // the firmware file's own header, sent in front of packet 0
    uint32_t payload; // firmware bytes per packet
    uint32_t half() const { return payload / 2; }
};

inline constexpr PacketGeometry PdmBootGeometry{112, 22528};
inline constexpr PacketGeometry DashBootGeometry{164, 40960};
inline constexpr uint32_t DescriptorSize = 16;

// The PDM boot loader's geometry for Device_PmxBoot, the dash's for any other device.
PacketGeometry geometryFor(int deviceId);

// Packets a firmware of that size makes (0 when it is no larger than its header).
uint32_t packetCount(uint32_t firmwareSize, const PacketGeometry &g);

// Packet min(packetNum, count - 1): the file header (packet 0 only), the 16-byte descriptor
// (index, length, checksum of the first half payload or 0, checksum of the whole chunk), the chunk.
// Empty when the firmware has no packet at all.
QByteArray preparePacket(const QByteArray &firmware, uint32_t packetNum, const PacketGeometry &g);

// "CONNECT", the byte 7, CR LF.
QByteArray connectLine();
// The size in decimal, "FLASH", the count of bytes before it (8 bits), CR LF.
QByteArray flashLine(uint32_t firmwareSize);

// The lines of a chunk the boot loader sent, each split at ":" and trimmed; lines with fewer than
// two parts are left out. Several lines may share one read.
QList<QList<QByteArray>> bootLines(const QByteArray &chunk);

// Lines that a socket read may cut anywhere: the text after the last line end waits for the next
// read ("DO" + "NE:5\r\n" is one "DONE:5"), or for flush() when no more comes (a last line the boot
// loader did not end). What waits is bounded.
class BootLineBuffer
{
public:
    static constexpr int MaxPending = 1024;

    QList<QList<QByteArray>> feed(const QByteArray &chunk);
    QList<QList<QByteArray>> flush();
    bool hasPending() const { return !m_pending.isEmpty(); }
    void clear() { m_pending.clear(); }

private:
    QByteArray m_pending;
};

} // namespace flash
