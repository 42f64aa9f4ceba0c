#pragma once
// Little-endian field access for the simulated device's blocks.

#include <QByteArray>
#include <QtGlobal>

#include <cstring>
#include <type_traits>

namespace SimBytes {

template<typename T>
inline void put(QByteArray &b, int at, T v)
{
    static_assert(std::is_integral_v<T>, "integers only; floats go through putFloat");
    using U = std::make_unsigned_t<T>;
    const U u = U(v);
    for (int i = 0; i < int(sizeof(T)); ++i)
        b[at + i] = char((u >> (8 * i)) & 0xFF);
}

template<typename T>
inline T get(const QByteArray &b, int at)
{
    using U = std::make_unsigned_t<T>;
    U u = 0;
    for (int i = 0; i < int(sizeof(T)); ++i)
        u |= U(U(quint8(b[at + i])) << (8 * i));
    return T(u);
}

inline void putFloat(QByteArray &b, int at, float f)
{
    quint32 u;
    std::memcpy(&u, &f, 4);
    put<quint32>(b, at, u);
}

// Zero-padded text field; cut to the field size.
inline void putText(QByteArray &b, int at, int size, const QByteArray &text)
{
    for (int i = 0; i < size; ++i)
        b[at + i] = i < text.size() ? text[i] : '\0';
}

inline QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    put<quint32>(b, 0, v);
    return b;
}

} // namespace SimBytes
