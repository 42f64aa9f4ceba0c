#pragma once
// Latin spelling of Cyrillic names for exported files (CSV headers, LD channel names).

#include <QString>

// Letters of the table are replaced, every other character is kept.
QString transliterate(const QString &text);

// transliterate(), then every "," becomes " " so the name cannot split a CSV column.
QString csvSafeName(const QString &text);
