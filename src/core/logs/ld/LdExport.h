#pragma once

// Log export to ".ld": sensor channels copied as 16-bit samples, the GPS-derived channels computed
// with a lap engine of the export's own, laps thinned where the log holds more records than the
// lap took, and the gain/loss module channel.
//
// LdExport is the pure part (a read log + a settings snapshot in, file bytes out through a sink);
// convertElogToLD adds reading the log, the atomic output file and the user reports.

#include "logs/LogExportContext.h"
#include "logs/LogReporter.h"
#include "logs/elog/ElogReader.h"
#include "logs/ld/LdLayout.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

struct ElogData;

namespace ardix::ld {


struct ExportStamp
{
    QString date;    // "dd/MM/yyyy"
    QString time;    // "hh:mm:ss"
    QString session; // the log's file name; "session" when empty

    static ExportStamp at(const QDateTime &localTime, const QString &inputPath);
};

// Receives the file in order; false stops the export.
using Sink = std::function<bool(const char *data, qsizetype size)>;

struct Crossing
{
    uint32_t record = 0;     // index among the records the pass ran over
    int interpolatedMs = 0;  // beacon value: ms from the previous record to the line
};

class LdExport
{
public:
    LdExport(const ElogData &log, const LogExportContext &context, const ExportStamp &stamp);

    int channelCount() const { return int(m_channels.size()); }
    // Samples of the sensor channels; the GPS-derived channels have gpsSampleCount() at gpsRate().
    uint32_t sampleCount() const { return m_sampleCount; }
    uint32_t gpsSampleCount() const { return m_gpsCount; }
    uint16_t gpsRate() const { return m_gpsRate; }
    const std::vector<ChannelHeader> &headers() const { return m_headers; }
    qint64 fileSize() const;
    // Records left out by lap thinning (indices in the log); empty when nothing is thinned.
    std::vector<uint32_t> droppedRecords() const;
    // Crossings of the pass the GPS-derived channels were produced from.
    const std::vector<Crossing> &crossings() const { return m_crossings; }

    QByteArray headerBytes() const; // header area and channel headers
    bool write(const Sink &sink) const;

private:
    enum class Source : uint8_t { LogBlock, Gps32, Gps16 };
    struct Channel
    {
        Source source = Source::LogBlock;
        int index = 0; // log channel index, or column of the GPS-derived values
    };
    using Ranges = std::vector<std::pair<uint32_t, uint32_t>>; // kept [first, last) records

    void planSensorChannels();
    void planGpsChannels();
    void runGpsPass(const Ranges *kept);
    Ranges thinningRanges() const;
    void placeBeaconMarkers();
    void addChannel(const ChannelHeader &header, Source source, int index);
    void finishHeaders();
    bool writeBlock(const Sink &sink, const Channel &channel) const;
    static bool isGps(const Channel &channel) { return channel.source != Source::LogBlock; }

    const ElogData &m_log;
    const LogExportContext &m_context;
    ExportStamp m_stamp;
    int m_gps = -1;
    uint32_t m_sampleCount = 0;
    // The GPS-derived channels follow the log unless its GPS is slower than the log: they then keep
    // the GPS's own samples at its own rate.
    bool m_gpsSlow = false;
    uint32_t m_gpsCount = 0;
    uint16_t m_gpsRate = 0;
    Ranges m_kept; // empty: every record
    std::vector<Channel> m_channels;
    std::vector<ChannelHeader> m_headers;
    // GPS-derived values, one column of m_sampleCount samples per channel.
    std::vector<int32_t> m_gps32;
    std::vector<int16_t> m_gps16;
    std::vector<Crossing> m_crossings;
    std::vector<uint32_t> m_lapTimes;  // per lap of the channel pass; 0 for a break entry
    std::vector<bool> m_lapValid;
};

} // namespace ardix::ld

// Kernel operation: 1 on success, 0 on failure (already reported through `reporter`). The output
// appears only when complete: it is written to a temporary file and renamed at the end.
int convertElogToLD(const QString &inputPath, const QString &outputPath, const LogExportContext &context,
                    const LogReporter &reporter);
// The same on a log the caller has already read with readElog(inputPath, reporter), stamped `now`.
int convertElogToLD(const ElogReadResult &read, const QString &inputPath, const QString &outputPath,
                    const LogExportContext &context, const LogReporter &reporter,
                    const QDateTime &now = QDateTime::currentDateTime());
