// ardix-log: the log conversions of the client, without the client.
//
//   ardix-log csv|csv.gz|ld [-o DIR] FILE...   convert each log (output beside it, or in DIR)
//   ardix-log laps FILE                        list the laps found in a log

#include "logs/LogExportContext.h"
#include "logs/LogReporter.h"
#include "logs/csv/CsvExport.h"
#include "logs/elog/ElogReader.h"

#if __has_include("logs/ld/LdExport.h")
#include "logs/ld/LdExport.h"
#define ARDIX_LOG_HAS_LD 1
#endif
#if __has_include("logs/laps/FindLaps.h")
#include "logs/laps/FindLaps.h"
#define ARDIX_LOG_HAS_LAPS 1
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

const char kUsage[] =
    "usage: ardix-log csv|csv.gz|ld [-o DIR] FILE...\n"
    "       ardix-log laps FILE\n"
    "\n"
    "  csv      comma-separated text, FILE.csv\n"
    "  csv.gz   the same, gzip-compressed, FILE.csv.gzip\n"
    "  ld       data log for lap analysis software, FILE.ld\n"
    "  laps     print the laps found in the log's GPS track\n"
    "  -o DIR   write the outputs into DIR instead of beside each input\n";

void print(FILE *to, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
}

// The factory sensor names, plus the custom channels named as the log names them (the tool has
// no dash settings to take them from).
LogExportContext contextFor(const QString &path)
{
    LogExportContext ctx = LogExportContext::builtinCatalogue();
    const ElogReadResult r = readElog(path);
    if (!r.ok())
        return ctx;
    int custom = 0;
    for (uint8_t id : r.data.channelIds) {
        if (!elog::isNamedCustomChannel(id) || custom >= r.data.customNames.size())
            continue;
        LogSensorInfo &s = ctx.sensors[id];
        s.present = true;
        s.custom = true;
        s.shortSensorName = r.data.customNames.at(custom);
        s.isFloat = r.data.customAttributes[size_t(custom)] != 0;
        ++custom;
    }
    return ctx;
}

struct Outcome
{
    QStringList messages;
    QString written;
};

LogReporter terminalReporter(const QString &name, Outcome &outcome)
{
    LogReporter rep;
    const bool tty = isatty(fileno(stderr));
    rep.onShowInfoMessage = [&outcome](const QString &t) { outcome.messages << t; };
    rep.onFinishLogExport = [&outcome](const QString &p) { outcome.written = p; };
    if (tty)
        rep.onProgressMoving = [name](unsigned p) {
            print(stderr, QStringLiteral("\r%1: %2%").arg(name).arg(p));
            if (p >= 100)
                std::fputs("\r\033[K", stderr);
        };
    return rep;
}

int convert(const QString &mode, const QString &outDir, const QStringList &files)
{
    int failures = 0;
    for (const QString &file : files) {
        const QFileInfo in(file);
        const QString dir = outDir.isEmpty() ? in.absolutePath() : QDir(outDir).absolutePath();
        const QString base = QDir(dir).filePath(in.completeBaseName());
        Outcome outcome;
        const LogReporter rep = terminalReporter(in.fileName(), outcome);
        int ok = 0;
        if (!in.isFile()) {
            outcome.messages << elogErrorMessage(ElogError::FileNotFound);
        } else if (mode == QLatin1String("csv") || mode == QLatin1String("csv.gz")) {
            ok = convertElogToCSV(in.filePath(), base + QStringLiteral(".csv"), mode == QLatin1String("csv.gz"),
                                  contextFor(in.filePath()), rep);
        } else {
#ifdef ARDIX_LOG_HAS_LD
            ok = convertElogToLD(in.filePath(), base + QStringLiteral(".ld"), contextFor(in.filePath()), rep);
#else
            outcome.messages << QStringLiteral("LD export is not built into this tool");
#endif
        }
        if (ok) {
            print(stdout, outcome.written + QLatin1Char('\n'));
        } else {
            ++failures;
            print(stderr, QStringLiteral("ardix-log: %1: %2\n").arg(file, outcome.messages.join(QStringLiteral("; "))));
        }
    }
    return failures == 0 ? 0 : 1;
}

