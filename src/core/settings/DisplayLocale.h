#pragma once
// The locale in which dates and month names are shown: the interface language's. Numbers keep
// the process-wide "C" locale; only texts for people go through this one. "C" until the
// interface sets it. Safe to read from background conversions.
#include <QLocale>

[[nodiscard]] QLocale displayLocale();
void setDisplayLocale(const QLocale &locale);
