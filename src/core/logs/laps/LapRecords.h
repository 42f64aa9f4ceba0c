#pragma once

// The two records the lap engine exchanges with the device and with other users:
// the start line (".esl", 76 bytes) and the reference lap (".erl", 48-byte head + trace columns).
// Both files hold the record wrapped in the compressed envelope (4-byte big-endian length + zlib).

#include "logs/laps/ByteLayout.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

namespace ardix::laps {

// ---- start line -------------------------------------------------------------------------------

constexpr int kStartLineRecordSize = 76;
constexpr int kStartLineCrcOffset = 72;
constexpr int kStartLineNameSize = 60; // 59 bytes of text at most, then the terminator

struct StartLineRecord
{
    QString name;
    float latitude = 0;
    float longitude = 0;
    float course = 0;
    quint32 crc = 0; // as read; packing recomputes it
};

inline constexpr ByteField<StartLineRecord> kStartLineLayout[] = {
    {0, kStartLineNameSize, &StartLineRecord::name},
    {60, 4, &StartLineRecord::latitude},
    {64, 4, &StartLineRecord::longitude},
    {68, 4, &StartLineRecord::course},
    {kStartLineCrcOffset, 4, &StartLineRecord::crc},
};
static_assert(layoutFits(kStartLineLayout, kStartLineRecordSize));

QByteArray packStartLine(const StartLineRecord &record); // 76 bytes, checksum filled in
// nullopt unless exactly 76 bytes with a matching checksum.
std::optional<StartLineRecord> parseStartLine(const QByteArray &bytes);

// ---- reference lap ----------------------------------------------------------------------------

constexpr int kRefLapHeadSize = 48;

struct RefLapPoint
{
    qint32 elapsedMs = 0;       // since the lap start
    qint16 speedTenthsKmh = 0;  // knots × 18.52
    double lapDistance = 0;     // metres
    double latitude = 0;
    double longitude = 0;
};

struct RefLapHead
{
    quint32 lapTimeMs = 0;
    double startLat = 0;
    double startLon = 0;
    double startCourse = 0;
    quint32 timeStamp = 0; // engine time of the lap's last point, div 1000
    quint32 pointCount = 0;
};

inline constexpr ByteField<RefLapHead> kRefLapHeadLayout[] = {
    {0, 4, &RefLapHead::lapTimeMs},
    {8, 8, &RefLapHead::startLat},
    {16, 8, &RefLapHead::startLon},
    {24, 8, &RefLapHead::startCourse},
    {32, 4, &RefLapHead::timeStamp},
    {36, 4, &RefLapHead::pointCount},
};
static_assert(layoutFits(kRefLapHeadLayout, kRefLapHeadSize));

// The trace follows the head as columns, one per point field, in this order.
inline constexpr ByteField<RefLapPoint> kRefLapPointColumns[] = {
    {0, 4, &RefLapPoint::elapsedMs},
    {4, 2, &RefLapPoint::speedTenthsKmh},
    {6, 8, &RefLapPoint::lapDistance},
    {14, 8, &RefLapPoint::latitude},
    {22, 8, &RefLapPoint::longitude},
};
constexpr int kRefLapBytesPerPoint = 30;
static_assert(layoutFits(kRefLapPointColumns, kRefLapBytesPerPoint));

struct RefLap
{
    RefLapHead head;
    QVector<RefLapPoint> points;
};

QByteArray packRefLap(const RefLap &lap); // head.pointCount is taken from points
// Data of 48 bytes or less is no reference lap; a trace that does not fit the bytes is refused.
std::optional<RefLap> parseRefLap(const QByteArray &bytes);

// ---- files ------------------------------------------------------------------------------------

// The compressed envelope, with the declared length checked against maxBytes before allocating.
QByteArray compressEnvelope(const QByteArray &raw);
std::optional<QByteArray> uncompressEnvelope(const QByteArray &file, qsizetype maxBytes);

constexpr qsizetype kMaxRefLapBytes = 64 * 1024 * 1024;

// Written atomically; false when the file cannot be written.
bool writeStartLineFile(const QString &path, const StartLineRecord &record);
std::optional<StartLineRecord> readStartLineFile(const QString &path);
bool writeRefLapFile(const QString &path, const QByteArray &rawRefLap);
std::optional<QByteArray> readRefLapFile(const QString &path); // the raw (uncompressed) record

} // namespace ardix::laps
