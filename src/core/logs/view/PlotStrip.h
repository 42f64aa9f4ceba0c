#pragma once
// Columns of values turned into the vertices of one line strip in item pixels: a vertical pair
// per pixel column (min then max), or one vertex per sample when zoomed past them.

#include "logs/view/LogViewData.h"

#include <vector>

namespace logview {

struct Vertex
{
    float x;
    float y;
};

// Value range shown for `total`: a little air above and below, never empty.
MinMax paddedRange(const MinMax &total);

// Appends the strip of `columns` for the axis range [from, to] onto a w × h item with values
// lo..hi from bottom to top.
void appendStrip(const Columns &columns, double from, double to, double w, double h, const MinMax &range,
                 std::vector<Vertex> &out);

} // namespace logview
