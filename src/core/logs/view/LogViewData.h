#pragma once
// One log made ready to look at: its channels (named as the CSV and LD exports name them), a time
// and a GPS distance axis, the laps, and a min/max pyramid per channel so that any visible range
// reduces to one min/max pair per pixel column. Pure: bytes in, numbers out; no Qt Quick.

#include "logs/LogExportContext.h"
#include "logs/elog/ElogReader.h"
#include "logs/laps/FindLaps.h"
#include "logs/view/MinMaxPyramid.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace logview {

enum class Axis { Time = 0, Distance = 1 };

struct ViewChannel
{
    uint8_t id = 0;
    QString name;
    QString units;
    int decimals = 0;
    SampleSource source;
    uint32_t samples = 0;
    MinMaxPyramid pyramid;
};

struct ViewLap
{
    int entry = -1;          // index in the laps list of the laps window
    bool valid = false;      // false for a break entry
    quint32 lapTimeMs = 0;
    double startRecord = 0;  // crossing that started the lap
    double endRecord = 0;    // crossing that ended it
};

// What one pixel column (or, zoomed past the samples, one sample) shows.
struct Columns
{
    bool samples = false;          // true: one entry per sample at x, min == max
    std::vector<double> x;         // axis position of each entry
    std::vector<MinMax> values;
    MinMax total;
};

// The axis a plot is drawn against: the whole log, or one lap from its start crossing.
struct Frame
{
    Axis axis = Axis::Time;
    int lap = -1;
};

class LogViewData
{
public:
    // Takes the log over; channel names and units come from `context`. False when the log has
    // no channel that can be drawn.
    bool load(ElogData &&log, const LogExportContext &context);
    // Finds the laps (the lap engine, as the laps window does). Slower than load(): run it after
    // the first plot is up.
    void findLaps(const ardix::laps::StartPoint &settingsStartPoint);
    // The same in two steps, so that the search may run on another thread while the rest is read.
    struct LapResult
    {
        std::vector<ViewLap> laps;
        int best = -1;
    };
    LapResult computeLaps(const ardix::laps::StartPoint &settingsStartPoint) const;
    void setLaps(LapResult result);

    const ElogData &log() const { return m_log; }
    const std::vector<ViewChannel> &channels() const { return m_channels; }
    const std::vector<ViewLap> &laps() const { return m_laps; }
    int bestLap() const { return m_bestLap; }
    uint32_t recordCount() const { return m_log.recordCount; }
    double duration() const { return m_log.logRate ? double(m_log.recordCount) / m_log.logRate : 0.0; }
    bool hasDistance() const { return m_distance.size() > 1 && m_distance.back() > 0; }
    double totalDistance() const { return m_distance.empty() ? 0.0 : m_distance.back(); }

    // Axis position <-> record position (fractional) within a frame. A lap frame starts at 0 at
    // its start crossing; positions outside the frame are clamped to it.
    double axisLength(const Frame &f) const;
    double axisAt(const Frame &f, double record) const;
    double recordAt(const Frame &f, double x) const;
    // Records a frame covers.
    std::pair<double, double> recordSpan(const Frame &f) const;

    // Min/max per column over [x0, x1) of the frame.
    Columns columns(int channel, const Frame &f, double x0, double x1, int columns) const;
    // The channel's value at a record position (sample and hold); NaN outside the log.
    double valueAt(int channel, double record) const;
    QString valueText(int channel, double record) const;

    // The track, metres east and north of the first fix (north up).
    const QRectF &trackBounds() const { return m_bounds; }
    std::optional<QPointF> positionAt(double record) const;
    // Track points at least `spacing` metres apart, for drawing.
    std::vector<QPointF> trackOutline(double spacing) const;
    // The record whose position lies nearest `p` (metres): among those within `tolerance` the
    // one nearest `nearRecord` (a circuit passes each point once per lap), else the nearest of
    // all. Limited to [first, last) records.
    std::optional<double> recordNear(const QPointF &p, double tolerance, double nearRecord, double first,
                                     double last) const;

    // Bytes held beyond the log body.
    size_t derivedBytes() const;

private:
    void addChannel(uint8_t id, QString name, QString units, int decimals, SampleSource source, uint32_t samples);
    void buildGps(int index);
    double distanceAtRecord(double record) const;
    double recordAtDistance(double metres) const;
    double gpsSampleOf(double record) const;
    double recordOfGps(double sample) const;

    ElogData m_log;
    std::vector<ViewChannel> m_channels;
    // GPS per fix: position in metres, cumulative distance, and the values shown as channels.
    std::vector<QPointF> m_position;
    std::vector<bool> m_hasFix;
    std::vector<double> m_distance;
    std::vector<float> m_gpsSpeed, m_gpsCourse, m_gpsAltitude, m_gpsSatellites;
    QRectF m_bounds;
    std::vector<ViewLap> m_laps;
    int m_bestLap = -1;
};

} // namespace logview
