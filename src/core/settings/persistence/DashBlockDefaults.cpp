#include "settings/persistence/DashBlockDefaults.h"

#include "settings/ArdixEnums.h"
#include "settings/SensorContext.h"
#include "settings/TheSensorConfig.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/dash/DashLayout.h"
#include "settings/dash/ExtraLayout.h"
#include "settings/layout/Crc32Words.h"
#include "settings/layout/FieldCodec.h"
#include "settings/layout/LittleEndian.h"
#include "settings/persistence/RecordFields.h"

#include <QtGlobal>
#include <cstring>

namespace persistence {

using namespace dashLayout;

const std::array<int8_t, 21> kDefaultCanRates = {
    3, // EcuNone
    2, // CanOBD
    3, // KlineOBD
    3, // CanLinkG4
    3, // CanLinkG4Plus
    3, // CanHaltechV2
    3, // CanMotecM800Set3
    3, // CanRs232Aim
    3, // CanAutronicRs232
    2, // CanAemNetInfity
    2, // CanToyotaTundra2012
    3, // CanPacman
    3, // CanAbit
    3, // CanHondataKPro4
    3, // CanVemsHDLC
    3, // CanMotecM1
    2, // CanSubaruGrb2008
    2, // CanEvoX
    3, // CanSyvecsS7i
    3, // CanEcumaster
    3, // CanEcumasterRs232
};

namespace {

constexpr int kSkinSettingsCount = 24;
constexpr int kSkinBytes = kModes * kCells;
constexpr uint8_t kInputPorts = 4;
constexpr uint8_t kExtraInputPorts = 2;
constexpr uint8_t kLastLampIndex = ArdixEnums::Lamp_Gear_8;

RecordFields common(DashSettingsImage &image) { return {commonTable(), image.data() + kCommonOffset}; }
RecordFields common(const DashSettingsImage &image)
{
    return {commonTable(), const_cast<unsigned char *>(image.data()) + kCommonOffset};
}
RecordFields logs(DashSettingsImage &image) { return {logsTable(), image.data() + kCommonOffset + kLogsOffset}; }

// The catalogue's sensors read the language and ECU of the default common record.
class DefaultsContext : public SensorContext
{
public:
    bool isRu() const override { return true; }
    int currEcuProtocol() const override { return ArdixEnums::CanLinkG4Plus; }
};

void packSensorList(const QList<TheSensorConfig *> &sensors, unsigned char *list, int firstId)
{
    for (int i = 0; i < sensors.size() && i < kSensorsPerList; ++i) {
        unsigned char *rec = list + i * kSensorRecordSize;
        layout::packRecord(sensors[i], sensorTable(), rec);
        rec[0] = uint8_t(firstId + i);
        uint16_t config = uint16_t(sensors[i]->config() & 0x7E);
        if (sensors[i]->enable())
            config |= 1;
        layout::writeLE<uint16_t>(rec + 2, config);
    }
}

} // namespace

void writeDefaultSkins(DashSettingsImage &image)
{
    static const uint8_t kSkin0Settings[] = {5, 11, 0, 4, 4, 12, 12, 6, 6, 6, 6, 6, 6, 1, 1};
    // Sensor ids from cell 0; 0 is an empty cell.
    static const uint8_t kDefaultCells[kModes][11] = {
        {2, 13, 3, 1, 6, 4, 12, 9, 13, 19, 17},
        {2, 16, 3, 1, 6, 4, 12, 9, 19, 13, 17},
        {2, 13, 3, 1, 6, 4, 12, 16},
        {2, 13, 3, 1, 6, 4, 12, 16},
        {16, 18, 13},
        {},
    };

    unsigned char *settings = image.data() + kCommonOffset + common(image).offsetOf("skinsSettings");
    std::memset(settings, 0, kSkinSettingsCount);
    std::memcpy(settings, kSkin0Settings, sizeof kSkin0Settings);

    unsigned char *skin0 = image.data() + kSkinsPosOffset;
    std::memset(skin0, 0, kSkinBytes);
    for (int mode = 0; mode < kModes; ++mode)
        std::memcpy(skin0 + mode * dashLayout::kCells, kDefaultCells[mode], sizeof kDefaultCells[mode]);
}

void writeDefaultSensors(DashSettingsImage &image)
{
    DefaultsContext context;
    const QList<TheSensorConfig *> standard = ArdixCatalogue::createStandardSensors(&context, nullptr);
    const QList<TheSensorConfig *> custom = ArdixCatalogue::createCustomSensors(&context, nullptr);
    packSensorList(standard, image.data() + kSensorsOffset, 0);
    packSensorList(custom, image.data() + kCustomSensorsOffset, kCustomSensorFirstId);
    qDeleteAll(standard);
    qDeleteAll(custom);
}

bool writeAllDefaults(DashSettingsImage &image)
{
    std::memset(image.data(), 0, DashSettingsImage::kSize);
    writeDefaultSkins(image);

    RecordFields c = common(image);
    bool ok = c.set("can1BaudId", {ArdixEnums::CanbusBaud_1000kbps});
    ok &= c.set("currEcuProtocol", {ArdixEnums::CanLinkG4Plus});
    ok &= c.set("isRu", {1});
    ok &= c.set("ewp_minDuty", {50});
    ok &= c.set("ewp_TargetTemp", {90});
    ok &= c.set("ewp_PID_Kp", {3500});
    ok &= c.set("ewp_PID_Ki", {20});
    ok &= c.set("ewp_PID_Kd", {2000});
    ok &= c.set("lcdPwmDuty", {20});
    ok &= c.set("autoBrightness", {3});
    ok &= c.set("lightSensorSensivity", {100});
    ok &= c.set("settingsVer", {1});
    ok &= c.fill("inputCaptureCorrection", 1000);
    ok &= c.set("gearsCount", {5});
    ok &= c.set("diffRatio", {3900});
    ok &= c.set("wheelCircleLenght", {118375});
    ok &= c.fill("gearRatios", 500);
    ok &= c.set("gearRatios", {3251, 1955, 1310, 1000, 753});
    ok &= c.set("fansSettings", {1, 3, 100, 90, 10, 1, 2, 120, 110, 10, 0, 0, 100, 90, 10});
    ok &= c.set("fuelType_stoichiometry", {kDefaultStoichiometry});
    ok &= c.set("oilPressWarningLevels", {80, 100, 200, 200, 250, 300, 350, 400, 400, 400, 400, 400, 400,
                                          400, 400, 400, 400});

    RecordFields l = logs(image);
    ok &= l.set("config", {0x1E});
    ok &= l.set("rateHz", {30});
    ok &= l.set("maxFilesCount", {3});
    ok &= l.set("logFileSizeMB", {2});
    ok &= l.set("logPauseDelay", {10});
    ok &= l.set("logTrigger1SourceId", {ArdixEnums::EngineRpm_index});
    ok &= l.set("logTrigger2SourceId", {ArdixEnums::Speed_index});
    ok &= l.set("trigger1Value", {3000});
    ok &= l.set("trigger2Value", {40});

    RecordFields g(gpsTable(), image.data() + kCommonOffset + kGpsOffset);
    ok &= g.set("configBits", {0x0002});

    RecordFields tank(customAnalogTable(), image.data() + kCustomAnalogOffset);
    ok &= tank.setText("name", QStringLiteral("Бак"));
    ok &= tank.set("sensorType", {ArdixEnums::TableResistance_CustomAnalogType});
    ok &= tank.set("tableSize", {2});
    ok &= tank.set("analogTable", {0.0, 90.0, 100.0, 0.0});
    image.loadDefaultExtraSettings();
    writeDefaultSensors(image);
    refreshCommonChecksum(image);
    return ok;
}

bool transferOldExtraSettings(DashSettingsImage &image)
{
    const RecordFields c = common(image);
    unsigned char *lamps = image.data() + kExtraOffset + extraLayout::kLampsOffset;
    bool moved = false;
    auto bind = [&](int lamp, int input) {
        if (lamp < 1 || lamp > kLastLampIndex || lamp >= extraLayout::kLamps)
            return;
        unsigned char *rec = lamps + lamp * extraLayout::kSourceRecordSize;
        if (rec[0] != ArdixEnums::ChannelType_DisabledFunction)
            return; // the first input that drives a lamp keeps it
        rec[0] = ArdixEnums::ChannelType_ArdixInputsState;
        rec[1] = uint8_t(input);
        rec[2] = 0;
        rec[3] = 0;
        moved = true;
    };
    for (int i = 0; i < kInputPorts; ++i)
        bind(int(c.get("inputPortAssigment", i)), i);
    for (int i = 0; i < kExtraInputPorts; ++i)
        bind(int(c.get("inputExtraPortAssigment", i)), kInputPorts + i);
    return moved;
}

QByteArray dashBlockAsLoaded(const QByteArray &block)
{
    if (block.size() != DashSettingsImage::kShortSize)
        return block;
    DashSettingsImage image(block);
    image.loadDefaultExtraSettings();
    transferOldExtraSettings(image);
    return image.bytes();
}

void refreshCommonChecksum(DashSettingsImage &image)
{
    layout::writeLE<uint32_t>(image.data() + kCommonOffset + kCommonChecksumOffset, image.computeCommonChecksum());
}

bool applyLoadCorrections(DashSettingsImage &image, int utcOffsetSeconds)
{
    RecordFields c = common(image);
    bool changed = false;
    if (c.get("skinsSettings", ArdixEnums::ModesCount) < kMinSkinModes) {
        c.set("skinsSettings", {kMinSkinModes}, ArdixEnums::ModesCount);
        changed = true;
    }
    // The field holds the offset as a 16-bit value; compare it the way it is stored.
    const uint16_t offset = uint16_t(utcOffsetSeconds);
    if (uint16_t(c.get("offsetFromUtc_seconds")) != offset) {
        c.set("offsetFromUtc_seconds", {double(offset)});
        changed = true;
    }

    const double stoich = c.get("fuelType_stoichiometry");
    const bool stoichFixed = stoich == 0 || stoich > kMaxStoichiometry;
    if (stoichFixed)
        c.set("fuelType_stoichiometry", {kDefaultStoichiometry});
    const int version = int(c.get("settingsVer"));
    if (!stoichFixed && version == 1 && !changed)
        return false;
    const int ecu = int(c.get("currEcuProtocol"));
    if (version == 0 && ecu < int(kDefaultCanRates.size()))
        c.set("can1BaudId", {double(kDefaultCanRates[std::size_t(ecu)])});
    c.set("settingsVer", {1});
    refreshCommonChecksum(image);
    return true;
}

SkinState skinStateOf(const DashSettingsImage &image)
{
    const RecordFields c = common(image);
    SkinState s;
    s.skin = int(c.get("currSkin"));
    if (s.skin < kSkins)
        s.mode = int(c.get("skinsSettings", s.skin * kSkinSettingsCount + ArdixEnums::DefaultMode));
    return s;
}

bool logsRateMustBeChanged(const DashSettingsImage &image)
{
    const RecordFields l(logsTable(), const_cast<unsigned char *>(image.data()) + kCommonOffset + kLogsOffset);
    const int config = int(l.get("config"));
    const int rate = int(l.get("rateHz"));
    const bool loggingOn = (config >> ArdixEnums::Log_OnOff) & 1;
    return loggingOn && rate != 10 && rate != 25 && rate != 50;
}

} // namespace persistence
