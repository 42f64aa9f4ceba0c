#pragma once

// A one-colour picture: an SVG drawn in `color` wherever it is not transparent, centred and
// fitted into the item. The icon files are drawn dark for light menus; the dark screens show
// them in their own colour. Drawn with QPainter, so it needs no shader and renders the same on
// every scene graph backend.

#include <QColor>
#include <QQuickPaintedItem>
#include <QSvgRenderer>
#include <QUrl>

class TintedIcon : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(bool valid READ valid NOTIFY sourceChanged)
public:
    explicit TintedIcon(QQuickItem *parent = nullptr);

    QUrl source() const { return m_source; }
    void setSource(const QUrl &source);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    bool valid() const { return m_renderer.isValid(); }

    void paint(QPainter *painter) override;

    // "qrc:/a/b.svg" -> ":/a/b.svg", "file:///a/b.svg" -> "/a/b.svg"; anything else stays as it is.
    static QString filePathOf(const QUrl &url);

signals:
    void sourceChanged();
    void colorChanged();

private:
    QUrl m_source;
    QColor m_color{0x84, 0x86, 0x8F};
    QSvgRenderer m_renderer;
};
