#pragma once
// The 88-byte frame header: one layout table drives encoding and decoding.

#include "link/LinkConstants.h"

#include <array>
#include <cstddef>
#include <cstdint>

struct FrameHeader
{
    uint8_t magic = LinkConst::Magic;
    uint8_t action = 0;
    uint8_t dataOrCommand = 0;
    uint8_t sender = LinkConst::Device_ArdixClient;
    uint32_t parameter = 0;
    uint32_t dataCrc = 0;
    uint32_t dataSize = 0;
    std::array<uint8_t, LinkConst::AuxDataSize> auxData{};
    uint8_t parameter1 = 0;
    uint8_t reserved = 0;
    uint16_t lineEnd = 0x0A0D; // bytes 0x0D 0x0A
    uint32_t headerCrc = 0;

    bool operator==(const FrameHeader &o) const;
};

namespace FrameHeaderLayout {

enum class Field : uint8_t {
    Magic, Action, DataOrCommand, Sender, Parameter, DataCrc, DataSize, AuxData, Parameter1,
    Reserved, LineEnd, HeaderCrc
};

struct Entry
{
    std::size_t offset;
    std::size_t size;
    Field field;
};

inline constexpr Entry table[] = {
    {0, 1, Field::Magic},
    {1, 1, Field::Action},
    {2, 1, Field::DataOrCommand},
    {3, 1, Field::Sender},
    {4, 4, Field::Parameter},
    {8, 4, Field::DataCrc},
    {12, 4, Field::DataSize},
    {16, LinkConst::AuxDataSize, Field::AuxData},
    {80, 1, Field::Parameter1},
    {81, 1, Field::Reserved},
    {82, 2, Field::LineEnd},
    {84, 4, Field::HeaderCrc},
};

constexpr bool tableIsContiguous()
{
    std::size_t next = 0;
    for (const Entry &e : table) {
        if (e.offset != next)
            return false;
        next = e.offset + e.size;
    }
    return next == LinkConst::HeaderSize;
}
static_assert(tableIsContiguous(), "header fields must ascend, not overlap and fill 88 bytes");

} // namespace FrameHeaderLayout

using HeaderBytes = std::array<uint8_t, LinkConst::HeaderSize>;

// Writes every field as given (headerCrc included) without recomputing anything.
HeaderBytes encodeHeaderRaw(const FrameHeader &h);
// Writes the header with headerCrc computed over bytes 0..83 (the value in h is ignored).
HeaderBytes encodeHeader(const FrameHeader &h);
FrameHeader decodeHeader(const uint8_t *bytes);

enum class HeaderCheck { Ok, BadMagic, BadLineEnd, BadCrc };
HeaderCheck checkHeader(const uint8_t *bytes);
