// ardix-log: the log conversions of the client, without the client.
//
//   ardix-log csv|csv.gz|ld [-o DIR] FILE...   convert each log (output beside it, or in DIR)
//   ardix-log laps FILE                        list the laps found in a log

#include "logs/LogExportContext.h"
#include "logs/LogReporter.h"
#include "logs/csv/CsvExport.h"
#include "logs/elog/ElogReader.h"
#include "logs/laps/FindLaps.h"
#include "logs/ld/LdExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
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
LogExportContext contextFor(const ElogReadResult &r)
{
    LogExportContext ctx = LogExportContext::builtinCatalogue();
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
    QStringList reasons;
    QString written;

    // The client's message, then the precise cause in brackets.
    QString text() const
    {
        QString t = messages.join(QStringLiteral("; "));
        if (!reasons.isEmpty())
            t += QStringLiteral(" (%1)").arg(reasons.join(QStringLiteral("; ")));
        return t;
    }
};

LogReporter terminalReporter(const QString &name, Outcome &outcome)
{
    LogReporter rep;
    const bool tty = isatty(fileno(stderr));
    rep.onShowInfoMessage = [&outcome](const QString &t) { outcome.messages << t; };
    rep.onFailureReason = [&outcome](const QString &t) { outcome.reasons << t; };
    rep.onFinishLogExport = [&outcome](const QString &p) { outcome.written = p; };
    if (tty)
        rep.onProgressMoving = [name](unsigned p) {
            print(stderr, QStringLiteral("\r%1: %2%").arg(name).arg(p));
            if (p >= 100)
                std::fputs("\r\033[K", stderr);
        };
    return rep;
}

// Two names of one file give one key: the folder as the file system resolves it, plus the name.
QString pathKey(const QString &path)
{
    const QFileInfo info(path);
    const QString dir = info.absoluteDir().canonicalPath();
    QString key = (dir.isEmpty() ? info.absolutePath() : dir) + QLatin1Char('/') + info.fileName();
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    key = key.toCaseFolded();
#endif
    return key;
}

struct Job
{
    QString input;
    QString output; // the file the conversion will write
};

// Every output is known before anything is written: one that would replace an input, or that two
// inputs would share, stops the whole run.
bool checkOutputs(const QList<Job> &jobs)
{
    QHash<QString, QString> inputs, outputs; // key -> input named on the command line
    for (const Job &job : jobs)
        inputs.insert(pathKey(job.input), job.input);
    bool ok = true;
    for (const Job &job : jobs) {
        const QString key = pathKey(job.output);
        if (inputs.contains(key)) {
            print(stderr, QStringLiteral("ardix-log: %1: the output %2 would replace the log %3; nothing converted\n")
                              .arg(job.input, QDir::toNativeSeparators(job.output), inputs.value(key)));
            ok = false;
        } else if (outputs.contains(key)) {
            print(stderr, QStringLiteral("ardix-log: %1 and %2 would both be written to %3; nothing converted\n")
                              .arg(outputs.value(key), job.input, QDir::toNativeSeparators(job.output)));
            ok = false;
        } else {
            outputs.insert(key, job.input);
        }
    }
    return ok;
}

int convert(const QString &mode, const QString &outDir, const QStringList &files)
{
    const bool csv = mode == QLatin1String("csv") || mode == QLatin1String("csv.gz");
    const bool gzip = mode == QLatin1String("csv.gz");
    QList<Job> jobs;
    for (const QString &file : files) {
        const QFileInfo in(file);
        const QString dir = outDir.isEmpty() ? in.absolutePath() : QDir(outDir).absolutePath();
        const QString base = QDir(dir).filePath(in.completeBaseName());
        QString output = base + (csv ? QStringLiteral(".csv") : QStringLiteral(".ld"));
        if (gzip)
            output += csv::kGzipSuffix;
        jobs.append({file, output});
    }
    if (!checkOutputs(jobs))
        return 2;

    int failures = 0;
    for (const Job &job : jobs) {
        const QFileInfo in(job.input);
        Outcome outcome;
        const LogReporter rep = terminalReporter(in.fileName(), outcome);
        // Read once: the log names its custom channels for the conversion of itself.
        const ElogReadResult log = readElog(in.filePath(), rep);
        int ok = 0;
        if (csv) {
            const QString chosen = gzip ? job.output.chopped(csv::kGzipSuffix.size()) : job.output;
            ok = convertElogToCSV(log, in.filePath(), chosen, gzip, contextFor(log), rep);
        } else {
            ok = convertElogToLD(log, in.filePath(), job.output, contextFor(log), rep);
        }
        if (ok) {
            print(stdout, outcome.written + QLatin1Char('\n'));
        } else {
            ++failures;
            print(stderr, QStringLiteral("ardix-log: %1: %2\n").arg(job.input, outcome.text()));
        }
    }
    return failures == 0 ? 0 : 1;
}

int laps(const QString &file)
{
    ardix::laps::LapEngine engine;
    Outcome outcome;
    const QVariantMap r = ardix::laps::findLapsInLog(engine, file, {}, terminalReporter(QFileInfo(file).fileName(), outcome));
    if (r.contains(QStringLiteral("fileError"))) {
        const QString why = outcome.messages.isEmpty() ? r.value(QStringLiteral("fileError")).toString() : outcome.text();
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
