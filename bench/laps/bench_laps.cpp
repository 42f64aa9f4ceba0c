// Times, on generated outings, the LD export against its floor (read the file, inflate the body
// with libdeflate, write() as many bytes as the LD file has in 1 MB chunks) and the laps search
// against the inflate alone, each measured in the same run and reported as ratios.

#include "LogGenerator.h"

#include "logs/elog/ElogEnvelope.h"
#include "logs/elog/ElogReader.h"
#include "logs/laps/FindLaps.h"
#include "logs/ld/LdExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t kChunk = 1 << 20;
constexpr int kRepetitions = 3;

struct Timing
{
    double wall = 1e30;
    double cpu = 1e30;
};

template <class F>
Timing best(F &&f)
{
    Timing t;
    for (int i = 0; i < kRepetitions; ++i) {
        const auto w0 = Clock::now();
        const std::clock_t c0 = std::clock();
        f();
        t.cpu = std::min(t.cpu, double(std::clock() - c0) / CLOCKS_PER_SEC);
        t.wall = std::min(t.wall, std::chrono::duration<double>(Clock::now() - w0).count());
    }
    return t;
}

QByteArray inflateFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return elog::inflateEnvelope(f.readAll());
}

void floorWrite(const QString &in, const QString &out, qint64 bytes)
{
    const QByteArray body = inflateFile(in);
    const int fd = ::open(out.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (body.isEmpty() || fd < 0)
        std::abort();
    std::vector<char> chunk(kChunk, '7');
    for (qint64 left = bytes; left > 0;) {
        const size_t n = size_t(std::min<qint64>(left, qint64(kChunk)));
        if (::write(fd, chunk.data(), n) != ssize_t(n))
            break;
        left -= qint64(n);
    }
    ::close(fd);
}

void run(const loggen::Options &outing, const char *label)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("outing.elog"));
    const QByteArray body = loggen::body(outing);
    {
        QFile f(log);
        if (!f.open(QIODevice::WriteOnly) || f.write(qCompress(body, 6)) <= 0)
            std::abort();
    }
    const LogExportContext ctx = LogExportContext::builtinCatalogue();
    const QString ld = dir.filePath(QStringLiteral("outing.ld"));
    const QString floorOut = dir.filePath(QStringLiteral("floor.bin"));
    if (convertElogToLD(log, ld, ctx, {}) != 1)
        std::abort();
    const qint64 ldBytes = QFileInfo(ld).size();

    const ElogReadResult parsed = readElog(log);
    ardix::laps::LapEngine engine;
    const ardix::laps::StartPoint none;
    const QVariantMap laps = ardix::laps::findLapsInLog(engine, parsed.data, none);

    const Timing tFloor = best([&] { floorWrite(log, floorOut, ldBytes); });
    const Timing tLd = best([&] { convertElogToLD(log, ld, ctx, {}); });
    const Timing tInflate = best([&] { inflateFile(log); });
    const Timing tLapsPass = best([&] { ardix::laps::findLapsInLog(engine, parsed.data, none); });
    const Timing tFindLaps = best([&] { ardix::laps::findLapsInLog(engine, log, none); });

    std::printf("\n%s: %u s at %u Hz; body %.1f MiB, LD %.1f MiB, %d laps\n", label, outing.seconds,
                unsigned(outing.rate), body.size() / 1048576.0, ldBytes / 1048576.0,
                laps.value(QStringLiteral("lapsCount")).toInt());
    std::printf("                                        wall s    cpu s\n");
    std::printf("floor (inflate + write LD bytes):     %8.3f %8.3f\n", tFloor.wall, tFloor.cpu);
    std::printf("LD export:                            %8.3f %8.3f\n", tLd.wall, tLd.cpu);
    std::printf("  ratio LD / floor:                   %8.2f %8.2f\n", tLd.wall / tFloor.wall, tLd.cpu / tFloor.cpu);
    std::printf("inflate (read + libdeflate):          %8.3f %8.3f\n", tInflate.wall, tInflate.cpu);
    std::printf("laps pass over the read log:          %8.3f %8.3f\n", tLapsPass.wall, tLapsPass.cpu);
    std::printf("  ratio laps pass / inflate:          %8.2f %8.2f\n", tLapsPass.wall / tInflate.wall,
                tLapsPass.cpu / tInflate.cpu);
    std::printf("findLapsInLog (read + pass):          %8.3f %8.3f\n", tFindLaps.wall, tFindLaps.cpu);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    loggen::Options outing;
    if (argc >= 2)
        outing.seconds = uint32_t(std::atoi(argv[1]));
    run(outing, "50 Hz, 30 sensors + GPS + PDM + time");
    outing.rate = 10;
    outing.pdm = false;
    run(outing, "10 Hz, 30 sensors + GPS + time (GPS-heavy)");
    return 0;
}
