#include "logs/laps/LapSeries.h"

#include "logs/elog/ElogReader.h"

#include <cmath>

namespace ardix::laps {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Plane
{
    UtmFrame frame;
    UtmPoint origin;

    static Plane at(double lat, double lon)
    {
        Plane p;
        p.frame = UtmFrame::forPoint(lat, lon);
        p.origin = p.frame.project(lat, lon);
        return p;
    }
    QPointF map(double lat, double lon) const
    {
        const UtmPoint u = frame.project(lat, lon);
        return {u.x - origin.x, u.y - origin.y};
    }
};

void appendSpaced(QList<QPointF> &list, const QPointF &p)
{
    if (!list.isEmpty()) {
        const QPointF d = p - list.constLast();
        if (std::hypot(d.x(), d.y()) < kSeriesStepMetres)
            return;
    }
    list.append(p);
}

bool usableFix(const GpsRecord &fix, double &lat, double &lon)
{
    lat = fix.latitude();
    lon = fix.longitude();
    return fix.fixValid != 0 && std::isfinite(lat) && std::isfinite(lon) && (lat != 0 || lon != 0)
           && std::fabs(lat) <= 90;
}

} // namespace

int deltaAxisRangeMs(int maxAbsMs)
{
    for (int range : {250, 500, 1000, 2000, 5000})
        if (maxAbsMs <= range)
            return range;
    return kGainLossClampMs;
}

LapSeries computeLapSeries(const ElogData &log, const StartPoint &settingsStartPoint)
{
    LapSeries out;
    const int gps = log.channelIndex(elog::Module_GPS);
    if (gps < 0)
        return out;
    const uint32_t samples = log.channelSamples[size_t(gps)];

    LapEngine finder;
    out.lineValid = setupStartLineForLog(finder, log, settingsStartPoint);

    // The plane: around the start point, or the first fix when there is no line.
    std::optional<Plane> plane;
    if (out.lineValid)
        plane = Plane::at(finder.startLat(), finder.startLon());

    if (out.lineValid) {
        for (uint32_t i = 0; i < samples; ++i)
            finder.processRecord(log.sample(gps, i));
        const double theta = (90.0 - finder.startCourse()) * kPi / 180.0;
        const double half = kStartLineLength / 2.0;
        out.lineA = {half * std::cos(theta + kPi / 2), half * std::sin(theta + kPi / 2)};
        out.lineB = {half * std::cos(theta - kPi / 2), half * std::sin(theta - kPi / 2)};
    }

    LapEngine measure;
    if (out.lineValid) {
        setupStartLineForLog(measure, log, settingsStartPoint);
        measure.setGainLossEnabled(true);
        if (!finder.bestLapTrace().isEmpty())
            measure.useReferenceTrace(finder.bestLapTrace(), finder.bestLapTime());
    }

    QList<LapShape> shapes;
    int runningEntry = -1;
    for (uint32_t i = 0; i < samples; ++i) {
        const GpsRecord fix = decodeGpsRecord(log.sample(gps, i));
        double lat = 0, lon = 0;
        const bool usable = usableFix(fix, lat, lon);
        if (usable && !plane)
            plane = Plane::at(lat, lon);
        const QPointF here = usable ? plane->map(lat, lon) : QPointF();
        if (usable)
            appendSpaced(out.track, here);
        if (!out.lineValid)
            continue;

        measure.processRecord(fix);
        if (!measure.isLapRunning()) {
            runningEntry = -1;
            continue;
        }
        const int entry = int(measure.laps().size());
        while (shapes.size() <= entry) {
            LapShape s;
            s.entry = int(shapes.size());
            shapes.append(s);
        }
        // The crossing point closes the lap before it too, so that laps join on the map.
        if (runningEntry >= 0 && runningEntry != entry && usable) {
            LapShape &closed = shapes[runningEntry];
            closed.path.append(here);
            closed.pathDistance.append(closed.pathDistance.isEmpty() ? 0.0 : closed.pathDistance.constLast()
                                           + std::hypot(here.x() - closed.path[closed.path.size() - 2].x(),
                                                        here.y() - closed.path[closed.path.size() - 2].y()));
        }
        runningEntry = entry;
        LapShape &shape = shapes[entry];
        if (usable) {
            const auto before = shape.path.size();
            appendSpaced(shape.path, here);
            if (shape.path.size() > before)
                shape.pathDistance.append(measure.lapDistance());
        }
        if (const auto g = measure.gainLoss()) {
            const QPointF point(measure.lapDistance(), *g);
            if (shape.delta.isEmpty() || point.x() - shape.delta.constLast().x() >= kSeriesStepMetres)
                shape.delta.append(point);
        }
    }

    // The lap still running at the end of the log has no entry.
    const auto &entries = finder.laps();
    shapes.resize(std::min<qsizetype>(shapes.size(), entries.size()));
    while (shapes.size() < entries.size()) { // a lap whose records were all unusable
        LapShape s;
        s.entry = int(shapes.size());
        shapes.append(s);
    }
    for (LapShape &s : shapes) {
        const LapEntry &e = entries[s.entry];
        s.valid = e.isLapValid;
        s.lapTimeMs = e.lapTimeMsecs;
        if (!s.valid) {
            s.delta.clear();
            continue;
        }
        if (s.lapTimeMs == finder.bestLapTime() && out.bestEntry < 0)
            out.bestEntry = s.entry;
        // At the line the difference is the lap times' own: the engine's last value stops at the
        // point before the crossing, which left the plot short of the lap list (+2.16 against
        // +2.187).
        if (!s.delta.isEmpty() && finder.bestLapTime() > 0) {
            const double end = std::max(s.delta.constLast().x(),
                                        finder.bestLapTrace().isEmpty() ? 0.0 : finder.bestLapTrace().constLast().lapDistance);
            s.delta.append(QPointF(end, double(qint64(s.lapTimeMs) - qint64(finder.bestLapTime()))));
        }
        for (const QPointF &p : s.delta) {
            out.maxAbsDeltaMs = std::max(out.maxAbsDeltaMs, int(std::fabs(p.y())));
            out.maxDistance = std::max(out.maxDistance, p.x());
        }
    }
    out.laps = shapes;

    // Min and max by hand: QRectF ignores zero-size rectangles when it unites them.
    double x0 = qInf(), y0 = qInf(), x1 = -qInf(), y1 = -qInf();
    const auto grow = [&](const QPointF &p) {
        x0 = std::min(x0, p.x());
        y0 = std::min(y0, p.y());
        x1 = std::max(x1, p.x());
        y1 = std::max(y1, p.y());
    };
    for (const QPointF &p : out.track)
        grow(p);
    if (out.lineValid) {
        grow(out.lineA);
        grow(out.lineB);
    }
    const QRectF bounds = x0 <= x1 ? QRectF(QPointF(x0, y0), QPointF(x1, y1)) : QRectF();
    out.bounds = bounds;
    return out;
}

} // namespace ardix::laps