int laps(const QString &file)
{
#ifdef ARDIX_LOG_HAS_LAPS
    ardix::laps::LapEngine engine;
    Outcome outcome;
    const QVariantMap r = ardix::laps::findLapsInLog(engine, file, {}, terminalReporter(QFileInfo(file).fileName(), outcome));
    if (r.contains(QStringLiteral("fileError"))) {
        const QString why = outcome.messages.isEmpty() ? r.value(QStringLiteral("fileError")).toString() : outcome.messages.join(QStringLiteral("; "));
        print(stderr, QStringLiteral("ardix-log: %1: %2\n").arg(file, why));
        return 1;
    }
    print(stdout, QStringLiteral("%1: version %2, %3 Hz, start line %4 %5 course %6\n")
                      .arg(r.value("fileName").toString())
                      .arg(r.value("version").toInt())
                      .arg(r.value("logRate").toInt())
                      .arg(r.value("startPointLat").toDouble(), 0, 'f', 7)
                      .arg(r.value("startPointLon").toDouble(), 0, 'f', 7)
                      .arg(r.value("startPointCourse").toDouble(), 0, 'f', 2));
    if (r.contains(QStringLiteral("lapsError"))) {
        print(stdout, r.value("lapsError").toString().replace(QLatin1Char('\n'), QLatin1Char(' ')) + QLatin1Char('\n'));
        return 0;
    }
    const QVariantList list = r.value(QStringLiteral("lapsList")).toList();
    const uint best = r.value(QStringLiteral("bestLapMsec")).toUInt();
    int n = 0;
    for (const QVariant &v : list) {
        const QVariantMap lap = v.toMap();
        ++n;
        if (!lap.value("isLapValid").toBool()) {
            print(stdout, QStringLiteral("%1  (incomplete)\n").arg(n, 3));
            continue;
        }
        const uint ms = lap.value("lapTimeMsecs").toUInt();
        print(stdout, QStringLiteral("%1  %2  finish %3 %4%5\n")
                          .arg(n, 3)
                          .arg(lap.value("lapTimeString").toString())
                          .arg(lap.value("finishTime").toString(), lap.value("finishDate").toString())
                          .arg(ms == best ? QStringLiteral("  best") : QStringLiteral("  +%1").arg((ms - best) / 1000.0, 0, 'f', 3)));
    }
    print(stdout, QStringLiteral("laps: %1, best %2\n").arg(list.size()).arg(r.value("bestLapString").toString()));
    return 0;
#else
    Q_UNUSED(file);
    print(stderr, QStringLiteral("ardix-log: lap finding is not built into this tool\n"));
    return 1;
#endif
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("-h") || args.first() == QLatin1String("--help")) {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString mode = args.takeFirst();
    QString outDir;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o")) {
            if (i + 1 >= args.size()) {
                std::fputs("ardix-log: -o needs a directory\n", stderr);
                return 2;
            }
            outDir = args[++i];
        } else {
            files << args[i];
        }
    }
    if (files.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!outDir.isEmpty() && !QFileInfo(outDir).isDir()) {
        print(stderr, QStringLiteral("ardix-log: %1: no such directory\n").arg(outDir));
        return 2;
    }
    if (mode == QLatin1String("laps")) {
        if (files.size() != 1) {
            std::fputs("ardix-log: laps takes one file\n", stderr);
            return 2;
        }
        return laps(files.first());
    }
    if (mode != QLatin1String("csv") && mode != QLatin1String("csv.gz") && mode != QLatin1String("ld")) {
        print(stderr, QStringLiteral("ardix-log: unknown command \"%1\"\n").arg(mode));
        std::fputs(kUsage, stderr);
        return 2;
    }
    return convert(mode, outDir, files);
}
