#include "logs/laps/LapEngine.h"
#include "settings/DisplayLocale.h"

#include <QDateTime>

#include <cmath>

namespace ardix::laps {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;
constexpr double kMonthMs = 2629746000.0;
constexpr double kDayMs = 86400000.0;
// WGS 84, for the local metres-per-degree scale only.
constexpr double kSemiMajor = 6378137.0;
constexpr double kEccSquared = 0.006694379983166804;

// The log's ddmm.mmmm × scale into degrees, exactly as GpsRecord does it, with 32-bit division
// whenever the scale allows (the usual case, and several times cheaper per record).
double nmeaDegrees(int32_t value, int32_t scale)
{
    if (scale <= 0 || scale > 21474836)
        return elog::nmeaDegrees(value, scale);
    const int32_t hundred = scale * 100;
    return double(value / hundred) + double(value % hundred) / (double(scale) * 60.0);
}
} // namespace

QVariantMap LapEntry::toMap() const
{
    return {{QStringLiteral("lapTimeMsecs"), lapTimeMsecs},
            {QStringLiteral("finishTime"), finishTime},
            {QStringLiteral("finishDate"), finishDate},
            {QStringLiteral("lapTimeString"), lapTimeString},
            {QStringLiteral("isLapValid"), isLapValid}};
}

QString LapEngine::lapTimeText(quint32 ms)
{
    return QTime(0, 0).addMSecs(int(ms % 86400000u)).toString(QStringLiteral("m:ss.zzz"));
}

void LapEngine::setupStartLine(double lat, double lon, double course)
{
    reset();
    m_lineValid = false;
    if (lat == 0 || lon == 0)
        return;
    m_startLat = lat;
    m_startLon = lon;
    m_startCourse = course;
    if (!std::isfinite(lat) || !std::isfinite(lon) || !std::isfinite(course) || std::fabs(lat) > 90)
        return;

    m_frame = UtmFrame::forPoint(lat, lon);
    const UtmPoint p = m_frame.project(lat, lon);
    const double theta = (90.0 - course) * kDeg;
    const double half = kStartLineLength / 2.0;
    m_a = {p.x + half * std::cos(theta + kPi / 2), p.y + half * std::sin(theta + kPi / 2)};
    m_b = {p.x + half * std::cos(theta - kPi / 2), p.y + half * std::sin(theta - kPi / 2)};
    m_lineLength = std::hypot(m_b.x - m_a.x, m_b.y - m_a.y);
    m_ca = m_a.y - m_b.y;
    m_cb = m_b.x - m_a.x;
    m_cc = m_a.x * m_b.y - m_a.y * m_b.x;

    const double sinLat = std::sin(lat * kDeg);
    const double w = std::sqrt(1.0 - kEccSquared * sinLat * sinLat);
    m_metresPerDegLat = kDeg * kSemiMajor * (1.0 - kEccSquared) / (w * w * w);
    m_metresPerDegLon = kDeg * kSemiMajor / w * std::cos(lat * kDeg);
    m_startGeo = GeoPoint::at(lat, lon);
    m_anchor = GeoAnchor::at(lat);
    m_lineValid = std::isfinite(m_lineLength) && m_lineLength > 0 && std::isfinite(m_cc);
}

void LapEngine::reset()
{
    m_lapRunning = false;
    m_lapStart = 0;
    m_prevPointTime = 0;
    m_lastTs = 0;
    m_prevSide = 0;
    m_stopSince = 0;
    m_bestLapTime = 0;
    m_bestLapText.clear();
    m_bestLapFullText.clear();
    m_lastLapText = QStringLiteral("0:0.00");
    m_laps.clear();
    m_bestLapData.clear();
    m_bestLapDataStale = false;
    m_bestLapHead = {};
    m_bestTraceTime = 0;
    m_trace.clear();
    m_bestTrace.clear();
    m_bestTraceGeo.clear();
    m_lapDistance = 0;
    m_havePosition = false;
    m_beacon = kBeaconIdle;
    m_gainLoss.reset();
    m_gainLossIndex = 0;
}

void LapEngine::resetLapState()
{
    m_lapStart = 0;
    m_prevPointTime = 0;
    m_prevSide = 0;
    m_stopSince = 0;
    onLapRunningStateChanged(false);
}

