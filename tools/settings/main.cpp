// ardix-settings: the settings files of the client, readable without the client, so that a car's
// settings can be kept under version control and their changes reviewed.
//
//   ardix-settings show [--json] FILE      every filled-in record of a settings file
//   ardix-settings diff [--json] A B       what differs from A to B, field by field
//
// Exit status: 0 (diff: no differences), 1 (diff: differences), 2 (bad usage, or a file that is
// missing, unreadable or not settings the client would load, a PDM block with a wrong checksum
// among them). A shorter dash file is compared as the client holds it once loaded.

#include "settings/diff/SettingsDiff.h"
#include "settings/diff/SettingsFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

using settingsDiff::BlockKind;
using settingsDiff::SettingsDiff;

const char kUsage[] =
    "usage: ardix-settings show [--json] FILE\n"
    "       ardix-settings diff [--json] A B\n"
    "\n"
    "  FILE, A, B  dash (.ardix7) or PDM (.pmx) settings files, or raw settings blocks\n"
    "  show        list every filled-in record with its values\n"
    "  diff        list what differs from A to B; exit status 1 when something does\n"
    "  --json      print JSON instead of text\n";

constexpr int kExitSame = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

void print(FILE *to, const QString &text)
{
    std::fputs(text.toUtf8().constData(), to);
}

struct Block
{
    BlockKind kind;
    QByteArray bytes;
};

// A settings file as the client writes it (compressed), or a block as it is.
std::optional<Block> readBlock(const QString &path)
{
    const settingsDiff::SettingsFile file =
        settingsDiff::readSettingsFile(path, std::nullopt, settingsDiff::RawBlocks::Accept);
    if (!file.ok()) {
        print(stderr, QStringLiteral("ardix-settings: %1: %2\n").arg(path, settingsDiff::problemText(file)));
        return std::nullopt;
    }
    return Block{file.kind, file.block};
}

// Names the system decoded with loss (not valid in its encoding) would name another file, or none.
bool namesSurvived(const QStringList &args, int argc, char **argv)
{
#ifdef Q_OS_UNIX
    for (int i = 1; i < argc && i - 1 < args.size(); ++i) {
        if (QFile::encodeName(args[i - 1]) != QByteArray(argv[i])) {
            print(stderr, QStringLiteral("ardix-settings: argument %1 (%2): the name is not valid in the system's "
                                         "encoding (UTF-8) and cannot be opened as given; rename the file\n")
                              .arg(i)
                              .arg(args[i - 1]));
            return false;
        }
    }
#else
    Q_UNUSED(args);
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
    return true;
}

void printResult(const settingsDiff::DiffResult &result, bool json, bool isListing)
{
    if (json)
        print(stdout, QString::fromUtf8(QJsonDocument(SettingsDiff::toJson(result, isListing)).toJson(QJsonDocument::Indented)));
    else
        print(stdout, SettingsDiff::toText(result, isListing));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (!namesSurvived(args, argc, argv))
        return kExitTrouble;
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    if (args.isEmpty() || args.contains(QStringLiteral("-h")) || args.contains(QStringLiteral("--help"))) {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? kExitTrouble : kExitSame;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("show") && args.size() == 1) {
        const std::optional<Block> block = readBlock(args[0]);
        if (!block)
            return kExitTrouble;
        printResult(SettingsDiff::show(block->kind, block->bytes), json, true);
        return kExitSame;
    }
    if (command == QLatin1String("diff") && args.size() == 2) {
        const std::optional<Block> a = readBlock(args[0]);
        const std::optional<Block> b = readBlock(args[1]);
        if (!a || !b)
            return kExitTrouble;
        if (a->kind != b->kind) {
            print(stderr, QStringLiteral("ardix-settings: one file holds dash settings, the other PDM settings\n"));
            return kExitTrouble;
        }
        const settingsDiff::DiffResult result = SettingsDiff::compare(a->kind, a->bytes, b->bytes);
        printResult(result, json, false);
        return result.isEmpty() ? kExitSame : kExitDifferent;
    }
    std::fputs(kUsage, stderr);
    return kExitTrouble;
}
