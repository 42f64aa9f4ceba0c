#include "logs/laps/LapRecords.h"

#include "logs/elog/ElogEnvelope.h"
#include "settings/layout/Crc32Words.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>


namespace ardix::laps {

QByteArray packStartLine(const StartLineRecord &record)
{
    QByteArray bytes(kStartLineRecordSize, '\0');
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    packRecord(record, kStartLineLayout, p);
    qToLittleEndian<quint32>(::crc32Words(p, size_t(kStartLineCrcOffset)), p + kStartLineCrcOffset);
    return bytes;
}

std::optional<StartLineRecord> parseStartLine(const QByteArray &bytes)
{
    if (bytes.size() != kStartLineRecordSize)
        return std::nullopt;
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    StartLineRecord record;
    loadRecord(record, kStartLineLayout, p);
    if (record.crc != ::crc32Words(p, size_t(kStartLineCrcOffset)))
        return std::nullopt;
    return record;
}

QByteArray packRefLap(const RefLap &lap)
{
    const qsizetype n = lap.points.size();
    QByteArray bytes(kRefLapHeadSize + kRefLapBytesPerPoint * n, '\0');
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    RefLapHead head = lap.head;
    head.pointCount = quint32(n);
    packRecord(head, kRefLapHeadLayout, p);
    // Column c starts at 48 + (sum of the earlier columns' sizes) × n.
    for (const auto &column : kRefLapPointColumns) {
        uchar *base = p + kRefLapHeadSize + column.offset * n;
        for (qsizetype i = 0; i < n; ++i) {
            std::visit(
                [&](auto member) {
                    using T = std::remove_cv_t<std::remove_reference_t<decltype(lap.points[i].*member)>>;
                    if constexpr (!std::is_same_v<T, QString>)
                        qToLittleEndian<T>(lap.points[i].*member, base + i * column.size);
                },
                column.member);
        }
    }
    return bytes;
}

std::optional<RefLap> parseRefLap(const QByteArray &bytes)
{
    if (bytes.size() <= kRefLapHeadSize)
        return std::nullopt;
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    RefLap lap;
    loadRecord(lap.head, kRefLapHeadLayout, p);
    const qint64 n = lap.head.pointCount;
    if (kRefLapHeadSize + qint64(kRefLapBytesPerPoint) * n > bytes.size())
        return std::nullopt;
    lap.points.resize(n);
    for (const auto &column : kRefLapPointColumns) {
        const uchar *base = p + kRefLapHeadSize + column.offset * n;
        for (qint64 i = 0; i < n; ++i) {
            std::visit(
                [&](auto member) {
                    using T = std::remove_cv_t<std::remove_reference_t<decltype(lap.points[i].*member)>>;
                    if constexpr (!std::is_same_v<T, QString>)
                        lap.points[i].*member = qFromLittleEndian<T>(base + i * column.size);
                },
                column.member);
        }
    }
    return lap;
}

QByteArray compressEnvelope(const QByteArray &raw)
{
    return qCompress(raw);
}

std::optional<QByteArray> uncompressEnvelope(const QByteArray &file, qsizetype maxBytes)
{
    QByteArray raw = elog::inflateEnvelope(file, maxBytes);
    if (raw.isEmpty())
        return std::nullopt;
    return raw;
}

namespace {
bool writeAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QByteArray> readEnvelopeFile(const QString &path, qsizetype maxBytes)
{
    QFile file(path);
    // A compressed record is never larger than its raw form plus zlib's overhead.
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxBytes + 1024)
        return std::nullopt;
    return uncompressEnvelope(file.readAll(), maxBytes);
}
} // namespace

bool writeStartLineFile(const QString &path, const StartLineRecord &record)
{
    return writeAtomically(path, compressEnvelope(packStartLine(record)));
}

std::optional<StartLineRecord> readStartLineFile(const QString &path)
{
    const auto raw = readEnvelopeFile(path, kStartLineRecordSize);
    if (!raw)
        return std::nullopt;
    return parseStartLine(*raw);
}

bool writeRefLapFile(const QString &path, const QByteArray &rawRefLap)
{
    if (rawRefLap.size() <= kRefLapHeadSize)
        return false;
    return writeAtomically(path, compressEnvelope(rawRefLap));
}

std::optional<QByteArray> readRefLapFile(const QString &path)
{
    const auto raw = readEnvelopeFile(path, kMaxRefLapBytes);
    if (!raw || !parseRefLap(*raw))
        return std::nullopt;
    return raw;
}

} // namespace ardix::laps
