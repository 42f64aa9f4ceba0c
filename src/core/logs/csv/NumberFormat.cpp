#include "logs/csv/NumberFormat.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace numfmt {
namespace {

constexpr uint64_t kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
// Below this the scaled value fits in 64 bits for every allowed number of decimals.
constexpr double kFastLimit = 1e12;

char *appendLiteral(char *out, const char *s)
{
    const size_t n = std::strlen(s);
    std::memcpy(out, s, n);
    return out + n;
}

char *appendPadded(char *out, uint64_t v, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = char('0' + v % 10);
        v /= 10;
    }
    return out + width;
}

// v / divisor with one decimal for every 16-bit v, built once. Only an exact tie in decimal
// needs the binary value: the quotient as a double lies on, above or below it, and the product's
// rounding error (fma) tells which.
std::vector<ShortText> tenthsTable(uint32_t divisor)
{
    std::vector<ShortText> table(65536);
    const uint32_t step = divisor / 10;
    for (uint32_t v = 0; v < table.size(); ++v) {
        uint32_t q = v / step;
        const uint32_t r = v % step;
        if (2 * r > step || (2 * r == step && std::fma(v / double(divisor), double(divisor), -double(v)) >= 0))
            ++q;
        char *o = table[v].text;
        char *end = appendUInt(o, q / 10);
        *end++ = '.';
        *end++ = char('0' + q % 10);
        table[v].size = uint8_t(end - o);
    }
    return table;
}

} // namespace

const ShortText *tenthsOver100Table()
{
    static const std::vector<ShortText> table = tenthsTable(100);
    return table.data();
}

const ShortText *tenthsOver1000Table()
{
    static const std::vector<ShortText> table = tenthsTable(1000);
    return table.data();
}

namespace {

template<typename F>
std::vector<ShortText> sampleTable(F &&format)
{
    std::vector<ShortText> table(65536);
    for (uint32_t u = 0; u < table.size(); ++u) {
        char *o = table[u].text;
        table[u].size = uint8_t(format(o, int16_t(uint16_t(u))) - o);
    }
    return table;
}

} // namespace

const ShortText *int16Table()
{
    static const std::vector<ShortText> table = sampleTable([](char *o, int16_t v) { return appendInt(o, v); });
    return table.data();
}

const ShortText *hundredthsTable()
{
    static const std::vector<ShortText> table = sampleTable([](char *o, int16_t v) { return appendHundredths(o, v); });
    return table.data();
}

char *appendBitList(char *out, uint32_t bits, int count)
{
    // "b," per bit, eight bits at a time from a table.
    static const auto table = [] {
        std::vector<std::array<char, 16>> t(256);
        for (int byte = 0; byte < 256; ++byte)
            for (int i = 0; i < 8; ++i) {
                t[size_t(byte)][size_t(2 * i)] = (byte >> i) & 1 ? '1' : '0';
                t[size_t(byte)][size_t(2 * i + 1)] = ',';
            }
        return t;
    }();
    for (int done = 0; done < count; done += 8, bits >>= 8) {
        std::memcpy(out, table[bits & 0xffu].data(), 16);
        out += 2 * std::min(8, count - done);
    }
    return out;
}

char *appendHundredthsWide(char *out, uint32_t magnitude)
{
    const QByteArray t = QString::number(double(magnitude) / 100.0, 'g', 6).toLatin1();
    std::memcpy(out, t.constData(), size_t(t.size()));
    return out + t.size();
}

namespace {

// The digits need constant divisors to stay cheap, hence one copy per number of decimals.
template<int Decimals>
char *appendFixedT(char *out, double x)
{
    constexpr uint64_t scale = kPow10[Decimals];
    if (std::isnan(x))
        return appendLiteral(out, "nan");
    if (std::isinf(x))
        return appendLiteral(out, x < 0 ? "-inf" : "inf");
    if (x < 0)
        *out++ = '-';
    const double a = std::fabs(x);
    if (a >= kFastLimit) {
        const QByteArray t = QString::number(a, 'f', Decimals).toLatin1();
        std::memcpy(out, t.constData(), size_t(t.size()));
        return out + t.size();
    }
    uint64_t scaled = 0;
    if (a != 0.0) {
        // a = m * 2^-shift exactly, straight from the bits.
        uint64_t bits;
        std::memcpy(&bits, &a, sizeof bits);
        const int biased = int(bits >> 52);
        uint64_t m = bits & ((uint64_t(1) << 52) - 1);
        int shift = 1074;
        if (biased != 0) {
            m |= uint64_t(1) << 52;
            shift = 1075 - biased;
        }
        const unsigned __int128 n = (unsigned __int128)m * scale;
        if (shift <= 0) {
            scaled = uint64_t(n << -shift);
        } else if (shift < 127) {
            const unsigned __int128 q = n >> shift;
            const unsigned __int128 rem = n - (q << shift);
            const unsigned __int128 half = (unsigned __int128)1 << (shift - 1);
            scaled = uint64_t(q) + (rem >= half ? 1 : 0); // ties away from zero
        }
    }
    out = appendUInt(out, scaled / scale);
    if constexpr (Decimals > 0) {
        *out++ = '.';
        out = appendPadded(out, scaled % scale, Decimals);
    }
    return out;
}

} // namespace

char *appendFixed(char *out, double x, int decimals)
{
    switch (decimals) {
    case 0: return appendFixedT<0>(out, x);
    case 1: return appendFixedT<1>(out, x);
    case 2: return appendFixedT<2>(out, x);
    case 3: return appendFixedT<3>(out, x);
    case 4: return appendFixedT<4>(out, x);
    case 5: return appendFixedT<5>(out, x);
    default: return appendFixedT<6>(out, x);
    }
}

} // namespace numfmt
