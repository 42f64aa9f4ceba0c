#include "settings/catalogue/Vocabularies.h"

#include "settings/ArdixEnums.h"

#include <QVariantMap>
#include <iterator>

namespace ArdixCatalogue {
namespace {

using namespace ArdixEnums;

constexpr const char *kUnitsEn[UnitsCount] = {"", "C", " kPa", " Bar", "%", "V", "", "km.h", "G"};
constexpr const char *kUnitsRu[UnitsCount] = {"", "C", " кПа", " Бар", "%", "В", "", "км/ч", "G"};

constexpr const char *kAnalogGroupsNames[] = {
    "нет(или другое..)",
    "Давление(Относительное)",
    "Давление(Абсолютное)",
    "Температура жидкости с подтяжкой к 5В",
    "Температура жидкости",
    "Топливо воздушная смесь 0-5В",
    "Температура выхлопа 0-5В",
    "Температура воздуха с подтяжкой к 5В",
    "Температура воздуха",
    "Датчик положения 5В",
    "Датчик положения с подтяжкой",
    "Высокое давление 5В",
};
static_assert(std::size(kAnalogGroupsNames) == HighPressureSensors_5V + 1);

constexpr const char *kInputSourceTitles[InputSourceTitleCount] = {
    "нет(или другое)",
    "ECU",
    "Аналоговый вход",
    "Вход для импульсных датчиков",
    "Вход/Выход общего назначения",
    "Аналоговый вход",
    "GPS модуль",
    "(расчет из скорости и оборотов)",
    "Встроенный",
    "EGT -> CAN модуль",
    "CAN",
};

enum class IconBase { None, Icons, Skin };
struct LampRow
{
    int lampIndex;
    const char *name;
    IconBase base;
    const char *icon;
};

// Order as the lamp dialogs list them (front lock, centre lock, 4WD on, then rear lock).
constexpr LampRow kLamps[] = {
    {Lamp_ABS, "Неисправность ABS", IconBase::Icons, "abs.svg"},
    {Lamp_LeftTurn, "Левый поворотник", IconBase::Skin, "main/povorotnik_l.svg"},
    {Lamp_RightTurn, "Правый поворотник", IconBase::Skin, "main/povorotnik_p.svg"},
    {Lamp_ParkingLights, "Габаритные огни/Ближний свет", IconBase::Skin, "main/fari_b.svg"},
    {Lamp_HighBeam_Lights, "Дальний свет", IconBase::Skin, "main/fari_d.svg"},
    {Lamp_CheckEngine, "Неисправность двигателя", IconBase::Skin, "main/check_engine.svg"},
    {Lamp_FrontDiffOn, "Индикатор передней блокировки дифф.", IconBase::Icons, "awd_front_lock.svg"},
    {Lamp_MiddleDiffOn, "Индикатор меж-осевой блокировки дифф.", IconBase::Icons, "awd_central_lock.svg"},
    {Lamp_4WdOn, "Индикатор полного привода", IconBase::Icons, "awd_4wdOn.svg"},
    {Lamp_RearDiffOn, "Индикатор задней блокировки дифф.", IconBase::Icons, "awd_rear_lock.svg"},
    {Lamp_4WdError, "Неисправность полного привода", IconBase::Icons, "4WD_error.svg"},
    {Lamp_OdOff, "OverDrive OFF", IconBase::Icons, "OD_off.svg"},
    {Lamp_BrakesError, "Неисправность тормозной системы", IconBase::Icons, "brakes.svg"},
    {Lamp_OpenedDoors, "Открыта дверь", IconBase::Icons, "doors.svg"},
    {Lamp_LowOilPressure, "Низкое давление масла", IconBase::Icons, "oilPressure_red.svg"},
    {Lamp_DCCD_AutoMode, "DCCD Auto", IconBase::Skin, "DCCD/DCCD_V0_AUTO.svg"},
    {Lamp_DCCD_6_Lock, "DCCD Lock", IconBase::Skin, "DCCD/DCCD_V0_MODE0_6.svg"},
    {Lamp_DCCD_5, "DCCD 85%", IconBase::Skin, "DCCD/DCCD_V0_MODE0_5.svg"},
    {Lamp_DCCD_4, "DCCD 65%", IconBase::Skin, "DCCD/DCCD_V0_MODE0_4.svg"},
    {Lamp_DCCD_3, "DCCD 35%", IconBase::Skin, "DCCD/DCCD_V0_MODE0_3.svg"},
    {Lamp_DCCD_2, "DCCD 15%", IconBase::Skin, "DCCD/DCCD_V0_MODE0_2.svg"},
    {Lamp_DCCD_1, "DCCD 0%", IconBase::Skin, "DCCD/DCCD_V0_MODE0_1.svg"},
    {Lamp_Launch, "Launch control", IconBase::Icons, "rocket.svg"},
    {Lamp_User1, "User 1 (без иконки)", IconBase::None, nullptr},
    {Lamp_User2, "User 2 (без иконки)", IconBase::None, nullptr},
    {Lamp_User3, "User 3 (без иконки)", IconBase::None, nullptr},
    {Lamp_User4, "User 4 (без иконки)", IconBase::None, nullptr},
    {Lamp_User5, "User 5 (без иконки)", IconBase::None, nullptr},
    {Lamp_User6, "User 6 (без иконки)", IconBase::None, nullptr},
    {Lamp_User7, "User 7 (без иконки)", IconBase::None, nullptr},
    {Lamp_Gear_Neutral, "Передача: Нейтраль", IconBase::None, nullptr},
    {Lamp_Gear_Reverse, "Передача: Задний ход", IconBase::None, nullptr},
    {Lamp_Gear_Parking, "Передача: Парковка", IconBase::None, nullptr},
    {Lamp_Gear_Drive, "Передача: Drive", IconBase::None, nullptr},
    {Lamp_Gear_Manuall, "Передача: Ручной режим", IconBase::None, nullptr},
    {Lamp_Gear_1, "Передача: 1", IconBase::None, nullptr},
    {Lamp_Gear_2, "Передача: 2", IconBase::None, nullptr},
    {Lamp_Gear_3, "Передача: 3", IconBase::None, nullptr},
    {Lamp_Gear_4, "Передача: 4", IconBase::None, nullptr},
    {Lamp_Gear_5, "Передача: 5", IconBase::None, nullptr},
    {Lamp_Gear_6, "Передача: 6", IconBase::None, nullptr},
    {Lamp_Gear_7, "Передача: 7", IconBase::None, nullptr},
    {Lamp_Gear_8, "Передача: 8", IconBase::None, nullptr},
};

constexpr EcuProtocolInfo kEcuProtocols[EcuProtocolCount] = {
    {"Не выбрано", true},                       // EcuNone
    {"CAN OBD-II (500 kBit/s)", false},         // CanOBD
    {"Kline to Can adapter OBD-II", false},     // KlineOBD
    {"Link G4 Can GenericDash", true},          // CanLinkG4
    {"Link G4X/+ Can GenericDash", true},       // CanLinkG4Plus
    {"Haltech Can protocol V2", true},          // CanHaltechV2
    {"Motec M800 Can Set 3", true},             // CanMotecM800Set3
    {"Aim Rs-232", false},                      // CanRs232Aim
    {"Autronic SM4(v1.09) Rs-232", false},      // CanAutronicRs232
    {"AEMnet", true},                           // CanAemNetInfity
    {"Toyota Tundra 2012 (500 kBit/s)", false}, // CanToyotaTundra2012
    {"Pacman", false},                          // CanPacman
    {"Абит", true},                             // CanAbit
    {"Hondata KPro4", true},                    // CanHondataKPro4
    {"Vems HDLC Rs-232", false},                // CanVemsHDLC
    {"Motec M1", true},                         // CanMotecM1
    {"Subaru GRB 2008 (500 kBit/s)", false},    // CanSubaruGrb2008
    {"Mitsubishi Evo X (500 kBit/s)", false},   // CanEvoX
    {"Syvecs S7i Default", true},               // CanSyvecsS7i
    {"Ecumaster CAN", true},                    // CanEcumaster
    {"Ecumaster Rs232", false},                 // CanEcumasterRs232
    {"GEMS CAN", false},                        // CanGems
};
static_assert(EcuProtocolCount == CanGems + 1);

QStringList toList(const char *const *texts, int count)
{
    QStringList list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append(QString::fromUtf8(texts[i]));
    return list;
}

QVariantList ecuList(bool pdmOnly)
{
    QVariantList list;
    for (int i = 0; i < EcuProtocolCount; ++i) {
        const EcuProtocolInfo &e = kEcuProtocols[i];
        if (pdmOnly && !e.is4PDM)
            continue;
        list.append(QVariantMap{{QStringLiteral("idd"), i},
                                {QStringLiteral("name"), QString::fromUtf8(e.name)},
                                {QStringLiteral("is4PDM"), e.is4PDM}});
    }
    return list;
}

} // namespace

QStringList unitsList(bool isRu)
{
    return toList(isRu ? kUnitsRu : kUnitsEn, UnitsCount);
}

QString unitsText(int index, bool isRu)
{
    if (index < 0 || index >= UnitsCount)
        return {};
    return QString::fromUtf8(isRu ? kUnitsRu[index] : kUnitsEn[index]);
}

QStringList analogGroupsNames()
{
    return toList(kAnalogGroupsNames, int(std::size(kAnalogGroupsNames)));
}

QStringList inputSourceTitles()
{
    return toList(kInputSourceTitles, InputSourceTitleCount);
}

QString inputSourceTitle(int source)
{
    if (source < 0 || source >= InputSourceTitleCount)
        return {};
    return QString::fromUtf8(kInputSourceTitles[source]);
}

QVariantList lampsInfo()
{
    QVariantList list;
    for (const LampRow &lamp : kLamps) {
        QString icon;
        if (lamp.base == IconBase::Icons)
            icon = QLatin1String("qrc:/ARDIX/images/icons/") + QLatin1String(lamp.icon);
        else if (lamp.base == IconBase::Skin)
            icon = QLatin1String(SkinImageBase) + QLatin1String(lamp.icon);
        list.append(QVariantMap{{QStringLiteral("lampIndex"), lamp.lampIndex},
                                {QStringLiteral("icon"), icon},
                                {QStringLiteral("lampName"), QString::fromUtf8(lamp.name)}});
    }
    return list;
}

const EcuProtocolInfo *ecuProtocolInfo(int protocol)
{
    return protocol >= 0 && protocol < EcuProtocolCount ? &kEcuProtocols[protocol] : nullptr;
}

QVariantList ecuListArdix()
{
    return ecuList(false);
}

QVariantList ecuListPdm()
{
    return ecuList(true);
}

} // namespace ArdixCatalogue
