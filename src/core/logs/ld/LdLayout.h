#pragma once

// Byte layout of an ".ld" file: a fixed header area, one 124-byte header per channel (a doubly
// linked list by file offset), then the channels' sample blocks. All numbers little-endian;
// texts UTF-8, zero-terminated and zero-padded.

#include "logs/laps/ByteLayout.h"

#include <QString>
#include <QtGlobal>

namespace ardix::ld {

constexpr int kHeaderAreaSize = 0x3448;
constexpr int kChannelHeaderSize = 124;

// What fills a header-area field: a constant number or text, or a value of the export.
enum class HeaderValue : quint8 { Number, Text, DataOffset, ChannelCount, ExportDate, ExportTime, Device, Session };

struct HeaderField
{
    int offset;
    int size;
    HeaderValue value;
    quint32 number;
    const char *text;
};

inline constexpr HeaderField kHeaderArea[] = {
    {0x0000, 4, HeaderValue::Number, 0x40, nullptr},
    {0x0008, 4, HeaderValue::Number, kHeaderAreaSize, nullptr}, // first channel header
    {0x000C, 4, HeaderValue::DataOffset, 0, nullptr},
    {0x0024, 4, HeaderValue::Number, 0x6E2, nullptr},           // event block
    {0x0042, 2, HeaderValue::Number, 0x4240, nullptr},
    {0x0044, 2, HeaderValue::Number, 0x000F, nullptr},
    {0x0046, 4, HeaderValue::Number, 12007, nullptr},
    {0x004A, 8, HeaderValue::Text, 0, "ADL"},
    {0x0052, 4, HeaderValue::Number, 0x00800000, nullptr},
    {0x0056, 4, HeaderValue::ChannelCount, 0, nullptr},
    {0x005A, 4, HeaderValue::Number, 0x00010064, nullptr},
    {0x005E, 16, HeaderValue::ExportDate, 0, nullptr},
    {0x007E, 16, HeaderValue::ExportTime, 0, nullptr},
    {0x009E, 64, HeaderValue::Text, 0, "Driver"},
    {0x00DE, 64, HeaderValue::Device, 0, nullptr},
    {0x015E, 64, HeaderValue::Text, 0, "Place"},
    {0x05DE, 4, HeaderValue::Number, 0x00D20822, nullptr},
    {0x05E4, 1, HeaderValue::Number, '2', nullptr},
    {0x0624, 64, HeaderValue::Text, 0, "shortComment"},
    {0x06E2, 64, HeaderValue::Text, 0, "event"},
    {0x0722, 64, HeaderValue::Session, 0, nullptr},
    {0x0762, 1024, HeaderValue::Text, 0, "Comment"},
    {0x1336, 3102, HeaderValue::Text, 0, "venue2"},
    {0x1F54, 64, HeaderValue::Text, 0, "car2"},
    {0x1F94, 132, HeaderValue::Text, 0, "carDesc"},
    {0x2018, 64, HeaderValue::Text, 0, "car3"},
};

constexpr bool headerAreaFits()
{
    int end = 0;
    for (const auto &f : kHeaderArea) {
        if (f.offset < end || f.size <= 0)
            return false;
        if (f.value == HeaderValue::Number && f.size != 1 && f.size != 2 && f.size != 4)
            return false;
        end = f.offset + f.size;
    }
    return end <= kHeaderAreaSize;
}
static_assert(headerAreaFits());

struct ChannelHeader
{
    quint32 previous = 0;   // offset of the previous header, 0 for the first
    quint32 next = 0;       // offset of the next header, 0 for the last
    quint32 dataOffset = 0;
    quint32 sampleCount = 0;
    quint16 channelId = 0;
    quint16 typeClass = 3;  // 3: 16-bit, 5: 32-bit, 0: beacon
    quint16 sampleSize = 2;
    quint16 sampleRate = 0; // Hz
    quint16 shift = 0;
    quint16 multiplier = 1;
    quint16 scale = 1;
    quint16 decimals = 0;
    QString name;
    QString shortName;
    QString units;
};

inline constexpr laps::ByteField<ChannelHeader> kChannelHeaderLayout[] = {
    {0x00, 4, &ChannelHeader::previous},
    {0x04, 4, &ChannelHeader::next},
    {0x08, 4, &ChannelHeader::dataOffset},
    {0x0C, 4, &ChannelHeader::sampleCount},
    {0x10, 2, &ChannelHeader::channelId},
    {0x12, 2, &ChannelHeader::typeClass},
    {0x14, 2, &ChannelHeader::sampleSize},
    {0x16, 2, &ChannelHeader::sampleRate},
    {0x18, 2, &ChannelHeader::shift},
    {0x1A, 2, &ChannelHeader::multiplier},
    {0x1C, 2, &ChannelHeader::scale},
    {0x1E, 2, &ChannelHeader::decimals},
    {0x20, 32, &ChannelHeader::name},
    {0x40, 8, &ChannelHeader::shortName},
    {0x48, 12, &ChannelHeader::units},
    // 0x54..0x7B: zero
};
static_assert(laps::layoutFits(kChannelHeaderLayout, kChannelHeaderSize));

// Beacon samples: a start-line marker is three samples from the last whole second before the
// crossing.
constexpr quint16 kBeaconIdle = 2;
constexpr quint16 kMarkerFirst = 55536; // 0xD8F0
constexpr quint16 kMarkerSecond = 32769; // 0x8001
constexpr quint16 kSubSecondBase = 16384; // 0x4000
constexpr int kSubSecondCarry = 1000;
constexpr int kMaxResidualMs = 8151;

} // namespace ardix::ld
