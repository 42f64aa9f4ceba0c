#include "logs/view/PlotStrip.h"

#include <algorithm>

namespace logview {

namespace {
constexpr float kAir = 0.06f;
}

MinMax paddedRange(const MinMax &total)
{
    if (total.empty())
        return {0.0f, 1.0f};
    MinMax r = total;
    const float span = r.max - r.min;
    const float pad = span > 0 ? span * kAir : std::max(1.0f, std::abs(r.max) * kAir);
    r.min -= pad;
    r.max += pad;
    return r;
}

void appendStrip(const Columns &columns, double from, double to, double w, double h, const MinMax &range,
                 std::vector<Vertex> &out)
{
    if (!(to > from) || range.empty())
        return;
    const double sx = w / (to - from);
    const double sy = h / double(range.max - range.min);
    auto y = [&](float v) { return float(h - (double(v) - range.min) * sy); };
    out.reserve(out.size() + columns.x.size() * 2);
    for (size_t i = 0; i < columns.x.size(); ++i) {
        const MinMax &m = columns.values[i];
        if (m.empty())
            continue;
        const auto x = float((columns.x[i] - from) * sx);
        if (columns.samples) {
            out.push_back({x, y(m.min)});
        } else {
            out.push_back({x, y(m.min)});
            out.push_back({x, y(m.max)});
        }
    }
}

} // namespace logview
