#include "logs/elog/ElogReader.h"
#include <QtGlobal>

#include "logs/elog/ElogEnvelope.h"
#include "settings/persistence/SettingsFileIo.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// Body header, version 1 and later.
namespace v1 {
constexpr int kVersion = 0;
constexpr int kLogRate = 1;
constexpr int kChannelCount = 2;
constexpr int kStartPointLat = 4;
constexpr int kStartPointLon = 8;
constexpr int kStartPointCourse = 12;
constexpr int kRecordCount = 16;
constexpr int kChannelIds = 20; // then 4n sizes, c attributes, 24c names, data
static_assert(kVersion < kLogRate && kLogRate < kChannelCount && kChannelCount < kStartPointLat
                  && kStartPointLat + 4 <= kStartPointLon && kStartPointLon + 4 <= kStartPointCourse
                  && kStartPointCourse + 4 <= kRecordCount && kRecordCount + 4 <= kChannelIds,
              "version 1 header fields must ascend without overlap");
} // namespace v1

// Body header, version 0.
namespace v0 {
constexpr int kLogRate = 1;
constexpr int kChannelCount = 2;
constexpr int kRecordCount = 3; // unaligned
constexpr int kChannelIds = 7;
static_assert(kRecordCount + 4 <= kChannelIds, "version 0 header fields must not overlap");
} // namespace v0

constexpr int kMinimalBody = 7;

