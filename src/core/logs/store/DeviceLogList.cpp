#include "logs/store/DeviceLogList.h"
#include "settings/DisplayLocale.h"

#include <QDateTime>
#include <QVariantMap>

namespace devicelogs {
namespace {

uint32_t u32At(const uchar *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

} // namespace

bool isValidPayload(const QByteArray &payload)
{
    return payload.size() % kEntrySize == 0;
}

QVariantList formatList(const QByteArray &entries)
{
    QVariantList list;
    const auto *p = reinterpret_cast<const uchar *>(entries.constData());
    for (qsizetype at = 0; at + kEntrySize <= entries.size(); at += kEntrySize) {
        const uchar *e = p + at;
        const uint32_t start = u32At(e + kStartTime);
        const uint32_t end = u32At(e + kEndTime);
        QString startDate, endDate, startTime, endTime;
        if (start >= kClockSetSince && end >= kClockSetSince) {
            const QDateTime s = QDateTime::fromSecsSinceEpoch(qint64(start), Qt::UTC);
            const QDateTime f = QDateTime::fromSecsSinceEpoch(qint64(end), Qt::UTC);
            startDate = displayLocale().toString(s, QStringLiteral("dd MMM"));
            endDate = displayLocale().toString(f, QStringLiteral("dd MMM"));
            startTime = s.toString(QStringLiteral("hh:mm"));
            endTime = f.toString(QStringLiteral("hh:mm"));
        }
        list.append(QVariantMap{
            {QStringLiteral("percent"), int(e[kPercent])},
            {QStringLiteral("startDate"), startDate},
            {QStringLiteral("endDate"), endDate},
            {QStringLiteral("startTime"), startTime},
            {QStringLiteral("endTime"), endTime},
        });
    }
    return list;
}

} // namespace devicelogs
