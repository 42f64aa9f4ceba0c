#pragma once

// The lap operations the kernel forwards: laps in a log, geodesic distance, the reference lap in
// the settings store, and the start line taken from a log or from the reference lap.

#include "logs/laps/FindLaps.h"
#include <QtGlobal>

#include <QObject>
#include <QVariantMap>

#include <functional>

class GPS;
class QSettings;

namespace ardix::laps {

inline const QString kRefLapAppliedText = QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Настройки лучшего круга загружены"));
inline const QString kStartLineAppliedText = QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Настройки стартовой линии применены"));
inline const QString kBadLapFileText = QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Упс, с файлом что-то не то"));
inline const QString kDefaultStartPointName = QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "без имени"));
inline constexpr const char *kRefLapDataKey = "refLapData";
inline constexpr const char *kStartPointNameKey = "startPointName";

// What the lap operations need from the dash side; the kernel binds these.
struct LapHost
{
    // GpsAccelerationMeasureSettings' start point as it is now.
    std::function<StartPoint()> dashStartPoint;
    // Put a start point into GpsAccelerationMeasureSettings, mark the common settings changed and
    // apply the dash settings (applyNewArdixSettings(false)).
    std::function<void(const StartPoint &)> applyDashStartPoint;
    std::function<bool()> isDashConnected;
    // Queue the data message RefLapData (22) with the compressed reference lap.
    std::function<void(const QByteArray &compressed)> sendRefLap;
};

class LapService : public QObject
{
    Q_OBJECT
public:
    // `engine` and `store` stay owned by the caller and must outlive the service.
    LapService(GPS *engine, QSettings *store, LapHost host, QObject *parent = nullptr);

    GPS *engine() const { return m_engine; }

    QVariantMap findLapsInLog(const QString &inputPath);
    static double getGpsDistance(double lat1, double lon1, double lat2, double lon2);
    QVariantMap getRefLapInfo() const;
    void setRefLapLogFileData();
    void setStartLineLogFileData(const QString &name, float lat, float lon, float course, bool isApply);
    void applyStartLineFromRefLap();
    // A start line or reference lap file the user loaded (already decompressed): applied as the
    // dash's start line, or stored and sent as the reference lap.
    void loadFileContent(int fileType, const QByteArray &content);

    // The kept start-line-from-log record (76 bytes, empty before setStartLineLogFileData).
    QByteArray startLineInLogRecord() const { return m_startLineInLog; }
    // exportFile's payload for StartLine_FileType, StartLineInLog_FileType, RefLap_FileType and
    // RefLapInLog_FileType, already compressed; empty for other types or when there is nothing.
    QByteArray exportPayload(int fileType) const;

Q_SIGNALS:
    void refLapDataRecieved();
    void showInfoMessage(const QString &text);
    void progressMoving(unsigned progress);
    void hideBusy();

private:
    StartPoint dashStartPoint() const;
    LogReporter reporter();

    GPS *m_engine;
    QSettings *m_store;
    LapHost m_host;
    QByteArray m_startLineInLog;
};

} // namespace ardix::laps
