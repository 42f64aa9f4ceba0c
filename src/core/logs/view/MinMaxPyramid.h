#pragma once
// Min/max of a sample series over any index range in a few dozen steps: each level keeps the
// min/max of fixed buckets (16, 64, 256, ... samples); a query takes whole buckets from the
// coarsest level that fits and walks down only at its ragged ends.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace logview {

struct MinMax
{
    float min = std::numeric_limits<float>::infinity();
    float max = -std::numeric_limits<float>::infinity();

    bool empty() const { return !(min <= max); }
    void add(float v)
    {
        if (std::isnan(v)) // a GPS fix without position has no value, not an extreme one
            return;
        if (v < min)
            min = v;
        if (v > max)
            max = v;
    }
    void add(const MinMax &o)
    {
        if (o.min < min)
            min = o.min;
        if (o.max > max)
            max = o.max;
    }
};

// Where the samples of one channel sit: a strided run of little-endian numbers, read in place
// (the log body or a derived array is never copied).
struct SampleSource
{
    enum class Type : uint8_t { Int16, UInt16, Float32 };

    const unsigned char *base = nullptr;
    uint32_t stride = 2;
    Type type = Type::Int16;
    float scale = 1.0f;

    float at(uint32_t i) const
    {
        const unsigned char *p = base + size_t(i) * stride;
        switch (type) {
        case Type::Int16: {
            int16_t v;
            std::memcpy(&v, p, 2);
            return float(v) * scale;
        }
        case Type::UInt16: {
            uint16_t v;
            std::memcpy(&v, p, 2);
            return float(v) * scale;
        }
        case Type::Float32: {
            float v;
            std::memcpy(&v, p, 4);
            return v * scale;
        }
        }
        return 0.0f;
    }
};

class MinMaxPyramid
{
public:
    static constexpr uint32_t kBaseBucket = 16;
    static constexpr uint32_t kFactor = 4;

    void build(const SampleSource &source, uint32_t count);

    // Over samples [first, last); empty when the range is.
    MinMax range(uint32_t first, uint32_t last) const;

    uint32_t count() const { return m_count; }
    int levels() const { return int(m_levels.size()); }
    size_t memoryBytes() const;

private:
    uint32_t bucket(int level) const;
    MinMax raw(uint32_t first, uint32_t last) const;

    SampleSource m_source;
    uint32_t m_count = 0;
    std::vector<std::vector<MinMax>> m_levels;
};

} // namespace logview
