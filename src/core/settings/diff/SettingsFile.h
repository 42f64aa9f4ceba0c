#pragma once
// A settings file read for looking at rather than loading (the command-line tool, the preview of a
// file before it is loaded): what the client would take from it, or why it would take nothing.

#include "settings/diff/BlockSchema.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace settingsDiff {

enum class FileProblem {
    None,
    Missing,
    Directory,
    NotRegularFile, // a pipe, a socket or a device
    CannotOpen,
    TooLarge,
    NotSettings,    // does not unpack to a block, or to a block of the other device
    BadChecksum,    // a PDM block whose checksum word does not match, refused like the client does
};

struct SettingsFile
{
    FileProblem problem = FileProblem::None;
    QString error;     // the system's words for CannotOpen
    qint64 limit = 0;  // the size limit, for TooLarge
    BlockKind kind = BlockKind::Dash;
    QByteArray block; // as the file holds it (a 16,588-byte dash block stays short)

    bool ok() const { return problem == FileProblem::None; }
};

enum class RawBlocks { Refuse, Accept };

// No settings file comes near this; a larger one is refused unread.
constexpr qint64 kMaxSettingsFileSize = 1024 * 1024;

// Reads the file at `path`, at most `maxSize` bytes of it, and unpacks it. With `expected` set, a
// block of the other device is NotSettings. RawBlocks::Accept also takes an uncompressed block.
SettingsFile readSettingsFile(const QString &path, std::optional<BlockKind> expected = std::nullopt,
                              RawBlocks raw = RawBlocks::Refuse, qint64 maxSize = kMaxSettingsFileSize);

// One line in English for a tool's message: "is a directory".
QString problemText(const SettingsFile &file);

} // namespace settingsDiff
