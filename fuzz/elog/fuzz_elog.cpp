// Arbitrary bytes into the log reader and on into everything that uses a log: the CSV export (plain
// and compressed), the LD export and the lap search.
//
// The input is tried as a whole file (envelope + body) and as a body. A mutated body would almost
// never get past zlib as a file, so the harness wraps the body in a fresh envelope itself and lets
// the exports read that file: every mutation reaches the converters.
//
// Besides the reader's promises (samples inside the body, fast channels holding recordCount
// samples), every output must stay within a fixed multiple of the body: a log cannot make an
// export write more than its samples account for.

#include "logs/LogExportContext.h"
#include "logs/LogReporter.h"
#include "logs/csv/CsvExport.h"
#include "logs/elog/ElogChannels.h"
#include "logs/elog/ElogReader.h"
#include "logs/elog/GpsRecord.h"
#include "logs/laps/FindLaps.h"
#include "logs/ld/LdExport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <zlib.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <cstdio>
#include <cstdlib>

namespace {

// A CSV line spends at most ~20 characters on a 2-byte sample, an LD file ~20 bytes on one; the
// slack covers the column header and the LD header area.
constexpr qint64 kOutputPerBodyByte = 64;
constexpr qint64 kOutputSlack = 256 * 1024;
// The compressed CSV is only worth its time on small texts.
constexpr qint64 kGzipTextLimit = 64 * 1024;

[[noreturn]] void fail(const char *what, qint64 got = -1, qint64 bound = -1)
{
    std::fprintf(stderr, "fuzz_elog: %s (%lld bytes, bound %lld)\n", what, static_cast<long long>(got),
                 static_cast<long long>(bound));
    std::abort();
}

void checkReaderPromises(const ElogReadResult &r)
{
    if (!r.ok())
        return;
    const ElogData &d = r.data;
    const size_t n = d.channelIds.size();
    if (d.channelData.size() != n || d.channelSamples.size() != n)
        fail("channel tables differ in length");
    if (n > 0 && d.logRate == 0)
        fail("zero log rate");
    volatile int sink = 0;
    for (size_t k = 0; k < n; ++k) {
        const uint8_t id = d.channelIds[k];
        const uint64_t ss = uint64_t(elog::sampleSize(id));
        if (ss == 0)
            fail("channel without a sample size");
        const uint64_t end = uint64_t(d.channelData[k]) + ss * d.channelSamples[k];
        if (end > uint64_t(d.body.size()))
            fail("channel block outside the body", qint64(end), d.body.size());
        if (!d.isSlow(id) && d.channelSamples[k] < d.recordCount)
            fail("fast channel shorter than the record count");
        if (d.channelSamples[k] == 0)
            continue;
        const uint32_t last = d.channelSamples[k] - 1;
        if (id == elog::Module_GPS) {
            const GpsRecord g = decodeGpsRecord(d.sample(int(k), last));
            sink = sink + int(g.latitude() == 0.0) + int(g.speedKnots() > 1.0) + g.satellites;
        } else if (id < elog::Module_Time) {
            sink = sink + d.sensorSample(int(k), 0) + d.sensorSample(int(k), last);
        } else {
            sink = sink + *d.sample(int(k), last);
        }
    }
    if (d.customNames.size() != qsizetype(d.customAttributes.size()))
        fail("custom names and attributes differ in count");
}

// 4-byte big-endian body length, then a zlib stream: what the device writes.
QByteArray envelopeOf(const QByteArray &body)
{
    uLongf packed = compressBound(uLong(body.size()));
    QByteArray out(4 + qsizetype(packed), '\0');
    const auto n = uint32_t(body.size());
    out[0] = char(n >> 24);
    out[1] = char(n >> 16);
    out[2] = char(n >> 8);
    out[3] = char(n);
    if (compress2(reinterpret_cast<Bytef *>(out.data() + 4), &packed,
                  reinterpret_cast<const Bytef *>(body.constData()), uLong(body.size()), 1) != Z_OK)
        fail("zlib refused to compress");
    out.resize(4 + qsizetype(packed));
    return out;
}

const QTemporaryDir &workDir()
{
    static const QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/fuzz_elog-XXXXXX"));
    if (!dir.isValid())
        fail("no temporary folder");
    return dir;
}

// Everything in the work folder but the input: finished outputs and temporary part files alike.
qint64 outputBytes(const QString &input)
{
    qint64 total = 0;
    const QFileInfoList files = QDir(workDir().path()).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &f : files)
        if (f.absoluteFilePath() != input)
            total += f.size();
    return total;
}

