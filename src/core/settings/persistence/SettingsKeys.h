#pragma once
// Keys of the application settings store (organisation and application "Ardix") that the kernel
// writes.

namespace persistence::keys {

inline constexpr const char *kOrganisation = "Ardix";
inline constexpr const char *kApplication = "Ardix";

inline constexpr const char *kAllSettingsData = "allSettingsData";
inline constexpr const char *kPdmCommonSettings = "pdmCommonSettings";
inline constexpr const char *kSsidWifi = "ssidWifi";
inline constexpr const char *kPassWifi = "passWifi";
inline constexpr const char *kPdmSsidWifi = "pdmSsidWifi";
inline constexpr const char *kPdmPassWifi = "pdmPassWifi";
inline constexpr const char *kSerialNum = "serialNum";
inline constexpr const char *kPdmSerialNumber = "pdmSerialNumber";
inline constexpr const char *kRefLapData = "refLapData";
inline constexpr const char *kStartPointName = "startPointName";

} // namespace persistence::keys
