#pragma once
// The local log folder and everything the kernel does with log files: the two lists, import,
// export, delete, the export dispatch to the converters, and the hand-off of downloaded and
// incoming logs. The kernel forwards its members here and re-emits the signals.

#include "logs/LogExportContext.h"
#include "logs/LogReporter.h"

#include <QByteArray>
#include <QFuture>
#include <QObject>
#include <QString>
#include <QVariantList>

#include <functional>

class LogStore : public QObject
{
    Q_OBJECT

public:
    // Index of the export choice in the log window; passed as `format` to exportLog_x64.
    enum ExportFormat { Export_Csv = 0, Export_CsvGzip = 1, Export_Elog = 2, Export_Ld = 3 };

    using Converter = std::function<int(const QString &inputPath, const QString &outputPath,
                                        const LogExportContext &context, const LogReporter &reporter)>;

    explicit LogStore(QObject *parent = nullptr);
    // Waits for conversions still running: they report through this object.
    ~LogStore() override;

    // The platform's writable generic data location + "/Ardix/" (trailing separator), created on
    // first use.
    static QString localDirectory();

    // `localLogsFilesList`: the "*.elog" files of the local folder, newest first.
    QVariantList localLogsFilesList() const;
    // `logsFilesList`: the device's list as last received.
    QVariantList logsFilesList() const;
    QByteArray deviceListBytes() const { return m_deviceList; }

    // A `LogsFileListData` payload: replaces the list when it is whole 9-byte entries (then
    // logsFileListUpdateSignal), ignored otherwise; hideBusy either way.
    void handleLogsFileListData(const QByteArray &payload);

    // A downloaded log: local folder + name + ".elog", replacing a file of that name; false when
    // it cannot be written. The download announces the new file itself.
    bool storeDownloadedLog(const QString &name, const QByteArray &bytes);

    QString importElog(const QString &inputPath);
    void exportElog(const QString &inputPath, const QString &outputPath);
    // Formats 0, 1 and 3 start on the global thread pool with `context` and return the running
    // task (its result is the converter's); format 2 runs at once; anything else does nothing.
    QFuture<int> exportLog_x64(const QString &inputPath, const QString &outputPath, int format,
                               const LogExportContext &context);
    void finishLogExport(const QString &outputPath);
    void deleteFileWithAbsolutePath(const QString &filename);

    // An ".elog" handed to the client: the laps window opens for it.
    void handOffElog(const QString &urlOrPath);

    // The LD converter (format 3); the LD export unless a test replaces it.
    void setLdConverter(Converter converter) { m_ldConverter = std::move(converter); }
    bool hasLdConverter() const { return bool(m_ldConverter); }

    // Callbacks that raise this object's signals; safe to call from any thread (the signals reach
    // receivers on the interface thread queued).
    LogReporter reporter();

signals:
    void hideBusy();
    void progressMoving(uint progress);
    void showInfoMessage(QString text);
    void localLogsFileListUpdateSignal();
    void logsFileListUpdateSignal();
    void incomingElog_signal(QString elog_path);

private:
    QFuture<int> track(QFuture<int> task);

    QByteArray m_deviceList;
    Converter m_ldConverter;
    QList<QFuture<int>> m_tasks;
};

inline const QString kLogExportedText = QStringLiteral("Успешно экспортирован лог\n");
