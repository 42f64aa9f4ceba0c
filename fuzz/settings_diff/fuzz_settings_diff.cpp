// Two blocks of one kind through the comparison and the listing, as the command-line tool, the
// settings history and the file preview use them, and on into the text the tool prints.
//
// The first byte picks the kind (dash, an older short dash block, PDM), whether a block is listed
// too, and how the second block differs from the first: by a few bytes changed here and there
// (triples of a 16-bit position and a value) or by a run of bytes written at one place (a 16-bit
// position, then the run), taken from the start of the input's second half. The first block is
// the first half repeated to a whole block, so every field sees the fuzzer's bytes.
//
// What it searches: the comparison and the text of every kind of field, over blocks that differ
// where the fuzzer says, as real versions of a block do. Two unrelated blocks differ in nearly
// every one of their thousands of fields, and the listing of a whole filled block names each of
// them: either kept this target at a few inputs a second, so the second block is always the first
// changed, and the block listed holds the run alone (zeros elsewhere, which a listing skips).
//
// What must hold: a block differs from itself in nothing; a comparison finds as many fields each
// way; the text output holds no control character but its line ends.

#include "settings/dash/DashLayout.h"
#include "settings/diff/SettingsDiff.h"
#include "settings/persistence/DashBlockDefaults.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using settingsDiff::BlockKind;
using settingsDiff::DiffResult;
using settingsDiff::SettingsDiff;

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_settings_diff: %s\n", what);
    std::abort();
}

constexpr qsizetype kPdmBlock = 40960;
// What the second block changes: a run of 64 bytes (longer than any text field) or 22 edits. The
// time an input takes grows with the fields it changes, each named and valued.
constexpr qsizetype kMaxChange = 66;

enum Flag : uint8_t {
    Pdm = 0x01,
    FirstShort = 0x02,  // dash: the first block in the older 16,588-byte form
    SecondShort = 0x04, // dash: the second one
    Scattered = 0x08,   // the second block has bytes changed here and there, not one run
    Listing = 0x10,     // list the run as a block of its own as well
};

QByteArray sized(const QByteArray &payload, qsizetype size)
{
    QByteArray out(size, '\0');
    if (payload.isEmpty())
        return out;
    for (qsizetype at = 0; at < size; at += payload.size())
        std::memcpy(out.data() + at, payload.constData(), size_t(std::min(payload.size(), size - at)));
    return out;
}

// The position a 16-bit word gives in a block of `size` bytes.
qsizetype positionOf(const QByteArray &bytes, qsizetype at, qsizetype size)
{
    return qsizetype((uchar(bytes[at]) << 8) | uchar(bytes[at + 1])) * size / 65536;
}

QByteArray scattered(QByteArray block, const QByteArray &edits)
{
    for (qsizetype i = 0; i + 2 < edits.size(); i += 3)
        block[positionOf(edits, i, block.size())] = edits[i + 2];
    return block;
}

// The run after its 16-bit position, written over `block` (cut at the block's end).
QByteArray withRun(QByteArray block, const QByteArray &run)
{
    if (run.size() < 2)
        return block;
    const qsizetype at = positionOf(run, 0, block.size());
    const qsizetype n = std::min(run.size() - 2, block.size() - at);
    std::memcpy(block.data() + at, run.constData() + 2, size_t(n));
    return block;
}

// A dash block of the other size, as it would be if the first were saved by the other client:
// a short one grows by the defaults the client loads it with, a full one loses its extra part.
QByteArray resized(const QByteArray &block, qsizetype size)
{
    if (block.size() == size)
        return block;
    return size < block.size() ? block.left(size) : persistence::dashBlockAsLoaded(block);
}

void checkText(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\n') || (u >= 0x7F && u <= 0x9F))
            fail("a control character reached the text output");
    }
}

// The JSON form is left to Qt's own writer, which the fuzzer has no business searching.
void render(const DiffResult &d, bool isListing)
{
    checkText(SettingsDiff::toText(d, isListing));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t flags = data[0];
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const qsizetype half = rest.size() / 2;
    const bool pdm = flags & Pdm;
    const BlockKind kind = pdm ? BlockKind::Pdm : BlockKind::Dash;
    const auto sizeOf = [pdm](bool isShort) {
        return pdm ? kPdmBlock : isShort ? qsizetype(dashLayout::kShortBlockSize) : qsizetype(dashLayout::kBlockSize);
    };

    // A short first block gains the defaults when compared with a full one; a full one shortened
    // differs in the extra settings it had. Either way the first block's own extra part is the
    // defaults, or every extra field would differ.
    const bool mixed = !pdm && bool(flags & FirstShort) != bool(flags & SecondShort);
    QByteArray a = sized(rest.left(half), sizeOf(flags & FirstShort));
    if (mixed && !(flags & FirstShort))
        a = persistence::dashBlockAsLoaded(a.left(sizeOf(true)));
    const QByteArray base = resized(a, sizeOf(flags & SecondShort));
    const QByteArray change = rest.mid(half).left(kMaxChange);
    const QByteArray b = (flags & Scattered) ? scattered(base, change) : withRun(base, change);

    if (!SettingsDiff::compare(kind, a, a).isEmpty())
        fail("a block differs from itself");
    const DiffResult ab = SettingsDiff::compare(kind, a, b);
    const DiffResult ba = SettingsDiff::compare(kind, b, a);
    if (ab.fieldCount() != ba.fieldCount())
        fail("a comparison finds another number of fields the other way round");
    render(ab, false);
    if (flags & Listing)
        render(SettingsDiff::show(kind, withRun(QByteArray(base.size(), '\0'), change)), true);
    return 0;
}
