#pragma once
#include <QtGlobal>
// Texts flashing shows, exactly as the user sees them.

namespace FlashText {
inline constexpr char Success[] = QT_TRANSLATE_NOOP("KernelText", "Обновление успешно установлено!");
inline constexpr char PdmBoot[] = QT_TRANSLATE_NOOP("KernelText", "PDM в режиме\nобновления");
inline constexpr char DashBoot[] = QT_TRANSLATE_NOOP("KernelText", "устройство в\nрежиме обновления");
inline constexpr char NoFile[] = QT_TRANSLATE_NOOP("KernelText", "Файл прошивки не найден, загрузите его заново");
inline constexpr char DamagedFile[] =
    QT_TRANSLATE_NOOP("KernelText", "Файл прошивки поврежден: его контрольная сумма не совпадает с указанной в имени файла. Загрузите его заново");
inline constexpr char Failed[] =
    QT_TRANSLATE_NOOP("KernelText", "ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все "
    "сначала. При использовании WiFi рабочая дистанция ограничена");
inline constexpr char Aborted[] =
    QT_TRANSLATE_NOOP("KernelText", "ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все "
    "сначала. При использовании WiFi рабочая дистанция ограничена!");
inline constexpr char BadFirmware[] = QT_TRANSLATE_NOOP("KernelText", "ОШИБКА, что-то пошло не так. Возможно файл поврежден!");
inline constexpr char WrongSerialPdm[] =
    QT_TRANSLATE_NOOP("KernelText", "ОШИБКА, данная прошивка предназначена для другого устройства, серийный номер не совпадает!");
inline constexpr char DeviceTimeout[] =
    QT_TRANSLATE_NOOP("KernelText", "ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все сначала!");
inline constexpr char SettingsSize[] =
    QT_TRANSLATE_NOOP("KernelText", "ОШИБКА, размер настроек не соответствует версии, обновите прошивку и клиентское приложение!");
inline constexpr char OtherPdmError[] =
    QT_TRANSLATE_NOOP("KernelText", "ОШИБКА, при использовании WiFi рабочая дистанция ограничена, а также возможно файл поврежден!");
inline constexpr char WrongSerialDash[] = QT_TRANSLATE_NOOP("KernelText", "ОШИБКА, данная прошивка предназначена для другого устройства");
inline constexpr char DashTimeout[] =
    QT_TRANSLATE_NOOP("KernelText", "ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все сначала");
inline constexpr char OtherDashError[] =
    QT_TRANSLATE_NOOP("KernelText", "ОШИБКА, при использовании WiFi рабочая дистанция ограничена, а также возможно файл поврежден");
} // namespace FlashText
