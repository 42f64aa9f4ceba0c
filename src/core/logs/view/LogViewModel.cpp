#include "logs/view/LogViewModel.h"

#include <QCoreApplication>

#include "logs/laps/LapEngine.h"

#include <QLoggingCategory>
#include <QUrl>
#include <QtConcurrent>

#include <cmath>

Q_LOGGING_CATEGORY(lcLogView, "ardix.logs.view", QtWarningMsg)

namespace {

LogViewModel::ContextSource &contextSource()
{
    static LogViewModel::ContextSource source;
    return source;
}

// Track points closer than this on the map are not drawn: the map is a few hundred pixels.
constexpr int kMapPoints = 4000;
constexpr double kMinMapSpacing = 2.0;
constexpr double kMapClickTolerancePx = 14.0;

} // namespace

void LogViewModel::setContextSource(ContextSource source)
{
    contextSource() = std::move(source);
}

LogViewModel::LogViewModel(QObject *parent)
    : QObject(parent)
{
    connect(&m_load, &QFutureWatcher<Loaded>::finished, this, [this] {
        Loaded loaded = m_load.result();
        m_loading = false;
        m_data = loaded.data;
        m_error = loaded.error;
        emit stateChanged();
        if (!m_data)
            return;
        const std::shared_ptr<const logview::LogViewData> data = m_data;
        const ardix::laps::StartPoint start = m_settingsStart;
        m_lapSearch.setFuture(QtConcurrent::run([data, start] { return data->computeLaps(start); }));
    });
    connect(&m_lapSearch, &QFutureWatcher<logview::LogViewData::LapResult>::finished, this, [this] {
        if (m_data)
            m_data->setLaps(m_lapSearch.result());
        m_lapsReady = true;
        emit lapsChanged();
    });
}

LogViewModel::~LogViewModel()
{
    m_load.waitForFinished();
    m_lapSearch.waitForFinished();
}

void LogViewModel::setKernel(QObject *kernel)
{
    if (m_kernel == kernel)
        return;
    m_kernel = kernel;
    emit kernelChanged();
}

void LogViewModel::load(const QString &pathOrUrl)
{
    m_load.waitForFinished();
    m_lapSearch.waitForFinished();
    const QString path = pathOrUrl.startsWith(QLatin1String("file:")) ? QUrl(pathOrUrl).toLocalFile() : pathOrUrl;
    const LogExportContext context = contextSource() && m_kernel ? contextSource()(m_kernel)
                                                                 : LogExportContext::builtinCatalogue();
    m_settingsStart = {context.startPointLat, context.startPointLon, context.startPointCourse};
    m_data.reset();
    m_error.clear();
    m_loading = true;
    m_lapsReady = false;
    emit stateChanged();
    emit lapsChanged();
    m_load.setFuture(QtConcurrent::run([path, context] {
        Loaded out;
        ElogReadResult read = readElog(path);
        if (!read.ok()) {
            qCWarning(lcLogView) << "cannot read" << path << read.detail;
            out.error = read.message();
            return out;
        }
        auto data = std::make_shared<logview::LogViewData>();
        if (!data->load(std::move(read.data), context)) {
            out.error = elogErrorMessage(ElogError::NoChannels);
            return out;
        }
        out.data = std::move(data);
        return out;
    }));
}

logview::Frame LogViewModel::frame(int axis, int lap) const
{
    return {axis == 1 ? logview::Axis::Distance : logview::Axis::Time, lap};
}

QVariantList LogViewModel::channels() const
{
    QVariantList out;
    if (!m_data)
        return out;
    int index = 0;
    for (const logview::ViewChannel &c : m_data->channels())
        out.append(QVariantMap{{QStringLiteral("index"), index++},
                               {QStringLiteral("name"), c.name},
                               {QStringLiteral("units"), c.units},
                               {QStringLiteral("decimals"), c.decimals}});
    return out;
}

QVariantList LogViewModel::laps() const
{
    QVariantList out;
    if (!m_data)
        return out;
    for (const logview::ViewLap &l : m_data->laps())
        out.append(QVariantMap{{QStringLiteral("entry"), l.entry},
                               {QStringLiteral("valid"), l.valid},
                               {QStringLiteral("lapTimeMs"), l.lapTimeMs},
                               {QStringLiteral("lapTimeText"), l.valid ? ardix::laps::LapEngine::lapTimeText(l.lapTimeMs) : QString()},
                               {QStringLiteral("startRecord"), l.startRecord},
                               {QStringLiteral("endRecord"), l.endRecord}});
    return out;
}

