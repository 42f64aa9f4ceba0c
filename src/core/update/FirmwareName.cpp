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

bool isPlainFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        // ':' would name a drive or a stream on Windows.
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20)
            return false;
    }
    return true;
}

std::optional<qint64> maxBytes(const QStringList &fields)
{
    if (fields.size() != FieldCount)
        return std::nullopt;
    bool ok = false;
    const qint64 kb = fields.at(SizeField).toLongLong(&ok);
    if (!ok || kb <= 0 || kb > (qint64(1) << 40))
        return std::nullopt;
    return kb * 1024;
}

bool isTestBuild(const QString &fileName)
{
    return fileName.contains(QLatin1String("pdmFirmware_T")) || fileName.contains(QLatin1String("firmware_T"));
}

} // namespace FirmwareName
