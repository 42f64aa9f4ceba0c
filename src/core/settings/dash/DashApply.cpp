#include "settings/dash/DashApply.h"

#include "settings/ArdixEnums.h"
#include "settings/dash/ArdixSettings.h"

const char *const kOutdatedFirmwareMessage =
    "Версия прошивки Ardix устарела, новые настройки не будут применены.\n\nВам нужно выполнить обновление.";

namespace {
constexpr int kVersionTextLength = 5;
// Firmware up to this number knows no extra settings.
constexpr double kLastFirmwareWithoutExtra = 0.945;

constexpr uint8_t bitOf(DashPart p) { return uint8_t(1u << int(p)); }

std::optional<int> singlePartDataType(uint8_t mask)
{
    using namespace ArdixEnums;
    switch (mask) {
    case bitOf(DashPart::SkinsPos): return SkinsPosData;
    case bitOf(DashPart::Sensors): return AllSensorData;
    case bitOf(DashPart::CustomSensors): return AllCustomSensorData;
    case bitOf(DashPart::Common): return CommonSettingsData;
    case bitOf(DashPart::CustomAnalogSensors): return CustomAnalogSensorsData;
    case bitOf(DashPart::Extra): return DashExtraSettingsData;
    default: return std::nullopt;
    }
}
} // namespace

double dashFirmwareVersionNumber(const QString &version)
{
    if (version.size() != kVersionTextLength)
        return 0;
    bool ok = false;
    const double v = version.mid(1).toDouble(&ok);
    return ok ? v : 0;
}

DashApplyResult applyDashSettings(ArdixSettings &settings, const DashSettingsImage &current, bool isFull,
                                  bool linkOnline, const QString &firmwareVersion)
{
    DashApplyResult r;
    r.image = current;
    if (!settings.hasChanges() && !isFull)
        return r;

    r.applied = true;
    r.changedMask = settings.changeMask();
    for (int p = int(DashPart::SkinsPos); p <= int(DashPart::Extra); ++p)
        if (r.changedMask & (1u << p))
            settings.packPart(DashPart(p), r.image);
    settings.setHasChanges(false);

    if (!linkOnline)
        return r;
    if (isFull) {
        r.upload = DashUpload{ArdixEnums::AllData, 0};
        return r;
    }
    const std::optional<int> single = singlePartDataType(r.changedMask);
    if (!single) {
        r.upload = DashUpload{ArdixEnums::AllData, 0};
        return r;
    }
    if (*single == ArdixEnums::DashExtraSettingsData) {
        const double fw = dashFirmwareVersionNumber(firmwareVersion);
        if (fw != 0 && fw <= kLastFirmwareWithoutExtra) {
            r.message = QString::fromUtf8(kOutdatedFirmwareMessage);
            return r;
        }
    }
    const uint32_t parameter = *single == ArdixEnums::SkinsPosData ? settings.commonSettings()->currSkin() : 0;
    r.upload = DashUpload{*single, parameter};
    return r;
}
