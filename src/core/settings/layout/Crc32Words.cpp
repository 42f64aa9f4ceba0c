#include "settings/layout/Crc32Words.h"

#include "settings/layout/LittleEndian.h"

#include <array>

namespace {

constexpr uint32_t kPoly = 0x04C11DB7u;

// Byte-at-a-time table for the MSB-first register; a word is its four bytes from the top down.
constexpr std::array<uint32_t, 256> makeTable()
{
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i << 24;
        for (int k = 0; k < 8; ++k)
            c = (c & 0x80000000u) ? (c << 1) ^ kPoly : (c << 1);
        t[i] = c;
    }
    return t;
}

constexpr auto kTable = makeTable();

} // namespace

uint32_t crc32Words(const void *data, std::size_t size)
{
    const auto *p = static_cast<const unsigned char *>(data);
    uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t w = 0; w + 4 <= size; w += 4) {
        crc ^= layout::readLE<uint32_t>(p + w);
        for (int k = 0; k < 4; ++k)
            crc = (crc << 8) ^ kTable[crc >> 24];
    }
    return crc;
}
