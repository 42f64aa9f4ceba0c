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

} // namespace ardix::laps
