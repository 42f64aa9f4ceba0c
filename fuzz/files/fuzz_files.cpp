// Every reader of exchanged files must refuse hostile bytes without crashing or allocating what the
// declared lengths claim.
#include "link/dispatch/CompressedEnvelope.h"
#include "logs/laps/LapRecords.h"
#include "settings/persistence/SettingsEnvelope.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {
constexpr qsizetype kSettingsCap = 40960;
constexpr int64_t kDeviceCap = 1 << 20;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    if (const auto content = persistence::decompressEnvelope(bytes, kSettingsCap)) {
        if (content->size() > kSettingsCap)
            __builtin_trap();
    }
    if (const auto body = envelope::unpack(bytes, kDeviceCap)) {
        if (body->isEmpty() || body->size() > kDeviceCap)
            __builtin_trap();
    }
    // The records themselves, raw and wrapped.
    (void)ardix::laps::parseStartLine(bytes);
    (void)ardix::laps::parseRefLap(bytes);
    if (const auto raw = ardix::laps::uncompressEnvelope(bytes, 1 << 20))
        (void)ardix::laps::parseRefLap(*raw);
    return 0;
}
