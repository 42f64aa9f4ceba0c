#include "logs/store/IncomingFile.h"

#include "settings/ArdixEnums.h"
#include "settings/LocalPath.h"

#include <QFileInfo>

std::optional<QVariantMap> classifyIncomingFile(const QString &url)
{
    using namespace ArdixEnums;
    const QString path = toLocalPath(url);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return std::nullopt;

    struct Kind
    {
        const char *ending;
        int deviceId;
        int fileType;
    };
    static constexpr Kind kinds[] = {
        {".pmx", Device_Pmx, Settings_FileType},
        {".ardix7", Device_Ardix7, Settings_FileType},
        {".esl", Device_Ardix7, StartLine_FileType},
        {".erl", Device_Ardix7, RefLap_FileType},
        {".svg", Device_Ardix7, UserLogoSvg_FileType},
        {".elog", Device_Ardix7, Elog_FileType},
    };
    int deviceId = Device_All_Broadcast;
    int fileType = Unknown_FileType;
    for (const Kind &k : kinds) {
        if (path.endsWith(QLatin1String(k.ending))) {
            deviceId = k.deviceId;
            fileType = k.fileType;
            break;
        }
    }
    return QVariantMap{
        {QStringLiteral("deviceId"), deviceId},
        {QStringLiteral("fileType"), fileType},
        {QStringLiteral("isImport"), true},
        {QStringLiteral("url"), url},
        {QStringLiteral("fileName"), info.fileName()},
    };
}
