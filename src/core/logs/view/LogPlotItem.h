#pragma once
// One channel drawn by the scene graph: a line strip with a vertical min/max pair per pixel
// column, taken from the channel's pyramid, so that an hour of samples costs as much as a
// second. Optionally a second lap of the same channel over it, on the same value scale.

#include "logs/view/PlotStrip.h"

#include <QColor>
#include <QPointer>
#include <QQuickItem>

#include "logs/view/LogViewModel.h"

class LogPlotItem : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(LogViewModel *model READ model WRITE setModel NOTIFY changed)
    Q_PROPERTY(int channel READ channel WRITE setChannel NOTIFY changed)
    Q_PROPERTY(int axis READ axis WRITE setAxis NOTIFY changed)
    Q_PROPERTY(int lap READ lap WRITE setLap NOTIFY changed)
    Q_PROPERTY(int compareLap READ compareLap WRITE setCompareLap NOTIFY changed)
    Q_PROPERTY(double from READ from WRITE setFrom NOTIFY changed)
    Q_PROPERTY(double to READ to WRITE setTo NOTIFY changed)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY changed)
    Q_PROPERTY(QColor compareColor READ compareColor WRITE setCompareColor NOTIFY changed)
    Q_PROPERTY(double shownMin READ shownMin NOTIFY shownRangeChanged)
    Q_PROPERTY(double shownMax READ shownMax NOTIFY shownRangeChanged)
    Q_PROPERTY(int vertexCount READ vertexCount NOTIFY shownRangeChanged)

public:
    explicit LogPlotItem(QQuickItem *parent = nullptr);

    LogViewModel *model() const { return m_model; }
    void setModel(LogViewModel *model);
    int channel() const { return m_channel; }
    void setChannel(int v) { set(m_channel, v); }
    int axis() const { return m_axis; }
    void setAxis(int v) { set(m_axis, v); }
    int lap() const { return m_lap; }
    void setLap(int v) { set(m_lap, v); }
    int compareLap() const { return m_compareLap; }
    void setCompareLap(int v) { set(m_compareLap, v); }
    double from() const { return m_from; }
    void setFrom(double v) { set(m_from, v); }
    double to() const { return m_to; }
    void setTo(double v) { set(m_to, v); }
    QColor color() const { return m_color; }
    void setColor(const QColor &v) { set(m_color, v); }
    QColor compareColor() const { return m_compareColor; }
    void setCompareColor(const QColor &v) { set(m_compareColor, v); }
    double shownMin() const { return m_range.empty() ? 0.0 : m_range.min; }
    double shownMax() const { return m_range.empty() ? 0.0 : m_range.max; }
    int vertexCount() const { return int(m_strips[0].size() + m_strips[1].size()); }

    // Value at a y pixel of the item (for the readout of the axis labels).
    Q_INVOKABLE double valueAtY(double y) const;

Q_SIGNALS:
    void changed();
    void shownRangeChanged();

protected:
    void updatePolish() override;
    QSGNode *updatePaintNode(QSGNode *old, UpdatePaintNodeData *) override;
    QSGNode *paintedNode(QSGNode *old);
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    template<typename T>
    void set(T &member, const T &value)
    {
        if (member == value)
            return;
        member = value;
        emit changed();
        polish();
    }

    QPointer<LogViewModel> m_model;
    int m_channel = -1;
    int m_axis = 0;
    int m_lap = -1;
    int m_compareLap = -1;
    double m_from = 0;
    double m_to = 0;
    QColor m_color = Qt::yellow;
    QColor m_compareColor = Qt::cyan;
    logview::MinMax m_range;
    std::vector<logview::Vertex> m_strips[2];
};
