#include "ui/WindowLayout.h"

#include <algorithm>

namespace WindowLayout {

int bestScreen(const QRect &window, const QList<QRect> &screens, int ownScreen)
{
    int best = ownScreen;
    qint64 bestArea = 0;
    for (int i = 0; i < screens.size(); ++i) {
        const QRect overlap = window.intersected(screens.at(i));
        const qint64 area = overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    return best;
}

QRect clampToScreen(const QRect &window, const QRect &screen)
{
    QRect r = window;
    const int minX = screen.x() + kScreenMargin;
    const int maxX = screen.x() + screen.width() - r.width() - kScreenMargin;
    r.moveLeft(std::max(minX, std::min(r.x(), maxX)));
    if (r.height() > screen.height() - 2 * kScreenMargin) {
        r.setHeight(screen.height() - 2 * kScreenMargin);
        r.moveTop(screen.y() + kScreenMargin);
    } else {
        const int minY = screen.y() + kScreenMargin;
        const int maxY = screen.y() + screen.height() - r.height() - kScreenMargin;
        r.moveTop(std::max(minY, std::min(r.y(), maxY)));
    }
    return r;
}

QRect restoredRect(int width, int storedX, int storedY, int storedHeight, const QList<QRect> &screens,
                   int ownScreen)
{
    if (screens.isEmpty())
        return QRect(0, 0, width, int(width / kAspect));
    ownScreen = std::clamp(ownScreen, 0, int(screens.size()) - 1);
    QRect r;
    if (storedX != -1 && storedY != -1 && storedHeight != -1) {
        r = QRect(storedX, storedY, width, storedHeight);
    } else {
        const QRect own = screens.at(ownScreen);
        const int height = int(width / kAspect);
        r = QRect(own.x() + (own.width() - width) / 2, own.y() + (own.height() - height) / 2, width, height);
    }
    return clampToScreen(r, screens.at(bestScreen(r, screens, ownScreen)));
}

} // namespace WindowLayout
