#pragma once
// Texts the command handler and the data dispatcher show, exactly as the user sees them.

namespace DispatchText {
inline constexpr char ConnectedDash[] = "есть связь";
inline constexpr char ConnectedPdm[] = "есть связь с PDM";
inline constexpr char Synced[] = "Подключен и синхронизирован";
inline constexpr char AllLoadedFromDash[] = "все настройки загружены из ardix";
inline constexpr char AllLoadedFromPdm[] = "все настройки загружены из PDM";
// A settings block of a size neither side knows: nothing was taken.
inline constexpr char DashSettingsBadSize[] =
    "Ошибка, настройки Ardix получены неверного размера и не загружены, попробуйте еще раз";
inline constexpr char PdmSettingsBadSize[] =
    "Ошибка, настройки PDM получены неверного размера и не загружены, попробуйте еще раз";
// Third resend request from the device, by its parameter (the last two end in a blank).
inline constexpr char Resend302[] =
    "Упс #302\nчто-то идет не так\nпроверьте соответсвие версий \nвозможно требуется обновление";
inline constexpr char Resend303[] =
    "Упс #303\nчто-то идет не так\nпроверьте соответсвие версий \nвозможно требуется обновление ";
inline constexpr char Resend304[] =
    "Упс #304\nчто-то идет не так\nпроверьте соответсвие версий \nвозможно требуется обновление ";

inline constexpr char LogSaveFailed[] =
    "Ошибка сохранения лога в память, пожалуйста проверьте привелегии приложения";
inline constexpr char LogTransferFailed[] = "Ошибка передачи лога, пожалуйста попробуйте еще раз";
inline constexpr char LogGaveUp[] = "Упс, что-то пошло не так";

inline constexpr char Ok[] = "Ок";
inline constexpr char GearNotMoving[] =
    "для калибровки, вы должны находиться в движении на выбранной передаче\n скорость должна "
    "превышать 30км/ч, а обороты двигателя выше 1000об/мин";
inline constexpr char SpeedNotMoving[] =
    "для калибровки, вы должны находиться в движении\n\nлибо проверьте подключение датчика к "
    "нужному порту";
inline constexpr char StartLineApplied[] = "Настройки стартовой линии применены";
inline constexpr char StartLineNoCourse[] =
    "Не удалось распознать курс, калибровку нужно делать в движении!";
inline constexpr char RefLapMissing[] = "Ошибка #178, не могу скачать лучший круг";
inline constexpr char AdcRawBadSize[] = "Ошибка #179";
inline constexpr char PdmRealtimeIncompatible[] =
    "Версия клиента и прошивки устройства несовместимы!";
} // namespace DispatchText
