#include "IncomingFile.h"

#include "settings/ArdixEnums.h"
#include "settings/LocalPath.h"

#include <QFileInfo>

namespace {

struct Ending
{
    const char *suffix;
    int deviceId;
    int fileType;
};

constexpr Ending kEndings[] = {
    {".pmx", ArdixEnums::Device_Pmx, ArdixEnums::Settings_FileType},
    {".ardix7", ArdixEnums::Device_Ardix7, ArdixEnums::Settings_FileType},
    {".esl", ArdixEnums::Device_Ardix7, ArdixEnums::StartLine_FileType},
    {".erl", ArdixEnums::Device_Ardix7, ArdixEnums::RefLap_FileType},
    {".svg", ArdixEnums::Device_Ardix7, ArdixEnums::UserLogoSvg_FileType},
    {".elog", ArdixEnums::Device_Ardix7, ArdixEnums::Elog_FileType},
};

} // namespace

std::optional<QVariantMap> classifyIncomingFile(const QString &url)
{
    const QFileInfo info(toLocalPath(url));
    if (!info.exists() || !info.isFile())
        return std::nullopt;

    int deviceId = ArdixEnums::Device_All_Broadcast;
    int fileType = ArdixEnums::Unknown_FileType;
    const QString name = info.fileName();
    for (const Ending &ending : kEndings) {
        if (name.endsWith(QLatin1String(ending.suffix), Qt::CaseInsensitive)) {
            deviceId = ending.deviceId;
            fileType = ending.fileType;
            break;
        }
    }
    return QVariantMap{{QStringLiteral("deviceId"), deviceId},
                       {QStringLiteral("fileType"), fileType},
                       {QStringLiteral("isImport"), true},
                       {QStringLiteral("url"), url},
                       {QStringLiteral("fileName"), name}};
}
