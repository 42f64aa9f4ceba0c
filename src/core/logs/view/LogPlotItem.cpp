#include "logs/view/LogPlotItem.h"

#include "logs/view/LogViewModel.h"

#include <QPainter>
#include <QQuickWindow>
#include <QSGFlatColorMaterial>
#include <QSGGeometryNode>
#include <QSGImageNode>
#include <QSGRendererInterface>

#include <cstring>

LogPlotItem::LogPlotItem(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents, true);
}

void LogPlotItem::setModel(LogViewModel *model)
{
    if (m_model == model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (m_model) {
        connect(m_model, &LogViewModel::stateChanged, this, &QQuickItem::polish);
        connect(m_model, &LogViewModel::lapsChanged, this, &QQuickItem::polish);
    }
    emit changed();
    polish();
}

void LogPlotItem::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        polish();
}

// The reduction runs here, on the interface thread, where the model may be read; the render
// thread only copies the vertices.
void LogPlotItem::updatePolish()
{
    const logview::LogViewData *data = m_model ? m_model->data() : nullptr;
    m_strips[0].clear();
    m_strips[1].clear();
    const int columns = int(width());
    logview::MinMax total;
    logview::Columns series[2];
    if (data && columns > 0 && height() > 0 && m_to > m_from) {
        const auto axis = m_axis == 1 ? logview::Axis::Distance : logview::Axis::Time;
        series[0] = data->columns(m_channel, {axis, m_lap}, m_from, m_to, columns);
        total.add(series[0].total);
        if (m_compareLap >= 0) {
            series[1] = data->columns(m_channel, {axis, m_compareLap}, m_from, m_to, columns);
            total.add(series[1].total);
        }
        const logview::MinMax range = logview::paddedRange(total);
        logview::appendStrip(series[0], m_from, m_to, width(), height(), range, m_strips[0]);
        logview::appendStrip(series[1], m_from, m_to, width(), height(), range, m_strips[1]);
        total = range;
    }
    m_range = total;
    emit shownRangeChanged();
    update();
}

// The software renderer (no GPU, or offscreen) draws no custom geometry: the strips are painted
// into an image there.
QSGNode *LogPlotItem::paintedNode(QSGNode *old)
{
    auto *node = static_cast<QSGImageNode *>(old);
    if (!node)
        node = window()->createImageNode();
    const qreal dpr = window()->effectiveDevicePixelRatio();
    const QSize size(std::max(1, int(width() * dpr)), std::max(1, int(height() * dpr)));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.scale(dpr, dpr);
        const QColor colors[2] = {m_color, m_compareColor};
        for (int s = 0; s < 2; ++s) {
            const std::vector<logview::Vertex> &strip = m_strips[s];
            QPolygonF line;
            line.reserve(qsizetype(strip.size()));
            for (const logview::Vertex &v : strip)
                line.append(QPointF(v.x, v.y));
            painter.setPen(QPen(colors[s], 1.0));
            painter.drawPolyline(line);
        }
    }
    node->setTexture(window()->createTextureFromImage(image));
    node->setOwnsTexture(true);
    node->setRect(boundingRect());
    return node;
}

QSGNode *LogPlotItem::updatePaintNode(QSGNode *old, UpdatePaintNodeData *)
{
    if (window() && window()->rendererInterface()->graphicsApi() == QSGRendererInterface::Software)
        return paintedNode(old);
    QSGNode *root = old ? old : new QSGNode;
    const QColor colors[2] = {m_color, m_compareColor};
    for (int s = 0; s < 2; ++s) {
        auto *node = static_cast<QSGGeometryNode *>(root->childAtIndex(s));
        if (!node) {
            node = new QSGGeometryNode;
            auto *geometry = new QSGGeometry(QSGGeometry::defaultAttributes_Point2D(), 0);
            geometry->setDrawingMode(QSGGeometry::DrawLineStrip);
            geometry->setLineWidth(1);
            node->setGeometry(geometry);
            node->setFlag(QSGNode::OwnsGeometry);
            node->setMaterial(new QSGFlatColorMaterial);
            node->setFlag(QSGNode::OwnsMaterial);
            root->appendChildNode(node);
        }
        const std::vector<logview::Vertex> &strip = m_strips[s];
        QSGGeometry *g = node->geometry();
        g->allocate(int(strip.size()));
        static_assert(sizeof(logview::Vertex) == sizeof(QSGGeometry::Point2D));
        if (!strip.empty())
            std::memcpy(g->vertexDataAsPoint2D(), strip.data(), strip.size() * sizeof(logview::Vertex));
        auto *material = static_cast<QSGFlatColorMaterial *>(node->material());
        if (material->color() != colors[s]) {
            material->setColor(colors[s]);
            node->markDirty(QSGNode::DirtyMaterial);
        }
        node->markDirty(QSGNode::DirtyGeometry);
    }
    return root;
}

double LogPlotItem::valueAtY(double y) const
{
    if (m_range.empty() || height() <= 0)
        return 0.0;
    return m_range.max - (m_range.max - m_range.min) * y / height();
}
