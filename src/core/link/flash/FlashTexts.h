#pragma once
// Texts flashing shows, exactly as the user sees them.

namespace FlashText {
inline constexpr char Success[] = "Обновление успешно установлено!";
inline constexpr char PdmBoot[] = "PDM в режиме\nобновления";
inline constexpr char DashBoot[] = "устройство в\nрежиме обновления";
inline constexpr char NoFile[] = "Файл прошивки не найден, загрузите его заново";
inline constexpr char DamagedFile[] =
    "Файл прошивки поврежден: его контрольная сумма не совпадает с указанной в имени файла. Загрузите его заново";
inline constexpr char Failed[] =
    "ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все "
    "сначала. При использовании WiFi рабочая дистанция ограничена";
inline constexpr char Aborted[] =
    "ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все "
    "сначала. При использовании WiFi рабочая дистанция ограничена!";
inline constexpr char BadFirmware[] = "ОШИБКА, что-то пошло не так. Возможно файл поврежден!";
inline constexpr char WrongSerialPdm[] =
    "ОШИБКА, данная прошивка предназначена для другого устройства, серийный номер не совпадает!";
inline constexpr char DeviceTimeout[] =
    "ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все сначала!";
inline constexpr char SettingsSize[] =
    "ОШИБКА, размер настроек не соответствует версии, обновите прошивку и клиентское приложение!";
inline constexpr char OtherPdmError[] =
    "ОШИБКА, при использовании WiFi рабочая дистанция ограничена, а также возможно файл поврежден!";
inline constexpr char WrongSerialDash[] = "ОШИБКА, данная прошивка предназначена для другого устройства";
inline constexpr char DashTimeout[] =
    "ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все сначала";
inline constexpr char OtherDashError[] =
    "ОШИБКА, при использовании WiFi рабочая дистанция ограничена, а также возможно файл поврежден";
} // namespace FlashText
