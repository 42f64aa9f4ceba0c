#pragma once
// Conversion of one ".elog" file into comma-separated text, optionally gzip-compressed.

#include "logs/LogExportContext.h"
#include "logs/LogReporter.h"
#include "logs/elog/ElogReader.h"

#include <QString>

namespace csv {

// Suffix appended to the chosen path when the text is compressed.
inline const QString kGzipSuffix = QStringLiteral(".gzip");

} // namespace csv

// Returns 1 on success, 0 on failure (the user has been told why). Reports progress at most 100
// times, then hideBusy, progressMoving(100) and finishLogExport(final path). The output appears
// only when complete; on failure nothing is left at the output path.
int convertElogToCSV(const QString &inputPath, const QString &outputPath, bool isNeedToCompress,
                     const LogExportContext &context, const LogReporter &reporter);
// The same on a log the caller has already read with readElog(inputPath, reporter).
int convertElogToCSV(const ElogReadResult &read, const QString &inputPath, const QString &outputPath,
                     bool isNeedToCompress, const LogExportContext &context, const LogReporter &reporter);
