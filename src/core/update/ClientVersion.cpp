#include "update/ClientVersion.h"

#include <QRegularExpression>

namespace update {

std::optional<int> clientVersionNumber(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,3})\\.(\\d{2})$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toInt() * 100 + m.captured(2).toInt();
}

bool isNewerClientVersion(const QString &server, const QString &mine)
{
    const std::optional<int> s = clientVersionNumber(server);
    const std::optional<int> m = clientVersionNumber(mine);
    return s && m && *s > *m;
}

} // namespace update
