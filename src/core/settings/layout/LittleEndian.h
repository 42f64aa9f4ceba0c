#pragma once
// Little-endian access to the device's byte blocks, independent of the host's byte order.

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace layout {

template<typename T>
inline T readLE(const unsigned char *p)
{
    static_assert(std::is_arithmetic_v<T>, "numbers only");
    if constexpr (std::is_floating_point_v<T>) {
        static_assert(sizeof(T) == 4, "the blocks hold single precision only");
        const uint32_t bits = readLE<uint32_t>(p);
        T v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    } else {
        using U = std::make_unsigned_t<T>;
        U v = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            v = U(v | (U(p[i]) << (8 * i)));
        return T(v);
    }
}

template<typename T>
inline void writeLE(unsigned char *p, T value)
{
    static_assert(std::is_arithmetic_v<T>, "numbers only");
    if constexpr (std::is_floating_point_v<T>) {
        static_assert(sizeof(T) == 4, "the blocks hold single precision only");
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        writeLE<uint32_t>(p, bits);
    } else {
        using U = std::make_unsigned_t<T>;
        const U v = U(value);
        for (std::size_t i = 0; i < sizeof(T); ++i)
            p[i] = static_cast<unsigned char>(v >> (8 * i));
    }
}

} // namespace layout
