#pragma once
// The settings blocks the simulated dash and PDM keep, their default contents and the layout of
// the parts the client may upload one at a time.

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace SimSettings {

inline constexpr int DashBlockSize = 28876;
inline constexpr int DashShortBlockSize = 16588; // firmware before 0.945 knows only this much
inline constexpr int PdmBlockSize = 40960;
inline constexpr quint32 ExtraSettingsMarker = 0x70809000u;

// Data types of the link that carry settings.
enum SettingsDataType : quint8 {
    AllData = 0,
    CommonSettingsData = 1,
    AllSensorData = 2,
    AllCustomSensorData = 3,
    SkinsPosData = 4,
    CustomAnalogSensorsData = 5,
    PdmCommonSettings = 13,
    PdmDEFAULTCommonSettings = 20,
    DashExtraSettingsData = 21,
};

struct DashPart
{
    quint8 dataType;
    int offset;
    int size;
    const char *name;
};

inline constexpr DashPart DashParts[] = {
    {SkinsPosData, 0, 2040, "skin positions"},
    {AllSensorData, 2040, 1920, "sensors"},
    {AllCustomSensorData, 3960, 1920, "custom sensors"},
    {CommonSettingsData, 5880, 980, "common settings"},
    {CustomAnalogSensorsData, 6860, 9728, "custom analog sensors"},
    {DashExtraSettingsData, 16588, 12288, "extra settings"},
};

constexpr bool partsTileTheBlock()
{
    int end = 0;
    for (const DashPart &p : DashParts) {
        if (p.offset != end || p.size <= 0)
            return false;
        end = p.offset + p.size;
    }
    return end == DashBlockSize;
}
static_assert(partsTileTheBlock(), "dash parts must follow each other and fill the block");
static_assert(DashParts[5].offset == DashShortBlockSize, "extra settings start after the short block");

// The part a data type uploads, or nothing for types that are not dash parts.
std::optional<DashPart> dashPart(quint8 dataType);

// Offsets inside the blocks that the device itself reads.
inline constexpr int CommonOffset = 5880;
inline constexpr int CommonChecksumOffset = 976;   // inside the common record
inline constexpr int CommonGearRatiosOffset = 304; // uint16[24], ratio x 1000
inline constexpr int CommonAccelCalibrationOffset = 648 + 32;
inline constexpr int PdmSerialOffset = 4;
inline constexpr int PdmFlagsOffset = 19;
inline constexpr int PdmPasswordHashOffset = 20;
inline constexpr int PdmPasswordHashSize = 64;

QByteArray defaultDashBlock(quint32 serial);
QByteArray defaultPdmBlock(quint32 serial);

// Word CRC of bytes 4.. into the first four bytes, as the PDM keeps it.
void sealPdmBlock(QByteArray &block);
bool pdmBlockSealed(const QByteArray &block);
// The common settings record's own checksum (last word of the record).
void sealCommonRecord(QByteArray &dashBlock);

bool pdmPasswordSet(const QByteArray &pdmBlock);
QByteArray pdmPasswordHash(const QByteArray &pdmBlock);

// gzip (RFC 1952) inflate that refuses anything but exactly expectedSize bytes of output.
std::optional<QByteArray> gunzipExact(const QByteArray &gz, int expectedSize);
// gzip deflate at level 9, as the client sends blocks (for tests and tools).
QByteArray gzip(const QByteArray &raw);

} // namespace SimSettings
