#include "settings/layout/Crc32Words.h"

#include "settings/layout/LittleEndian.h"

#include <array>

namespace {

constexpr uint32_t kPoly = 0x04C11DB7u;
using Table = std::array<std::array<uint32_t, 256>, 8>;

// Slice-by-8 tables for the MSB-first register: kTables[0] advances the register by one byte,
// kTables[k] by k + 1 bytes, so two whole words are folded in per step.
constexpr Table makeTables()
{
    Table t{};
    for (uint32_t b = 0; b < 256; ++b) {
        uint32_t c = b << 24;
        for (int k = 0; k < 8; ++k)
            c = (c & 0x80000000u) ? (c << 1) ^ kPoly : (c << 1);
        t[0][b] = c;
    }
    for (int k = 1; k < 8; ++k)
        for (uint32_t b = 0; b < 256; ++b)
            t[k][b] = (t[k - 1][b] << 8) ^ t[0][t[k - 1][b] >> 24];
    return t;
}

constexpr Table kTables = makeTables();

inline uint32_t foldWord(uint32_t a, int base)
{
    return kTables[base + 3][a >> 24] ^ kTables[base + 2][(a >> 16) & 0xFF] ^ kTables[base + 1][(a >> 8) & 0xFF]
           ^ kTables[base][a & 0xFF];
}

} // namespace

uint32_t crc32Words(const void *data, std::size_t size)
{
    const auto *p = static_cast<const unsigned char *>(data);
    std::size_t words = size / 4;
    uint32_t crc = 0xFFFFFFFFu;
    for (; words >= 2; words -= 2, p += 8)
        crc = foldWord(crc ^ layout::readLE<uint32_t>(p), 4) ^ foldWord(layout::readLE<uint32_t>(p + 4), 0);
    if (words)
        crc = foldWord(crc ^ layout::readLE<uint32_t>(p), 0);
    return crc;
}