double LapEngine::timeStampMs(const GpsRecord &fix)
{
    if (fix.month >= 1)
        m_lastMonth = fix.month;
    if (fix.day >= 1)
        m_lastDay = fix.day;
    return double(m_lastMonth) * kMonthMs + double(m_lastDay) * kDayMs + double(fix.hours) * 3600000.0
           + double(fix.minutes) * 60000.0 + double(fix.seconds) * 1000.0 + double(fix.microseconds) / 1000.0;
}

double LapEngine::sideDistance(double lat, double lon) const
{
    const UtmPoint x = m_frame.project(lat, lon);
    const double dA = float(std::sqrt((x.x - m_a.x) * (x.x - m_a.x) + (x.y - m_a.y) * (x.y - m_a.y)));
    const double dB = float(std::sqrt((x.x - m_b.x) * (x.x - m_b.x) + (x.y - m_b.y) * (x.y - m_b.y)));
    const double l = m_lineLength;
    const double s = (dA + dB + l) / 2.0;
    // Rounding can push a point on the line's extension slightly below zero area.
    const double area2 = std::max(0.0, s * (s - l) * (s - dA) * (s - dB));
    const double distance = 2.0 * std::sqrt(area2) / l;
    const double side = m_ca * x.x + m_cb * x.y + m_cc;
    if (side == 0)
        return 0.0;
    return side > 0 ? distance : -distance;
}

double LapEngine::distanceToStart() const
{
    // Far points are the rule; a rough figure is enough for anything clearly outside the radius.
    const double dy = (m_lat - m_startLat) * m_metresPerDegLat;
    double dLon = m_lon - m_startLon;
    if (std::fabs(dLon) > 180.0)
        dLon = normalisedLongitude(dLon);
    const double dx = dLon * m_metresPerDegLon;
    if (std::fabs(dy) > 2 * kStartLineRadius + 10 || std::fabs(dx) > 2 * kStartLineRadius + 10)
        return std::sqrt(dx * dx + dy * dy);
    return geodesicDistance(m_startGeo, m_pos);
}

bool LapEngine::courseFits(double course) const
{
    // Angular difference, so that a start straight heading north does not read as 359 vs 1.
    double diff = std::fmod(std::fabs(m_startCourse - course), 360.0);
    if (diff > 180.0)
        diff = 360.0 - diff;
    return diff < kMaxCourseDifference;
}

bool LapEngine::trackSide(double ts, double speedKnots, double &crossingTime, double &newSide)
{
    if (std::isnan(m_prevSide) || m_prevSide > 0)
        return false;
    const double side = sideDistance(m_lat, m_lon);
    if (side < 0) {
        m_prevSide = side;
        m_prevPointTime = ts;
        return false;
    }
    if (m_prevSide == 0 || !(side >= 0))
        return false;
    const double interpolated = std::fabs(m_prevSide) * 1000.0 / (kKnotsToMetresPerSecond * speedKnots);
    crossingTime = m_prevPointTime + interpolated;
    newSide = side;
    m_beacon = std::trunc(interpolated) == kBeaconIdle ? 3.0 : interpolated;
    return true;
}

void LapEngine::addTracePoint(double ts, double speedKnots)
{
    RefLapPoint p;
    p.elapsedMs = qint32(ts - m_lapStart);
    p.speedTenthsKmh = qint16(speedKnots * kKnotsToTenthsKmh);
    p.lapDistance = m_lapDistance;
    p.latitude = m_lat;
    p.longitude = m_lon;
    m_trace.append(p);
}

void LapEngine::startLap(double crossingTime, double newSide, double ts, double speedKnots)
{
    m_lapStart = crossingTime;
    onLapRunningStateChanged(true);
    m_prevSide = 0;
    m_lapRunning = true;
    m_stopSince = 0;
    const qsizetype lastLapPoints = m_trace.size();
    m_trace.clear();
    m_trace.reserve(lastLapPoints + lastLapPoints / 8);
    m_lapDistance = newSide;
    m_gainLossIndex = 0;
    addTracePoint(ts, speedKnots);
}