double LogViewModel::axisLength(int axis, int lap) const
{
    return m_data ? m_data->axisLength(frame(axis, lap)) : 0.0;
}

double LogViewModel::recordAt(int axis, int lap, double x) const
{
    return m_data ? m_data->recordAt(frame(axis, lap), x) : 0.0;
}

double LogViewModel::axisAt(int axis, int lap, double record) const
{
    return m_data ? m_data->axisAt(frame(axis, lap), record) : 0.0;
}

QStringList LogViewModel::readout(const QVariantList &channels, double record) const
{
    QStringList out;
    for (const QVariant &c : channels)
        out.append(m_data ? m_data->valueText(c.toInt(), record) : QString());
    return out;
}

QVariantList LogViewModel::lapMarks(int axis) const
{
    QVariantList out;
    if (!m_data)
        return out;
    const logview::Frame whole = frame(axis, -1);
    for (const logview::ViewLap &l : m_data->laps())
        if (l.valid)
            out.append(m_data->axisAt(whole, l.endRecord));
    return out;
}

QString LogViewModel::axisText(int axis, double x) const
{
    if (axis == 1)
        return QString::number(std::round(x), 'f', 0) + QCoreApplication::translate("LogViewModel", " м");
    const double t = std::max(0.0, x);
    const int hours = int(t / 3600);
    const int minutes = int(std::fmod(t, 3600) / 60);
    const double seconds = std::fmod(t, 60);
    const QString sec = QStringLiteral("%1").arg(seconds, 4, 'f', 1, QLatin1Char('0'));
    if (hours > 0)
        return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QLatin1Char('0')).arg(sec);
    return QCoreApplication::translate("LogViewModel", "%1:%2 с").arg(minutes).arg(sec);
}

LogViewModel::Map LogViewModel::mapFor(double w, double h, double margin) const
{
    Map m;
    if (!m_data)
        return m;
    const QRectF &b = m_data->trackBounds();
    const double innerW = w - 2 * margin, innerH = h - 2 * margin;
    if (b.isNull() || innerW <= 0 || innerH <= 0)
        return m;
    const double spanX = std::max(b.width(), 1.0), spanY = std::max(b.height(), 1.0);
    m.scale = std::min(innerW / spanX, innerH / spanY);
    m.offX = margin + (innerW - spanX * m.scale) / 2 - b.left() * m.scale;
    m.offY = margin + (innerH - spanY * m.scale) / 2 + b.bottom() * m.scale;
    m.valid = true;
    return m;
}

QVariant LogViewModel::trackPath(double w, double h, double margin) const
{
    QList<QPointF> out;
    const Map m = mapFor(w, h, margin);
    if (!m.valid)
        return QVariant::fromValue(out);
    const double spacing = std::max(kMinMapSpacing, m_data->totalDistance() / kMapPoints);
    for (const QPointF &p : m_data->trackOutline(spacing))
        out.append({m.offX + p.x() * m.scale, m.offY - p.y() * m.scale});
    return QVariant::fromValue(out);
}

QPointF LogViewModel::mapPoint(double record, double w, double h, double margin) const
{
    const Map m = mapFor(w, h, margin);
    const std::optional<QPointF> p = m.valid ? m_data->positionAt(record) : std::nullopt;
    if (!p)
        return {-1, -1};
    return {m.offX + p->x() * m.scale, m.offY - p->y() * m.scale};
}

double LogViewModel::recordFromMap(double px, double py, double w, double h, double margin, double nearRecord,
                                   int lap) const
{
    const Map m = mapFor(w, h, margin);
    if (!m.valid || m.scale <= 0)
        return -1;
    const QPointF metres((px - m.offX) / m.scale, (m.offY - py) / m.scale);
    const auto [first, last] = m_data->recordSpan(frame(0, lap));
    const std::optional<double> r = m_data->recordNear(metres, kMapClickTolerancePx / m.scale, nearRecord, first, last);
    return r ? *r : -1;
}
