#pragma once
// The 80-byte GPS sample of a log (channel 202). One table below drives both decoding and
// encoding; the bytes the client does not read are carried, not interpreted.

#include "logs/elog/ElogChannels.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <iterator>

struct GpsRecord
{
    int32_t hours = 0;          // UTC
    int32_t minutes = 0;
    int32_t seconds = 0;
    int32_t microseconds = 0;
    int32_t fixValid = 0;
    int32_t latValue = 0, latScale = 0;       // NMEA ddmm.mmmm × scale
    int32_t lonValue = 0, lonScale = 0;
    int32_t speedValue = 0, speedScale = 0;   // knots × scale
    int32_t courseValue = 0, courseScale = 0; // degrees × scale
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;
    int32_t satellites = 0;     // uint8 on disk
    int32_t altitudeTenths = 0; // int16 on disk, tenths of a metre

    double latitude() const;    // degrees, NaN when the scale is 0
    double longitude() const;
    double speedKnots() const;  // 0 when the scale is 0
    double course() const;      // degrees, 0 when the scale is 0
};

namespace elog {

enum class FieldType : uint8_t { Int32, UInt8, Int16 };

struct GpsField
{
    int offset;
    FieldType type;
    int32_t GpsRecord::*member;
};

constexpr int fieldSize(FieldType t) { return t == FieldType::Int32 ? 4 : t == FieldType::Int16 ? 2 : 1; }

inline constexpr GpsField kGpsLayout[] = {
    {0, FieldType::Int32, &GpsRecord::hours},
    {4, FieldType::Int32, &GpsRecord::minutes},
    {8, FieldType::Int32, &GpsRecord::seconds},
    {12, FieldType::Int32, &GpsRecord::microseconds},
    {16, FieldType::Int32, &GpsRecord::fixValid},
    {20, FieldType::Int32, &GpsRecord::latValue},
    {24, FieldType::Int32, &GpsRecord::latScale},
    {28, FieldType::Int32, &GpsRecord::lonValue},
    {32, FieldType::Int32, &GpsRecord::lonScale},
    {36, FieldType::Int32, &GpsRecord::speedValue},
    {40, FieldType::Int32, &GpsRecord::speedScale},
    {44, FieldType::Int32, &GpsRecord::courseValue},
    {48, FieldType::Int32, &GpsRecord::courseScale},
    {52, FieldType::Int32, &GpsRecord::day},
    {56, FieldType::Int32, &GpsRecord::month},
    {60, FieldType::Int32, &GpsRecord::year},
    // 64..72: not read by the client
    {73, FieldType::UInt8, &GpsRecord::satellites},
    // 74..75: not read
    {76, FieldType::Int16, &GpsRecord::altitudeTenths},
    // 78..79: not read
};

constexpr bool layoutIsSound(const GpsField *fields, size_t count, int blockSize)
{
    int end = 0;
    for (size_t i = 0; i < count; ++i) {
        if (fields[i].offset < end)
            return false;
        end = fields[i].offset + fieldSize(fields[i].type);
    }
    return end <= blockSize;
}
static_assert(layoutIsSound(kGpsLayout, std::size(kGpsLayout), kGpsRecordSize),
              "GPS record fields must ascend, not overlap and end inside the record");

// NMEA ddmm.mmmm × scale to degrees; NaN when scale is 0.
double nmeaDegrees(int32_t value, int32_t scale);
// value / scale; 0 when scale is 0.
double scaledValue(int32_t value, int32_t scale);

} // namespace elog

// `bytes` must hold kGpsRecordSize bytes.
GpsRecord decodeGpsRecord(const uchar *bytes);
// Writes the fields the client knows; the other bytes of `bytes` are left as they are.
void encodeGpsRecord(const GpsRecord &record, uchar *bytes);
