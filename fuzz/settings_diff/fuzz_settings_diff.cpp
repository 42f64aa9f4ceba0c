// Two blocks of one kind through the comparison and the listing, as the command-line tool, the
// settings history and the file preview use them, and on into the text the tool prints.
//
// The first byte picks the kind (dash, an older short dash block, PDM), whether the second block is
// listed too, and how it is made: from its own bytes, or as the first with a few bytes changed (pairs of a 16-bit offset and
// a value), which is how real versions of a block differ. Short inputs are repeated up to a whole
// block, so every field sees the fuzzer's bytes.
//
// What must hold: a block differs from itself in nothing; a comparison finds as many fields each
// way; the text output holds no control character but its line ends.

#include "settings/dash/DashLayout.h"
#include "settings/diff/SettingsDiff.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

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

enum Flag : uint8_t {
    Pdm = 0x01,
    FirstShort = 0x02,  // dash: the first block in the older 16,588-byte form
    SecondShort = 0x04, // dash: the second one
    Edits = 0x08,       // the second block is the first with a few bytes changed
    Listing = 0x10,     // list the second block as well (every field of it: the slow part)
};

QByteArray sized(const QByteArray &payload, qsizetype size)
{
    QByteArray out(size, '\0');
    if (!payload.isEmpty())
        for (qsizetype i = 0; i < size; ++i)
            out[i] = payload[i % payload.size()];
    return out;
}

QByteArray edited(QByteArray block, const QByteArray &edits, qsizetype size)
{
    block = sized(block, size);
    for (qsizetype i = 0; i + 2 < edits.size(); i += 3) {
        const auto at = qsizetype((uchar(edits[i]) << 8) | uchar(edits[i + 1])) * size / 65536;
        block[at] = edits[i + 2];
    }
    return block;
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

    const QByteArray a = sized(rest.left(half), sizeOf(flags & FirstShort));
    const QByteArray b = (flags & Edits) ? edited(a, rest.mid(half), sizeOf(flags & SecondShort))
                                         : sized(rest.mid(half), sizeOf(flags & SecondShort));

    if (!SettingsDiff::compare(kind, a, a).isEmpty())
        fail("a block differs from itself");
    const DiffResult ab = SettingsDiff::compare(kind, a, b);
    const DiffResult ba = SettingsDiff::compare(kind, b, a);
    if (ab.fieldCount() != ba.fieldCount())
        fail("a comparison finds another number of fields the other way round");
    render(ab, false);
    if (flags & Listing)
        render(SettingsDiff::show(kind, b), true);
    return 0;
}
