#include "settings/catalogue/Vocabularies.h"

#include <QCoreApplication>

#include "settings/ArdixEnums.h"

#include <QVariantMap>
#include <iterator>

namespace ArdixCatalogue {
namespace {

using namespace ArdixEnums;

constexpr const char *kUnitsEn[UnitsCount] = {"", "C", " kPa", " Bar", "%", "V", "", "km.h", "G"};
constexpr const char *kUnitsRu[UnitsCount] = {"", "C", " кПа", " Бар", "%", "В", "", "км/ч", "G"};

constexpr const char *kAnalogGroupsNames[] = {
    QT_TRANSLATE_NOOP("Vocabularies", "нет(или другое..)"),
    QT_TRANSLATE_NOOP("Vocabularies", "Давление(Относительное)"),
    QT_TRANSLATE_NOOP("Vocabularies", "Давление(Абсолютное)"),
    QT_TRANSLATE_NOOP("Vocabularies", "Температура жидкости с подтяжкой к 5В"),
    QT_TRANSLATE_NOOP("Vocabularies", "Температура жидкости"),
    QT_TRANSLATE_NOOP("Vocabularies", "Топливо воздушная смесь 0-5В"),
    QT_TRANSLATE_NOOP("Vocabularies", "Температура выхлопа 0-5В"),
    QT_TRANSLATE_NOOP("Vocabularies", "Температура воздуха с подтяжкой к 5В"),
    QT_TRANSLATE_NOOP("Vocabularies", "Температура воздуха"),
    QT_TRANSLATE_NOOP("Vocabularies", "Датчик положения 5В"),
    QT_TRANSLATE_NOOP("Vocabularies", "Датчик положения с подтяжкой"),
    QT_TRANSLATE_NOOP("Vocabularies", "Высокое давление 5В"),
};
static_assert(std::size(kAnalogGroupsNames) == HighPressureSensors_5V + 1);

constexpr const char *kInputSourceTitles[InputSourceTitleCount] = {
    QT_TRANSLATE_NOOP("Vocabularies", "нет(или другое)"),
    "ECU",
    QT_TRANSLATE_NOOP("Vocabularies", "Аналоговый вход"),
    QT_TRANSLATE_NOOP("Vocabularies", "Вход для импульсных датчиков"),
    QT_TRANSLATE_NOOP("Vocabularies", "Вход/Выход общего назначения"),
    QT_TRANSLATE_NOOP("Vocabularies", "Аналоговый вход"),
    QT_TRANSLATE_NOOP("Vocabularies", "GPS модуль"),
    QT_TRANSLATE_NOOP("Vocabularies", "(расчет из скорости и оборотов)"),
    QT_TRANSLATE_NOOP("Vocabularies", "Встроенный"),
    QT_TRANSLATE_NOOP("Vocabularies", "EGT -> CAN модуль"),
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
    {Lamp_ABS, QT_TRANSLATE_NOOP("Vocabularies", "Неисправность ABS"), IconBase::Icons, "abs.svg"},
    {Lamp_LeftTurn, QT_TRANSLATE_NOOP("Vocabularies", "Левый поворотник"), IconBase::Skin, "main/povorotnik_l.svg"},
    {Lamp_RightTurn, QT_TRANSLATE_NOOP("Vocabularies", "Правый поворотник"), IconBase::Skin, "main/povorotnik_p.svg"},
    {Lamp_ParkingLights, QT_TRANSLATE_NOOP("Vocabularies", "Габаритные огни/Ближний свет"), IconBase::Skin, "main/fari_b.svg"},
    {Lamp_HighBeam_Lights, QT_TRANSLATE_NOOP("Vocabularies", "Дальний свет"), IconBase::Skin, "main/fari_d.svg"},
    {Lamp_CheckEngine, QT_TRANSLATE_NOOP("Vocabularies", "Неисправность двигателя"), IconBase::Skin, "main/check_engine.svg"},
    {Lamp_FrontDiffOn, QT_TRANSLATE_NOOP("Vocabularies", "Индикатор передней блокировки дифф."), IconBase::Icons, "awd_front_lock.svg"},
    {Lamp_MiddleDiffOn, QT_TRANSLATE_NOOP("Vocabularies", "Индикатор меж-осевой блокировки дифф."), IconBase::Icons, "awd_central_lock.svg"},
    {Lamp_4WdOn, QT_TRANSLATE_NOOP("Vocabularies", "Индикатор полного привода"), IconBase::Icons, "awd_4wdOn.svg"},
    {Lamp_RearDiffOn, QT_TRANSLATE_NOOP("Vocabularies", "Индикатор задней блокировки дифф."), IconBase::Icons, "awd_rear_lock.svg"},
    {Lamp_4WdError, QT_TRANSLATE_NOOP("Vocabularies", "Неисправность полного привода"), IconBase::Icons, "4WD_error.svg"},
    {Lamp_OdOff, "OverDrive OFF", IconBase::Icons, "OD_off.svg"},
    {Lamp_BrakesError, QT_TRANSLATE_NOOP("Vocabularies", "Неисправность тормозной системы"), IconBase::Icons, "brakes.svg"},
    {Lamp_OpenedDoors, QT_TRANSLATE_NOOP("Vocabularies", "Открыта дверь"), IconBase::Icons, "doors.svg"},
    {Lamp_LowOilPressure, QT_TRANSLATE_NOOP("Vocabularies", "Низкое давление масла"), IconBase::Icons, "oilPressure_red.svg"},
    {Lamp_DCCD_AutoMode, "DCCD Auto", IconBase::Skin, "DCCD/DCCD_V0_AUTO.svg"},
    {Lamp_DCCD_6_Lock, "DCCD Lock", IconBase::Skin, "DCCD/DCCD_V0_MODE0_6.svg"},
    {Lamp_DCCD_5, "DCCD 85%", IconBase::Skin, "DCCD/DCCD_V0_MODE0_5.svg"},
    {Lamp_DCCD_4, "DCCD 65%", IconBase::Skin, "DCCD/DCCD_V0_MODE0_4.svg"},
    {Lamp_DCCD_3, "DCCD 35%", IconBase::Skin, "DCCD/DCCD_V0_MODE0_3.svg"},
    {Lamp_DCCD_2, "DCCD 15%", IconBase::Skin, "DCCD/DCCD_V0_MODE0_2.svg"},
    {Lamp_DCCD_1, "DCCD 0%", IconBase::Skin, "DCCD/DCCD_V0_MODE0_1.svg"},
    {Lamp_Launch, "Launch control", IconBase::Icons, "rocket.svg"},
    {Lamp_User1, QT_TRANSLATE_NOOP("Vocabularies", "User 1 (без иконки)"), IconBase::None, nullptr},
    {Lamp_User2, QT_TRANSLATE_NOOP("Vocabularies", "User 2 (без иконки)"), IconBase::None, nullptr},
    {Lamp_User3, QT_TRANSLATE_NOOP("Vocabularies", "User 3 (без иконки)"), IconBase::None, nullptr},
    {Lamp_User4, QT_TRANSLATE_NOOP("Vocabularies", "User 4 (без иконки)"), IconBase::None, nullptr},
    {Lamp_User5, QT_TRANSLATE_NOOP("Vocabularies", "User 5 (без иконки)"), IconBase::None, nullptr},
    {Lamp_User6, QT_TRANSLATE_NOOP("Vocabularies", "User 6 (без иконки)"), IconBase::None, nullptr},
    {Lamp_User7, QT_TRANSLATE_NOOP("Vocabularies", "User 7 (без иконки)"), IconBase::None, nullptr},
    {Lamp_Gear_Neutral, QT_TRANSLATE_NOOP("Vocabularies", "Передача: Нейтраль"), IconBase::None, nullptr},
    {Lamp_Gear_Reverse, QT_TRANSLATE_NOOP("Vocabularies", "Передача: Задний ход"), IconBase::None, nullptr},
    {Lamp_Gear_Parking, QT_TRANSLATE_NOOP("Vocabularies", "Передача: Парковка"), IconBase::None, nullptr},
    {Lamp_Gear_Drive, QT_TRANSLATE_NOOP("Vocabularies", "Передача: Drive"), IconBase::None, nullptr},
    {Lamp_Gear_Manuall, QT_TRANSLATE_NOOP("Vocabularies", "Передача: Ручной режим"), IconBase::None, nullptr},
    {Lamp_Gear_1, QT_TRANSLATE_NOOP("Vocabularies", "Передача: 1"), IconBase::None, nullptr},
    {Lamp_Gear_2, QT_TRANSLATE_NOOP("Vocabularies", "Передача: 2"), IconBase::None, nullptr},
    {Lamp_Gear_3, QT_TRANSLATE_NOOP("Vocabularies", "Передача: 3"), IconBase::None, nullptr},
    {Lamp_Gear_4, QT_TRANSLATE_NOOP("Vocabularies", "Передача: 4"), IconBase::None, nullptr},
    {Lamp_Gear_5, QT_TRANSLATE_NOOP("Vocabularies", "Передача: 5"), IconBase::None, nullptr},
    {Lamp_Gear_6, QT_TRANSLATE_NOOP("Vocabularies", "Передача: 6"), IconBase::None, nullptr},
    {Lamp_Gear_7, QT_TRANSLATE_NOOP("Vocabularies", "Передача: 7"), IconBase::None, nullptr},
    {Lamp_Gear_8, QT_TRANSLATE_NOOP("Vocabularies", "Передача: 8"), IconBase::None, nullptr},
};

constexpr EcuProtocolInfo kEcuProtocols[EcuProtocolCount] = {
    {QT_TRANSLATE_NOOP("Vocabularies", "Не выбрано"), true},                       // EcuNone
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
    {QT_TRANSLATE_NOOP("Vocabularies", "Абит"), true},                             // CanAbit
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
        list.append(QCoreApplication::translate("Vocabularies", texts[i]));
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
                                {QStringLiteral("name"), QCoreApplication::translate("Vocabularies", e.name)},
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
    return QCoreApplication::translate("Vocabularies", kInputSourceTitles[source]);
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
                                {QStringLiteral("lampName"), QCoreApplication::translate("Vocabularies", lamp.name)}});
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
