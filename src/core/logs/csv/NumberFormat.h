#pragma once
// Number text for the exports, written into a char buffer without allocation. The results are
// exactly what the exported files promise: "general" form with 6 significant digits for values in
// hundredths, fixed decimals rounded half away from zero on the exact binary value (the way the
// framework's number formatting does it), "nan"/"inf" for the non-finite.

#include <charconv>
#include <cstdint>
#include <cstring>

namespace numfmt {

// Enough for any value these functions write.
constexpr int kMaxNumberText = 48;

inline char *appendInt(char *out, int64_t v) { return std::to_chars(out, out + kMaxNumberText, v).ptr; }
inline char *appendUInt(char *out, uint64_t v) { return std::to_chars(out, out + kMaxNumberText, v).ptr; }

// Beyond 16 bits: the framework's text.
char *appendHundredthsWide(char *out, uint32_t magnitude);

// raw / 100 in the shortest form with at most 6 significant digits: 1200 -> "12", 1234 -> "12.34".
// Samples are 16-bit, so the 6-digit general form is exactly the shortest decimal.
inline char *appendHundredths(char *out, int32_t raw)
{
    const uint32_t a = raw < 0 ? uint32_t(-int64_t(raw)) : uint32_t(raw);
    if (raw < 0)
        *out++ = '-';
    if (a >= 100000000u)
        return appendHundredthsWide(out, a);
    out = appendUInt(out, a / 100);
    const uint32_t frac = a % 100;
    if (frac != 0) {
        *out++ = '.';
        *out++ = char('0' + frac / 10);
        if (frac % 10 != 0)
            *out++ = char('0' + frac % 10);
    }
    return out;
}
// x with `decimals` (0..6) digits after the point.
char *appendFixed(char *out, double x, int decimals);

// Text of a small number, padded so that it can be copied with one fixed-size move.
struct ShortText
{
    char text[7];
    uint8_t size;
};
// v / 100 and v / 1000 with one decimal, as appendFixed would write them, for every 16-bit v.
const ShortText *tenthsOver100Table();
const ShortText *tenthsOver1000Table();
inline char *appendShort(char *out, const ShortText &t)
{
    std::memcpy(out, &t, sizeof t); // one move; callers leave room for kMaxNumberText
    return out + t.size;
}
// Every 16-bit sample as an integer and as hundredths (appendHundredths), indexed by uint16_t(v).
const ShortText *int16Table();
const ShortText *hundredthsTable();
inline char *appendUInt16Over100Tenths(char *out, uint16_t v) { return appendShort(out, tenthsOver100Table()[v]); }
inline char *appendUInt16Over1000Tenths(char *out, uint16_t v) { return appendShort(out, tenthsOver1000Table()[v]); }
// "1," or "0," for each of the low `count` bits, lowest first. Writes up to 14 bytes past the end.
char *appendBitList(char *out, uint32_t bits, int count);

} // namespace numfmt
