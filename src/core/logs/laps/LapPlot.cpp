#include "logs/laps/LapPlot.h"

#include "logs/elog/ElogReader.h"

#include <QUrl>
#include <QtConcurrent>

#include <cmath>

namespace ardix::laps {

LapPlot::LapPlot(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<LapSeries>::finished, this, [this] {
        m_series = m_watcher.result();
        m_ready = true;
        emit changed();
    });
}

LapPlot::~LapPlot()
{
    m_watcher.waitForFinished();
}

void LapPlot::load(const QString &path, double settingsLat, double settingsLon, double settingsCourse)
{
    m_watcher.waitForFinished();
    const QString local = path.startsWith(QLatin1String("file:")) ? QUrl(path).toLocalFile() : path;
    const StartPoint settings{float(settingsLat), float(settingsLon), float(settingsCourse)};
    m_ready = false;
    m_series = {};
    m_watcher.setFuture(QtConcurrent::run([local, settings] {
        const ElogReadResult read = readElog(local);
        return read.ok() ? computeLapSeries(read.data, settings) : LapSeries{};
    }));
    emit changed();
}

QList<QPointF> LapPlot::toMap(const QList<QPointF> &points, double w, double h, double margin) const
{
    const QRectF &b = m_series.bounds;
    const double innerW = w - 2 * margin, innerH = h - 2 * margin;
    if (points.isEmpty() || b.isNull() || innerW <= 0 || innerH <= 0)
        return {};
    const double spanX = std::max(b.width(), 1.0), spanY = std::max(b.height(), 1.0);
    const double scale = std::min(innerW / spanX, innerH / spanY);
    const double offX = margin + (innerW - spanX * scale) / 2;
    const double offY = margin + (innerH - spanY * scale) / 2;
    QList<QPointF> out;
    out.reserve(points.size());
    for (const QPointF &p : points)
        out.append({offX + (p.x() - b.left()) * scale, offY + (b.bottom() - p.y()) * scale});
    return out;
}

const LapShape *LapPlot::shape(int entry) const
{
    return entry >= 0 && entry < m_series.laps.size() ? &m_series.laps[entry] : nullptr;
}

QVariant LapPlot::trackPath(double w, double h, double margin) const
{
    return QVariant::fromValue(toMap(m_series.track, w, h, margin));
}

QVariant LapPlot::lapPath(int entry, double w, double h, double margin) const
{
    const LapShape *s = shape(entry);
    return QVariant::fromValue(s ? toMap(s->path, w, h, margin) : QList<QPointF>());
}

QVariant LapPlot::startLinePath(double w, double h, double margin) const
{
    if (!m_series.lineValid)
        return QVariant::fromValue(QList<QPointF>());
    return QVariant::fromValue(toMap({m_series.lineA, m_series.lineB}, w, h, margin));
}

QVariant LapPlot::deltaPath(int entry, double w, double h) const
{
    const LapShape *s = shape(entry);
    QList<QPointF> out;
    if (!s || s->delta.isEmpty() || m_series.maxDistance <= 0 || w <= 0 || h <= 0)
        return QVariant::fromValue(out);
    const double range = deltaRangeMs();
    out.reserve(s->delta.size());
    for (const QPointF &p : s->delta)
        out.append({p.x() / m_series.maxDistance * w, h / 2 - p.y() / range * (h / 2)});
    return QVariant::fromValue(out);
}

bool LapPlot::hasDelta(int entry) const
{
    const LapShape *s = shape(entry);
    return s && !s->delta.isEmpty();
}

int LapPlot::finalDeltaMs(int entry) const
{
    const LapShape *s = shape(entry);
    return s && !s->delta.isEmpty() ? int(s->delta.constLast().y()) : 0;
}

double LapPlot::deltaAt(int entry, double distance) const
{
    const LapShape *s = shape(entry);
    if (!s || s->delta.isEmpty() || distance < s->delta.constFirst().x() || distance > s->delta.constLast().x())
        return qQNaN();
    const auto it = std::lower_bound(s->delta.cbegin(), s->delta.cend(), distance,
                                     [](const QPointF &p, double d) { return p.x() < d; });
    if (it == s->delta.cbegin())
        return it->y();
    const QPointF &b = *it, &a = *(it - 1);
    return b.x() > a.x() ? a.y() + (b.y() - a.y()) * (distance - a.x()) / (b.x() - a.x()) : b.y();
}

QPointF LapPlot::lapPointAt(int entry, double distance, double w, double h, double margin) const
{
    const LapShape *s = shape(entry);
    if (!s || s->path.isEmpty() || s->pathDistance.size() != s->path.size())
        return {-1, -1};
    const auto it = std::lower_bound(s->pathDistance.cbegin(), s->pathDistance.cend(), distance);
    const qsizetype k = std::min<qsizetype>(it - s->pathDistance.cbegin(), s->path.size() - 1);
    QPointF p = s->path[k];
    if (k > 0 && s->pathDistance[k] > s->pathDistance[k - 1] && distance < s->pathDistance[k]) {
        const double t = (distance - s->pathDistance[k - 1]) / (s->pathDistance[k] - s->pathDistance[k - 1]);
        p = s->path[k - 1] + (s->path[k] - s->path[k - 1]) * std::clamp(t, 0.0, 1.0);
    }
    const QList<QPointF> mapped = toMap({p}, w, h, margin);
    return mapped.isEmpty() ? QPointF(-1, -1) : mapped.constFirst();
}

double LapPlot::lapDistanceAt(int entry, double x, double y, double w, double h, double margin) const
{
    const LapShape *s = shape(entry);
    if (!s || s->path.isEmpty() || s->pathDistance.size() != s->path.size())
        return -1;
    const QList<QPointF> mapped = toMap(s->path, w, h, margin);
    qsizetype best = -1;
    double bestD2 = qInf();
    for (qsizetype k = 0; k < mapped.size(); ++k) {
        const double dx = mapped[k].x() - x, dy = mapped[k].y() - y;
        if (dx * dx + dy * dy < bestD2) {
            bestD2 = dx * dx + dy * dy;
            best = k;
        }
    }
    return best < 0 ? -1 : s->pathDistance[best];
}

} // namespace ardix::laps
