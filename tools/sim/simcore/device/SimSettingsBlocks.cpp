#include "simcore/device/SimSettingsBlocks.h"

#include "simcore/SimFrame.h"
#include "simcore/device/DeviceBytes.h"

#include <zlib.h>

#include <initializer_list>

namespace SimSettings {

namespace {

using SimBytes::put;

struct Field
{
    int offset; // inside its record
    int width;  // 1, 2 or 4 bytes
    qint64 value;
};

void putField(QByteArray &b, int base, const Field &f)
{
    switch (f.width) {
    case 1: put<quint8>(b, base + f.offset, quint8(f.value)); break;
    case 2: put<quint16>(b, base + f.offset, quint16(f.value)); break;
    default: put<quint32>(b, base + f.offset, quint32(f.value)); break;
    }
}

void putArray(QByteArray &b, int at, int width, std::initializer_list<int> values)
{
    int i = 0;
    for (int v : values)
        putField(b, at, Field{i++ * width, width, v});
}

// Common settings a new dash comes with.
constexpr Field CommonDefaults[] = {
    {0, 1, 0},       // currSkin
    {1, 1, 3},       // can1BaudId
    {2, 1, 4},       // currEcuProtocol
    {3, 1, 1},       // isRu
    {244, 1, 50},    // ewp_minDuty
    {245, 1, 90},    // ewp_TargetTemp
    {246, 2, 3500},  // ewp_PID_Kp
    {248, 2, 20},    // ewp_PID_Ki
    {250, 2, 2000},  // ewp_PID_Kd
    {252, 1, 20},    // lcdPwmDuty
    {254, 1, 3},     // autoBrightness
    {255, 1, 100},   // lightSensorSensivity
    {268, 1, 1},     // settingsVer
    {276, 2, 10800}, // offsetFromUtc_seconds
    {296, 2, 5},     // gearsCount
    {298, 2, 3900},  // diffRatio
    {300, 4, 118375}, // wheelCircleLenght
    {494, 2, 1470},  // fuelType_stoichiometry
    {496 + 0, 1, 0x1E}, // logs: config
    {496 + 1, 1, 30},   // logs: rateHz
    {496 + 2, 1, 3},    // logs: maxFilesCount
    {496 + 3, 1, 2},    // logs: logFileSizeMB
    {496 + 4, 1, 10},   // logs: logPauseDelay
    {496 + 8, 1, 16},   // logs: trigger 1 source (engine speed)
    {496 + 9, 1, 17},   // logs: trigger 2 source (speed)
    {496 + 10, 2, 0x0005}, // logs: time and GPS modules
    {496 + 12, 2, 3000},
    {496 + 14, 2, 40},
    {496 + 16, 4, (1 << 1) | (1 << 2) | (1 << 3) | (1 << 12) | (1 << 16) | (1 << 17) | (1 << 18)},
    {648 + 30, 2, 0x0002}, // GPS: one-foot roll-out
};

// A few sensors switched on, enough for the dash screen to show something.
struct SensorDefault
{
    quint8 id;
    quint16 config; // bit 0 enabled, bit 2 value x 100, bit 3 warning on, bit 4 warn above
    quint16 preWarning, warningMax, warningMin, maxPossible;
};
constexpr SensorDefault SensorDefaults[] = {
    {1, 0x0D, 150, 1000, 100, 1000},   // oil pressure, bar x 100, warns below
    {2, 0x19, 120, 130, 0, 160},       // oil temperature
    {3, 0x19, 100, 105, 0, 130},       // water temperature
    {12, 0x0D, 1250, 1550, 1150, 1800}, // battery, V x 100
    {16, 0x19, 6800, 7200, 0, 8000},   // engine speed
    {17, 0x01, 0, 0, 0, 300},          // speed
    {18, 0x01, 0, 0, 0, 100},          // throttle
};

constexpr int SensorRecordSize = 60;
constexpr int SensorsOffset = 2040;
constexpr int CustomSensorsOffset = 3960;
constexpr int SensorCount = 32;
constexpr quint8 FirstCustomSensorId = 100;
constexpr quint16 CustomConfigBit = 1u << 1;
constexpr int SkinMode0 = 0; // skin 0, mode 0
constexpr quint8 SkinCells[] = {16, 17, 3, 2, 1, 12, 18};

// PDM board: recommended current per output (board variant 2).
int recommendedCurrent(int output)
{
    if (output == 1 || output == 6)
        return 25;
    if (output < 8)
        return 20;
    if (output < 28)
        return 8;
    return 15;
}

} // namespace

std::optional<DashPart> dashPart(quint8 dataType)
{
    for (const DashPart &p : DashParts)
        if (p.dataType == dataType)
            return p;
    return std::nullopt;
}

void sealCommonRecord(QByteArray &dash)
{
    const QByteArray rec = dash.mid(CommonOffset, CommonChecksumOffset);
    put<quint32>(dash, CommonOffset + CommonChecksumOffset, SimCodec::wordCrc(rec));
}

QByteArray defaultDashBlock(quint32 serial)
{
    QByteArray b(DashBlockSize, '\0');
    for (int i = 0; i < int(sizeof(SkinCells)); ++i)
        b[SkinMode0 + i] = char(SkinCells[i]);
    // Every record names its sensor, as a device's does; custom ones carry the custom bit.
    for (int i = 0; i < SensorCount; ++i) {
        put<quint8>(b, SensorsOffset + i * SensorRecordSize, quint8(i));
        const int custom = CustomSensorsOffset + i * SensorRecordSize;
        put<quint8>(b, custom, quint8(FirstCustomSensorId + i));
        put<quint16>(b, custom + 2, CustomConfigBit);
    }
    for (const SensorDefault &s : SensorDefaults) {
        const int at = SensorsOffset + s.id * SensorRecordSize;
        put<quint8>(b, at, s.id);
        put<quint16>(b, at + 2, s.config);
        put<quint16>(b, at + 32, s.preWarning);
        put<quint16>(b, at + 34, s.warningMax);
        put<quint16>(b, at + 36, s.warningMin);
        put<quint16>(b, at + 38, s.maxPossible);
    }
    for (const Field &f : CommonDefaults)
        putField(b, CommonOffset, f);
    putArray(b, CommonOffset + 4, 1, {5, 11, 0, 4, 4, 12, 12, 6, 6, 6, 6, 6, 6, 1, 1});
    putArray(b, CommonOffset + 280, 4, {1000, 1000, 1000, 1000});
    putArray(b, CommonOffset + CommonGearRatiosOffset, 2,
             {3251, 1955, 1310, 1000, 753, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500,
              500, 500, 500, 500, 500, 500, 500, 500});
    putArray(b, CommonOffset + 356, 1, {1, 3, 100, 90, 10, 1, 2, 120, 110, 10, 0, 0, 100, 90, 10});
    putArray(b, CommonOffset + 592, 2,
             {80, 100, 200, 200, 250, 300, 350, 400, 400, 400, 400, 400, 400, 400, 400, 400, 400});
    put<quint16>(b, CommonOffset + 270, quint16(serial));
    SimBytes::putText(b, CommonOffset + 720, 32, "Ardix sim");
    sealCommonRecord(b);
    put<quint32>(b, DashShortBlockSize, ExtraSettingsMarker);
    return b;
}

QByteArray defaultPdmBlock(quint32 serial)
{
    QByteArray b(PdmBlockSize, '\0');
    put<quint32>(b, PdmSerialOffset, serial);
    put<quint16>(b, 10, 400); // PWM frequency
    SimBytes::putText(b, 84, 32, "PDM sim");
    for (int i = 0; i < 24; ++i)
        SimBytes::putText(b, 2672 + 32 * i, 32, "In " + QByteArray::number(i + 1));
    for (int o = 0; o < 32; ++o) {
        const int at = 4096 + 92 * o;
        const int rec = recommendedCurrent(o);
        SimBytes::putText(b, at, 32, o < 30 ? "Out " + QByteArray::number(o + 1) : QByteArray());
        put<quint32>(b, at + 32, 1);
        put<quint16>(b, at + 36, rec < 20 ? 1000 : 1500);
        put<quint8>(b, at + 38, rec < 20 ? 40 : 80);
        put<quint8>(b, at + 39, quint8(rec));
        put<quint8>(b, at + 41, 3);
        put<quint16>(b, at + 42, 2000);
        put<quint8>(b, at + 46, 60);
    }
    sealPdmBlock(b);
    return b;
}

void sealPdmBlock(QByteArray &block)
{
    put<quint32>(block, 0, SimCodec::wordCrc(block.mid(4)));
}

bool pdmBlockSealed(const QByteArray &block)
{
    return block.size() == PdmBlockSize
           && SimBytes::get<quint32>(block, 0) == SimCodec::wordCrc(block.mid(4));
}

bool pdmPasswordSet(const QByteArray &pdm)
{
    return pdm.size() > PdmFlagsOffset && (quint8(pdm[PdmFlagsOffset]) & 0x80);
}

QByteArray pdmPasswordHash(const QByteArray &pdm)
{
    return pdm.mid(PdmPasswordHashOffset, PdmPasswordHashSize);
}

std::optional<QByteArray> gunzipExact(const QByteArray &gz, int expectedSize)
{
    if (gz.isEmpty())
        return std::nullopt;
    QByteArray out(expectedSize + 1, '\0'); // one spare byte tells an oversized stream
    z_stream zs{};
    if (inflateInit2(&zs, 15 + 16) != Z_OK)
        return std::nullopt;
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(gz.constData()));
    zs.avail_in = uInt(gz.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = inflate(&zs, Z_FINISH);
    const qint64 produced = qint64(zs.total_out);
    inflateEnd(&zs);
    if (rc != Z_STREAM_END || produced != expectedSize)
        return std::nullopt;
    out.truncate(expectedSize);
    return out;
}

QByteArray gzip(const QByteArray &raw)
{
    z_stream zs{};
    deflateInit2(&zs, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&zs, uLong(raw.size()))) + 64, '\0');
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(raw.constData()));
    zs.avail_in = uInt(raw.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    deflate(&zs, Z_FINISH);
    out.truncate(int(zs.total_out));
    deflateEnd(&zs);
    return out;
}

} // namespace SimSettings
