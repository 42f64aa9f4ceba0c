#pragma once
// Firmware images the simulated devices accept: a file header the boot loaders read (device kind,
// the version the device runs after the update, and the MD5 of the body after the header), then a
// deterministic body.

#include <QByteArray>

#include <optional>

namespace SimFirmware {

enum class Kind { Dash, Pdm };

inline constexpr int DashHeaderSize = 164;
inline constexpr int PdmHeaderSize = 112;
inline constexpr int DashPayload = 40960;
inline constexpr int PdmPayload = 22528;

inline constexpr int headerSize(Kind kind) { return kind == Kind::Dash ? DashHeaderSize : PdmHeaderSize; }

// version: the four characters a KeepOnline answer carries ("S186").
QByteArray make(Kind kind, const QByteArray &version, int size, quint32 seed = 1);

// The version in a header made by make(), when it is one of that kind.
std::optional<QByteArray> versionOf(const QByteArray &image, Kind kind);
// The header names the other kind of device.
bool isForOtherDevice(const QByteArray &image, Kind kind);
// A whole image of that kind whose body is the one its header vouches for.
bool verify(const QByteArray &image, Kind kind);

} // namespace SimFirmware
