// Loading and packing settings records, and comparing blocks, each beside a baseline in the same
// run: the look-up by name that every field of every record once paid, and a comparison of two
// blocks' bytes. Compare times within one run; absolute numbers depend on the machine.

#include "settings/diff/SettingsDiff.h"
#include "settings/functions/FunctionLayout.h"
#include "settings/functions/PdmFunctionSettings.h"
#include "settings/layout/FieldCodec.h"
#include "settings/pdm/PdmSettings.h"

#include <QCoreApplication>
#include <QMetaProperty>

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

using settingsDiff::BlockKind;
using settingsDiff::SettingsDiff;

namespace {

constexpr qsizetype kPdmBlock = 40960;

QByteArray randomBytes(qsizetype n, unsigned seed)
{
    QByteArray b(n, '\0');
    std::mt19937 rng(seed);
    for (auto &c : b)
        c = char(rng());
    return b;
}

QByteArray validPdmBlock()
{
    QByteArray block = randomBytes(kPdmBlock, 1);
    PdmSettings::updateSettingsCrc(block);
    return block;
}

// One function record into its object and back out.
void BM_FunctionRecordLoadPack(benchmark::State &state)
{
    PdmFunctionSettings f;
    const QByteArray in = randomBytes(functionLayout::functionTable().recordSize, 2);
    QByteArray out = in;
    for (auto _ : state) {
        f.load(reinterpret_cast<const unsigned char *>(in.constData()));
        f.pack(reinterpret_cast<unsigned char *>(out.data()));
        benchmark::DoNotOptimize(out.data());
    }
}

// What resolving every field's property by name costs per record, as each load and pack once did.
void BM_Baseline_FunctionPropertiesByName(benchmark::State &state)
{
    PdmFunctionSettings f;
    const QMetaObject *mo = f.metaObject();
    for (auto _ : state)
        for (const layout::Field &field : functionLayout::functionTable())
            if (field.writesProperty())
                benchmark::DoNotOptimize(mo->property(mo->indexOfProperty(field.name)));
}

// The whole PDM tree: load a block and apply every part back into it.
void BM_PdmTreeLoadApply(benchmark::State &state)
{
    PdmSettings tree;
    const QByteArray block = validPdmBlock();
    for (auto _ : state) {
        tree.loadFromBlock(block);
        tree.setOtherHasChanges(true);
        tree.setInputsHasChanges(true);
        tree.setOutputsHasChanges(true);
        tree.setKeypadsHasChanges(true);
        tree.setCustomCanHasChanges(true);
        benchmark::DoNotOptimize(tree.applyNewPdmSettings(block));
    }
}

// Two versions of a PDM block that differ in `range(0)` bytes.
void BM_DiffFewChanges(benchmark::State &state)
{
    const QByteArray before = validPdmBlock();
    QByteArray after = before;
    std::mt19937 rng(3);
    for (int i = 0; i < state.range(0); ++i)
        after[qsizetype(rng() % kPdmBlock)] = char(rng());
    for (auto _ : state)
        benchmark::DoNotOptimize(SettingsDiff::compare(BlockKind::Pdm, before, after));
}

void BM_Baseline_BlockBytesCompare(benchmark::State &state)
{
    const QByteArray before = validPdmBlock();
    QByteArray after = before;
    after[kPdmBlock - 1] = char(~after[kPdmBlock - 1]);
    for (auto _ : state)
        benchmark::DoNotOptimize(std::memcmp(before.constData(), after.constData(), size_t(kPdmBlock)));
}

// Two unrelated blocks: nearly every field differs and is named and valued.
void BM_DiffUnrelated(benchmark::State &state)
{
    const QByteArray before = validPdmBlock();
    QByteArray after = randomBytes(kPdmBlock, 4);
    PdmSettings::updateSettingsCrc(after);
    for (auto _ : state)
        benchmark::DoNotOptimize(SettingsDiff::compare(BlockKind::Pdm, before, after));
}

} // namespace

BENCHMARK(BM_FunctionRecordLoadPack);
BENCHMARK(BM_Baseline_FunctionPropertiesByName);
BENCHMARK(BM_PdmTreeLoadApply)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiffFewChanges)->Arg(1)->Arg(16)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Baseline_BlockBytesCompare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DiffUnrelated)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
