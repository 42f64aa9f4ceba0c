#include "logs/ld/LdExport.h"

#include "logs/csv/OutputSink.h"
#include "logs/csv/Transliterate.h"
#include "logs/elog/ElogReader.h"
#include "logs/elog/GpsRecord.h"
#include "logs/laps/FindLaps.h"
#include "logs/laps/LapEngine.h"

#include <QLoggingCategory>
#include <QtEndian>

#include <cmath>
#include <cstring>

Q_LOGGING_CATEGORY(lcLdExport, "ardix.logs.ld", QtWarningMsg)

namespace ardix::ld {

namespace {

// The GPS-derived channels, in file order. 32-bit ones come from the record, 16-bit ones from
// the lap engine.
enum class GpsValue : quint8 { Sats, Altitude, Latitude, Longitude, Heading, Time, Date, Speed, Beacon, GainLoss, LapDistance };

struct GpsChannelDef
{
    GpsValue value;
    quint16 id;
    const char *name;
    const char *shortName;
    const char *units;
    quint16 typeClass;
    quint16 sampleSize;
    quint16 decimals;
};

constexpr GpsChannelDef kGpsChannels[] = {
    {GpsValue::Sats, 8067, "GPS Sats Used", "GPSSats", "", 5, 4, 0},
    {GpsValue::Altitude, 8099, "GPS Altitude", "GPS Alt", "m", 5, 4, 1},
    {GpsValue::Latitude, 8112, "GPS Latitude", "GPSLat", "deg", 5, 4, 7},
    {GpsValue::Longitude, 8113, "GPS Longitude", "GPSLong", "deg", 5, 4, 7},
    {GpsValue::Heading, 8115, "GPS Heading", "GPSHead", "deg", 5, 4, 2},
    {GpsValue::Time, 8116, "GPS Time", "GPSTime", "", 5, 4, 3},
    {GpsValue::Date, 8117, "GPS Date", "GPSDate", "", 5, 4, 0},
    {GpsValue::Speed, 8162, "GPS Speed", "GPS Spd", "km/h", 5, 4, 1},
    {GpsValue::Beacon, 110, "Beacon", "Beacon", "", 0, 2, 0},
    {GpsValue::GainLoss, 10000, "GainLoss_Log", "GL_Log", "", 3, 2, 3},
    {GpsValue::LapDistance, 125, "Lap Distance", "Lap Dis", "m", 3, 2, 0},
};
constexpr int kGps32Columns = 8;
constexpr int kGps16Columns = 3;
constexpr int kBeaconColumn = 0; // of the 16-bit columns

constexpr quint16 kGainLossDashId = 10001;
constexpr double kKnotsToTenthsKmh = 18.52;

// Truncation toward zero into int32; NaN and out-of-range give 0 rather than undefined behaviour.
int32_t truncated(double v)
{
    if (!(std::fabs(v) < 2147483648.0))
        return 0;
    return int32_t(v);
}

// The whole-hertz rate of a GPS channel with fewer samples than the log has records (10 Hz in a
// 50 Hz log); 0 when it is not slower or rounds to nothing.
uint16_t slowGpsRate(const ElogData &log, int gps)
{
    const uint64_t samples = log.channelSamples[size_t(gps)];
    if (log.recordCount == 0 || samples == 0 || samples >= log.recordCount)
        return 0;
    return uint16_t((samples * log.logRate + log.recordCount / 2) / log.recordCount);
}

QString noSensorName(uint8_t id)
{
    return QStringLiteral("Channel %1").arg(id);
}

} // namespace

ExportStamp ExportStamp::at(const QDateTime &localTime, const QString &inputPath)
{
    ExportStamp s;
    s.date = localTime.toString(QStringLiteral("dd/MM/yyyy"));
    s.time = localTime.toString(QStringLiteral("hh:mm:ss"));
    s.session = inputPath.mid(inputPath.lastIndexOf(QLatin1Char('/')) + 1);
    if (s.session.isEmpty())
        s.session = QStringLiteral("session");
    return s;
}

LdExport::LdExport(const ElogData &log, const LogExportContext &context, const ExportStamp &stamp)
    : m_log(log), m_context(context), m_stamp(stamp)
{
    m_sampleCount = log.recordCount;
    const int gps = log.channelIndex(elog::Module_GPS);
    if (gps >= 0 && !log.isSlow(elog::Module_GPS)) {
        m_gps = gps;
        m_gpsCount = log.recordCount;
        m_gpsRate = log.logRate;
    } else if (gps >= 0) {
        m_gpsRate = slowGpsRate(log, gps);
        if (m_gpsRate != 0) {
            m_gps = gps;
            m_gpsSlow = true;
            m_gpsCount = log.channelSamples[size_t(gps)];
        }
    }

    if (m_gps >= 0) {
        // One pass over every record finds the crossings; the thinned records, if any, are run
        // again from a reset engine. Without thinning that second run would repeat the first.
        // Thinning cuts sensor and GPS samples by the same record indices, so a slow GPS is never
        // thinned: its samples do not line up with the records.
        runGpsPass(nullptr);
        m_kept = m_gpsSlow ? Ranges{} : thinningRanges();
        if (!m_kept.empty()) {
            uint32_t kept = 0;
            for (const auto &r : m_kept)
                kept += r.second - r.first;
            if (kept != 0 && kept < log.recordCount) {
                m_sampleCount = kept;
                m_gpsCount = kept;
                runGpsPass(&m_kept);
            } else {
                m_kept.clear();
            }
        }
        placeBeaconMarkers();
    }

    planSensorChannels();
    if (m_gps >= 0)
        planGpsChannels();
    const int gainLoss = log.channelIndex(elog::Module_GPS_GainLoss);
    // A slow gain/loss channel would not fill the shared sample count: it is left out like any
    // other slow channel.
    if (gainLoss >= 0 && !log.isSlow(elog::Module_GPS_GainLoss)) {
        ChannelHeader h;
        h.channelId = kGainLossDashId;
        h.typeClass = 3;
        h.sampleSize = 2;
        h.decimals = 3;
        h.name = QStringLiteral("GainLoss_Dash");
        h.shortName = QStringLiteral("GL_Dash");
        addChannel(h, Source::LogBlock, gainLoss);
    }
    finishHeaders();
}

void LdExport::planSensorChannels()
{
    int customOrdinal = 0;
    for (size_t i = 0; i < m_log.channelIds.size(); ++i) {
        const uint8_t id = m_log.channelIds[i];
        const int custom = elog::isNamedCustomChannel(id) ? customOrdinal++ : -1;
        if (id >= elog::Module_Time || m_log.isSlow(id))
            continue;
        const LogSensorInfo *sensor = m_context.sensor(id);
        ChannelHeader h;
        h.typeClass = 3;
        h.sampleSize = 2;
        const bool isCustom = sensor ? sensor->custom : custom >= 0;
        if (sensor) {
            h.channelId = quint16(sensor->ldChannelId);
            h.units = sensor->ldUnits;
        }
        if (isCustom && custom >= 0 && custom < m_log.customNames.size()) {
            h.name = transliterate(m_log.customNames.at(custom));
            h.shortName = h.name;
            h.decimals = size_t(custom) < m_log.customAttributes.size() && m_log.customAttributes[size_t(custom)] != 0 ? 2 : 0;
        } else if (isCustom && sensor) {
            h.name = transliterate(sensor->shortSensorName);
            h.shortName = h.name;
            h.decimals = sensor->isFloat ? 2 : 0;
        } else if (sensor) {
            h.name = sensor->ldName;
            h.shortName = sensor->ldShortName;
            h.decimals = sensor->isFloat ? 2 : 0;
        } else {
            // No sensor object for this id: keep the data, named after its id.
            h.channelId = id;
            h.name = noSensorName(id);
            h.shortName = QStringLiteral("Ch%1").arg(id);
        }
        addChannel(h, Source::LogBlock, int(i));
    }
}

void LdExport::planGpsChannels()
{
    int col32 = 0, col16 = 0;
    for (const auto &def : kGpsChannels) {
        ChannelHeader h;
        h.channelId = def.id;
        h.typeClass = def.typeClass;
        h.sampleSize = def.sampleSize;
        h.decimals = def.decimals;
        h.name = QString::fromLatin1(def.name);
        h.shortName = QString::fromLatin1(def.shortName);
        h.units = QString::fromLatin1(def.units);
        if (def.sampleSize == 4)
            addChannel(h, Source::Gps32, col32++);
        else
            addChannel(h, Source::Gps16, col16++);
    }
    Q_ASSERT(col32 == kGps32Columns && col16 == kGps16Columns);
}

void LdExport::addChannel(const ChannelHeader &header, Source source, int index)
{
    m_channels.push_back({source, index});
    m_headers.push_back(header);
}

void LdExport::finishHeaders()
{
    const auto count = quint32(m_headers.size());
    quint32 data = kHeaderAreaSize + kChannelHeaderSize * count;
    for (quint32 k = 0; k < count; ++k) {
        ChannelHeader &h = m_headers[k];
        const quint32 at = kHeaderAreaSize + kChannelHeaderSize * k;
        h.previous = k == 0 ? 0 : at - kChannelHeaderSize;
        h.next = k + 1 == count ? 0 : at + kChannelHeaderSize;
        const bool gps = isGps(m_channels[k]);
        h.dataOffset = data;
        h.sampleCount = gps ? m_gpsCount : m_sampleCount;
        h.sampleRate = gps ? m_gpsRate : m_log.logRate;
        data += quint32(h.sampleSize) * h.sampleCount;
    }
}

void LdExport::runGpsPass(const Ranges *kept)
{
    laps::LapEngine engine;
    engine.setGainLossEnabled(true);
    const laps::StartPoint settings{m_context.startPointLat, m_context.startPointLon, m_context.startPointCourse};
    laps::setupStartLineForLog(engine, m_log, settings);

    const uint32_t n = m_gpsCount;
    m_gps32.assign(size_t(kGps32Columns) * n, 0);
    m_gps16.assign(size_t(kGps16Columns) * n, 0);
    m_crossings.clear();
    int32_t *sats = m_gps32.data(), *alt = sats + n, *lat = alt + n, *lon = lat + n, *head = lon + n,
            *time = head + n, *date = time + n, *speed = date + n;
    int16_t *beacon = m_gps16.data(), *gainLoss = beacon + n, *lapDistance = gainLoss + n;

    const Ranges all{{0, m_gpsCount}};
    uint32_t j = 0;
    for (const auto &range : kept ? *kept : all) {
        for (uint32_t i = range.first; i < range.second && j < n; ++i, ++j) {
            const GpsRecord g = decodeGpsRecord(m_log.sample(m_gps, i));
            engine.processRecord(g);
            sats[j] = g.satellites;
            alt[j] = g.altitudeTenths;
            lat[j] = g.latScale == 0 ? 0 : truncated(g.latitude() * 10000000.0);
            lon[j] = g.lonScale == 0 ? 0 : truncated(g.longitude() * 10000000.0);
            head[j] = truncated(g.course() * 100.0);
            time[j] = int32_t(int64_t(g.hours) * 10000000 + int64_t(g.minutes) * 100000 + int64_t(g.seconds) * 1000
                              + g.microseconds / 1000);
            date[j] = int32_t(int64_t(g.day) * 10000 + int64_t(g.month) * 100 + g.year);
            speed[j] = truncated(g.speedKnots() * kKnotsToTenthsKmh);
            const int b = engine.takeBeacon();
            beacon[j] = int16_t(kBeaconIdle);
            if (b != kBeaconIdle)
                m_crossings.push_back({j, b});
            gainLoss[j] = int16_t(engine.gainLoss().value_or(0));
            lapDistance[j] = int16_t(truncated(engine.lapDistance()));
        }
    }
    m_lapTimes.clear();
    m_lapValid.clear();
    for (const auto &lap : engine.laps()) {
        m_lapTimes.push_back(lap.lapTimeMsecs);
        m_lapValid.push_back(lap.isLapValid);
    }
}

LdExport::Ranges LdExport::thinningRanges() const
{
    const size_t laps = m_lapTimes.size();
    if (laps == 0 || laps + 1 != m_crossings.size() || m_log.logRate == 0)
        return {};
    const uint32_t rate = m_log.logRate;
    const uint32_t msPerRecord = 1000 / rate;
    Ranges kept;
    uint32_t from = 0;
    bool dropped = false;
    for (size_t k = 0; k < laps; ++k) {
        const uint32_t start = m_crossings[k].record;
        const uint32_t end = m_crossings[k + 1].record;
        const uint32_t span = end - start;
        if (span == 0)
            continue;
        const uint64_t spanMs = (uint64_t(span) * 1000 / rate / 1000) * 1000;
        const uint32_t lapMs = m_lapTimes[k];
        uint64_t drop = (lapMs != 0 && lapMs < spanMs) ? (spanMs - lapMs) / msPerRecord : 0;
        if (drop * 100 / span >= 10)
            drop = 0;
        if (drop == 0)
            continue;
        const int64_t step = int64_t(span / drop) - 1;
        if (step < 1)
            continue;
        // Every record of the lap whose index in the log is a multiple of step is left out.
        for (uint64_t m = (uint64_t(start) + uint64_t(step) - 1) / uint64_t(step) * uint64_t(step); m < end;
             m += uint64_t(step)) {
            if (m > from)
                kept.emplace_back(from, uint32_t(m));
            from = uint32_t(m) + 1;
            dropped = true;
        }
    }
    if (!dropped)
        return {};
    if (from < m_log.recordCount)
        kept.emplace_back(from, m_log.recordCount);
    return kept;
}

void LdExport::placeBeaconMarkers()
{
    const uint32_t n = m_gpsCount;
    const uint32_t rate = m_gpsRate;
    if (rate == 0)
        return;
    int16_t *beacon = m_gps16.data() + size_t(kBeaconColumn) * n;
    const uint32_t p = 1000 / rate;
    const auto put = [&](uint64_t at, quint16 value) {
        if (at < n)
            beacon[at] = int16_t(value);
    };

    std::vector<uint32_t> w(m_crossings.size());
    std::vector<int16_t> sub(m_crossings.size());
    for (size_t c = 0; c < m_crossings.size(); ++c) {
        const uint64_t r = m_crossings[c].record;
        w[c] = uint32_t((uint64_t(p) * r / 1000) * 1000 / p);
        if (w[c] == r) {
            sub[c] = int16_t(kSubSecondBase);
        } else {
            const int64_t t = int64_t(r - w[c]) * 1000 / rate;
            const int64_t crossingMs = m_crossings[c].interpolatedMs;
            const int64_t f = t > crossingMs ? t - crossingMs : t;
            sub[c] = int16_t(quint16(kSubSecondBase + kSubSecondCarry + f));
        }
        put(w[c], kMarkerFirst);
        put(uint64_t(w[c]) + 1, kMarkerSecond);
        put(uint64_t(w[c]) + 2, quint16(sub[c]));
    }

    const size_t laps = m_lapTimes.size();
    if (laps == 0 || laps + 1 != m_crossings.size())
        return;
    // Each lap's markers are corrected so the analysis software's lap time agrees with ours.
    quint16 marker = kMarkerFirst;
    for (size_t k = 0; k < laps; ++k) {
        const int64_t residual = int64_t(m_lapTimes[k]) - int64_t(w[k + 1] - w[k]) * 1000 / rate - sub[k] + sub[k + 1];
        if (m_lapValid[k] && std::llabs(residual) < kMaxResidualMs) {
            ++marker;
            sub[k + 1] = int16_t(quint16(quint16(sub[k + 1]) + quint16(residual)));
        } else {
            --marker;
        }
        put(w[k + 1], marker);
        put(uint64_t(w[k + 1]) + 2, quint16(sub[k + 1]));
    }
}

std::vector<uint32_t> LdExport::droppedRecords() const
{
    std::vector<uint32_t> out;
    uint32_t from = 0;
    for (const auto &r : m_kept) {
        for (uint32_t i = from; i < r.first; ++i)
            out.push_back(i);
        from = r.second;
    }
    if (!m_kept.empty())
        for (uint32_t i = from; i < m_log.recordCount; ++i)
            out.push_back(i);
    return out;
}

qint64 LdExport::fileSize() const
{
    qint64 size = kHeaderAreaSize + qint64(kChannelHeaderSize) * qint64(m_headers.size());
    for (const auto &h : m_headers)
        size += qint64(h.sampleSize) * h.sampleCount;
    return size;
}

QByteArray LdExport::headerBytes() const
{
    QByteArray bytes(kHeaderAreaSize + kChannelHeaderSize * int(m_headers.size()), '\0');
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    const quint32 dataOffset = kHeaderAreaSize + kChannelHeaderSize * quint32(m_headers.size());
    for (const auto &f : kHeaderArea) {
        uchar *at = p + f.offset;
        QString text;
        quint32 number = f.number;
        switch (f.value) {
        case HeaderValue::Number: break;
        case HeaderValue::Text: text = QString::fromLatin1(f.text); break;
        case HeaderValue::DataOffset: number = dataOffset; break;
        case HeaderValue::ChannelCount: number = quint32(m_headers.size()); break;
        case HeaderValue::ExportDate: text = m_stamp.date; break;
        case HeaderValue::ExportTime: text = m_stamp.time; break;
        case HeaderValue::Device: text = QStringLiteral("Ardix %1").arg(m_context.dashSerialNum); break;
        case HeaderValue::Session: text = m_stamp.session; break;
        }
        const bool isText = f.value != HeaderValue::Number && f.value != HeaderValue::DataOffset
                            && f.value != HeaderValue::ChannelCount;
        if (isText) {
            const QByteArray utf8 = laps::utf8Cut(text, f.size - 1);
            std::memcpy(at, utf8.constData(), size_t(utf8.size()));
        } else if (f.size == 4) {
            qToLittleEndian<quint32>(number, at);
        } else if (f.size == 2) {
            qToLittleEndian<quint16>(quint16(number), at);
        } else {
            *at = uchar(number);
        }
    }
    for (size_t k = 0; k < m_headers.size(); ++k)
        laps::packRecord(m_headers[k], kChannelHeaderLayout, p + kHeaderAreaSize + kChannelHeaderSize * k);
    return bytes;
}

bool LdExport::writeBlock(const Sink &sink, const Channel &channel) const
{
    const uint32_t g = m_gpsCount;
    switch (channel.source) {
    case Source::Gps32:
        return sink(reinterpret_cast<const char *>(m_gps32.data() + size_t(channel.index) * g), qsizetype(g) * 4);
    case Source::Gps16:
        return sink(reinterpret_cast<const char *>(m_gps16.data() + size_t(channel.index) * g), qsizetype(g) * 2);
    case Source::LogBlock:
        break;
    }
    const uint32_t n = m_sampleCount;
    const char *block = reinterpret_cast<const char *>(m_log.block(channel.index));
    if (m_kept.empty())
        return sink(block, qsizetype(n) * 2);
    for (const auto &r : m_kept)
        if (!sink(block + size_t(r.first) * 2, qsizetype(r.second - r.first) * 2))
            return false;
    return true;
}

bool LdExport::write(const Sink &sink) const
{
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "samples are written straight from memory");
    const QByteArray head = headerBytes();
    if (!sink(head.constData(), head.size()))
        return false;
    for (const auto &channel : m_channels)
        if (!writeBlock(sink, channel))
            return false;
    return true;
}

} // namespace ardix::ld

