#pragma once
// Every version of a device's settings the client has seen, kept per device (by serial number)
// under the data folder: each block read from the device, written to it or loaded from a file,
// compressed, stored once while it stays the same, at most kMaxSnapshots per device.
//
// Snapshot file: "ARDXSNAP", format byte, block kind, source, one zero byte, the time (int64 ms
// since the epoch, little-endian), then the block in the compressed settings-file envelope.
// A file that does not read back whole is skipped with a log line, never trusted.

#include "settings/diff/SettingsDiff.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace settingsHistory {

enum class Source : quint8 { ReadFromDevice = 1, WrittenToDevice = 2, LoadedFromFile = 3 };

struct Snapshot
{
    QString path;
    QDateTime time;
    Source source = Source::ReadFromDevice;
    settingsDiff::BlockKind kind = settingsDiff::BlockKind::Dash;
    QByteArray block;
};

class SettingsHistory
{
public:
    static constexpr int kMaxSnapshots = 100;

    // `folder` holds one sub-folder per device; defaultFolder() is the data folder's.
    explicit SettingsHistory(QString folder);
    static QString defaultFolder();

    // Keeps `block` unless it equals the device's newest snapshot no later than `time` (by the time
    // stored inside; any newest when all are later). Then prunes the oldest down to kMaxSnapshots,
    // never the one just written; files that are not snapshots are neither counted nor touched.
    // True when a file was written.
    bool record(uint serial, settingsDiff::BlockKind kind, Source source, const QByteArray &block,
                const QDateTime &time = QDateTime::currentDateTimeUtc());
    // The device's snapshots, newest first; unreadable files are left out.
    QList<Snapshot> list(uint serial, settingsDiff::BlockKind kind) const;
    static std::optional<Snapshot> read(const QString &path);

    QString deviceFolder(uint serial, settingsDiff::BlockKind kind) const;

private:
    QStringList snapshotFiles(const QString &folder) const;
    // The readable snapshots of `kind` in `folder`, newest first by the time stored in each.
    QList<Snapshot> snapshotsIn(const QString &folder, settingsDiff::BlockKind kind) const;
    QString m_folder;
};

// Bytes of one snapshot file, and back (nothing for a foreign or damaged file).
QByteArray encodeSnapshot(const Snapshot &s);
std::optional<Snapshot> decodeSnapshot(const QByteArray &bytes);

} // namespace settingsHistory
