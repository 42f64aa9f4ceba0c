#pragma once
#include <QString>
#include <QVariantMap>

#include <optional>

// Works out what a file handed to the client is (command line, second instance, open-with) from its
// ending. Returns the map the interface receives with incomingFileSignal
// {"deviceId", "fileType", "isImport", "url", "fileName"}, or nothing when the file does not exist.
std::optional<QVariantMap> classifyIncomingFile(const QString &url);
