#include "logs/view/MinMaxPyramid.h"

#include <algorithm>

namespace logview {

uint32_t MinMaxPyramid::bucket(int level) const
{
    uint32_t b = kBaseBucket;
    for (int i = 0; i < level; ++i)
        b *= kFactor;
    return b;
}

void MinMaxPyramid::build(const SampleSource &source, uint32_t count)
{
    m_source = source;
    m_count = count;
    m_levels.clear();
    if (count < kBaseBucket * 2)
        return;

    std::vector<MinMax> first((count + kBaseBucket - 1) / kBaseBucket);
    for (size_t k = 0; k < first.size(); ++k) {
        const uint32_t end = std::min<uint32_t>(count, uint32_t(k + 1) * kBaseBucket);
        MinMax m;
        for (uint32_t i = uint32_t(k) * kBaseBucket; i < end; ++i)
            m.add(source.at(i));
        first[k] = m;
    }
    m_levels.push_back(std::move(first));
    while (m_levels.back().size() >= kFactor * 2) {
        const std::vector<MinMax> &below = m_levels.back();
        std::vector<MinMax> next((below.size() + kFactor - 1) / kFactor);
        for (size_t k = 0; k < next.size(); ++k) {
            const size_t end = std::min(below.size(), (k + 1) * kFactor);
            for (size_t j = k * kFactor; j < end; ++j)
                next[k].add(below[j]);
        }
        m_levels.push_back(std::move(next));
    }
}

MinMax MinMaxPyramid::raw(uint32_t first, uint32_t last) const
{
    MinMax m;
    for (uint32_t i = first; i < last; ++i)
        m.add(m_source.at(i));
    return m;
}

MinMax MinMaxPyramid::range(uint32_t first, uint32_t last) const
{
    last = std::min(last, m_count);
    if (first >= last)
        return {};
    for (int level = levels() - 1; level >= 0; --level) {
        const uint32_t b = bucket(level);
        const uint32_t from = (first + b - 1) / b;
        const uint32_t to = last / b; // a partial last bucket is not whole: leave it to the levels below
        if (to <= from)
            continue;
        MinMax m;
        const std::vector<MinMax> &buckets = m_levels[size_t(level)];
        for (uint32_t k = from; k < to; ++k)
            m.add(buckets[k]);
        m.add(range(first, from * b));
        m.add(range(to * b, last));
        return m;
    }
    return raw(first, last);
}

size_t MinMaxPyramid::memoryBytes() const
{
    size_t n = 0;
    for (const auto &l : m_levels)
        n += l.capacity() * sizeof(MinMax);
    return n;
}

} // namespace logview
