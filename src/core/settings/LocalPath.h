#pragma once
#include <QString>

// Paths reach the core from the interface either as file URLs ("file:///C:/x.ardix7",
// "file:///home/u/x.ardix7") or as plain local paths. This gives the local path on every platform:
// a drive path stays a drive path and an absolute Unix path keeps its leading slash.
QString toLocalPath(const QString &urlOrPath);
