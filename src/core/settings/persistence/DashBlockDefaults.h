#pragma once
// What the client writes into the dash settings block by itself: the defaults used when nothing
// valid is stored, the upgrade of the older 16,588-byte form, and the corrections applied each time
// the stored block is loaded. Pure functions over the block; the store decides when they run.

#include "settings/dash/DashSettingsImage.h"

#include <array>
#include <cstdint>

namespace persistence {

// Default `can1BaudId` (a CanbusBauds value) per ECU protocol 0..20, given to blocks written before
// the field existed (`settingsVer` 0). Protocols whose ECU talks 500 kbit/s get that rate; everything
// else, the serial protocols included, keeps the block's default of 1 Mbit/s, which the dash's own
// expansion modules use.
extern const std::array<int8_t, 21> kDefaultCanRates;

constexpr uint16_t kDefaultStoichiometry = 1470;
constexpr uint16_t kMaxStoichiometry = 5000;
constexpr uint8_t kMinSkinModes = 5;

// Skin 0's settings and cells; other skins are left alone.
void writeDefaultSkins(DashSettingsImage &image);
// Both sensor lists as the sensor catalogue resets them: standard sensors from their catalogue
// rows, custom sensors empty (ids 100..131, custom bit).
void writeDefaultSensors(DashSettingsImage &image);
// Zero, then skins, common record (logging, GPS, oil pressure, fans, gears), custom analog sensor
// "Бак", extra settings defaults, both sensor lists, and the common checksum. False when a default
// names a field the dash layout tables do not have (the rest is still written).
bool writeAllDefaults(DashSettingsImage &image);

// Older clients kept the lamp of each dash digital input in the common record; the extra settings
// keep a source per lamp instead. Each assigned input whose lamp has no source yet becomes that
// lamp's source. True when at least one lamp was given a source.
bool transferOldExtraSettings(DashSettingsImage &image);

// The block the client holds once it takes `block` from a file: a 16,588-byte block gets the extra
// settings defaults and its old lamp assignments moved into them; any other block stays as it is.
QByteArray dashBlockAsLoaded(const QByteArray &block);

// Writes the word CRC-32 of the common record's first 976 bytes into its checksum field.
void refreshCommonChecksum(DashSettingsImage &image);

// The corrections of a block loaded from the store: at least five modes on skin 0, the computer's
// offset from UTC, a usable stoichiometric ratio, and the CAN rate of blocks older than
// `settingsVer` 1. True when the block changed and must be stored again.
bool applyLoadCorrections(DashSettingsImage &image, int utcOffsetSeconds);

struct SkinState
{
    int skin = 0;
    int mode = 0; // that skin's DefaultMode
};
SkinState skinStateOf(const DashSettingsImage &image);

// Logging on with a rate the current firmware no longer offers (10, 25 and 50 Hz remain).
bool logsRateMustBeChanged(const DashSettingsImage &image);

} // namespace persistence
