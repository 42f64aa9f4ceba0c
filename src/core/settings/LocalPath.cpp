#include "LocalPath.h"

#include <QUrl>

QString toLocalPath(const QString &urlOrPath)
{
    if (urlOrPath.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(urlOrPath).toLocalFile();
    return urlOrPath;
}