uint32_t u32At(const uchar *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

float f32At(const uchar *p)
{
    const uint32_t bits = u32At(p);
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

ElogReadResult fail(ElogError e, const QString &detail)
{
    ElogReadResult r;
    r.error = e;
    r.detail = detail;
    return r;
}

QString bodyHolds(uint64_t wanted, size_t size)
{
    return QStringLiteral("%1 bytes, the body holds %2").arg(wanted).arg(size);
}

ElogReadResult badChannel(uint8_t id)
{
    return fail(ElogError::BadChannel, QStringLiteral("channel %1 cannot be logged").arg(id));
}

// Every conversion writes one row per record: a count that no channel's data carries has nothing
// behind it, and a log without channels or records has nothing to convert.
ElogReadResult checkRecords(ElogReadResult &&r)
{
    const ElogData &d = r.data;
    if (d.channelIds.empty())
        return fail(ElogError::NoChannels, QStringLiteral("the log has no channels"));
    if (d.recordCount == 0)
        return fail(ElogError::NoRecords, QStringLiteral("the log has no records"));
    if (std::find(d.channelSamples.begin(), d.channelSamples.end(), d.recordCount) == d.channelSamples.end())
        return fail(ElogError::RecordCount,
                    QStringLiteral("the header claims %1 records, no channel holds that many").arg(d.recordCount));
    return std::move(r);
}

QString customName(const uchar *field, uint8_t id)
{
    const auto *end = static_cast<const uchar *>(std::memchr(field, 0, elog::kCustomNameSize));
    const int len = end ? int(end - field) : elog::kCustomNameSize;
    QString name = QString::fromUtf8(reinterpret_cast<const char *>(field), len);
    if (name.isEmpty())
        name = QStringLiteral("Custom ") + QString::number(id);
    return name;
}

ElogReadResult parseVersion0(ElogReadResult &&r, const uchar *p, size_t size)
{
    ElogData &d = r.data;
    d.logRate = p[v0::kLogRate];
    d.channelCount = p[v0::kChannelCount];
    d.recordCount = u32At(p + v0::kRecordCount);
    const size_t n = d.channelCount;
    if (size < v0::kChannelIds + n)
        return fail(ElogError::BadTables, QStringLiteral("the header lists %1 channels, the body holds %2 bytes").arg(n).arg(size));
    if (d.logRate == 0)
        return fail(ElogError::ZeroRate, QStringLiteral("the record rate is 0"));

    uint64_t pos = v0::kChannelIds + n;
    for (size_t k = 0; k < n; ++k) {
        const uint8_t id = p[v0::kChannelIds + k];
        const int ss = elog::sampleSize(id);
        if (ss == 0)
            return badChannel(id);
        d.channelIds.push_back(id);
        d.channelData.push_back(uint32_t(std::min<uint64_t>(pos, UINT32_MAX)));
        d.channelSamples.push_back(d.recordCount);
        pos += uint64_t(d.recordCount) * uint64_t(ss);
    }
    if (pos != size)
        return fail(ElogError::Version0Sizes, QStringLiteral("the records need ") + bodyHolds(pos, size));
    return checkRecords(std::move(r));
}

ElogReadResult parseVersion1(ElogReadResult &&r, const uchar *p, size_t size)
{
    ElogData &d = r.data;
    const size_t n = p[v1::kChannelCount];
    if (size < size_t(v1::kChannelIds) || size < v1::kChannelIds + 5 * n)
        return fail(ElogError::SizeTable, QStringLiteral("the header and tables need ") + bodyHolds(v1::kChannelIds + 5 * n, size));

    d.logRate = p[v1::kLogRate];
    d.channelCount = uint8_t(n);
    d.startPointLat = f32At(p + v1::kStartPointLat);
    d.startPointLon = f32At(p + v1::kStartPointLon);
    d.startPointCourse = f32At(p + v1::kStartPointCourse);
    d.recordCount = u32At(p + v1::kRecordCount);

    const uchar *ids = p + v1::kChannelIds;
    const uchar *sizes = ids + n;
    size_t customs = 0;
    uint64_t dataBytes = 0;
    for (size_t k = 0; k < n; ++k) {
        customs += elog::isNamedCustomChannel(ids[k]) ? 1 : 0;
        dataBytes += u32At(sizes + 4 * k);
    }
    const size_t attrsAt = v1::kChannelIds + 5 * n;
    const size_t namesAt = attrsAt + customs;
    const size_t dataAt = namesAt + size_t(elog::kCustomNameSize) * customs;
    if (uint64_t(dataAt) + dataBytes != uint64_t(size))
        return fail(ElogError::SizeTable, QStringLiteral("the tables account for ") + bodyHolds(dataAt + dataBytes, size));
    if (d.logRate == 0)
        return fail(ElogError::ZeroRate, QStringLiteral("the record rate is 0"));

    d.channelIds.reserve(n);
    d.channelData.reserve(n);
    d.channelSamples.reserve(n);
    uint64_t pos = dataAt;
    size_t customIndex = 0;
    for (size_t k = 0; k < n; ++k) {
        const uint8_t id = ids[k];
        const int ss = elog::sampleSize(id);
        if (ss == 0)
            return badChannel(id);
        const uint32_t blockSize = u32At(sizes + 4 * k);
        d.channelIds.push_back(id);
        d.channelData.push_back(uint32_t(pos)); // pos <= size, which fits a QByteArray
        const uint32_t samples = blockSize / uint32_t(ss);
        d.channelSamples.push_back(samples);
        if (samples != d.recordCount && std::find(d.slowChannels.begin(), d.slowChannels.end(), id) == d.slowChannels.end())
            d.slowChannels.push_back(id);
        if (elog::isNamedCustomChannel(id)) {
            d.customAttributes.push_back(p[attrsAt + customIndex]);
            d.customNames.append(customName(p + namesAt + size_t(elog::kCustomNameSize) * customIndex, id));
            ++customIndex;
        }
        pos += blockSize;
    }
    return checkRecords(std::move(r));
}

} // namespace

int ElogData::channelIndex(uint8_t id) const
{
    const auto it = std::find(channelIds.begin(), channelIds.end(), id);
    return it == channelIds.end() ? -1 : int(it - channelIds.begin());
}

bool ElogData::isSlow(uint8_t id) const
{
    return std::find(slowChannels.begin(), slowChannels.end(), id) != slowChannels.end();
}

QString elogErrorMessage(ElogError error)
{
    switch (error) {
    case ElogError::None: return QString();
    case ElogError::FileNotFound: return QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Похоже файл не найден"));
    case ElogError::Corrupt: return QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Похоже файл поврежден"));
    case ElogError::BadTables: return QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Похоже файл поврежден, либо имеет другую версию"));
    case ElogError::SizeTable: return QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Ошибка чтения структуры файла #1201"));
    case ElogError::ZeroRate: return QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Похоже файл поврежден, либо имеет другую версию #1202"));
    case ElogError::BadChannel: return QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Похоже файл поврежден, либо имеет другую версию #1203"));
    case ElogError::Version0Sizes: return QStringLiteral(QT_TRANSLATE_NOOP("KernelText", "Похоже файл поврежден, либо имеет другую версию #1204"));
    case ElogError::ShortBody:
    case ElogError::NoChannels:
    case ElogError::NoRecords:
    case ElogError::RecordCount: return elogErrorMessage(ElogError::Corrupt);
    }
    return QString();
}

ElogReadResult parseElogBody(const QByteArray &body, const QString &fileName)
{
    ElogReadResult r;
    r.data.fileName = fileName;
    r.data.body = body;
    const auto *p = reinterpret_cast<const uchar *>(body.constData());
    const size_t size = size_t(body.size());
    if (size < size_t(kMinimalBody))
        return fail(ElogError::ShortBody, QStringLiteral("the body holds %1 bytes, fewer than any log header").arg(size));
    r.data.version = p[0];
    ElogReadResult out = r.data.version == 0 ? parseVersion0(std::move(r), p, size) : parseVersion1(std::move(r), p, size);
    return out;
}

ElogReadResult decodeElogFile(const QByteArray &fileBytes, const QString &fileName)
{
    QString why;
    const QByteArray body = elog::inflateEnvelope(fileBytes, elog::kMaxElogBodyBytes, &why);
    if (body.isEmpty())
        return fail(ElogError::Corrupt, why);
    return parseElogBody(body, fileName);
}

ElogReadResult readElog(const QString &path)
{
    // Only regular files: a pipe or a device has no size to check and may never end (or open).
    using persistence::ReadStatus;
    const persistence::FileRead file = persistence::readWholeFile(path, elog::kMaxElogBodyBytes);
    switch (file.status) {
    case ReadStatus::Ok:
        break;
    case ReadStatus::NotFound:
        return fail(ElogError::FileNotFound, QStringLiteral("No such file or directory"));
    case ReadStatus::IsDirectory:
        return fail(ElogError::FileNotFound, QStringLiteral("%1 is a directory").arg(path));
    case ReadStatus::NotRegularFile:
        return fail(ElogError::FileNotFound, QStringLiteral("%1 is not a regular file").arg(path));
    case ReadStatus::CannotOpen:
        return fail(ElogError::FileNotFound, file.error);
    case ReadStatus::TooLarge:
        return fail(ElogError::Corrupt, QStringLiteral("%1 is larger than any log").arg(path));
    }
    return decodeElogFile(file.bytes, QFileInfo(path).fileName());
}

ElogReadResult readElog(const QString &path, const LogReporter &reporter)
{
    ElogReadResult r = readElog(path);
    if (!r.ok()) {
        reporter.hideBusy();
        reporter.showInfoMessage(r.message());
        reporter.failureReason(r.detail);
    }
    return r;
}
