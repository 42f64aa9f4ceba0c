#pragma once
// A record of a settings block described once, as a table of fields, and checked at compile time.
//
//   constexpr layout::Field kLampFields[] = {
//       layout::u8(0, "inChannelType"),
//       layout::u8(1, "inChannel"),
//       layout::bits(2, 0, 1, "isInverse"),
//       layout::bits(2, 1, 1, "isPullUp"),
//       layout::zeroBits(2, 2, 6),
//       layout::zero(3, 1),
//   };
//   static_assert(layout::isWellFormed(kLampFields, 4));
//
// Each named field is a property of the object bound to the record; FieldCodec loads and packs it.
// Bytes no field covers are never written.

#include <cstddef>
#include <cstdint>

namespace layout {

enum class Kind : uint8_t {
    U8, I8, U16, I16, U32, I32, F32, // numbers; arrays of them with dims
    Text,     // fixed-width UTF-8 (size per text; an array gives a string list)
    Bytes,    // raw bytes to a QByteArray
    Bits,     // bits [bit, bit + width) of the byte at offset
    Zero,     // bytes the client writes as 0
    ZeroBits, // bits the client writes as 0
    Nested,   // a sub-record packed by its own table (documents the space only)
};

constexpr int scalarSize(Kind k)
{
    switch (k) {
    case Kind::U8: case Kind::I8: return 1;
    case Kind::U16: case Kind::I16: return 2;
    case Kind::U32: case Kind::I32: case Kind::F32: return 4;
    default: return 1;
    }
}

constexpr bool isNumber(Kind k) { return k <= Kind::F32; }

struct Field
{
    int offset = 0;
    Kind kind = Kind::U8;
    const char *name = nullptr; // property; nullptr for Zero, ZeroBits
    int dims[3] = {0, 0, 0};    // array extents, outermost first; {0,0,0} is a scalar
    int size = 0;               // Text, Bytes, Zero, Nested: bytes per element
    int bit = 0, width = 0;     // Bits, ZeroBits
    int tag = 0;                // the record's own load condition (0: always)
    bool heldOnly = false;      // an array packs only the entries its list holds; the rest stay

    constexpr int rank() const { return dims[0] == 0 ? 0 : dims[1] == 0 ? 1 : dims[2] == 0 ? 2 : 3; }
    constexpr int count() const
    {
        return (dims[0] ? dims[0] : 1) * (dims[1] ? dims[1] : 1) * (dims[2] ? dims[2] : 1);
    }
    constexpr int elementSize() const { return isNumber(kind) ? scalarSize(kind) : size; }
    constexpr bool isBitField() const { return kind == Kind::Bits || kind == Kind::ZeroBits; }
    // Covered bit range within the record, for the overlap check.
    constexpr long firstBit() const { return long(offset) * 8 + (isBitField() ? bit : 0); }
    constexpr long endBit() const
    {
        return isBitField() ? firstBit() + width : (long(offset) + long(count()) * elementSize()) * 8;
    }
    constexpr Field when(int t) const { Field f = *this; f.tag = t; return f; }
    constexpr Field onlyHeldEntries() const { Field f = *this; f.heldOnly = true; return f; }
    constexpr bool writesProperty() const { return name != nullptr && kind != Kind::Nested; }
};

constexpr Field num(int offset, Kind k, const char *name, int d0 = 0, int d1 = 0, int d2 = 0)
{
    Field f;
    f.offset = offset; f.kind = k; f.name = name;
    f.dims[0] = d0; f.dims[1] = d1; f.dims[2] = d2;
    return f;
}
constexpr Field u8(int o, const char *n, int d0 = 0, int d1 = 0, int d2 = 0) { return num(o, Kind::U8, n, d0, d1, d2); }
constexpr Field i8(int o, const char *n) { return num(o, Kind::I8, n); }
constexpr Field u16(int o, const char *n, int d0 = 0, int d1 = 0) { return num(o, Kind::U16, n, d0, d1); }
constexpr Field i16(int o, const char *n) { return num(o, Kind::I16, n); }
constexpr Field u32(int o, const char *n, int d0 = 0) { return num(o, Kind::U32, n, d0); }
constexpr Field f32(int o, const char *n, int d0 = 0, int d1 = 0) { return num(o, Kind::F32, n, d0, d1); }

constexpr Field text(int offset, int size, const char *name, int count = 0)
{
    Field f;
    f.offset = offset; f.kind = Kind::Text; f.name = name; f.size = size; f.dims[0] = count;
    return f;
}
constexpr Field bytes(int offset, int size, const char *name)
{
    Field f;
    f.offset = offset; f.kind = Kind::Bytes; f.name = name; f.size = size;
    return f;
}
constexpr Field bits(int offset, int bit, int width, const char *name)
{
    Field f;
    f.offset = offset; f.kind = Kind::Bits; f.name = name; f.bit = bit; f.width = width;
    return f;
}
constexpr Field zero(int offset, int size)
{
    Field f;
    f.offset = offset; f.kind = Kind::Zero; f.size = size;
    return f;
}
constexpr Field zeroBits(int offset, int bit, int width)
{
    Field f;
    f.offset = offset; f.kind = Kind::ZeroBits; f.bit = bit; f.width = width;
    return f;
}
constexpr Field nested(int offset, int size, const char *name, int count = 0)
{
    Field f;
    f.offset = offset; f.kind = Kind::Nested; f.name = name; f.size = size; f.dims[0] = count;
    return f;
}

// Fields ascend, never overlap (bit fields may share a byte), and end inside the record.
template<std::size_t N>
constexpr bool isWellFormed(const Field (&t)[N], int recordSize)
{
    long end = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const Field &f = t[i];
        if (f.offset < 0 || f.firstBit() < end || f.endBit() <= f.firstBit())
            return false;
        if (f.isBitField() && (f.bit < 0 || f.width < 1 || f.bit + f.width > 8))
            return false;
        if (f.kind == Kind::Bits && f.width > 8)
            return false;
        end = f.endBit();
    }
    return end <= long(recordSize) * 8;
}

// Number of fields bound to a property, for the property-count checks.
template<std::size_t N>
constexpr int propertyFieldCount(const Field (&t)[N])
{
    int n = 0;
    for (std::size_t i = 0; i < N; ++i)
        n += t[i].name != nullptr ? 1 : 0;
    return n;
}

// A table seen at run time.
struct Table
{
    const Field *fields = nullptr;
    int count = 0;
    int recordSize = 0;

    const Field *begin() const { return fields; }
    const Field *end() const { return fields + count; }
};

template<std::size_t N>
constexpr Table tableOf(const Field (&t)[N], int recordSize)
{
    return Table{t, int(N), recordSize};
}

} // namespace layout
