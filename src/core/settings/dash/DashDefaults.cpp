#include "settings/dash/DashDefaults.h"

#include "settings/dash/SettingsValueStore.h"
#include "settings/dash/TheCustomAnalogSensor.h"
#include "settings/dash/ThePreferenceTransport.h"
#include "settings/layout/Crc32Words.h"
#include "settings/layout/FieldCodec.h"
#include "settings/layout/LittleEndian.h"

#include <cstring>

using namespace dashLayout;

namespace {

// The defaults never touch the start line's name; keep them away from the real store.
class NoStore : public SettingsValueStore
{
public:
    QVariant value(const QString &, const QVariant &def) const override { return def; }
    void setValue(const QString &, const QVariant &) override {}
};

const QList<uint8_t> kSkin0Settings = {5, 11, 0, 4, 4, 12, 12, 6, 6, 6, 6, 6, 6, 1, 1};
const QList<uint16_t> kFirstGearRatios = {3251, 1955, 1310, 1000, 753};
constexpr uint16_t kOtherGearRatio = 500;
const QList<uint16_t> kFirstOilLevels = {80, 100, 200, 200, 250, 300, 350, 400};
constexpr uint16_t kOilLevelUpTo16 = 400;
constexpr int kLastOilLevelIndex = 16;

} // namespace

namespace dashDefaults {

void writeCommonDefaults(DashSettingsImage &image)
{
    NoStore store;
    ThePreferenceTransport c(&store);
    c.setCurrSkin(0);
    c.setCan1BaudId(3);
    c.setCurrEcuProtocol(4); // CanLinkG4Plus
    c.setIsRu(1);
    QList<QList<uint8_t>> skins(kSkins, QList<uint8_t>(24, 0));
    for (int i = 0; i < kSkin0Settings.size(); ++i)
        skins[0][i] = kSkin0Settings[i];
    c.setSkinsSettings(skins);
    c.setEwp_minDuty(50);
    c.setEwp_TargetTemp(90);
    c.setEwp_PID_Kp(3500);
    c.setEwp_PID_Ki(20);
    c.setEwp_PID_Kd(2000);
    c.setLcdPwmDuty(20);
    c.setShiftLightPwmDuty(0);
    c.setAutoBrightness(3);
    c.setLightSensorSensivity(100);
    c.setSettingsVer(1);
    c.setInputCaptureCorrection(QList<uint32_t>(4, 1000));
    c.setGearsCount(5);
    c.setDiffRatio(3900);
    c.setWheelCircleLenght(118375);
    QList<uint16_t> gears = kFirstGearRatios;
    while (gears.size() < 24)
        gears.append(kOtherGearRatio);
    c.setGearRatios(gears);
    c.setFansSettings({{1, 3, 100, 90, 10}, {1, 2, 120, 110, 10}, {0, 0, 100, 90, 10}});
    c.setFuelType_stoichiometry(1470);
    QList<uint16_t> oil = kFirstOilLevels;
    while (oil.size() <= kLastOilLevelIndex)
        oil.append(kOilLevelUpTo16);
    while (oil.size() < 20)
        oil.append(0);
    c.setOilPressWarningLevels(oil);

    LogsSettings *logs = c.logsSettings();
    logs->setConfig(0x1E);
    logs->setRateHz(30);
    logs->setMaxFilesCount(3);
    logs->setLogFileSizeMB(2);
    logs->setLogPauseDelay(10);
    logs->setLogTrigger1SourceId(16); // EngineRpm_index
    logs->setLogTrigger2SourceId(17); // Speed_index
    logs->setTrigger1Value(3000);
    logs->setTrigger2Value(40);
    c.gpsAccelerationMeasureSettings()->setConfigBits(0x0002); // one-foot roll-out

    unsigned char *common = image.data() + kCommonOffset;
    std::memset(common, 0, kCommonSize);
    layout::packRecord(&c, commonTable(), common);
    layout::packRecord(c.logsSettings(), logsTable(), common + kLogsOffset);
    layout::packRecord(c.gpsAccelerationMeasureSettings(), gpsTable(), common + kGpsOffset);
    layout::writeLE<uint32_t>(common + kCommonChecksumOffset, crc32Words(common, kCommonChecksumOffset));
}

void writeCustomAnalogDefaults(DashSettingsImage &image)
{
    unsigned char *area = image.data() + kCustomAnalogOffset;
    std::memset(area, 0, kCustomAnalogSize);
    TheCustomAnalogSensor tank;
    tank.setName(QStringLiteral("Бак"));
    tank.setSensorType(3); // TableResistance_CustomAnalogType
    tank.setTableSize(2);
    QList<QList<float>> table = tank.analogTable();
    table[0] = {0.0f, 90.0f};
    table[1] = {100.0f, 0.0f};
    tank.setAnalogTable(table);
    layout::packRecord(&tank, customAnalogTable(), area);
}

} // namespace dashDefaults
