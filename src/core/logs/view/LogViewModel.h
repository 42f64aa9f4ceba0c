#pragma once
// The log view window's model: loads an .elog once in the background, then answers the window's
// questions (channels, axes, cursor readout, the track map) from LogViewData. The laps are found
// after the first plot is up.

#include "logs/LogExportContext.h"
#include "logs/view/LogViewData.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointF>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

class LogViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *kernel READ kernel WRITE setKernel NOTIFY kernelChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY stateChanged)
    Q_PROPERTY(bool ready READ ready NOTIFY stateChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY stateChanged)
    Q_PROPERTY(QString fileName READ fileName NOTIFY stateChanged)
    Q_PROPERTY(int logRate READ logRate NOTIFY stateChanged)
    Q_PROPERTY(double duration READ duration NOTIFY stateChanged)
    Q_PROPERTY(int recordCount READ recordCount NOTIFY stateChanged)
    Q_PROPERTY(bool hasDistance READ hasDistance NOTIFY stateChanged)
    Q_PROPERTY(bool hasTrack READ hasTrack NOTIFY stateChanged)
    Q_PROPERTY(QVariantList channels READ channels NOTIFY stateChanged)
    Q_PROPERTY(bool lapsReady READ lapsReady NOTIFY lapsChanged)
    Q_PROPERTY(QVariantList laps READ laps NOTIFY lapsChanged)
    Q_PROPERTY(int bestLap READ bestLap NOTIFY lapsChanged)

public:
    // How the model gets the sensor names of the running client from the `kernel` it is given;
    // without one it uses the factory catalogue.
    using ContextSource = std::function<LogExportContext(QObject *kernel)>;
    static void setContextSource(ContextSource source);

    explicit LogViewModel(QObject *parent = nullptr);
    ~LogViewModel() override;

    QObject *kernel() const { return m_kernel; }
    void setKernel(QObject *kernel);
    bool loading() const { return m_loading; }
    bool ready() const { return m_data != nullptr; }
    QString errorText() const { return m_error; }
    QString fileName() const { return m_data ? m_data->log().fileName : QString(); }
    int logRate() const { return m_data ? m_data->log().logRate : 0; }
    double duration() const { return m_data ? m_data->duration() : 0.0; }
    int recordCount() const { return m_data ? int(m_data->recordCount()) : 0; }
    bool hasDistance() const { return m_data && m_data->hasDistance(); }
    bool hasTrack() const { return m_data && !m_data->trackBounds().isNull(); }
    QVariantList channels() const;
    bool lapsReady() const { return m_lapsReady; }
    QVariantList laps() const;
    int bestLap() const { return m_data ? m_data->bestLap() : -1; }

    const logview::LogViewData *data() const { return m_data.get(); }

    // A local path or a file URL.
    Q_INVOKABLE void load(const QString &pathOrUrl);

    // Axis 0 time (s), 1 distance (m); lap -1 is the whole log, else a lap entry from its start.
    Q_INVOKABLE double axisLength(int axis, int lap) const;
    Q_INVOKABLE double recordAt(int axis, int lap, double x) const;
    Q_INVOKABLE double axisAt(int axis, int lap, double record) const;
    // The value with its unit of each channel (indices into `channels`) at a record.
    Q_INVOKABLE QStringList readout(const QVariantList &channels, double record) const;
    // The lap crossings as axis positions of the whole log.
    Q_INVOKABLE QVariantList lapMarks(int axis) const;
    // "1:02:03.4" for a time, "12 345 м" for a distance.
    Q_INVOKABLE QString axisText(int axis, double x) const;

    // The track in a w × h item, north up, `margin` pixels inside.
    Q_INVOKABLE QVariant trackPath(double w, double h, double margin) const;
    // Where a record is on that map; (-1, -1) when the log has no fix there.
    Q_INVOKABLE QPointF mapPoint(double record, double w, double h, double margin) const;
    // The record a click on the map means: near the click, and of the passes there the one
    // nearest `nearRecord`, within lap `lap` (or the whole log for -1). -1 when there is none.
    Q_INVOKABLE double recordFromMap(double px, double py, double w, double h, double margin, double nearRecord,
                                     int lap) const;

Q_SIGNALS:
    void kernelChanged();
    void stateChanged();
    void lapsChanged();

private:
    struct Loaded
    {
        std::shared_ptr<logview::LogViewData> data;
        QString error;
    };
    struct Map
    {
        double scale = 0, offX = 0, offY = 0;
        bool valid = false;
    };
    Map mapFor(double w, double h, double margin) const;
    logview::Frame frame(int axis, int lap) const;

    QObject *m_kernel = nullptr;
    std::shared_ptr<logview::LogViewData> m_data;
    QFutureWatcher<Loaded> m_load;
    QFutureWatcher<logview::LogViewData::LapResult> m_lapSearch;
    ardix::laps::StartPoint m_settingsStart;
    QString m_error;
    bool m_loading = false;
    bool m_lapsReady = false;
};
