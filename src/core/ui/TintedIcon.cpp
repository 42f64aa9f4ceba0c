#include "ui/TintedIcon.h"

#include <QPainter>

TintedIcon::TintedIcon(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

QString TintedIcon::filePathOf(const QUrl &url)
{
    if (url.scheme() == QLatin1String("qrc"))
        return QLatin1Char(':') + url.path();
    if (url.isLocalFile())
        return url.toLocalFile();
    return url.toString();
}

void TintedIcon::setSource(const QUrl &source)
{
    if (m_source == source)
        return;
    m_source = source;
    if (source.isEmpty())
        m_renderer.load(QByteArray());
    else
        m_renderer.load(filePathOf(source));
    m_renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    update();
    emit sourceChanged();
}

void TintedIcon::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    emit colorChanged();
}

void TintedIcon::paint(QPainter *painter)
{
    if (!m_renderer.isValid())
        return;
    const QRectF box = boundingRect();
    m_renderer.render(painter, box);
    // Keep the picture's coverage, take the colour.
    painter->setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter->fillRect(box, m_color);
}
