#include "settings/dash/DashSettingsImage.h"

#include "settings/dash/ArdixExtraSettings.h"
#include "settings/dash/ExtraLayout.h"
#include "settings/layout/Crc32Words.h"
#include "settings/layout/LittleEndian.h"

#include <cstring>

using namespace dashLayout;

DashSettingsImage::DashSettingsImage() : m_bytes(kSize, '\0') {}

DashSettingsImage::DashSettingsImage(const QByteArray &block) : m_bytes(kSize, '\0')
{
    if (block.size() == kSize || block.size() == kShortSize)
        std::memcpy(m_bytes.data(), block.constData(), std::size_t(block.size()));
    else
        m_ok = false;
}

bool DashSettingsImage::hasExtraMarker() const
{
    return layout::readLE<uint32_t>(data() + kExtraOffset) == extraLayout::kInitMarker;
}

void DashSettingsImage::loadDefaultExtraSettings()
{
    ArdixExtraSettings::writeDefaults(data() + kExtraOffset);
}

int DashSettingsImage::partOffset(DashPart part)
{
    switch (part) {
    case DashPart::SkinsPos: return kSkinsPosOffset;
    case DashPart::Sensors: return kSensorsOffset;
    case DashPart::CustomSensors: return kCustomSensorsOffset;
    case DashPart::Common: return kCommonOffset;
    case DashPart::CustomAnalogSensors: return kCustomAnalogOffset;
    case DashPart::Extra: return kExtraOffset;
    }
    return 0;
}

int DashSettingsImage::partSize(DashPart part)
{
    switch (part) {
    case DashPart::SkinsPos: return kSkinsPosSize;
    case DashPart::Sensors: return kSensorsSize;
    case DashPart::CustomSensors: return kSensorsSize;
    case DashPart::Common: return kCommonSize;
    case DashPart::CustomAnalogSensors: return kCustomAnalogSize;
    case DashPart::Extra: return kExtraSize;
    }
    return 0;
}

QByteArray DashSettingsImage::part(DashPart p) const
{
    return m_bytes.mid(partOffset(p), partSize(p));
}

uint32_t DashSettingsImage::commonChecksum() const
{
    return layout::readLE<uint32_t>(data() + kCommonOffset + kCommonChecksumOffset);
}

uint32_t DashSettingsImage::computeCommonChecksum() const
{
    return crc32Words(data() + kCommonOffset, kCommonChecksumOffset);
}
