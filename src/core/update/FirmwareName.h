#pragma once
// Firmware file names: device type, version, size in kilobytes, date, MD5 of the content
// (upper-case hexadecimal) and a last field, joined by "_".

#include <QString>
#include <QStringList>

#include <optional>

namespace FirmwareName {

inline constexpr int FieldCount = 6;
inline constexpr int TypeField = 0, VersionField = 1, SizeField = 2, DateField = 3, Md5Field = 4;
inline constexpr char DashType[] = "firmware";
inline constexpr char PdmType[] = "pdmFirmware";

// The six fields, or nothing for a name with another number of fields.
std::optional<QStringList> fields(const QString &fileName);
// The float of the characters after the channel letter, at most four ("S1.23" -> 1.23).
float versionNumber(const QString &version);
// The server folder of a channel letter: "stable/", "beta/", "personal/", or none.
QString channelFolder(const QString &letter);
// Whether a name from the server can be used as a file of the firmware folder: not empty, no folder
// part, no way up or out of it.
bool isPlainFileName(const QString &name);
// The largest body a file of this name may have (its kilobytes, rounded up), or nothing when the
// name gives no size.
std::optional<qint64> maxBytes(const QStringList &fields);
// A test build ("firmware_T..." or "pdmFirmware_T...") is kept when the server stops listing it.
bool isTestBuild(const QString &fileName);

} // namespace FirmwareName
