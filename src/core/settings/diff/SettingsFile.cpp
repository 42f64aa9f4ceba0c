#include "settings/diff/SettingsFile.h"

#include "settings/dash/DashLayout.h"
#include "settings/diff/SettingsDiff.h"
#include "settings/persistence/PdmBlockDefaults.h"
#include "settings/persistence/SettingsEnvelope.h"
#include "settings/persistence/SettingsFileIo.h"

namespace settingsDiff {
namespace {

constexpr qsizetype kLargestBlock = persistence::kPdmBlockSize;

FileProblem problemOf(persistence::ReadStatus status)
{
    using persistence::ReadStatus;
    switch (status) {
    case ReadStatus::Ok: return FileProblem::None;
    case ReadStatus::NotFound: return FileProblem::Missing;
    case ReadStatus::IsDirectory: return FileProblem::Directory;
    case ReadStatus::NotRegularFile: return FileProblem::NotRegularFile;
    case ReadStatus::CannotOpen: return FileProblem::CannotOpen;
    case ReadStatus::TooLarge: return FileProblem::TooLarge;
    }
    return FileProblem::CannotOpen;
}

SettingsFile failed(FileProblem problem, const QString &error = QString(), qint64 limit = 0)
{
    SettingsFile f;
    f.problem = problem;
    f.error = error;
    f.limit = limit;
    return f;
}

} // namespace

SettingsFile readSettingsFile(const QString &path, std::optional<BlockKind> expected, RawBlocks raw, qint64 maxSize)
{
    const persistence::FileRead file = persistence::readWholeFile(path, maxSize);
    if (file.status != persistence::ReadStatus::Ok)
        return failed(problemOf(file.status), file.error, maxSize);

    QByteArray block = file.bytes;
    if (raw == RawBlocks::Refuse || !kindOfSize(block.size())) {
        const qsizetype cap = expected == BlockKind::Dash ? qsizetype(dashLayout::kBlockSize) : kLargestBlock;
        block = persistence::decompressEnvelope(file.bytes, cap).value_or(QByteArray());
    }
    const std::optional<BlockKind> kind = kindOfSize(block.size());
    if (!kind || (expected && *kind != *expected))
        return failed(FileProblem::NotSettings);
    if (*kind == BlockKind::Pdm && !persistence::isValidPdmBlock(block))
        return failed(FileProblem::BadChecksum);
    SettingsFile out;
    out.kind = *kind;
    out.block = block;
    return out;
}

QString problemText(const SettingsFile &file)
{
    switch (file.problem) {
    case FileProblem::None: return QString();
    case FileProblem::Missing: return QStringLiteral("no such file");
    case FileProblem::Directory: return QStringLiteral("is a directory");
    case FileProblem::NotRegularFile: return QStringLiteral("is not a regular file (a pipe, socket or device)");
    case FileProblem::CannotOpen: return QStringLiteral("cannot be opened: %1").arg(file.error);
    case FileProblem::TooLarge:
        return QStringLiteral("is larger than %1 KiB, more than any settings file").arg(file.limit / 1024);
    case FileProblem::NotSettings: return QStringLiteral("is not a settings file");
    case FileProblem::BadChecksum: return QStringLiteral("holds PDM settings whose checksum is wrong");
    }
    return QString();
}

} // namespace settingsDiff