void LapEngine::finishLap(const GpsRecord &fix, double crossingTime)
{
    const auto lapTime = quint32(qint64(crossingTime - m_lapStart));
    LapEntry entry;
    entry.lapTimeMsecs = lapTime;
    entry.lapTimeString = lapTimeText(lapTime);
    entry.isLapValid = true;
    m_lastLapText = entry.lapTimeString.left(entry.lapTimeString.size() - 1);
    if (m_bestLapTime == 0 || lapTime < m_bestLapTime) {
        m_bestLapTime = lapTime;
        m_bestLapText = m_lastLapText;
        m_bestLapFullText = entry.lapTimeString;
    }
    const int year = fix.year < 100 ? 2000 + fix.year : fix.year;
    const QDateTime finish =
        QDateTime(QDate(year, fix.month, fix.day), QTime(fix.hours, fix.minutes, fix.seconds, fix.microseconds / 1000),
                  Qt::UTC)
            .addSecs(m_timeOffset);
    entry.finishTime = finish.toString(QStringLiteral("HH:mm:ss"));
    entry.finishDate = displayLocale().toString(finish, QStringLiteral("dd MMM yy"));
    m_laps.append(entry);

    if (m_bestTrace.isEmpty() || m_bestLapTime < m_bestTraceTime) {
        m_bestTrace = m_trace;
        m_bestTraceGeo.resize(m_trace.size());
        for (qsizetype i = 0; i < m_trace.size(); ++i)
            m_bestTraceGeo[i] = GeoPoint::at(m_trace[i].latitude, m_trace[i].longitude, m_anchor);
        m_bestTraceTime = m_bestLapTime;
        m_bestLapHead.lapTimeMs = m_bestLapTime;
        m_bestLapHead.startLat = m_startLat;
        m_bestLapHead.startLon = m_startLon;
        m_bestLapHead.startCourse = m_startCourse;
        const double lastPoint = m_trace.isEmpty() ? m_lastTs : m_lapStart + m_trace.constLast().elapsedMs;
        m_bestLapHead.timeStamp = quint32(qint64(lastPoint / 1000.0));
        m_bestLapDataStale = true;
    }
}

void LapEngine::useReferenceTrace(const QVector<RefLapPoint> &trace, quint32 lapTimeMs)
{
    m_bestTrace = trace;
    m_bestTraceGeo.resize(trace.size());
    for (qsizetype i = 0; i < trace.size(); ++i)
        m_bestTraceGeo[i] = GeoPoint::at(trace[i].latitude, trace[i].longitude, m_anchor);
    m_bestTraceTime = lapTimeMs;
    m_gainLossIndex = 0;
}

void LapEngine::processRecord(const GpsRecord &fix)
{
    if (!m_lineValid)
        return;
    // A speed beyond what the trace's tenths of km/h hold is no reading: the record is skipped.
    if (!(std::fabs(fix.speedKnots() * kKnotsToTenthsKmh) <= kMaxTraceSpeedTenths))
        return;
    const double ts = timeStampMs(fix);
    if (ts == m_lastTs)
        return;
    // A clock that jumps back breaks the run like a silence does; so does a lap too long for the
    // trace's milliseconds. The rest of the log still counts from the next crossing.
    if (std::fabs(ts - m_lastTs) > kGapResetMs || (m_lapStart != 0 && !(std::fabs(ts - m_lapStart) <= kMaxTraceElapsedMs)))
        resetLapState();
    m_lastTs = ts;

    const GeoPoint prevPos = m_pos;
    const bool hadPosition = m_havePosition;
    m_lat = nmeaDegrees(fix.latValue, fix.latScale);
    m_lon = nmeaDegrees(fix.lonValue, fix.lonScale);
    m_pos = GeoPoint::at(m_lat, m_lon, m_anchor);
    m_havePosition = true;
    const bool speedKnown = fix.speedScale != 0;
    const double speed = fix.speedKnots();
    const double course = fix.course();

    if (m_lapStart == 0) {
        m_gainLoss.reset();
        const double toStart = distanceToStart();
        if (!(toStart <= kStartLineRadius) || !speedKnown || speed < kMinStartSpeedKnots || !courseFits(course))
            return;
        double crossingTime = 0, newSide = 0;
        if (!trackSide(ts, speed, crossingTime, newSide))
            return;
        if (m_lapRunning) {
            LapEntry gap; // the run was broken: the lap in progress is not a lap
            m_laps.append(gap);
        }
        startLap(crossingTime, newSide, ts, speed);
        if (m_gainLossEnabled)
            updateGainLoss(ts);
        return;
    }

    if (hadPosition) {
        const double step = geodesicDistance(prevPos, m_pos);
        if (std::isfinite(step))
            m_lapDistance += step;
    }

    if (!speedKnown || speed < kMinStartSpeedKnots) {
        if (m_stopSince == 0)
            m_stopSince = ts;
        else if (ts - m_stopSince > kGapResetMs)
            resetLapState();
    } else {
        m_stopSince = 0;
        const double toStart = distanceToStart();
        double crossingTime = 0, newSide = 0;
        if (toStart <= kStartLineRadius && speed >= kMinLapEndSpeedKnots && ts - m_lapStart > kMinLapMs
            && courseFits(course) && trackSide(ts, speed, crossingTime, newSide)) {
            finishLap(fix, crossingTime);
            startLap(crossingTime, newSide, ts, speed);
        } else {
            addTracePoint(ts, speed);
        }
    }
    if (m_gainLossEnabled)
        updateGainLoss(ts);
}

