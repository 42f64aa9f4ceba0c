#include "logs/laps/FindLaps.h"

#include "logs/elog/ElogReader.h"

namespace ardix::laps {

ChosenStartPoint chooseStartPoint(const ElogData &log, const StartPoint &settings)
{
    const StartPoint inLog{log.startPointLat, log.startPointLon, log.startPointCourse};
    if (log.version != 0 && inLog.isComplete())
        return {inLog, true, true};
    if (settings.isComplete())
        return {settings, false, true};
    return {};
}

bool setupStartLineForLog(LapEngine &engine, const ElogData &log, const StartPoint &settings)
{
    const ChosenStartPoint chosen = chooseStartPoint(log, settings);
    engine.setupStartLine(chosen.point.lat, chosen.point.lon, chosen.point.course);
    return chosen.usable && engine.isStartLineValid();
}

QVariantMap findLapsInLog(LapEngine &engine, const QString &inputPath, const StartPoint &settingsStartPoint,
                          const LogReporter &reporter)
{
    const ElogReadResult read = readElog(inputPath, reporter);
    if (!read.ok()) {
        engine.setupStartLine(0, 0, 0); // the engine describes the log analysed last: none
        return {{QStringLiteral("fileError"), kFileErrorText}};
    }
    return findLapsInLog(engine, read.data, settingsStartPoint, reporter);
}

QVariantMap findLapsInLog(LapEngine &engine, const ElogData &log, const StartPoint &settingsStartPoint,
                          const LogReporter &reporter)
{
    QVariantMap result{{QStringLiteral("version"), int(log.version)},
                       {QStringLiteral("fileName"), log.fileName},
                       {QStringLiteral("logRate"), int(log.logRate)}};

    const ChosenStartPoint chosen = chooseStartPoint(log, settingsStartPoint);
    const StartPoint reported = chosen.fromLog ? chosen.point : StartPoint{};
    result.insert(QStringLiteral("startPointLat"), reported.lat);
    result.insert(QStringLiteral("startPointLon"), reported.lon);
    result.insert(QStringLiteral("startPointCourse"), reported.course);

    engine.setupStartLine(chosen.point.lat, chosen.point.lon, chosen.point.course);
    const int gps = log.channelIndex(elog::Module_GPS);
    if (gps < 0) {
        result.insert(QStringLiteral("lapsError"), kNoGpsText);
        return result;
    }
    if (!chosen.usable) {
        result.insert(QStringLiteral("lapsError"), kBadStartPointText);
        return result;
    }
    if (!engine.isStartLineValid()) {
        result.insert(QStringLiteral("lapsError"), kLineNotBuiltText);
        return result;
    }

    const uint32_t samples = log.channelSamples[size_t(gps)];
    unsigned lastProgress = 0;
    quint64 nextProgressAt = 0; // first sample whose percentage differs from the last one
    for (uint32_t i = 0; i < samples; ++i) {
        if (i >= nextProgressAt) {
            const auto progress = unsigned((quint64(i) * 100) / samples);
            if (progress != lastProgress && progress != 0) {
                reporter.progressMoving(progress);
                lastProgress = progress;
            }
            nextProgressAt = ((quint64(progress) + 1) * samples + 99) / 100;
        }
        engine.processRecord(log.sample(gps, i));
    }

    if (engine.laps().isEmpty()) {
        result.insert(QStringLiteral("lapsError"), kNoLapsText);
    } else {
        quint32 bestMsec = 0;
        for (const LapEntry &lap : engine.laps()) {
            if (lap.lapTimeString == engine.bestLapFullText()) {
                bestMsec = lap.lapTimeMsecs;
                break;
            }
        }
        result.insert(QStringLiteral("lapsList"), engine.lapsList());
        result.insert(QStringLiteral("lapsCount"), int(engine.laps().size()));
        result.insert(QStringLiteral("bestLapString"), engine.bestLapFullText());
        result.insert(QStringLiteral("bestLapMsec"), bestMsec);
    }
    reporter.progressMoving(100);
    return result;
}

} // namespace ardix::laps
