#include "link/FrameHeader.h"

#include "settings/layout/Crc32Words.h"

#include <cstring>

namespace {

using FrameHeaderLayout::Field;

uint32_t readLe(const uint8_t *p, std::size_t n)
{
    uint32_t v = 0;
    for (std::size_t i = 0; i < n; ++i)
        v |= uint32_t(p[i]) << (8 * i);
    return v;
}

void writeLe(uint8_t *p, std::size_t n, uint32_t v)
{
    for (std::size_t i = 0; i < n; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

uint32_t scalarOf(const FrameHeader &h, Field f)
{
    switch (f) {
    case Field::Magic: return h.magic;
    case Field::Action: return h.action;
    case Field::DataOrCommand: return h.dataOrCommand;
    case Field::Sender: return h.sender;
    case Field::Parameter: return h.parameter;
    case Field::DataCrc: return h.dataCrc;
    case Field::DataSize: return h.dataSize;
    case Field::Parameter1: return h.parameter1;
    case Field::Reserved: return h.reserved;
    case Field::LineEnd: return h.lineEnd;
    case Field::HeaderCrc: return h.headerCrc;
    case Field::AuxData: break;
    }
    return 0;
}

void setScalar(FrameHeader &h, Field f, uint32_t v)
{
    switch (f) {
    case Field::Magic: h.magic = uint8_t(v); break;
    case Field::Action: h.action = uint8_t(v); break;
    case Field::DataOrCommand: h.dataOrCommand = uint8_t(v); break;
    case Field::Sender: h.sender = uint8_t(v); break;
    case Field::Parameter: h.parameter = v; break;
    case Field::DataCrc: h.dataCrc = v; break;
    case Field::DataSize: h.dataSize = v; break;
    case Field::Parameter1: h.parameter1 = uint8_t(v); break;
    case Field::Reserved: h.reserved = uint8_t(v); break;
    case Field::LineEnd: h.lineEnd = uint16_t(v); break;
    case Field::HeaderCrc: h.headerCrc = v; break;
    case Field::AuxData: break;
    }
}

} // namespace

bool FrameHeader::operator==(const FrameHeader &o) const
{
    return encodeHeaderRaw(*this) == encodeHeaderRaw(o);
}

HeaderBytes encodeHeaderRaw(const FrameHeader &h)
{
    HeaderBytes out{};
    for (const auto &e : FrameHeaderLayout::table) {
        if (e.field == Field::AuxData)
            std::memcpy(out.data() + e.offset, h.auxData.data(), e.size);
        else
            writeLe(out.data() + e.offset, e.size, scalarOf(h, e.field));
    }
    return out;
}

HeaderBytes encodeHeader(const FrameHeader &h)
{
    HeaderBytes out = encodeHeaderRaw(h);
    writeLe(out.data() + LinkConst::HeaderCrcCovered, 4,
            crc32Words(out.data(), LinkConst::HeaderCrcCovered));
    return out;
}

FrameHeader decodeHeader(const uint8_t *bytes)
{
    FrameHeader h;
    for (const auto &e : FrameHeaderLayout::table) {
        if (e.field == Field::AuxData)
            std::memcpy(h.auxData.data(), bytes + e.offset, e.size);
        else
            setScalar(h, e.field, readLe(bytes + e.offset, e.size));
    }
    return h;
}

HeaderCheck checkHeader(const uint8_t *bytes)
{
    if (bytes[0] != LinkConst::Magic)
        return HeaderCheck::BadMagic;
    if (bytes[82] != 0x0D || bytes[83] != 0x0A)
        return HeaderCheck::BadLineEnd;
    if (readLe(bytes + LinkConst::HeaderCrcCovered, 4)
        != crc32Words(bytes, LinkConst::HeaderCrcCovered))
        return HeaderCheck::BadCrc;
    return HeaderCheck::Ok;
}
