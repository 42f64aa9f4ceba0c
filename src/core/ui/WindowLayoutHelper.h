#pragma once
#include <QObject>
#include <QRect>
#include <QVariantList>

// The window's geometry rules offered to the interface (the window layout utility keeps the timers
// and the stored values; this computes where the window goes).
class WindowLayoutHelper : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // `screens`: the screens' rectangles (QRect or maps with x, y, width, height); `ownScreen`: the
    // index of the window's own screen.
    Q_INVOKABLE QRect restoredRect(int width, int storedX, int storedY, int storedHeight,
                                   const QVariantList &screens, int ownScreen) const;
};
