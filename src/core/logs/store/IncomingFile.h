#pragma once
// Classification of a file handed to the client (command line, second instance, open-with).

#include <QString>
#include <QVariantMap>

#include <optional>

inline const QString kUnknownFileText = QStringLiteral("Неизвестный файл!");

// {"deviceId", "fileType", "isImport": true, "url", "fileName"} chosen by the file's ending, or
// nothing when the file does not exist (the caller shows kUnknownFileText).
std::optional<QVariantMap> classifyIncomingFile(const QString &url);
