#pragma once
#include <QtGlobal>
// Texts the command handler and the data dispatcher show, exactly as the user sees them.

namespace DispatchText {
inline constexpr char ConnectedDash[] = QT_TRANSLATE_NOOP("KernelText", "есть связь");
inline constexpr char ConnectedPdm[] = QT_TRANSLATE_NOOP("KernelText", "есть связь с PDM");
inline constexpr char Synced[] = QT_TRANSLATE_NOOP("KernelText", "Подключен и синхронизирован");
inline constexpr char AllLoadedFromDash[] = QT_TRANSLATE_NOOP("KernelText", "все настройки загружены из ardix");
inline constexpr char AllLoadedFromPdm[] = QT_TRANSLATE_NOOP("KernelText", "все настройки загружены из PDM");
// A settings block of a size neither side knows: nothing was taken.
inline constexpr char DashSettingsBadSize[] =
    QT_TRANSLATE_NOOP("KernelText", "Ошибка, настройки Ardix получены неверного размера и не загружены, попробуйте еще раз");
inline constexpr char PdmSettingsBadSize[] =
    QT_TRANSLATE_NOOP("KernelText", "Ошибка, настройки PDM получены неверного размера и не загружены, попробуйте еще раз");
// Third resend request from the device, by its parameter (the last two end in a blank).
inline constexpr char Resend302[] =
    QT_TRANSLATE_NOOP("KernelText", "Упс #302\nчто-то идет не так\nпроверьте соответсвие версий \nвозможно требуется обновление");
inline constexpr char Resend303[] =
    QT_TRANSLATE_NOOP("KernelText", "Упс #303\nчто-то идет не так\nпроверьте соответсвие версий \nвозможно требуется обновление ");
inline constexpr char Resend304[] =
    QT_TRANSLATE_NOOP("KernelText", "Упс #304\nчто-то идет не так\nпроверьте соответсвие версий \nвозможно требуется обновление ");

inline constexpr char LogSaveFailed[] =
    QT_TRANSLATE_NOOP("KernelText", "Ошибка сохранения лога в память, пожалуйста проверьте привелегии приложения");
inline constexpr char LogTransferFailed[] = QT_TRANSLATE_NOOP("KernelText", "Ошибка передачи лога, пожалуйста попробуйте еще раз");
inline constexpr char LogGaveUp[] = QT_TRANSLATE_NOOP("KernelText", "Упс, что-то пошло не так");

inline constexpr char Ok[] = QT_TRANSLATE_NOOP("KernelText", "Ок");
inline constexpr char GearNotMoving[] =
    QT_TRANSLATE_NOOP("KernelText", "для калибровки, вы должны находиться в движении на выбранной передаче\n скорость должна "
    "превышать 30км/ч, а обороты двигателя выше 1000об/мин");
inline constexpr char SpeedNotMoving[] =
    QT_TRANSLATE_NOOP("KernelText", "для калибровки, вы должны находиться в движении\n\nлибо проверьте подключение датчика к "
    "нужному порту");
inline constexpr char StartLineApplied[] = QT_TRANSLATE_NOOP("KernelText", "Настройки стартовой линии применены");
inline constexpr char StartLineNoCourse[] =
    QT_TRANSLATE_NOOP("KernelText", "Не удалось распознать курс, калибровку нужно делать в движении!");
inline constexpr char RefLapMissing[] = QT_TRANSLATE_NOOP("KernelText", "Ошибка #178, не могу скачать лучший круг");
inline constexpr char AdcRawBadSize[] = QT_TRANSLATE_NOOP("KernelText", "Ошибка #179");
inline constexpr char PdmRealtimeIncompatible[] =
    QT_TRANSLATE_NOOP("KernelText", "Версия клиента и прошивки устройства несовместимы!");
} // namespace DispatchText
