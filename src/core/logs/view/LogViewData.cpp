#include "logs/view/LogViewData.h"

#include "logs/csv/Transliterate.h"
#include "logs/elog/GpsRecord.h"
#include "logs/laps/LapEngine.h"

#include <algorithm>
#include <cmath>

namespace logview {

namespace {

// WGS 84: a circuit is a few km across, so a plane with the ellipsoid's radii at its first fix
// is true to centimetres.
constexpr double kSemiMajor = 6378137.0;
constexpr double kE2 = 0.006694379990141;
constexpr double kPi = 3.14159265358979323846;
// A fix further than this from the one before it is a glitch, not driving.
constexpr double kMaxSpeedMetresPerSecond = 150.0;
constexpr double kMinGlitchMetres = 100.0;
constexpr float kHundredths = 0.01f;

// PDM record fields shown as channels (offsets in the 336-byte record).
constexpr uint32_t kPdmBoardTemp = 4;
constexpr uint32_t kPdmTotalCurrent = 8;
constexpr uint32_t kPdmBattery = 10;

bool usableFix(const GpsRecord &fix, double &lat, double &lon)
{
    lat = fix.latitude();
    lon = fix.longitude();
    return fix.fixValid != 0 && std::isfinite(lat) && std::isfinite(lon) && (lat != 0 || lon != 0)
           && std::fabs(lat) <= 90 && std::fabs(lon) <= 180;
}

} // namespace

void LogViewData::addChannel(uint8_t id, QString name, QString units, int decimals, SampleSource source,
                             uint32_t samples)
{
    ViewChannel c;
    c.id = id;
    c.name = std::move(name);
    c.units = std::move(units);
    c.decimals = decimals;
    c.source = source;
    c.samples = samples;
    c.pyramid.build(source, samples);
    m_channels.push_back(std::move(c));
}

bool LogViewData::load(ElogData &&log, const LogExportContext &context)
{
    m_log = std::move(log);
    m_channels.clear();
    m_laps.clear();
    m_bestLap = -1;
    if (m_log.logRate == 0 || m_log.recordCount == 0)
        return false;

    // Derived arrays first: channels point into them, so they must not move afterwards.
    const int gps = m_log.channelIndex(elog::Module_GPS);
    if (gps >= 0)
        buildGps(gps);

    int customOrdinal = 0;
    for (size_t i = 0; i < m_log.channelIds.size(); ++i) {
        const uint8_t id = m_log.channelIds[i];
        const uint32_t samples = m_log.channelSamples[i];
        const auto *block = m_log.block(int(i));
        if (id < elog::Module_Time) {
            const LogSensorInfo *s = context.sensor(id);
            const int custom = elog::isNamedCustomChannel(id) ? customOrdinal++ : -1;
            QString name;
            int decimals = s && s->isFloat ? 2 : 0;
            if (id < elog::kFirstCustomId) {
                name = s ? s->shortNameEn : QStringLiteral("Sensor %1").arg(id);
            } else {
                // The log carries its custom channels' names; the LD export uses them the same way.
                if (custom >= 0 && custom < m_log.customNames.size())
                    name = transliterate(m_log.customNames.at(custom));
                else if (s)
                    name = csvSafeName(s->shortSensorName);
                if (name.isEmpty())
                    name = QStringLiteral("Custom ") + QString::number(id - elog::kFirstCustomId);
                if (custom >= 0 && size_t(custom) < m_log.customAttributes.size())
                    decimals = m_log.customAttributes[size_t(custom)] != 0 ? 2 : 0;
            }
            SampleSource src{block, 2, SampleSource::Type::Int16, decimals == 2 ? kHundredths : 1.0f};
            addChannel(id, name, s ? s->ldUnits : QString(), decimals, src, samples);
        } else if (id == elog::Module_GPS && !m_gpsSpeed.empty()) {
            const auto n = uint32_t(m_gpsSpeed.size());
            auto floats = [](const std::vector<float> &v) {
                return SampleSource{reinterpret_cast<const unsigned char *>(v.data()), 4, SampleSource::Type::Float32, 1.0f};
            };
            addChannel(id, QStringLiteral("GpsSpeed(Knots)"), QStringLiteral("kn"), 2, floats(m_gpsSpeed), n);
            addChannel(id, QStringLiteral("GpsCourse"), QStringLiteral("deg"), 2, floats(m_gpsCourse), n);
            addChannel(id, QStringLiteral("GpsAltitude"), QStringLiteral("m"), 1, floats(m_gpsAltitude), n);
            addChannel(id, QStringLiteral("GpsSatellites"), QString(), 0, floats(m_gpsSatellites), n);
        } else if (id == elog::Module_PMX) {
            constexpr uint32_t stride = elog::kPdmRecordSize;
            addChannel(id, QStringLiteral("PDM_BoardTemp"), QStringLiteral("C"), 0,
                       {block + kPdmBoardTemp, stride, SampleSource::Type::Int16, 1.0f}, samples);
            addChannel(id, QStringLiteral("PDM_TotalCurrent"), QStringLiteral("A"), 1,
                       {block + kPdmTotalCurrent, stride, SampleSource::Type::UInt16, 0.01f}, samples);
            addChannel(id, QStringLiteral("PDM_Battery_Voltage"), QStringLiteral("V"), 1,
                       {block + kPdmBattery, stride, SampleSource::Type::UInt16, 0.001f}, samples);
        } else if (id == elog::Module_GPS_GainLoss) {
            addChannel(id, QStringLiteral("GainLoss_Dash"), QStringLiteral("s"), 3,
                       {block, 2, SampleSource::Type::Int16, 0.001f}, samples);
        }
    }
    return !m_channels.empty();
}

void LogViewData::buildGps(int index)
{
    const uint32_t n = m_log.channelSamples[size_t(index)];
    m_position.assign(n, QPointF());
    m_hasFix.assign(n, false);
    m_distance.assign(n, 0.0);
    m_gpsSpeed.resize(n);
    m_gpsCourse.resize(n);
    m_gpsAltitude.resize(n);
    m_gpsSatellites.resize(n);
    const double dt = n ? duration() / n : 0.0;
    const double glitch = std::max(kMinGlitchMetres, kMaxSpeedMetresPerSecond * dt);

    bool haveOrigin = false;
    double lat0 = 0, lon0 = 0, eastPerRad = 0, northPerRad = 0;
    double x0 = qInf(), y0 = qInf(), x1 = -qInf(), y1 = -qInf();
    std::optional<QPointF> last;
    double travelled = 0;
    for (uint32_t i = 0; i < n; ++i) {
        const GpsRecord fix = decodeGpsRecord(m_log.sample(index, i));
        m_gpsSpeed[i] = float(fix.speedKnots());
        m_gpsCourse[i] = float(fix.course());
        m_gpsAltitude[i] = float(fix.altitudeTenths) / 10.0f;
        m_gpsSatellites[i] = float(fix.satellites);
        double lat = 0, lon = 0;
        if (usableFix(fix, lat, lon)) {
            if (!haveOrigin) {
                haveOrigin = true;
                lat0 = lat;
                lon0 = lon;
                const double sinLat = std::sin(lat0 * kPi / 180.0);
                const double w = std::sqrt(1 - kE2 * sinLat * sinLat);
                eastPerRad = kSemiMajor / w * std::cos(lat0 * kPi / 180.0);
                northPerRad = kSemiMajor * (1 - kE2) / (w * w * w);
            }
            const QPointF p((lon - lon0) * kPi / 180.0 * eastPerRad, (lat - lat0) * kPi / 180.0 * northPerRad);
            if (last) {
                const double step = std::hypot(p.x() - last->x(), p.y() - last->y());
                if (step < glitch)
                    travelled += step;
            }
            last = p;
            m_position[i] = p;
            m_hasFix[i] = true;
            x0 = std::min(x0, p.x());
            y0 = std::min(y0, p.y());
            x1 = std::max(x1, p.x());
            y1 = std::max(y1, p.y());
        }
        m_distance[i] = travelled;
    }
    m_bounds = haveOrigin ? QRectF(QPointF(x0, y0), QPointF(x1, y1)) : QRectF();
}

void LogViewData::findLaps(const ardix::laps::StartPoint &settingsStartPoint)
{
    setLaps(computeLaps(settingsStartPoint));
}

void LogViewData::setLaps(LapResult result)
{
    m_laps = std::move(result.laps);
    m_bestLap = result.best;
}

LogViewData::LapResult LogViewData::computeLaps(const ardix::laps::StartPoint &settingsStartPoint) const
{
    LapResult out;
    std::vector<ViewLap> &laps = out.laps;
    const int gps = m_log.channelIndex(elog::Module_GPS);
    if (gps < 0)
        return out;
    ardix::laps::LapEngine engine;
    if (!ardix::laps::setupStartLineForLog(engine, m_log, settingsStartPoint))
        return out;
    const uint32_t n = m_log.channelSamples[size_t(gps)];
    double runningSince = 0;
    for (uint32_t j = 0; j < n; ++j) {
        const auto before = engine.laps().size();
        const bool wasRunning = engine.isLapRunning();
        engine.processRecord(m_log.sample(gps, j));
        const double r = recordOfGps(j);
        const auto &entries = engine.laps();
        for (auto e = before; e < entries.size(); ++e) {
            ViewLap lap;
            lap.entry = int(e);
            lap.valid = entries[e].isLapValid;
            lap.lapTimeMs = entries[e].lapTimeMsecs;
            lap.startRecord = lap.valid ? runningSince : r;
            lap.endRecord = r;
            laps.push_back(lap);
        }
        if (engine.isLapRunning() && (!wasRunning || entries.size() > before))
            runningSince = r;
    }
    for (const ViewLap &lap : laps)
        if (lap.valid && (out.best < 0 || lap.lapTimeMs < laps[size_t(out.best)].lapTimeMs))
            out.best = lap.entry;
    return out;
}

// ---- axes -----------------------------------------------------------------------------------

double LogViewData::gpsSampleOf(double record) const
{
    const double n = m_log.recordCount;
    return n > 0 ? record * double(m_distance.size()) / n : 0.0;
}

double LogViewData::recordOfGps(double sample) const
{
    return m_distance.empty() ? 0.0 : sample * double(m_log.recordCount) / double(m_distance.size());
}

double LogViewData::distanceAtRecord(double record) const
{
    if (m_distance.empty())
        return 0.0;
    const double j = std::clamp(gpsSampleOf(record), 0.0, double(m_distance.size() - 1));
    const auto k = size_t(j);
    if (k + 1 >= m_distance.size())
        return m_distance.back();
    return m_distance[k] + (m_distance[k + 1] - m_distance[k]) * (j - double(k));
}

double LogViewData::recordAtDistance(double metres) const
{
    if (m_distance.empty())
        return 0.0;
    const auto it = std::lower_bound(m_distance.begin(), m_distance.end(), metres);
    if (it == m_distance.begin())
        return 0.0;
    if (it == m_distance.end())
        return double(m_log.recordCount);
    const auto k = size_t(it - m_distance.begin());
    const double a = m_distance[k - 1], b = m_distance[k];
    const double j = double(k - 1) + (b > a ? (metres - a) / (b - a) : 1.0);
    return recordOfGps(j);
}

std::pair<double, double> LogViewData::recordSpan(const Frame &f) const
{
    if (f.lap >= 0 && size_t(f.lap) < m_laps.size() && m_laps[size_t(f.lap)].valid)
        return {m_laps[size_t(f.lap)].startRecord, m_laps[size_t(f.lap)].endRecord};
    return {0.0, double(m_log.recordCount)};
}

double LogViewData::axisAt(const Frame &f, double record) const
{
    const auto [first, last] = recordSpan(f);
    const double r = std::clamp(record, first, last);
    if (f.axis == Axis::Distance)
        return distanceAtRecord(r) - distanceAtRecord(first);
    return m_log.logRate ? (r - first) / m_log.logRate : 0.0;
}

double LogViewData::recordAt(const Frame &f, double x) const
{
    const auto [first, last] = recordSpan(f);
    double r;
    if (f.axis == Axis::Distance)
        r = recordAtDistance(x + distanceAtRecord(first));
    else
        r = first + x * m_log.logRate;
    return std::clamp(r, first, last);
}

double LogViewData::axisLength(const Frame &f) const
{
    return axisAt(f, recordSpan(f).second);
}

// ---- values ---------------------------------------------------------------------------------

Columns LogViewData::columns(int channel, const Frame &f, double x0, double x1, int count) const
{
    Columns out;
    if (channel < 0 || size_t(channel) >= m_channels.size() || count <= 0 || !(x1 > x0) || m_log.recordCount == 0)
        return out;
    const ViewChannel &c = m_channels[size_t(channel)];
    if (c.samples == 0)
        return out;
    const double perRecord = double(c.samples) / m_log.recordCount;
    auto sampleAt = [&](double x) { return recordAt(f, x) * perRecord; };
    const double first = sampleAt(x0), last = sampleAt(x1);

    if (last - first < count) {
        // Fewer samples than columns: draw the samples themselves.
        out.samples = true;
        const auto from = uint32_t(std::max(0.0, std::floor(first)));
        const auto to = uint32_t(std::min(double(c.samples - 1), std::ceil(last)));
        for (uint32_t j = from; j <= to; ++j) {
            const float v = c.source.at(j);
            out.x.push_back(axisAt(f, j / perRecord));
            MinMax m;
            m.add(v);
            out.values.push_back(m);
            out.total.add(m);
        }
        return out;
    }

    out.x.reserve(size_t(count));
    out.values.reserve(size_t(count));
    auto a = uint32_t(std::max(0.0, std::floor(first)));
    for (int col = 0; col < count; ++col) {
        const double xb = x0 + (x1 - x0) * (col + 1) / count;
        const double xm = x0 + (x1 - x0) * (col + 0.5) / count;
        const auto b = uint32_t(std::clamp(std::floor(sampleAt(xb)), 0.0, double(c.samples)));
        MinMax m;
        if (b > a) {
            m = c.pyramid.range(a, b);
            a = b;
        } else {
            // Fewer samples than columns here (the car is fast on a distance axis): hold the value.
            m.add(c.source.at(uint32_t(std::clamp(std::floor(sampleAt(xm)), 0.0, double(c.samples - 1)))));
        }
        out.x.push_back(xm);
        out.values.push_back(m);
        out.total.add(m);
    }
    return out;
}

double LogViewData::valueAt(int channel, double record) const
{
    if (channel < 0 || size_t(channel) >= m_channels.size() || record < 0 || record > m_log.recordCount)
        return qQNaN();
    const ViewChannel &c = m_channels[size_t(channel)];
    if (c.samples == 0)
        return qQNaN();
    const double j = record * double(c.samples) / m_log.recordCount;
    return c.source.at(uint32_t(std::clamp(j, 0.0, double(c.samples - 1))));
}

QString LogViewData::valueText(int channel, double record) const
{
    const double v = valueAt(channel, record);
    if (std::isnan(v))
        return QStringLiteral("—");
    const ViewChannel &c = m_channels[size_t(channel)];
    const QString number = QString::number(v, 'f', c.decimals);
    return c.units.isEmpty() ? number : number + QLatin1Char(' ') + c.units;
}

// ---- track ----------------------------------------------------------------------------------

std::optional<QPointF> LogViewData::positionAt(double record) const
{
    if (m_position.empty())
        return std::nullopt;
    const auto j = size_t(std::clamp(gpsSampleOf(record), 0.0, double(m_position.size() - 1)));
    // The nearest fix at or before, else after.
    for (size_t k = j + 1; k-- > 0;)
        if (m_hasFix[k])
            return m_position[k];
    for (size_t k = j + 1; k < m_position.size(); ++k)
        if (m_hasFix[k])
            return m_position[k];
    return std::nullopt;
}

std::vector<QPointF> LogViewData::trackOutline(double spacing) const
{
    std::vector<QPointF> out;
    for (size_t k = 0; k < m_position.size(); ++k) {
        if (!m_hasFix[k])
            continue;
        const QPointF &p = m_position[k];
        if (!out.empty() && std::hypot(p.x() - out.back().x(), p.y() - out.back().y()) < spacing)
            continue;
        out.push_back(p);
    }
    return out;
}

std::optional<double> LogViewData::recordNear(const QPointF &p, double tolerance, double nearRecord, double first,
                                              double last) const
{
    if (m_position.empty())
        return std::nullopt;
    const auto from = size_t(std::clamp(std::floor(gpsSampleOf(first)), 0.0, double(m_position.size())));
    const auto to = size_t(std::clamp(std::ceil(gpsSampleOf(last)), 0.0, double(m_position.size())));
    const double tol2 = tolerance * tolerance;
    const double nearSample = gpsSampleOf(nearRecord);
    std::optional<size_t> nearest, closeToCursor;
    double nearestD2 = qInf(), cursorGap = qInf();
    for (size_t k = from; k < to; ++k) {
        if (!m_hasFix[k])
            continue;
        const double dx = m_position[k].x() - p.x(), dy = m_position[k].y() - p.y();
        const double d2 = dx * dx + dy * dy;
        if (d2 < nearestD2) {
            nearestD2 = d2;
            nearest = k;
        }
        if (d2 <= tol2 && std::fabs(double(k) - nearSample) < cursorGap) {
            cursorGap = std::fabs(double(k) - nearSample);
            closeToCursor = k;
        }
    }
    const std::optional<size_t> k = closeToCursor ? closeToCursor : nearest;
    if (!k)
        return std::nullopt;
    return std::clamp(recordOfGps(double(*k)), first, last);
}

size_t LogViewData::derivedBytes() const
{
    size_t n = m_position.capacity() * sizeof(QPointF) + m_hasFix.capacity() / 8 + m_distance.capacity() * sizeof(double)
               + (m_gpsSpeed.capacity() + m_gpsCourse.capacity() + m_gpsAltitude.capacity() + m_gpsSatellites.capacity())
                     * sizeof(float);
    for (const ViewChannel &c : m_channels)
        n += c.pyramid.memoryBytes() + sizeof(ViewChannel);
    return n;
}

} // namespace logview
