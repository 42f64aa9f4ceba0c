#include "logs/csv/CsvExport.h"

#include "logs/csv/NumberFormat.h"
#include "logs/csv/OutputSink.h"
#include "logs/csv/PdmRecordView.h"
#include "logs/csv/Transliterate.h"
#include "logs/elog/ElogReader.h"
#include "logs/elog/GpsRecord.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

Q_LOGGING_CATEGORY(lcCsv, "ardix.logs.csv", QtWarningMsg)

namespace {

constexpr size_t kWriteChunk = 1 << 20;

enum class ColumnKind { Sensor, Gps, Pdm, Other };

struct Column
{
    ColumnKind kind;
    const uchar *block;             // the channel's samples
    const numfmt::ShortText *texts; // sensor columns: the text of every sample value
    bool separatorAfter;
};

// Widest text a column can produce for one record.
size_t columnBound(ColumnKind k)
{
    switch (k) {
    case ColumnKind::Sensor: return 16;
    case ColumnKind::Gps: return 8 * numfmt::kMaxNumberText + 16;
    case ColumnKind::Pdm: return 3 * numfmt::kMaxNumberText + 170 * 8;
    case ColumnKind::Other: return 2;
    }
    return 0;
}

QString twoDigits(int i) { return QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')); }

QString sensorHeader(uint8_t id, const LogExportContext &ctx)
{
    const LogSensorInfo *s = ctx.sensor(id);
    if (id < elog::kFirstCustomId)
        return s ? s->shortNameEn : QStringLiteral("Sensor %1").arg(id); // no catalogue entry
    QString name = s ? csvSafeName(s->shortSensorName) : QString();
    if (name.isEmpty())
        name = QStringLiteral("Custom ") + QString::number(id - elog::kFirstCustomId);
    return name;
}

QString pdmHeader(const LogExportContext &ctx)
{
    QString h = QStringLiteral("PDM_BoardTemp,PDM_TotalCurrent,PDM_Battery_Voltage,");
    auto list = [&h](const char *title, int count, auto nameOf) {
        for (int i = 0; i < count; ++i)
            h += QStringLiteral("%1 #%2 (%3),").arg(QLatin1String(title), twoDigits(i + 1), csvSafeName(nameOf(i)));
    };
    auto in = [&ctx](int i) { return ctx.pdmInputName(i); };
    auto out = [&ctx](int i) { return ctx.pdmOutputName(i); };
    list("PDM_Input State", pdmrec::kInputs, in);
    list("PDM_Output State", pdmrec::kOutputs, out);
    list("PDM_Output Current", pdmrec::kOutputs, out);
    list("PDM_Output Overcurrent Flag", pdmrec::kOutputs, out);
    list("PDM_Output Fault Flag", pdmrec::kOutputs, out);
    list("PDM_Output PWM Duty", pdmrec::kOutputs, out);
    return h;
}

const char kGpsHeader[] = "GpsLat,GpsLon,GpsSpeed(Knots),GpsCourse,GpsTime,GpsDate,GpsAltitude,GpsSatellites";

char *put(char *o, const char *s, size_t n)
{
    std::memcpy(o, s, n);
    return o + n;
}

char *putTwo(char *o, int v)
{
    *o++ = char('0' + v / 10);
    *o++ = char('0' + v % 10);
    return o;
}

// "HH:mm:ss.z": the milliseconds without trailing zeros ("0" for none); an impossible time is empty.
char *putTime(char *o, const GpsRecord &g)
{
    const int ms = g.microseconds / 1000;
    if (g.hours < 0 || g.hours > 23 || g.minutes < 0 || g.minutes > 59 || g.seconds < 0 || g.seconds > 59
        || ms < 0 || ms > 999)
        return o;
    o = putTwo(o, g.hours);
    *o++ = ':';
    o = putTwo(o, g.minutes);
    *o++ = ':';
    o = putTwo(o, g.seconds);
    *o++ = '.';
    if (ms == 0) {
        *o++ = '0';
        return o;
    }
    char d[3] = {char('0' + ms / 100), char('0' + ms / 10 % 10), char('0' + ms % 10)};
    int n = 3;
    while (d[n - 1] == '0')
        --n;
    return put(o, d, size_t(n));
}

// "dd.MM.yy", remembered because it changes once a day at most.
struct DateCache
{
    int32_t day = -1, month = -1, year = -1;
    char text[32];
    size_t size = 0;

    char *put(char *o, const GpsRecord &g)
    {
        if (g.day != day || g.month != month || g.year != year) {
            day = g.day;
            month = g.month;
            year = g.year;
            const QByteArray t = QDate(year, month, day).toString(QStringLiteral("dd.MM.yy")).toLatin1();
            size = std::min(sizeof text, size_t(t.size()));
            std::memcpy(text, t.constData(), size);
        }
        return ::put(o, text, size);
    }
};

char *putGps(char *o, const uchar *rec, DateCache &dates)
{
    const GpsRecord g = decodeGpsRecord(rec);
    o = numfmt::appendFixed(o, g.latitude(), 6);
    *o++ = ',';
    o = numfmt::appendFixed(o, g.longitude(), 6);
    *o++ = ',';
    o = numfmt::appendFixed(o, g.speedKnots(), 2);
    *o++ = ',';
    o = numfmt::appendFixed(o, g.course(), 2);
    *o++ = ',';
    o = putTime(o, g);
    *o++ = ',';
    o = dates.put(o, g);
    *o++ = ',';
    o = numfmt::appendInt(o, g.altitudeTenths / 10);
    o = put(o, ".00", 3);
    *o++ = ',';
    return numfmt::appendInt(o, g.satellites);
}

struct Tables
{
    const numfmt::ShortText *over100 = numfmt::tenthsOver100Table();
    const numfmt::ShortText *over1000 = numfmt::tenthsOver1000Table();
};

char *putPdm(char *o, const uchar *rec, const Tables &t)
{
    using namespace pdmrec;
    o = numfmt::appendInt(o, int16_t(u16(rec, kBoardTemp)));
    *o++ = ',';
    o = numfmt::appendShort(o, t.over100[u16(rec, kTotalCurrent)]);
    *o++ = ',';
    o = numfmt::appendShort(o, t.over1000[u16(rec, kBatteryVoltage)]);
    *o++ = ',';
    o = numfmt::appendBitList(o, u32(rec, kInputStates), kInputs);
    o = numfmt::appendBitList(o, u32(rec, kOutputStates), kOutputs);
    for (int i = 0; i < kOutputs; ++i) {
        o = numfmt::appendShort(o, t.over100[u16(rec, kOutputCurrents + 2 * i)]);
        *o++ = ',';
    }
    o = numfmt::appendBitList(o, u32(rec, kOvercurrent), kOutputs);
    o = numfmt::appendBitList(o, u32(rec, kFault), kOutputs);
    for (int i = 0; i < kOutputs; ++i) {
        if (i >= kFirstPwmOutput)
            o = numfmt::appendUInt(o, rec[kPwmDuty + i]);
        else
            *o++ = '0';
        *o++ = ',';
    }
    return o;
}

// Buffers whole lines and hands them to the sink a megabyte at a time.
class LineWriter
{
public:
    LineWriter(OutputSink &sink, size_t maxLine) : m_sink(sink), m_buf(kWriteChunk + maxLine + 2) {}

    char *lineStart() { return m_buf.data() + m_used; }
    // `end` is one past the line's last character; drops a trailing ',' and adds '\n'.
    bool endLine(char *end)
    {
        if (end > lineStart() && end[-1] == ',')
            --end;
        *end++ = '\n';
        m_used = size_t(end - m_buf.data());
        return m_used < kWriteChunk || flush();
    }
    bool flush()
    {
        const bool ok = m_sink.write(m_buf.data(), m_used);
        m_used = 0;
        return ok;
    }

private:
    OutputSink &m_sink;
    std::vector<char> m_buf;
    size_t m_used = 0;
};

} // namespace

int convertElogToCSV(const QString &inputPath, const QString &outputPath, bool isNeedToCompress,
                     const LogExportContext &context, const LogReporter &reporter)
{
    return convertElogToCSV(readElog(inputPath, reporter), inputPath, outputPath, isNeedToCompress, context, reporter);
}

int convertElogToCSV(const ElogReadResult &read, const QString &inputPath, const QString &outputPath,
                     bool isNeedToCompress, const LogExportContext &context, const LogReporter &reporter)
{
    if (!read.ok()) {
        reporter.hideBusy(); // the reader has told the user why
        return 0;
    }
    const ElogData &log = read.data;

    // Channel list: which columns exist and where the separators go.
    const size_t n = log.channelIds.size();
    const bool lastIsTime = n > 2 && log.channelIds.back() == elog::Module_Time;
    std::vector<Column> columns;
    QString header = QStringLiteral("Time,");
    size_t maxLine = 32;
    for (size_t k = 0; k < n; ++k) {
        const uint8_t id = log.channelIds[k];
        if (log.isSlow(id) || id == elog::Module_Time)
            continue;
        Column c{ColumnKind::Other, log.block(int(k)), nullptr, false};
        if (id < elog::Module_Time) {
            c.kind = ColumnKind::Sensor;
            const LogSensorInfo *s = context.sensor(id);
            c.texts = s && s->isFloat ? numfmt::hundredthsTable() : numfmt::int16Table();
            header += sensorHeader(id, context);
        } else if (id == elog::Module_GPS) {
            c.kind = ColumnKind::Gps;
            header += QLatin1String(kGpsHeader);
        } else if (id == elog::Module_PMX) {
            c.kind = ColumnKind::Pdm;
            header += pdmHeader(context);
        }
        c.separatorAfter = k + 1 < n && !(lastIsTime && k + 2 == n);
        if (c.separatorAfter)
            header += QLatin1Char(',');
        maxLine += columnBound(c.kind) + 1;
        columns.push_back(c);
    }

    // The text streams straight into its final file (through gzip when compressed): nothing
    // else beside it is created, so nothing else is removed.
    std::unique_ptr<OutputSink> sink;
    if (isNeedToCompress)
        sink = std::make_unique<GzipSink>(outputPath + csv::kGzipSuffix);
    else
        sink = std::make_unique<FileSink>(outputPath);
    const auto refuse = [&reporter](const QString &reason) {
        reporter.hideBusy();
        reporter.showInfoMessage(writeFailedText(reason));
        reporter.failureReason(reason);
        return 0;
    };
    if (wouldReplaceInput(inputPath, sink->path()))
        return refuse(kReplacesInputReason);
    if (!sink->open())
        return refuse(sink->errorString());

    const QByteArray headerBytes = header.toUtf8();
    LineWriter writer(*sink, std::max<size_t>(maxLine, size_t(headerBytes.size()) + 1));
    char *o = writer.lineStart();
    o = put(o, headerBytes.constData(), size_t(headerBytes.size()));
    bool ok = writer.endLine(o);

    const uint32_t step = log.logRate ? 1000u / log.logRate : 0u;
    uint32_t time = 0;
    uint8_t lastProgress = 1;
    DateCache dates;
    const Tables tables;
    for (uint32_t i = 0; ok && i < log.recordCount; ++i) {
        const auto p = uint8_t((uint64_t(i) * 100u) / log.recordCount);
        if (p != 0 && p != lastProgress) {
            lastProgress = p;
            reporter.progressMoving(p);
        }
        o = writer.lineStart();
        o = numfmt::appendUInt(o, time);
        *o++ = ',';
        for (const Column &c : columns) {
            switch (c.kind) {
            case ColumnKind::Sensor: {
                uint16_t v;
                std::memcpy(&v, c.block + size_t(i) * 2u, 2);
                o = numfmt::appendShort(o, c.texts[v]);
                break;
            }
            case ColumnKind::Gps:
                o = putGps(o, c.block + size_t(i) * elog::kGpsRecordSize, dates);
                break;
            case ColumnKind::Pdm:
                o = putPdm(o, c.block + size_t(i) * elog::kPdmRecordSize, tables);
                break;
            case ColumnKind::Other:
                *o++ = '0';
                break;
            }
            if (c.separatorAfter)
                *o++ = ',';
        }
        ok = writer.endLine(o);
        time += step;
    }
    ok = ok && writer.flush() && sink->commit();
    if (!ok) {
        qCWarning(lcCsv) << "writing" << sink->path() << "failed:" << sink->errorString();
        return refuse(sink->errorString()); // the sink's destructor drops the temporary file
    }

    reporter.hideBusy();
    reporter.progressMoving(100);
    reporter.finishLogExport(sink->path());
    return 1;
}
