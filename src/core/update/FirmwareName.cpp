#include "update/FirmwareName.h"

namespace FirmwareName {

std::optional<QStringList> fields(const QString &fileName)
{
    const QStringList f = fileName.split(QLatin1Char('_'));
    if (f.size() != FieldCount)
        return std::nullopt;
    return f;
}

float versionNumber(const QString &version)
{
    return version.mid(1, 4).toFloat();
}

QString channelFolder(const QString &letter)
{
    if (letter == QLatin1String("S"))
        return QStringLiteral("stable/");
    if (letter == QLatin1String("B"))
        return QStringLiteral("beta/");
    if (letter == QLatin1String("P"))
        return QStringLiteral("personal/");
    return {};
}

bool isTestBuild(const QString &fileName)
{
    return fileName.contains(QLatin1String("pdmFirmware_T")) || fileName.contains(QLatin1String("firmware_T"));
}

} // namespace FirmwareName
