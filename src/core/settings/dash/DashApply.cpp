#include "settings/dash/DashApply.h"

#include "settings/ArdixEnums.h"
#include "settings/dash/ArdixSettings.h"

const char *const kOutdatedFirmwareMessage = QT_TRANSLATE_NOOP("KernelText",
    "Версия прошивки Ardix устарела, новые настройки не будут применены.\n\nВам нужно выполнить обновление.");

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
    const DashUploadChoice choice = chooseDashUpload(r.changedMask, isFull, settings.commonSettings()->currSkin(),
                                                     dashFirmwareVersionNumber(firmwareVersion));
    r.upload = choice.upload;
    if (choice.firmwareOutdated)
        r.message = QString::fromUtf8(kOutdatedFirmwareMessage);
    return r;
}

DashUploadChoice chooseDashUpload(uint8_t changedMask, bool isFull, uint32_t currSkin, double firmwareVersion)
{
    DashUploadChoice choice;
    const std::optional<int> single = isFull ? std::nullopt : singlePartDataType(changedMask);
    if (!single) {
        choice.upload = DashUpload{ArdixEnums::AllData, 0};
        return choice;
    }
    // Firmware before the extra settings would store them nowhere.
    if (*single == ArdixEnums::DashExtraSettingsData && firmwareVersion != 0
        && firmwareVersion <= kLastFirmwareWithoutExtra) {
        choice.firmwareOutdated = true;
        return choice;
    }
    choice.upload = DashUpload{*single, *single == ArdixEnums::SkinsPosData ? currSkin : 0};
    return choice;
}
