#include "ui/WindowLayoutHelper.h"
#include "ui/WindowLayout.h"

#include <QVariantMap>

QRect WindowLayoutHelper::restoredRect(int width, int storedX, int storedY, int storedHeight,
                                       const QVariantList &screens, int ownScreen) const
{
    QList<QRect> rects;
    rects.reserve(screens.size());
    for (const QVariant &s : screens) {
        if (s.canConvert<QRect>() && s.typeId() == QMetaType::QRect) {
            rects << s.toRect();
        } else {
            const QVariantMap m = s.toMap();
            rects << QRect(m.value("x").toInt(), m.value("y").toInt(), m.value("width").toInt(),
                           m.value("height").toInt());
        }
    }
    return WindowLayout::restoredRect(width, storedX, storedY, storedHeight, rects, ownScreen);
}
