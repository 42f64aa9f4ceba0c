#include "settings/history/SettingsHistory.h"

#include "settings/layout/LittleEndian.h"
#include "settings/persistence/SettingsEnvelope.h"
#include "settings/persistence/SettingsFileIo.h"

#include <QDir>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <algorithm>

Q_LOGGING_CATEGORY(lcHistory, "ardix.settings.history", QtWarningMsg)

namespace settingsHistory {
namespace {

using settingsDiff::BlockKind;

constexpr char kMagic[] = "ARDXSNAP";
constexpr int kMagicSize = 8;
constexpr quint8 kFormat = 1;
constexpr int kHeaderSize = kMagicSize + 4 + 8;
constexpr qsizetype kMaxBlockSize = 40960;
constexpr qint64 kMaxFileSize = 1024 * 1024;
const QString kSuffix = QStringLiteral(".snap");

bool isSource(quint8 v) { return v >= quint8(Source::ReadFromDevice) && v <= quint8(Source::LoadedFromFile); }

// The version a new one follows: the newest kept no later than the new one. A snapshot dated after
// it was kept while the clock ran ahead; comparing with that would keep every unchanged block again.
const Snapshot *newestUpTo(const QList<Snapshot> &newestFirst, const QDateTime &time)
{
    for (const Snapshot &s : newestFirst)
        if (s.time <= time)
            return &s;
    return newestFirst.isEmpty() ? nullptr : &newestFirst.first();
}

} // namespace

QByteArray encodeSnapshot(const Snapshot &s)
{
    QByteArray out(kHeaderSize, '\0');
    auto *p = reinterpret_cast<unsigned char *>(out.data());
    std::memcpy(p, kMagic, kMagicSize);
    p[kMagicSize] = kFormat;
    p[kMagicSize + 1] = s.kind == BlockKind::Dash ? 0 : 1;
    p[kMagicSize + 2] = quint8(s.source);
    layout::writeLE<int64_t>(p + kMagicSize + 4, s.time.toMSecsSinceEpoch());
    return out + persistence::compressEnvelope(s.block);
}

std::optional<Snapshot> decodeSnapshot(const QByteArray &bytes)
{
    if (bytes.size() < kHeaderSize || !bytes.startsWith(QByteArray::fromRawData(kMagic, kMagicSize)))
        return std::nullopt;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    if (p[kMagicSize] != kFormat || p[kMagicSize + 1] > 1 || !isSource(p[kMagicSize + 2]))
        return std::nullopt;
    Snapshot s;
    s.kind = p[kMagicSize + 1] == 0 ? BlockKind::Dash : BlockKind::Pdm;
    s.source = Source(p[kMagicSize + 2]);
    s.time = QDateTime::fromMSecsSinceEpoch(layout::readLE<int64_t>(p + kMagicSize + 4), Qt::UTC);
    const std::optional<QByteArray> block = persistence::decompressEnvelope(bytes.mid(kHeaderSize), kMaxBlockSize);
    if (!block || settingsDiff::kindOfSize(block->size()) != s.kind)
        return std::nullopt;
    s.block = *block;
    return s;
}

SettingsHistory::SettingsHistory(QString folder) : m_folder(std::move(folder)) {}

QString SettingsHistory::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/settings-history");
}

QString SettingsHistory::deviceFolder(uint serial, BlockKind kind) const
{
    return QStringLiteral("%1/%2-%3").arg(m_folder, kind == BlockKind::Dash ? QStringLiteral("dash") : QStringLiteral("pdm"))
        .arg(serial);
}

QStringList SettingsHistory::snapshotFiles(const QString &folder) const
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name);
    QStringList paths;
    for (const QString &n : names)
        paths.append(folder + QLatin1Char('/') + n);
    return paths;
}

QList<Snapshot> SettingsHistory::snapshotsIn(const QString &folder, BlockKind kind) const
{
    QList<Snapshot> out;
    for (const QString &path : snapshotFiles(folder))
        if (std::optional<Snapshot> s = read(path); s && s->kind == kind)
            out.append(*s);
    // A name is only a name (a clock once set wrong, a copied file): the time inside decides. The
    // name breaks ties, as its counter orders versions of one millisecond.
    std::stable_sort(out.begin(), out.end(), [](const Snapshot &a, const Snapshot &b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    return out;
}

std::optional<Snapshot> SettingsHistory::read(const QString &path)
{
    const persistence::FileRead file = persistence::readWholeFile(path, kMaxFileSize);
    std::optional<Snapshot> s = file.status == persistence::ReadStatus::Ok ? decodeSnapshot(file.bytes) : std::nullopt;
    if (!s) {
        qCWarning(lcHistory) << "skipping" << path << "(not a readable settings snapshot)";
        return std::nullopt;
    }
    s->path = path;
    return s;
}

QList<Snapshot> SettingsHistory::list(uint serial, BlockKind kind) const
{
    return snapshotsIn(deviceFolder(serial, kind), kind);
}

bool SettingsHistory::record(uint serial, BlockKind kind, Source source, const QByteArray &block, const QDateTime &time)
{
    if (settingsDiff::kindOfSize(block.size()) != kind)
        return false;
    const QString folder = deviceFolder(serial, kind);
    const QList<Snapshot> kept = snapshotsIn(folder, kind);
    if (const Snapshot *newest = newestUpTo(kept, time); newest && newest->block == block)
        return false;
    if (!QDir().mkpath(folder)) {
        qCWarning(lcHistory) << "cannot create" << folder;
        return false;
    }
    // The counter keeps two versions of one millisecond apart, in order.
    const QString stem = folder + QLatin1Char('/') + time.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path;
    for (int n = 0; path.isEmpty() || QFile::exists(path); ++n)
        path = stem + QStringLiteral("-%1").arg(n, 3, 10, QLatin1Char('0')) + kSuffix;
    if (!persistence::writeFileAtomically(path, encodeSnapshot(Snapshot{QString(), time, source, kind, block}))) {
        qCWarning(lcHistory) << "cannot write" << path;
        return false;
    }
    // Only snapshots count towards the limit (a foreign file is never ours to delete), and the
    // version just kept stays even when others claim to be newer.
    for (qsizetype i = kMaxSnapshots - 1; i < kept.size(); ++i)
        QFile::remove(kept[i].path);
    return true;
}

} // namespace settingsHistory
