#pragma once
#include <QtGlobal>
// Texts the settings store shows to the user, exactly as the user has always seen them.

namespace persistence::texts {

inline constexpr const char *kBadSettings = QT_TRANSLATE_NOOP("KernelText", "Упс, с настройками что-то не то");
inline constexpr const char *kFileSaved = QT_TRANSLATE_NOOP("KernelText", "Файл сохранен успешно");
inline constexpr const char *kSaveError = QT_TRANSLATE_NOOP("KernelText", "Ошибка сохранения файла, пожалуйста проверьте привелегии приложения");
inline constexpr const char *kFileNotFound =
    QT_TRANSLATE_NOOP("KernelText", "Упс, файл не найден!\n\nПроверьте разрешения доступа или недопустимые символы в имени файла");
inline constexpr const char *kReadError = QT_TRANSLATE_NOOP("KernelText", "Ошибка чтения файла, пожалуйста проверьте привелегии приложения");
inline constexpr const char *kFileTooBig = QT_TRANSLATE_NOOP("KernelText", "Файл слишком большого размера!");
inline constexpr const char *kNoDevice = QT_TRANSLATE_NOOP("KernelText", "Нет подключения к устройству!");
inline constexpr const char *kLogoSending = QT_TRANSLATE_NOOP("KernelText", "Файл передается, проверьте на экране Ardix.");
inline constexpr const char *kPmxLoaded = QT_TRANSLATE_NOOP("KernelText", "Настройки PMX загружены");
inline constexpr const char *kBadFile = QT_TRANSLATE_NOOP("KernelText", "Упс, с файлом что-то не то");
inline constexpr const char *kArdixLoaded = QT_TRANSLATE_NOOP("KernelText", "Настройки Ardix 7 загружены");
inline constexpr const char *kUnknownFile = QT_TRANSLATE_NOOP("KernelText", "Неизвестный файл!!");
inline constexpr const char *kPasswordNotSet = QT_TRANSLATE_NOOP("KernelText", "Ошибка, Пароль НЕ установлен");

} // namespace persistence::texts
