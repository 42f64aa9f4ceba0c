#include "logs/store/LogStore.h"

#include "logs/csv/CsvExport.h"
#include "logs/ld/LdExport.h"
#include "logs/store/DeviceLogList.h"
#include "settings/LocalPath.h"
#include "settings/DisplayLocale.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThreadPool>
#include <QVariantMap>
#include <QtConcurrent/QtConcurrentRun>

Q_LOGGING_CATEGORY(lcLogStore, "ardix.logs.store", QtWarningMsg)

namespace {

const QString kElogFilter = QStringLiteral("*.elog");
const QString kElogSuffix = QStringLiteral(".elog");
const QString kDateFormat = QStringLiteral("dd MMM hh:mm");

// The interface hands over URLs ("file:///...") or plain paths; the historic rule of cutting
// "file:///" and one "/" is right for drive paths only, so go through the URL instead.
QString localPath(const QString &urlOrPath)
{
    return toLocalPath(urlOrPath);
}

// The save dialog suggests the Documents folder, which a fresh account may not have yet.
void createMissingDocumentsFolder(const QString &outputPath)
{
    const QString folder = QFileInfo(outputPath).absolutePath();
    if (folder == QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) && !QFileInfo::exists(folder))
        QDir().mkpath(folder);
}

} // namespace

LogStore::LogStore(QObject *parent)
    : QObject(parent)
{
    m_ldConverter = [](const QString &in, const QString &out, const LogExportContext &ctx, const LogReporter &rep) {
        return convertElogToLD(in, out, ctx, rep);
    };
}

LogStore::~LogStore()
{
    for (QFuture<int> &task : m_tasks)
        task.waitForFinished();
}

QFuture<int> LogStore::track(QFuture<int> task)
{
    m_tasks.removeIf([](const QFuture<int> &t) { return t.isFinished(); });
    m_tasks.append(task);
    return task;
}

QString LogStore::localDirectory()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Ardix/");
    QDir().mkpath(dir);
    return dir;
}

QVariantList LogStore::localLogsFilesList() const
{
    QDir dir(localDirectory());
    const QFileInfoList files = dir.entryInfoList({kElogFilter},
                                                  QDir::Files | QDir::NoSymLinks | QDir::Hidden | QDir::Writable,
                                                  QDir::Time);
    QVariantList list;
    for (const QFileInfo &f : files) {
        QDateTime created = f.birthTime();
        if (!created.isValid()) // not every file system records it
            created = f.lastModified();
        list.append(QVariantMap{
            {QStringLiteral("name"), f.fileName()},
            {QStringLiteral("path"), f.filePath()},
            {QStringLiteral("apath"), f.absoluteFilePath()},
            {QStringLiteral("size"), qint64(f.size())},
            {QStringLiteral("date"), displayLocale().toString(created, kDateFormat)},
        });
    }
    return list;
}

QVariantList LogStore::logsFilesList() const
{
    return devicelogs::formatList(m_deviceList);
}

void LogStore::handleLogsFileListData(const QByteArray &payload)
{
    if (devicelogs::isValidPayload(payload)) {
        m_deviceList = payload;
        emit logsFileListUpdateSignal();
    }
    emit hideBusy();
}

bool LogStore::storeDownloadedLog(const QString &name, const QByteArray &bytes)
{
    QSaveFile file(localDirectory() + name + kElogSuffix);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        qCWarning(lcLogStore) << "cannot write downloaded log" << file.fileName();
        return false;
    }
    return true;
}

QString LogStore::importElog(const QString &inputPath)
{
    const QString source = localPath(inputPath);
    const QString name = QFileInfo(source).fileName();
    const QString target = localDirectory() + name;
    if (QFileInfo::exists(target))
        return name + QLatin1Char('\n');
    if (!QFile::copy(source, target))
        qCWarning(lcLogStore) << "cannot import" << source;
    emit localLogsFileListUpdateSignal();
    return QString();
}

void LogStore::exportElog(const QString &inputPath, const QString &outputPath)
{
    const QString source = localPath(inputPath);
    const QString target = localPath(outputPath);
    createMissingDocumentsFolder(target);
    QFile in(source);
    QSaveFile out(target);
    // Replaces the target only once the copy is complete.
    if (!in.open(QIODevice::ReadOnly)) {
        qCWarning(lcLogStore) << "cannot read" << source << in.errorString();
        emit showInfoMessage(writeFailedText(in.errorString()));
        return;
    }
    const bool ok = out.open(QIODevice::WriteOnly) && out.write(in.readAll()) == in.size() && out.commit();
    if (!ok) {
        qCWarning(lcLogStore) << "cannot export" << source << "to" << target << out.errorString();
        emit showInfoMessage(writeFailedText(out.errorString()));
        return;
    }
    emit showInfoMessage(kLogExportedText + target);
}

QFuture<int> LogStore::exportLog_x64(const QString &inputPath, const QString &outputPath, int format,
                                     const LogExportContext &context)
{
    const QString in = localPath(inputPath);
    const QString out = localPath(outputPath);
    createMissingDocumentsFolder(out);
    const LogReporter rep = reporter();
    switch (format) {
    case Export_Csv:
    case Export_CsvGzip: {
        const bool compress = format == Export_CsvGzip;
        return track(QtConcurrent::run(QThreadPool::globalInstance(), [in, out, compress, context, rep] {
            return convertElogToCSV(in, out, compress, context, rep);
        }));
    }
    case Export_Ld: {
        if (!m_ldConverter) {
            qCWarning(lcLogStore) << "LD export is not built in";
            emit hideBusy();
            return {};
        }
        const Converter ld = m_ldConverter;
        return track(QtConcurrent::run(QThreadPool::globalInstance(), [ld, in, out, context, rep] {
            return ld(in, out, context, rep);
        }));
    }
    case Export_Elog:
        exportElog(in, out);
        return {};
    default:
        return {};
    }
}

void LogStore::finishLogExport(const QString &outputPath)
{
    emit showInfoMessage(kLogExportedText + outputPath);
}

void LogStore::deleteFileWithAbsolutePath(const QString &filename)
{
    const QString path = localPath(filename);
    if (QFileInfo::exists(path) && !QFile::remove(path))
        qCWarning(lcLogStore) << "cannot delete" << path;
    emit localLogsFileListUpdateSignal();
}

void LogStore::handOffElog(const QString &urlOrPath)
{
    emit incomingElog_signal(localPath(urlOrPath));
}

LogReporter LogStore::reporter()
{
    LogReporter r;
    // Signals of this object may be raised from a pool thread: receivers on the interface thread
    // get them queued.
    r.onHideBusy = [this] { emit hideBusy(); };
    r.onShowInfoMessage = [this](const QString &t) { emit showInfoMessage(t); };
    r.onProgressMoving = [this](unsigned p) { emit progressMoving(p); };
    r.onFinishLogExport = [this](const QString &p) { finishLogExport(p); };
    // The user sees the message; the precise cause goes to the log for whoever looks into it.
    r.onFailureReason = [](const QString &why) { qCWarning(lcLogStore) << "log conversion failed:" << why; };
    return r;
}
