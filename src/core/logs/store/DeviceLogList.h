#pragma once
// The device's list of log files: 9 bytes per entry (fill percentage, start and end time as
// seconds since 1970 UTC), as the kernel's `logsFilesList` shows it.

#include <QByteArray>
#include <QVariantList>

#include <cstdint>

namespace devicelogs {

constexpr int kEntrySize = 9;
constexpr int kPercent = 0;    // uint8
constexpr int kStartTime = 1;  // uint32
constexpr int kEndTime = 5;    // uint32
static_assert(kPercent < kStartTime && kStartTime + 4 <= kEndTime && kEndTime + 4 <= kEntrySize,
              "device log entry fields must ascend and fit the entry");

// Times before this (2017-06-30 19:43:28 UTC) mean the device clock was not set.
constexpr uint32_t kClockSetSince = 1498851808;

bool isValidPayload(const QByteArray &payload);
// One map per entry: "percent" (int), "startDate", "endDate" ("dd MMM"), "startTime", "endTime"
// ("hh:mm"), in UTC; all four texts empty when either time is before kClockSetSince.
QVariantList formatList(const QByteArray &entries);

} // namespace devicelogs
