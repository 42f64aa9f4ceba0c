#include "logs/laps/LapService.h"

#include "logs/laps/GPS.h"
#include "settings/ArdixEnums.h"

#include <QDateTime>
#include <QSettings>


namespace ardix::laps {

LapService::LapService(GPS *engine, QSettings *store, LapHost host, QObject *parent)
    : QObject(parent), m_engine(engine), m_store(store), m_host(std::move(host))
{
}

StartPoint LapService::dashStartPoint() const
{
    return m_host.dashStartPoint ? m_host.dashStartPoint() : StartPoint{};
}

LogReporter LapService::reporter()
{
    LogReporter r;
    r.onHideBusy = [this] { Q_EMIT hideBusy(); };
    r.onShowInfoMessage = [this](const QString &text) { Q_EMIT showInfoMessage(text); };
    r.onProgressMoving = [this](unsigned p) { Q_EMIT progressMoving(p); };
    return r;
}

QVariantMap LapService::findLapsInLog(const QString &inputPath)
{
    return laps::findLapsInLog(*m_engine, inputPath, dashStartPoint(), reporter());
}

double LapService::getGpsDistance(double lat1, double lon1, double lat2, double lon2)
{
    return geodesicDistance(lat1, lon1, lat2, lon2);
}

QVariantMap LapService::getRefLapInfo() const
{
    const QByteArray raw = m_store->value(QLatin1String(kRefLapDataKey)).toByteArray();
    QVariantMap info{{QStringLiteral("isLapExist"), false}};
    if (raw.size() <= kRefLapHeadSize)
        return info;
    RefLapHead head;
    loadRecord(head, kRefLapHeadLayout, reinterpret_cast<const uchar *>(raw.constData()));
    // The stamp is engine time in seconds (months of 2629746 s), shown as if it were epoch time.
    const QDateTime finish = QDateTime::fromMSecsSinceEpoch(qint64(head.timeStamp) * 1000, Qt::UTC);
    const StartPoint start{float(head.startLat), float(head.startLon), float(head.startCourse)};
    const StartPoint dash = dashStartPoint();
    info.insert(QStringLiteral("isLapExist"), true);
    info.insert(QStringLiteral("lapTimeString"), LapEngine::lapTimeText(head.lapTimeMs));
    info.insert(QStringLiteral("finishTime"), finish.toString(QStringLiteral("HH:mm")));
    info.insert(QStringLiteral("finishDate"), finish.toString(QStringLiteral("dd.MM.yy")));
    info.insert(QStringLiteral("startPointLat"), start.lat);
    info.insert(QStringLiteral("startPointLon"), start.lon);
    info.insert(QStringLiteral("startPointCourse"), start.course);
    info.insert(QStringLiteral("isStartPointValid"),
                start.lat == dash.lat && start.lon == dash.lon && start.course == dash.course);
    return info;
}

void LapService::setRefLapLogFileData()
{
    const QByteArray compressed = m_engine->bestLapData();
    if (compressed.isEmpty())
        return; // no lap in the log analysed last
    const QByteArray raw = qUncompress(compressed);
    if (raw.isEmpty())
        return;
    m_store->setValue(QLatin1String(kRefLapDataKey), raw);
    m_store->sync();
    Q_EMIT refLapDataRecieved();
    Q_EMIT showInfoMessage(kRefLapAppliedText);
    if (m_host.isDashConnected && m_host.isDashConnected() && m_host.sendRefLap)
        m_host.sendRefLap(compressed);
}

void LapService::setStartLineLogFileData(const QString &name, float lat, float lon, float course, bool isApply)
{
    m_startLineInLog = packStartLine({name, lat, lon, course, 0});
    if (!isApply)
        return;
    m_store->setValue(QLatin1String(kStartPointNameKey), name);
    m_store->sync();
    if (m_host.applyDashStartPoint)
        m_host.applyDashStartPoint({lat, lon, course});
    Q_EMIT showInfoMessage(kStartLineAppliedText);
}

void LapService::loadFileContent(int fileType, const QByteArray &content)
{
    if (fileType == ArdixEnums::StartLine_FileType || fileType == ArdixEnums::StartLineInLog_FileType) {
        const std::optional<StartLineRecord> record = parseStartLine(content);
        if (!record) {
            Q_EMIT showInfoMessage(kBadLapFileText);
            return;
        }
        setStartLineLogFileData(record->name, record->latitude, record->longitude, record->course, true);
        return;
    }
    if (!parseRefLap(content)) {
        Q_EMIT showInfoMessage(kBadLapFileText);
        return;
    }
    m_store->setValue(QLatin1String(kRefLapDataKey), content);
    m_store->sync();
    Q_EMIT refLapDataRecieved();
    Q_EMIT showInfoMessage(kRefLapAppliedText);
    if (m_host.isDashConnected && m_host.isDashConnected() && m_host.sendRefLap)
        m_host.sendRefLap(compressEnvelope(content));
}

void LapService::applyStartLineFromRefLap()
{
    const QVariantMap info = getRefLapInfo();
    if (!info.value(QStringLiteral("isLapExist")).toBool())
        return; // nothing to take a start line from; keep the user's one
    const StartPoint start{info.value(QStringLiteral("startPointLat")).toFloat(),
                           info.value(QStringLiteral("startPointLon")).toFloat(),
                           info.value(QStringLiteral("startPointCourse")).toFloat()};
    if (m_host.applyDashStartPoint)
        m_host.applyDashStartPoint(start);
    Q_EMIT showInfoMessage(kStartLineAppliedText);
}

QByteArray LapService::exportPayload(int fileType) const
{
    switch (fileType) {
    case ArdixEnums::RefLap_FileType: {
        const QByteArray raw = m_store->value(QLatin1String(kRefLapDataKey)).toByteArray();
        return raw.isEmpty() ? QByteArray() : compressEnvelope(raw);
    }
    case ArdixEnums::RefLapInLog_FileType:
        return m_engine->bestLapData();
    case ArdixEnums::StartLine_FileType: {
        const StartPoint dash = dashStartPoint();
        const QString name = m_store->value(QLatin1String(kStartPointNameKey), kDefaultStartPointName).toString();
        return compressEnvelope(packStartLine({name, dash.lat, dash.lon, dash.course, 0}));
    }
    case ArdixEnums::StartLineInLog_FileType:
        return m_startLineInLog.isEmpty() ? QByteArray() : compressEnvelope(m_startLineInLog);
    default:
        return {};
    }
}

} // namespace ardix::laps
