#include "simcore/device/SimFirmware.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <algorithm>

namespace SimFirmware {
namespace {
constexpr char DashMagic[] = "ARDIXSIM-DASH-FW";
constexpr char PdmMagic[] = "ARDIXSIM-PDM--FW";
constexpr int MagicSize = 16;
constexpr int VersionOffset = 16;
constexpr int VersionSize = 4;
constexpr int BodyMd5Offset = 20;
constexpr int BodyMd5Size = 16;
static_assert(BodyMd5Offset + BodyMd5Size <= PdmHeaderSize && PdmHeaderSize <= DashHeaderSize);

QByteArray magic(Kind kind) { return QByteArray(kind == Kind::Dash ? DashMagic : PdmMagic, MagicSize); }

QByteArray bodyMd5(const QByteArray &image, Kind kind)
{
    return QCryptographicHash::hash(QByteArrayView(image).sliced(std::min<qsizetype>(image.size(), headerSize(kind))), QCryptographicHash::Md5);
}
} // namespace

QByteArray make(Kind kind, const QByteArray &version, int size, quint32 seed)
{
    QByteArray image(size, '\0');
    QRandomGenerator rng(seed);
    for (int i = 0; i < size; ++i)
        image[i] = char(rng.generate() & 0xFF);
    if (size >= VersionOffset + VersionSize) {
        image.replace(0, MagicSize, magic(kind));
        image.replace(VersionOffset, VersionSize, version.leftJustified(VersionSize, ' ', true));
    }
    if (size >= headerSize(kind))
        image.replace(BodyMd5Offset, BodyMd5Size, bodyMd5(image, kind));
    return image;
}

std::optional<QByteArray> versionOf(const QByteArray &image, Kind kind)
{
    if (image.size() < VersionOffset + VersionSize || !image.startsWith(magic(kind)))
        return std::nullopt;
    return image.mid(VersionOffset, VersionSize);
}

bool isForOtherDevice(const QByteArray &image, Kind kind)
{
    return image.startsWith(magic(kind == Kind::Dash ? Kind::Pdm : Kind::Dash));
}

bool verify(const QByteArray &image, Kind kind)
{
    return image.size() > headerSize(kind) && image.startsWith(magic(kind))
           && image.mid(BodyMd5Offset, BodyMd5Size) == bodyMd5(image, kind);
}

} // namespace SimFirmware
