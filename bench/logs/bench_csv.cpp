// Times the CSV export of a generated log against its floor, measured in the same run: read the
// file, inflate the body with libdeflate, write() as many bytes as the CSV has in 1 MB chunks.
// Peak memory is measured in a fresh child process per job.

#include "LogGenerator.h"

#include "logs/csv/CsvExport.h"
#include "logs/elog/ElogEnvelope.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t kChunk = 1 << 20;
constexpr int kRepetitions = 5;

bool baseline(const QString &in, const QString &out, qint64 bytes)
{
    QFile f(in);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray body = elog::inflateEnvelope(f.readAll());
    if (body.isEmpty())
        return false;
    const int fd = ::open(out.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    std::vector<char> chunk(kChunk, '7');
    for (qint64 left = bytes; left > 0;) {
        const size_t n = size_t(std::min<qint64>(left, qint64(kChunk)));
        if (::write(fd, chunk.data(), n) != ssize_t(n))
            break;
        left -= qint64(n);
    }
    ::close(fd);
    return true;
}

int exportCsv(const QString &in, const QString &out, bool gzip)
{
    return convertElogToCSV(in, out, gzip, LogExportContext::builtinCatalogue(), LogReporter());
}

double cpuNow()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// Best wall-clock and best CPU time of a few runs. On a shared machine the CPU time is the
// steadier of the two; both are shown.
struct Timing
{
    double wall = 1e100;
    double cpu = 1e100;
};

// Each run writes a fresh file, as an export under a new name does; the removal is not timed.
template<typename F>
Timing best(const QString &output, F &&job)
{
    Timing t;
    for (int i = 0; i < kRepetitions; ++i) {
        QFile::remove(output);
        ::sync();
        const auto w0 = Clock::now();
        const double c0 = cpuNow();
        job();
        t.cpu = std::min(t.cpu, cpuNow() - c0);
        t.wall = std::min(t.wall, std::chrono::duration<double>(Clock::now() - w0).count());
    }
    return t;
}

// Peak resident memory (MiB) of this program re-run with `args`.
double childPeakMiB(const QStringList &args)
{
    std::vector<QByteArray> store{QCoreApplication::applicationFilePath().toLocal8Bit()};
    for (const QString &a : args)
        store.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &s : store)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() >= 4 && a[1] == QLatin1String("--child-csv"))
        return exportCsv(a[2], a[3], false) == 1 ? 0 : 1;
    if (a.size() >= 4 && a[1] == QLatin1String("--write-log")) { // bench_logs --write-log FILE SECONDS
        loggen::Options opt;
        opt.seconds = a[3].toUInt();
        QFile f(a[2]);
        return f.open(QIODevice::WriteOnly) && f.write(qCompress(loggen::body(opt), 6)) > 0 ? 0 : 1;
    }
    if (a.size() >= 5 && a[1] == QLatin1String("--child-baseline"))
        return baseline(a[2], a[3], a[4].toLongLong()) ? 0 : 1;

    // bench_logs [SECONDS] [--gzip]
    loggen::Options opt;
    const bool withGzip = a.contains(QStringLiteral("--gzip"));
    if (a.size() >= 2 && a[1] != QLatin1String("--gzip"))
        opt.seconds = a[1].toUInt();
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("outing.elog"));
    qint64 bodySize = 0;
    {
        const QByteArray body = loggen::body(opt);
        bodySize = body.size();
        QFile f(log);
        if (!f.open(QIODevice::WriteOnly) || f.write(qCompress(body, 6)) <= 0)
            return 1;
    }
    const QString out = dir.filePath(QStringLiteral("outing.csv"));
    const QString floorOut = dir.filePath(QStringLiteral("floor.bin"));

    if (exportCsv(log, out, false) != 1)
        return 1;
    const qint64 csvBytes = QFileInfo(out).size();

    const Timing tFloor = best(floorOut, [&] { baseline(log, floorOut, csvBytes); });
    const Timing tCsv = best(out, [&] { exportCsv(log, out, false); });
    double tGzip = 0;
    if (withGzip) {
        const auto g0 = Clock::now();
        exportCsv(log, out, true);
        tGzip = std::chrono::duration<double>(Clock::now() - g0).count();
    }
    const qint64 gzBytes = QFileInfo(out + QStringLiteral(".gzip")).size();

    const double memCsv = childPeakMiB({QStringLiteral("--child-csv"), log, out});
    const double memFloor = childPeakMiB({QStringLiteral("--child-baseline"), log, floorOut, QString::number(csvBytes)});

    std::printf("log: %u s at %u Hz, 30 sensors + GPS + PDM + time; body %.1f MiB, file %.1f MiB\n", opt.seconds,
                unsigned(opt.rate), bodySize / 1048576.0, QFileInfo(log).size() / 1048576.0);
    std::printf("csv output: %.1f MiB\n", csvBytes / 1048576.0);
    std::printf("                                     wall s    cpu s\n");
    std::printf("floor (inflate + write same bytes): %8.3f %8.3f\n", tFloor.wall, tFloor.cpu);
    std::printf("csv export:                         %8.3f %8.3f  (%.0f MiB/s of text, cpu)\n", tCsv.wall, tCsv.cpu,
                csvBytes / 1048576.0 / tCsv.cpu);
    std::printf("ratio csv / floor:                  %8.2f %8.2f\n", tCsv.wall / tFloor.wall, tCsv.cpu / tFloor.cpu);
    if (withGzip)
        std::printf("csv + gzip export (level 9):        %8.3f s, %.1f MiB\n", tGzip, gzBytes / 1048576.0);
    std::printf("peak memory: csv export %.1f MiB, floor %.1f MiB, decompressed body %.1f MiB\n", memCsv, memFloor,
                bodySize / 1048576.0);
    return 0;
}