void clearOutputs(const QString &input)
{
    const QFileInfoList files = QDir(workDir().path()).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &f : files)
        if (f.absoluteFilePath() != input)
            QFile::remove(f.absoluteFilePath());
}

// Watches the work folder while an export runs, so that an export that would fill the disk is
// stopped within milliseconds rather than at its first progress report (1% of a hostile record
// count is already gigabytes).
class OutputWatch
{
public:
    OutputWatch(const QString &input, qint64 bound)
        : m_thread([this, input, bound] {
              std::unique_lock<std::mutex> lock(m_mutex);
              while (!m_done) {
                  const qint64 written = outputBytes(input);
                  if (written > bound) {
                      clearOutputs(input);
                      fail("CSV export exceeds its bound", written, bound);
                  }
                  m_wake.wait_for(lock, std::chrono::milliseconds(5));
              }
          })
    {
    }
    ~OutputWatch()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};

void runCsv(const QString &input, const LogExportContext &context, qint64 bound)
{
    const QString output = workDir().filePath(QStringLiteral("out.csv"));
    int ok = 0;
    {
        const OutputWatch watch(input, bound);
        ok = convertElogToCSV(input, output, false, context, {});
    }
    const qint64 written = outputBytes(input);
    if (written > bound)
        fail("CSV export exceeds its bound", written, bound);
    if (ok && written <= kGzipTextLimit) {
        const OutputWatch watch(input, bound);
        if (!convertElogToCSV(input, output, true, context, {}))
            fail("compressed CSV failed where the plain one succeeded");
    }
    clearOutputs(input);
}

void runLd(const ElogData &log, const LogExportContext &context, qint64 bound)
{
    const ardix::ld::ExportStamp stamp{QStringLiteral("01/06/2024"), QStringLiteral("12:00:00"),
                                       QStringLiteral("fuzz.elog")};
    const ardix::ld::LdExport exporter(log, context, stamp);
    const qint64 promised = exporter.fileSize();
    if (promised > bound)
        fail("LD export promises more than its bound", promised, bound);
    qint64 written = 0;
    const bool ok = exporter.write([&](const char *data, qsizetype size) {
        if (size < 0)
            fail("LD block of negative size");
        volatile char touch = size > 0 ? data[0] ^ data[size - 1] : 0;
        (void)touch;
        written += size;
        if (written > promised)
            fail("LD export writes more than its header promises", written, promised);
        return true;
    });
    if (!ok || written != promised)
        fail("LD export wrote another size than its header promises", written, promised);
}

void runLaps(const ElogData &log)
{
    // Time the log against a line through its own first fix, so that crossings do happen.
    ardix::laps::StartPoint settings{56.0f, 38.0f, 90.0f};
    const int gps = log.channelIndex(elog::Module_GPS);
    uint32_t fixes = 0;
    if (gps >= 0 && log.channelSamples[size_t(gps)] > 0) {
        fixes = log.channelSamples[size_t(gps)];
        const GpsRecord first = decodeGpsRecord(log.sample(gps, 0));
        if (std::isfinite(first.latitude()) && std::isfinite(first.longitude()))
            settings = {float(first.latitude()), float(first.longitude()), float(first.course())};
    }
    ardix::laps::LapEngine engine;
    const QVariantMap result = ardix::laps::findLapsInLog(engine, log, settings);
    if (result.value(QStringLiteral("lapsList")).toList().size() > qsizetype(fixes))
        fail("more laps than fixes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkReaderPromises(decodeElogFile(bytes, QStringLiteral("fuzz.elog")));

    const ElogReadResult body = parseElogBody(bytes, QStringLiteral("fuzz.elog"));
    checkReaderPromises(body);
    if (size == 0)
        return 0; // an empty body makes no envelope

    const QString input = workDir().filePath(QStringLiteral("fuzz.elog"));
    {
        QFile f(input);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(envelopeOf(bytes)) < 0)
            fail("cannot write the input file");
    }
    const ElogReadResult file = readElog(input);
    if (file.error != body.error)
        fail("the file reader and the body parser disagree");
    if (!body.ok())
        return 0;

    const LogExportContext context = LogExportContext::builtinCatalogue();
    const qint64 bound = kOutputPerBodyByte * qint64(size) + kOutputSlack;
    runLd(body.data, context, bound);
    runCsv(input, context, bound);
    runLaps(body.data);
    return 0;
}
