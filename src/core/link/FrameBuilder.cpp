#include "link/FrameBuilder.h"

#include "link/BlockEncoding.h"
#include "settings/layout/Crc32Words.h"
#include "link/LinkImageProvider.h"

#include <algorithm>
#include <cstring>

using namespace LinkConst;

namespace {

QByteArray part(const QByteArray &image, std::size_t offset, std::size_t size)
{
    QByteArray out = image.mid(qsizetype(offset), qsizetype(size));
    if (std::size_t(out.size()) < size)
        out.append(qsizetype(size) - out.size(), '\0');
    return out;
}

bool pdmPasswordSet(const QByteArray &pdm)
{
    return pdm.size() > qsizetype(PdmPasswordFlagByte)
           && (uint8_t(pdm[qsizetype(PdmPasswordFlagByte)]) & PdmPasswordFlagMask);
}

void copyPasswordHash(const QByteArray &pdm, FrameHeader &h)
{
    if (!pdmPasswordSet(pdm))
        return;
    const QByteArray hash = part(pdm, PdmPasswordHashOffset, AuxDataSize);
    std::memcpy(h.auxData.data(), hash.constData(), AuxDataSize);
}

bool oldDashFirmware(float v) { return v > 0.0f && v < ExtraSettingsFirmware; }

} // namespace

QByteArray dataBlockFor(uint8_t type, const LinkImageProvider &images)
{
    switch (type) {
    case AllData: {
        const std::size_t size =
            oldDashFirmware(images.firmwareVersionNumber()) ? DashImageSizeOld : DashImageSize;
        return BlockEncoding::gzip(part(images.dashImage(), 0, size));
    }
    case CommonSettingsData:
        return BlockEncoding::gzip(part(images.dashImage(), CommonSettingsOffset, CommonSettingsSize));
    case AllSensorData:
        return BlockEncoding::gzip(part(images.dashImage(), SensorsOffset, SensorsSize));
    case AllCustomSensorData:
        return BlockEncoding::gzip(part(images.dashImage(), CustomSensorsOffset, CustomSensorsSize));
    case SkinsPosData:
        return BlockEncoding::gzip(part(images.dashImage(), SkinsPosOffset, SkinsPosSize));
    case CustomAnalogSensorsData:
        return BlockEncoding::gzip(part(images.dashImage(), CustomAnalogOffset, CustomAnalogSize));
    case DashExtraSettingsData:
        return BlockEncoding::gzip(part(images.dashImage(), ExtraSettingsOffset, ExtraSettingsSize));
    case PdmCommonSettings:
    case PdmDEFAULTCommonSettings:
        return BlockEncoding::gzip(part(images.pdmImage(), 0, PdmImageSize));
    case RefLapData:
        return BlockEncoding::compressedByteArray(images.refLapData());
    case UserLogoData:
        return images.userLogoData();
    default:
        return {}; // 6..12, 14..19, above 23
    }
}

BuiltFrame buildFrame(unsigned action, unsigned dataOrCommand, unsigned parameter,
                      const FrameContext &ctx)
{
    BuiltFrame f;
    const auto type = uint8_t(dataOrCommand);

    if (action == CommandMessage && type != KeepOnline && ctx.status != ardixOnline
        && ctx.deviceId != Device_PmxBoot) {
        f.dropped = true;
        return f;
    }

    FrameHeader &h = f.header;
    h.action = uint8_t(action);
    h.dataOrCommand = type;
    h.sender = Device_ArdixClient;
    h.parameter = parameter;

    static const ZeroImageProvider zeros;
    const LinkImageProvider &images = ctx.images ? *ctx.images : zeros;

    if (action == FlashData) {
        f.isData = true;
        if (type != RefLapData && type != UserLogoData)
            h.parameter = DataParameterOverride;
        f.data = dataBlockFor(type, images);
        if (type == PdmCommonSettings || type == PdmDEFAULTCommonSettings)
            copyPasswordHash(images.pdmImage(), h);
        h.dataSize = uint32_t(f.data.size());
        h.dataCrc = crc32Words(f.data.constData(), std::size_t(f.data.size()));
    } else if (action == CommandMessage) {
        switch (type) {
        case KeepOnline:
            h.parameter1 = uint8_t(images.curSkinMode());
            break;
        case CheckSettingsSync:
            if (ctx.deviceId == Device_Ardix7) {
                const std::size_t size = images.firmwareVersionNumber() < ExtraSettingsFirmware
                                             ? DashImageSizeOld
                                             : DashImageSize;
                const QByteArray img = part(images.dashImage(), 0, size);
                h.dataCrc = crc32Words(img.constData(), size);
            }
            break;
        case GetSettings:
            f.showBusy = true;
            if (ctx.deviceId == Device_Pmx)
                copyPasswordHash(images.pdmImage(), h);
            break;
        case GetLogFile:
            f.startsLogDownload = true;
            break;
        case CheckPdmSettingsSync: {
            const QByteArray img = part(images.pdmImage(), 0, PdmImageSize);
            h.dataCrc = crc32Words(img.constData(), PdmImageSize);
            break;
        }
        default:
            break;
        }
    }

    const HeaderBytes bytes = encodeHeader(h);
    h.headerCrc = uint32_t(bytes[84]) | uint32_t(bytes[85]) << 8 | uint32_t(bytes[86]) << 16
                  | uint32_t(bytes[87]) << 24;
    f.headerBytes = QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
    return f;
}
