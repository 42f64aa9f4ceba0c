#pragma once
#include <cstddef>
#include <cstdint>

// The device's word checksum: CRC-32, polynomial 0x04C11DB7, register starts at 0xFFFFFFFF, no
// reflection, no final XOR, fed whole little-endian 32-bit words (a trailing partial word is
// ignored). Fewer than 4 bytes give 0xFFFFFFFF. Used by the link frames and the settings blocks.
uint32_t crc32Words(const void *data, std::size_t size);