namespace {

// Collects small pieces (thinned blocks, headers) into 1 MB writes; large blocks go straight out.
class BufferedWriter
{
public:
    explicit BufferedWriter(OutputSink &out) : m_out(out) { m_buffer.reserve(kSize); }
    bool append(const char *data, qsizetype size)
    {
        if (size >= kDirect)
            return flush() && m_out.write(data, size_t(size));
        if (m_buffer.size() + size > kSize && !flush())
            return false;
        m_buffer.append(data, size);
        return true;
    }
    bool flush()
    {
        if (m_buffer.isEmpty())
            return true;
        const bool ok = m_out.write(m_buffer.constData(), size_t(m_buffer.size()));
        m_buffer.resize(0);
        return ok;
    }

private:
    static constexpr qsizetype kSize = 1 << 20;
    static constexpr qsizetype kDirect = 64 << 10;
    OutputSink &m_out;
    QByteArray m_buffer;
};

} // namespace

int convertElogToLD(const QString &inputPath, const QString &outputPath, const LogExportContext &context,
                    const LogReporter &reporter)
{
    const QDateTime now = QDateTime::currentDateTime();
    return convertElogToLD(readElog(inputPath, reporter), inputPath, outputPath, context, reporter, now);
}

int convertElogToLD(const ElogReadResult &read, const QString &inputPath, const QString &outputPath,
                    const LogExportContext &context, const LogReporter &reporter, const QDateTime &now)
{
    using namespace ardix::ld;
    const ExportStamp stamp = ExportStamp::at(now, inputPath);
    if (!read.ok()) {
        reporter.hideBusy();
        return 0;
    }
    const auto refuse = [&reporter](const QString &reason) {
        reporter.hideBusy();
        reporter.showInfoMessage(writeFailedText(reason));
        reporter.failureReason(reason);
        return 0;
    };
    if (wouldReplaceInput(inputPath, outputPath))
        return refuse(kReplacesInputReason);
    const LdExport exporter(read.data, context, stamp);

    // Written under a part name and renamed at the end, like the CSV export, so that a killed
    // export's leftover is cleared by the next one.
    FileSink file(outputPath);
    if (!file.open())
        return refuse(file.errorString());
    reporter.progressMoving(1);
    BufferedWriter writer(file);
    if (!exporter.write([&](const char *data, qsizetype size) { return writer.append(data, size); })
        || !writer.flush() || !file.commit()) {
        qCWarning(lcLdExport) << "writing" << outputPath << "failed:" << file.errorString();
        file.discard();
        return refuse(file.errorString());
    }
    reporter.hideBusy();
    reporter.progressMoving(100);
    reporter.finishLogExport(outputPath);
    return 1;
}
