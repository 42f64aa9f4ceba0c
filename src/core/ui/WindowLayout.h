#pragma once
#include <QList>
#include <QRect>

// Where a restored window goes: on the screen it overlaps most, kept 10 units inside its edges, no
// taller than the screen allows. Pure, so every case of stored geometry can be checked without a
// display.
namespace WindowLayout {

constexpr int kScreenMargin = 10;
constexpr double kAspect = 1.6;

// Index of the screen whose rectangle shares the largest area with `window`; `ownScreen` when none
// intersects it.
int bestScreen(const QRect &window, const QList<QRect> &screens, int ownScreen);

// Clamps `window` (x, y, width, height) into `screen`. The width is never changed; a height above
// screen height - 2 * margin becomes that, at the top margin.
QRect clampToScreen(const QRect &window, const QRect &screen);

// The rectangle a window of `width` starts with: the stored x, y, height when all three are set
// (not -1), else centred on `ownScreenRect` with height width / 1.6; then clamped to the best screen.
QRect restoredRect(int width, int storedX, int storedY, int storedHeight, const QList<QRect> &screens,
                   int ownScreen);

} // namespace WindowLayout
