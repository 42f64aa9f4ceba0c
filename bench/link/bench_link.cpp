// Link checksum and receiver throughput, each beside a baseline over the same bytes in the same
// run: zlib's crc32 and memcpy for the checksum, memcpy in the same read sizes for the receiver.
// Compare bytes_per_second within one run; absolute numbers depend on the machine.

#include "link/FrameReceiver.h"
#include "settings/layout/Crc32Words.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

using namespace LinkConst;

namespace {

std::vector<uint8_t> randomBytes(std::size_t n, unsigned seed)
{
    std::vector<uint8_t> v(n);
    std::mt19937 rng(seed);
    for (auto &b : v)
        b = uint8_t(rng());
    return v;
}

void BM_Crc32Words(benchmark::State &state)
{
    const auto data = randomBytes(std::size_t(state.range(0)), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(crc32Words(data.data(), data.size()));
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}


void BM_Baseline_ZlibCrc32(benchmark::State &state)
{
    const auto data = randomBytes(std::size_t(state.range(0)), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(crc32(0, data.data(), uInt(data.size())));
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}

void BM_Baseline_Memcpy(benchmark::State &state)
{
    const auto data = randomBytes(std::size_t(state.range(0)), 1);
    std::vector<uint8_t> dst(data.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), data.data(), data.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}

// A plausible session: KeepOnline answers, small data frames from the PDM, dash blocks with
// their lead-in, a 40 KB settings block, a run of log blocks.
std::vector<uint8_t> mixedStream()
{
    std::vector<uint8_t> out;
    unsigned seed = 7;
    const auto add = [&](uint8_t action, uint8_t type, uint8_t sender, std::size_t size) {
        const auto block = randomBytes(size, seed++);
        FrameHeader h;
        h.action = action;
        h.dataOrCommand = type;
        h.sender = sender;
        h.dataSize = action == FlashData ? uint32_t(size) : 0;
        h.dataCrc = action == FlashData ? crc32Words(block.data(), size) : 0;
        const HeaderBytes hb = encodeHeader(h);
        out.insert(out.end(), hb.begin(), hb.end());
        if (action == FlashData && sender == Device_Ardix7)
            out.insert(out.end(), DashLeadInSize, 0);
        if (action == FlashData)
            out.insert(out.end(), block.begin(), block.end());
    };
    for (int i = 0; i < 20; ++i)
        add(CommandMessage, KeepOnline, Device_Pmx, 0);
    for (int i = 0; i < 20; ++i)
        add(FlashData, PdmRealtimeData_MessageType, Device_Pmx, 400);
    add(FlashData, PdmCommonSettings, Device_Pmx, 40960);
    add(FlashData, AllData, Device_Ardix7, 28876);
    for (int i = 0; i < 40; ++i)
        add(FlashData, LogFileData, Device_Ardix7, 4096);
    return out;
}

struct CountingSink : FrameReceiverSink
{
    std::size_t frames = 0;
    void commandFrame(const FrameHeader &) override { ++frames; }
    void dataFrame(const FrameHeader &, const QByteArray &) override { ++frames; }
};

void BM_Receiver(benchmark::State &state)
{
    const auto stream = mixedStream();
    const std::size_t read = std::size_t(state.range(0));
    CountingSink sink;
    FrameReceiver rx(&sink);
    for (auto _ : state) {
        for (std::size_t pos = 0; pos < stream.size(); pos += read)
            rx.feed(reinterpret_cast<const char *>(stream.data() + pos),
                    qsizetype(std::min(read, stream.size() - pos)));
    }
    if (sink.frames != std::size_t(state.iterations()) * 82)
        state.SkipWithError("frames lost");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stream.size()));
}

void BM_Baseline_ReceiverMemcpy(benchmark::State &state)
{
    const auto stream = mixedStream();
    const std::size_t read = std::size_t(state.range(0));
    std::vector<uint8_t> dst(stream.size());
    for (auto _ : state) {
        for (std::size_t pos = 0; pos < stream.size(); pos += read)
            std::memcpy(dst.data() + pos, stream.data() + pos, std::min(read, stream.size() - pos));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stream.size()));
}

} // namespace

BENCHMARK(BM_Crc32Words)->Arg(88)->Arg(28876)->Arg(1 << 20);
BENCHMARK(BM_Baseline_ZlibCrc32)->Arg(88)->Arg(28876)->Arg(1 << 20);
BENCHMARK(BM_Baseline_Memcpy)->Arg(88)->Arg(28876)->Arg(1 << 20);
BENCHMARK(BM_Receiver)->Arg(1460)->Arg(65536);
BENCHMARK(BM_Baseline_ReceiverMemcpy)->Arg(1460)->Arg(65536);

BENCHMARK_MAIN();
