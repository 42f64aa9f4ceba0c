// Every log body the reader accepts must keep its promises to the converters: each channel's
// samples lie inside the body, and every channel that is not slow holds recordCount samples.

#include "logs/elog/ElogChannels.h"
#include "logs/elog/ElogReader.h"
#include "logs/elog/GpsRecord.h"

#include <QByteArray>

#include <cstdlib>

namespace {

void check(const ElogReadResult &r)
{
    if (!r.ok())
        return;
    const ElogData &d = r.data;
    const size_t n = d.channelIds.size();
    if (d.channelData.size() != n || d.channelSamples.size() != n)
        std::abort();
    if (n > 0 && d.logRate == 0)
        std::abort();
    volatile int sink = 0;
    for (size_t k = 0; k < n; ++k) {
        const uint8_t id = d.channelIds[k];
        const uint64_t ss = uint64_t(elog::sampleSize(id));
        if (ss == 0)
            std::abort();
        const uint64_t end = uint64_t(d.channelData[k]) + ss * d.channelSamples[k];
        if (end > uint64_t(d.body.size()))
            std::abort();
        if (!d.isSlow(id) && d.channelSamples[k] < d.recordCount)
            std::abort();
        if (d.channelSamples[k] == 0)
            continue;
        const uint32_t last = d.channelSamples[k] - 1;
        if (id == elog::Module_GPS) {
            const GpsRecord g = decodeGpsRecord(d.sample(int(k), last));
            sink = sink + int(g.latitude() == 0.0) + int(g.speedKnots() > 1.0) + g.satellites;
        } else if (id < elog::Module_Time) {
            sink = sink + d.sensorSample(int(k), 0) + d.sensorSample(int(k), last);
        } else {
            sink = sink + *d.sample(int(k), last);
        }
    }
    if (d.customNames.size() != qsizetype(d.customAttributes.size()))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    check(parseElogBody(bytes, QStringLiteral("fuzz.elog")));
    check(decodeElogFile(bytes, QStringLiteral("fuzz.elog")));
    return 0;
}
