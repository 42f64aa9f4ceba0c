#pragma once

// Table-driven little-endian records: one constexpr table of (offset, size, member) per record
// drives both loading and packing, and layoutFits() lets each table be checked at compile time.

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <cstring>
#include <type_traits>
#include <variant>

namespace ardix::laps {

template <class R>
struct ByteField
{
    using Member = std::variant<qint16 R::*, quint16 R::*, quint8 R::*, qint32 R::*, quint32 R::*, float R::*, double R::*,
                                QString R::*>;
    int offset;
    int size; // bytes; for a text, the whole field including the terminator
    Member member;
};

// Offsets ascend, fields do not overlap, and all end inside a block of blockSize bytes.
template <class R, std::size_t N>
constexpr bool layoutFits(const ByteField<R> (&table)[N], int blockSize)
{
    int end = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i].offset < end || table[i].size <= 0)
            return false;
        end = table[i].offset + table[i].size;
    }
    return end <= blockSize;
}

// UTF-8 of text, cut back to a character boundary so that it holds at most maxBytes bytes.
QByteArray utf8Cut(const QString &text, int maxBytes);
QByteArray utf8Cut(QByteArray utf8, int maxBytes);

template <class R, std::size_t N>
void loadRecord(R &record, const ByteField<R> (&table)[N], const uchar *block)
{
    for (const auto &f : table) {
        const uchar *p = block + f.offset;
        std::visit(
            [&](auto member) {
                using T = std::remove_cv_t<std::remove_reference_t<decltype(record.*member)>>;
                if constexpr (std::is_same_v<T, QString>) {
                    // Only what the field can hold: a text that fills it without a terminator, or
                    // whose bad bytes grow into replacement characters, is cut as packing cuts it.
                    const auto *chars = reinterpret_cast<const char *>(p);
                    const QString text = QString::fromUtf8(chars, int(qstrnlen(chars, uint(f.size))));
                    record.*member = QString::fromUtf8(utf8Cut(text, f.size - 1));
                } else {
                    record.*member = qFromLittleEndian<T>(p);
                }
            },
            f.member);
    }
}

template <class R, std::size_t N>
void packRecord(const R &record, const ByteField<R> (&table)[N], uchar *block)
{
    for (const auto &f : table) {
        uchar *p = block + f.offset;
        std::visit(
            [&](auto member) {
                using T = std::remove_cv_t<std::remove_reference_t<decltype(record.*member)>>;
                if constexpr (std::is_same_v<T, QString>) {
                    const QByteArray text = utf8Cut(record.*member, f.size - 1);
                    std::memset(p, 0, size_t(f.size));
                    std::memcpy(p, text.constData(), size_t(text.size()));
                } else {
                    qToLittleEndian<T>(record.*member, p);
                }
            },
            f.member);
    }
}

} // namespace ardix::laps