void LapEngine::updateGainLoss(double ts)
{
    m_gainLoss.reset();
    const qsizetype n = m_bestTrace.size();
    if (m_lapStart == 0 || n == 0)
        return;
    if (m_lapDistance < m_bestTrace.constFirst().lapDistance || m_lapDistance > m_bestTrace.constLast().lapDistance)
        return;
    if (m_lapDistance < kStartLineRadius)
        m_gainLossIndex = 0;
    if (m_gainLossIndex >= n)
        return;

    const auto squaredTo = [this](qsizetype i) { return geodesicDistanceSquared(m_pos, m_bestTraceGeo[i]); };
    qsizetype k = m_gainLossIndex;
    double best2 = squaredTo(k);
    double beyond2 = qQNaN(); // squared distance to k + 1 when the search stopped there
    for (qsizetype i = k + 1; i < n; ++i) {
        const double d2 = squaredTo(i);
        if (d2 > best2) {
            beyond2 = d2;
            break;
        }
        k = i;
        best2 = d2;
    }
    m_gainLossIndex = int(k);
    const double best = std::sqrt(best2);

    const auto &pk = m_bestTrace[k];
    double reference = pk.elapsedMs;
    if (k > 0 && k < n - 1 && best < kGainLossRefineRadius) {
        // Along the segment toward the nearer neighbour: the foot of the perpendicular from the
        // car, from the triangle's height (Heron).
        const double next2 = std::isnan(beyond2) ? squaredTo(k + 1) : beyond2;
        const double prev2 = squaredTo(k - 1);
        const bool towardNext = next2 <= prev2;
        const auto &from = towardNext ? pk : m_bestTrace[k - 1];
        const auto &to = towardNext ? m_bestTrace[k + 1] : pk;
        const double other = std::sqrt(towardNext ? next2 : prev2);
        const double l = to.lapDistance - from.lapDistance;
        const double s = (l + best + other) / 2.0;
        const double area2 = s * (s - l) * (s - best) * (s - other); // a negative one has no height
        const double height2 = area2 >= 0 ? 4.0 * area2 / (l * l) : qQNaN();
        const double fromK = std::sqrt(best2 - height2);
        const double along = towardNext ? fromK : l - fromK;
        const double refined = from.elapsedMs + (double(to.elapsedMs) - from.elapsedMs) * along / l;
        if (std::isfinite(refined))
            reference = refined;
    }
    const double g = (ts - m_lapStart) - reference;
    if (std::fabs(g) >= kGainLossClampMs)
        m_gainLoss = g < 0 ? -kGainLossClampMs : kGainLossClampMs;
    else
        m_gainLoss = int(g);
}

QString LapEngine::gainLossText() const
{
    if (m_lapStart == 0)
        return QStringLiteral("--");
    if (!m_gainLoss)
        return QStringLiteral("-.-");
    if (*m_gainLoss == kGainLossClampMs)
        return QStringLiteral("9.0+");
    if (*m_gainLoss == -kGainLossClampMs)
        return QStringLiteral("-9.0+");
    return QString::number(*m_gainLoss / 1000.0, 'f', 2);
}

int LapEngine::takeBeacon()
{
    if (!m_lapRunning)
        return kBeaconIdle;
    const int value = int(m_beacon);
    m_beacon = kBeaconIdle;
    return value;
}

QByteArray LapEngine::bestLapData() const
{
    if (m_bestLapDataStale) {
        m_bestLapData = compressEnvelope(packRefLap({m_bestLapHead, m_bestTrace}));
        m_bestLapDataStale = false;
    }
    return m_bestLapData;
}

QVariantList LapEngine::lapsList() const
{
    QVariantList list;
    list.reserve(m_laps.size());
    for (const auto &lap : m_laps)
        list.append(lap.toMap());
    return list;
}

} // namespace ardix::laps
