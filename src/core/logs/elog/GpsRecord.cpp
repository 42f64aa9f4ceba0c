#include "logs/elog/GpsRecord.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace elog {

double nmeaDegrees(int32_t value, int32_t scale)
{
    if (scale == 0)
        return std::numeric_limits<double>::quiet_NaN();
    const int64_t perDegree = int64_t(scale) * 100;
    const int64_t degrees = int64_t(value) / perDegree;
    const int64_t minutesScaled = int64_t(value) % perDegree;
    return double(degrees) + double(minutesScaled) / (double(scale) * 60.0);
}

double scaledValue(int32_t value, int32_t scale)
{
    return scale == 0 ? 0.0 : double(value) / double(scale);
}

} // namespace elog

double GpsRecord::latitude() const { return elog::nmeaDegrees(latValue, latScale); }
double GpsRecord::longitude() const { return elog::nmeaDegrees(lonValue, lonScale); }
double GpsRecord::speedKnots() const { return elog::scaledValue(speedValue, speedScale); }
double GpsRecord::course() const { return elog::scaledValue(courseValue, courseScale); }

GpsRecord decodeGpsRecord(const uchar *bytes)
{
    GpsRecord r;
    for (const elog::GpsField &f : elog::kGpsLayout) {
        const uchar *p = bytes + f.offset;
        switch (f.type) {
        case elog::FieldType::Int32: {
            const uint32_t u = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
            r.*f.member = int32_t(u);
            break;
        }
        case elog::FieldType::UInt8: r.*f.member = p[0]; break;
        case elog::FieldType::Int16: r.*f.member = int16_t(uint16_t(p[0] | (p[1] << 8))); break;
        }
    }
    return r;
}

void encodeGpsRecord(const GpsRecord &record, uchar *bytes)
{
    for (const elog::GpsField &f : elog::kGpsLayout) {
        const uint32_t v = uint32_t(record.*f.member);
        uchar *p = bytes + f.offset;
        for (int i = 0; i < elog::fieldSize(f.type); ++i)
            p[i] = uchar(v >> (8 * i));
    }
}
