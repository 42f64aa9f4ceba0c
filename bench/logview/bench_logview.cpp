// The log view on the generated outing of bench/logs (1 h, 50 Hz, 30 sensors, GPS, PDM):
//  - first plot (inflate, parse, channels and pyramids, one frame of 8 plots at 1920 px) against
//    inflating the body alone;
//  - a redraw of 8 plots at 1920 px for visible spans from the whole hour down to one second,
//    against one 60 Hz frame (16.7 ms);
//  - what the view holds against the decompressed body.
// Ratios are printed after the runs.

#include "LogGenerator.h"

#include "logs/elog/ElogEnvelope.h"
#include "logs/elog/ElogReader.h"
#include "logs/view/LogViewData.h"
#include "logs/view/PlotStrip.h"

#include <benchmark/benchmark.h>

#include <QByteArray>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr int kColumns = 1920;
constexpr int kPlotHeight = 120;
constexpr int kShown = 8;
constexpr double kFrameSeconds = 1.0 / 60.0;

uint32_t g_seconds = 3600;
QByteArray &fileBytes()
{
    static QByteArray bytes;
    return bytes;
}
std::map<std::string, double> &results()
{
    static std::map<std::string, double> r;
    return r;
}

void record(benchmark::State &state, const std::string &name, double seconds)
{
    results()[name] = seconds / double(state.iterations());
}

// One frame: every shown channel reduced to its columns and turned into a strip.
size_t drawFrame(const logview::LogViewData &view, double from, double to)
{
    std::vector<logview::Vertex> strip;
    size_t vertices = 0;
    for (int c = 0; c < kShown && c < int(view.channels().size()); ++c) {
        const logview::Columns cols = view.columns(c, {logview::Axis::Time, -1}, from, to, kColumns);
        strip.clear();
        logview::appendStrip(cols, from, to, kColumns, kPlotHeight, logview::paddedRange(cols.total), strip);
        vertices += strip.size();
    }
    return vertices;
}

std::unique_ptr<logview::LogViewData> loadView(const QByteArray &file)
{
    ElogReadResult read = decodeElogFile(file, QStringLiteral("bench.elog"));
    if (!read.ok())
        return nullptr;
    auto view = std::make_unique<logview::LogViewData>();
    view->load(std::move(read.data), LogExportContext::builtinCatalogue());
    return view;
}

void BM_InflateBody(benchmark::State &state)
{
    double total = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        QByteArray body = elog::inflateEnvelope(fileBytes());
        benchmark::DoNotOptimize(body.data());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    record(state, "inflate", total);
}

void BM_FirstPlot(benchmark::State &state)
{
    double total = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        std::unique_ptr<logview::LogViewData> view = loadView(fileBytes());
        benchmark::DoNotOptimize(drawFrame(*view, 0, view->duration()));
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.PauseTiming();
        view.reset(); // freeing is not part of showing
        state.ResumeTiming();
    }
    record(state, "first plot", total);
}

const logview::LogViewData &sharedView()
{
    static std::unique_ptr<logview::LogViewData> view = loadView(fileBytes());
    return *view;
}

// Zoom and pan: a visible span of state.range(0) seconds, moved a little every frame.
void BM_Redraw(benchmark::State &state)
{
    const logview::LogViewData &view = sharedView();
    const double span = std::min(double(state.range(0)), view.duration());
    double from = 0, total = 0;
    size_t vertices = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        vertices = drawFrame(view, from, from + span);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        from += span / 37;
        if (from + span > view.duration())
            from = 0;
    }
    state.counters["vertices"] = double(vertices);
    record(state, "redraw " + std::to_string(state.range(0)) + " s", total);
}

size_t residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * size_t(sysconf(_SC_PAGESIZE));
}

} // namespace

BENCHMARK(BM_InflateBody)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FirstPlot)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Redraw)->Arg(3600)->Arg(600)->Arg(60)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--seconds=", 10) == 0)
            g_seconds = uint32_t(std::stoul(argv[i] + 10));
    loggen::Options opt;
    opt.seconds = g_seconds;
    const QByteArray body = loggen::body(opt);
    fileBytes() = qCompress(body);
    std::printf("log: %u s at %u Hz, body %.1f MB, file %.1f MB\n", opt.seconds, opt.rate, body.size() / 1e6,
                fileBytes().size() / 1e6);

    // Memory: what the view holds once loaded, and what the process grew by.
    {
        const size_t before = residentBytes();
        std::unique_ptr<logview::LogViewData> view = loadView(fileBytes());
        const size_t after = residentBytes();
        const double held = double(view->log().body.size() + view->derivedBytes());
        std::printf("memory: view holds %.1f MB = %.3f x body; process grew %.1f MB = %.3f x body\n", held / 1e6,
                    held / body.size(), (after - before) / 1e6, double(after - before) / body.size());
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const auto &r = results();
    if (r.count("inflate") && r.count("first plot"))
        std::printf("first plot / inflate = %.2f (target <= 1.5)\n", r.at("first plot") / r.at("inflate"));
    for (const auto &[name, seconds] : r)
        if (name.rfind("redraw", 0) == 0)
            std::printf("%s / 60 Hz frame = %.3f (target <= 1)\n", name.c_str(), seconds / kFrameSeconds);
    return 0;
}
