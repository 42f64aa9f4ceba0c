#pragma once
// What a background log conversion reads from the settings, copied before it starts so that the
// interface thread may keep editing meanwhile. The kernel fills it on the interface thread; tools
// and tests start from builtinCatalogue().

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

#include <QByteArray>

#include <functional>

class TheSensorConfig;
namespace ArdixCatalogue {
struct SensorSnapshot;
}

// One sensor as the converters see it; index in LogExportContext::sensors = channel id.
struct LogSensorInfo
{
    bool present = false;      // false where getSensor(id) returns null
    bool isFloat = false;      // raw values are hundredths
    bool custom = false;
    QString shortNameEn;       // CSV header of a standard sensor
    QString shortSensorName;   // CSV header of a custom or lap sensor (language as shown)
    QString ldName;
    QString ldShortName;
    QString ldUnits;
    uint32_t ldChannelId = 0;

    // From the settings' snapshot of a live sensor object (taken on the interface thread).
    static LogSensorInfo fromSnapshot(const ArdixCatalogue::SensorSnapshot &snapshot, const QString &shortNameEn);
};

struct LogExportContext
{
    static constexpr int kPdmInputCount = 20;
    static constexpr int kPdmOutputCount = 30;

    // Same id ranges as the kernel's getSensor: 0..31 standard, 100..163 custom, 164..179 lap.
    std::array<LogSensorInfo, 256> sensors{};

    // PDM names as stored (each cut at its first zero byte), not yet transliterated.
    QStringList pdmInputNames;   // kPdmInputCount entries (missing ones read as "")
    QStringList pdmOutputNames;  // kPdmOutputCount entries

    uint32_t dashSerialNum = 0;  // LD header "Ardix <serial>"

    // The start line of the current dash settings (used when a log carries none).
    float startPointLat = 0.0f;
    float startPointLon = 0.0f;
    float startPointCourse = 0.0f;

    const LogSensorInfo *sensor(uint8_t id) const { return sensors[id].present ? &sensors[id] : nullptr; }
    QString pdmInputName(int i) const { return i < pdmInputNames.size() ? pdmInputNames.at(i) : QString(); }
    QString pdmOutputName(int i) const { return i < pdmOutputNames.size() ? pdmOutputNames.at(i) : QString(); }

    // Copies what the conversions read from the live settings; call on the interface thread.
    // `getSensor` is the kernel's lookup (null where there is no object); `pdmBlock` the current
    // PDM settings block, whose input and output names are taken.
    static LogExportContext capture(const std::function<const TheSensorConfig *(uint8_t id)> &getSensor,
                                    const QByteArray &pdmBlock, uint32_t dashSerialNum, float startPointLat,
                                    float startPointLon, float startPointCourse);

    // The factory sensor catalogue in English (26 standard sensors, blank entries up to 31, the
    // five lap sensors), no custom sensors, empty PDM names. For tools and tests without a kernel.
    static LogExportContext builtinCatalogue();
};
