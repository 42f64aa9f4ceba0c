#pragma once

// Runs the lap engine over one log and describes the result for the laps window.

#include "logs/LogReporter.h"
#include <QtGlobal>
#include "logs/laps/LapEngine.h"

#include <QVariantMap>

struct ElogData;

namespace ardix::laps {

struct StartPoint
{
    float lat = 0;
    float lon = 0;
    float course = 0;

    bool isComplete() const { return lat != 0 && lon != 0 && course != 0; }
};

inline const QString kFileErrorText = QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Не могу открыть файл, ошибка!"));
inline const QString kNoGpsText = QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Данные GPS не найдены\nв данном лог файле!"));
inline const QString kBadStartPointText = QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Некорректные координаты\nстартовой линии!"));
inline const QString kLineNotBuiltText = QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Ошибка постройки\nстартовой линии!"));
inline const QString kNoLapsText = QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Круги не найдены"));

// The start line a log is timed with: the log's own when it carries a complete one (version 1
// and later), else the dash settings' when complete, else none. `fromLog` tells which.
struct ChosenStartPoint
{
    StartPoint point;
    bool fromLog = false;
    bool usable = false;
};
ChosenStartPoint chooseStartPoint(const ElogData &log, const StartPoint &settings);

// Sets the engine's start line as the laps search does; false when no line could be built.
bool setupStartLineForLog(LapEngine &engine, const ElogData &log, const StartPoint &settings);

// findLapsInLog: keys "fileError" | "version", "fileName", "logRate", "startPointLat",
// "startPointLon", "startPointCourse", then "lapsError" or "lapsCount", "bestLapString",
// "bestLapMsec", "lapsList". A read failure is also reported through `reporter`
// (hideBusy + showInfoMessage); progress goes to reporter.progressMoving.
QVariantMap findLapsInLog(LapEngine &engine, const QString &inputPath, const StartPoint &settingsStartPoint,
                          const LogReporter &reporter = {});
// Same over a log already read.
QVariantMap findLapsInLog(LapEngine &engine, const ElogData &log, const StartPoint &settingsStartPoint,
                          const LogReporter &reporter = {});

} // namespace ardix::laps
