#include "settings/catalogue/AnalogPresets.h"

#include <iterator>

namespace ArdixCatalogue {
namespace {

// Quoted exactly as the device's calibration menu names them, odd spacing and spelling included.
// 1 Liquid_pressure_analog
constexpr const char * group1[] = {
    "AEM 30-2131-15G - 15  PSIg Brass Sensor 0-5 вольт",
    "AEM 30-2131-100 - 100 PSIg Brass Sensor 0-5 вольт",
    "AEM 30-2131-150 - 150 PSIg Brass Sensor 0-5 вольт",
    "AEM 30-2130-100 - 100 PSIg Stainless Sensor 0-5 вольт",
    "AEM 30-2130-150 - 150 PSIg Stainless Sensor 0-5 вольт",
    "AEM 30-2130-500 - 500 PSIg Stainless Sensor 0-5 вольт",
    "AEM 30-2130-1000 - 1000 PSIg Stainless Sensor 0-5 вольт",
    "AEM 30-2130-2000 - 2000 PSIg Stainless Sensor 0-5 вольт",
    "30 psi 0.5в - 4.5в",
    "60 psi 0.5в - 4.5в",
    "100 psi 0.5в - 4.5в",
    "150 psi 0.5в - 4.5в",
    "0-2 Бар 0.5в - 4.5в",
    "0-6 Бар 0.5в - 4.5в",
    "0-10 Бар 0.5в - 4.5в",
    "0-10 Бар 4.5в - 0.5в Defi",
};
// 2 Map_analog
constexpr const char * group2[] = {
    "AEM 30-2131-30 - 30 PSIa or 2 Bar Brass Sensor 0-5 вольт",
    "AEM 30-2131-50 - 50 PSIa or 3.5 Bar Brass Senso 0-5 вольт",
    "AEM 30-2131-75 - 75 PSIa or 5 Bar Brass Sensor 0-5 вольт",
    "AEM 30-2130-15 - 15 PSIa or 1 Bar Stainless Sensor 0-5 вольт",
    "AEM 30-2130-30 - 30 PSIa or 2 Bar Stainless Sensor 0-5 вольт",
    "AEM 30-2130-50 - 50 PSIa or 3.5 Bar Stainless Sensor 0-5 вольт",
    "AEM 30-2130-75 - 75 PSIa or 5 Bar Stainless Sensor Sensor 0-5 вольт",
    "-1 до 2 бар 0.05-5 вольт",
    "-14.5 до 30 PSI 0.5-4.5 вольт",
    "-1 до 2 бар 0.5-4.5 вольт",
    "-1 до 3 бар 0.5-4.5 вольт",
    "-1 до 4 бар 0.5-4.5 вольт",
    "-1 до 5 бар 0.5-4.5 вольт",
    "Defi PDF00603S",
};
// 4 Liquid_temperature_thermistor_analog
constexpr const char * group4[] = {
    "AEM 30-2012 - 1/8 Temperature Sensor",
    "TK_CGQ06 (Made in China) +/- 10 ºC",
    "GM 12146312",
    "BOSCH NTC 280130026",
    "Defi PDF00903S",
    "PT100",
    "PT1000",
};
// 5 Wideband_analog
constexpr const char * group5[] = {
    "Innovate Lm-1 - Digital Wideband 5 вольт (Gasoline)",
    "AEM 30-41x0 - Digital Wideband 5 вольт (Gasoline)",
    "AEM 30-0300 - X-SERIES UEGO GAUGE 5 вольт (Gasoline)",
    "Innovate LC-1 Wideband (Gasoline) 0V - 7.35, 5V - 22.35",
};
// 6 Egt_analog
constexpr const char * group6[] = {
    "AEM 30-0305, 30-5131 - EGT 5 вольт",
    "PLX iMFD Sensor Module SM-EGT 5V output",
    "AD597 with divider 4K7/3K +/- 10C",
};
// 8 Air_temperature_thermistor_analog
constexpr const char * group8[] = {
    "AEM 30-2010 - Air Temp Sensor термистор",
};
// 9 Level_5V_analog
constexpr const char * group9[] = {
    "SAMSONAS секвентальная кпп, 5 передач(5В подключение)",
};
// 10 Level_varistor_analog
constexpr const char * group10[] = {
    "SAMSONAS секвентальная кпп, 5 передач(белый и черный провода)",
};
// 11 HighPressureSensors_5V
constexpr const char * group11[] = {
    "AEM 30-2130-500 - 500 PSIg Stainless Sensor 0-5 вольт",
    "AEM 30-2130-1000 - 1000 PSIg Stainless Sensor 0-5 вольт",
    "AEM 30-2130-2000 - 2000 PSIg Stainless Sensor 0-5 вольт",
};

struct PresetGroup
{
    const char *const *names;
    int count;
};

template<std::size_t N>
constexpr PresetGroup group(const char *const (&names)[N])
{
    return {names, int(N)};
}

// Groups 0 (none), 3 and 7 (5 V pull-up temperatures) have no built-in presets.
constexpr PresetGroup kGroups[AnalogGroupCount] = {
    {nullptr, 0}, group(group1), group(group2), {nullptr, 0}, group(group4), group(group5),
    group(group6), {nullptr, 0}, group(group8), group(group9), group(group10), group(group11),
};

} // namespace

QStringList analogPresetNames(int group)
{
    QStringList names;
    if (group < 0 || group >= AnalogGroupCount)
        return names;
    const PresetGroup &g = kGroups[group];
    names.reserve(g.count);
    for (int i = 0; i < g.count; ++i)
        names.append(QString::fromUtf8(g.names[i]));
    return names;
}

QList<QStringList> analogPresetLists()
{
    QList<QStringList> lists;
    for (int g = 0; g < AnalogGroupCount; ++g)
        lists.append(analogPresetNames(g));
    return lists;
}

QVariantList analogPresetListsVariant()
{
    QVariantList lists;
    for (int g = 0; g < AnalogGroupCount; ++g)
        lists.append(QVariant(analogPresetNames(g)));
    return lists;
}

} // namespace ArdixCatalogue
