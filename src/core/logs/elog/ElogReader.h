#pragma once
// The one reader of ".elog" files. Everything that consumes a log (CSV, LD, laps) goes through
// parseElogBody()/readElog() and then reads samples straight out of ElogData::body.
//
// The parsing functions are pure (bytes in, result out) and safe on any input; readElog() adds the
// file I/O and, in its reporting overload, the user-facing messages (hideBusy + showInfoMessage).

#include "logs/LogReporter.h"
#include "logs/elog/ElogChannels.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstring>
#include <vector>

// The parsed log. `body` owns every channel block; the other fields index into it.
struct ElogData
{
    uint8_t version = 0;
    uint8_t logRate = 0;      // records per second; never 0 in a successfully read non-empty log
    uint8_t channelCount = 0;
    uint32_t recordCount = 0;

    std::vector<uint8_t> channelIds;      // storage order
    std::vector<uint32_t> channelData;    // start of each channel's block inside `body`
    // Samples per channel (block size / sample size). Filled for every version: for version 0
    // each entry is recordCount, so consumers need no version check.
    std::vector<uint32_t> channelSamples;
    std::vector<uint8_t> slowChannels;    // ids whose sample count differs from recordCount

    float startPointLat = 0.0f;
    float startPointLon = 0.0f;
    float startPointCourse = 0.0f;

    std::vector<uint8_t> customAttributes; // one per custom channel (ids 100..131), channel order
    QStringList customNames;               // same order; "Custom <id>" when the stored name is empty

    QString fileName;                      // without directory
    QByteArray body;                       // decompressed body

    // Position of `id` in channelIds, or -1.
    int channelIndex(uint8_t id) const;
    bool isSlow(uint8_t id) const;
    bool hasChannel(uint8_t id) const { return channelIndex(id) >= 0; }

    // Start of channel `index`'s block (index into channelIds, not an id).
    const uchar *block(int index) const
    {
        return reinterpret_cast<const uchar *>(body.constData()) + channelData[size_t(index)];
    }
    // Sample `i` of channel `index`; the caller keeps i < channelSamples[index].
    const uchar *sample(int index, uint32_t i) const
    {
        return block(index) + size_t(i) * size_t(elog::sampleSize(channelIds[size_t(index)]));
    }
    int16_t sensorSample(int index, uint32_t i) const
    {
        int16_t v;
        std::memcpy(&v, block(index) + size_t(i) * 2u, 2); // log bodies are little-endian, as is every target
        return v;
    }
};

enum class ElogError {
    None,
    FileNotFound,       // "Похоже файл не найден"
    Corrupt,            // decompression gave nothing (or refused a hostile envelope)
    BadTables,          // version 0 tables do not fit
    SizeTable,          // #1201
    ZeroRate,           // #1202
    BadChannel,         // #1203
    Version0Sizes,      // #1204
    // Damaged bodies the tables alone do not catch; shown as "Похоже файл поврежден".
    ShortBody,          // shorter than any header
    NoChannels,
    NoRecords,
    RecordCount,        // no channel's data carries the record count
};

// The exact text shown to the user for an error ("" for None).
QString elogErrorMessage(ElogError error);

struct ElogReadResult
{
    ElogError error = ElogError::None;
    QString detail;    // on failure, the precise cause (English, for logs and tools)
    ElogData data;     // valid only when ok()

    bool ok() const { return error == ElogError::None; }
    QString message() const { return elogErrorMessage(error); }
};

// Parses a decompressed body. Never reads outside `body`. A log without channels or records, or
// whose record count no channel's data carries, is refused: nothing could bound what a
// conversion would make of it.
[[nodiscard]] ElogReadResult parseElogBody(const QByteArray &body, const QString &fileName = QString());

// Inflates a whole file's bytes (4-byte big-endian length + zlib stream) and parses the body.
[[nodiscard]] ElogReadResult decodeElogFile(const QByteArray &fileBytes, const QString &fileName = QString());

// Reads the file at `path`. Pure apart from the file read: nothing is reported.
[[nodiscard]] ElogReadResult readElog(const QString &path);

// Same, and on failure emits hideBusy, showInfoMessage(message) and failureReason(detail)
// through `reporter`.
[[nodiscard]] ElogReadResult readElog(const QString &path, const LogReporter &reporter);
