#pragma once
// Texts the settings store shows to the user, exactly as the user has always seen them.

namespace persistence::texts {

inline constexpr const char *kBadSettings = "Упс, с настройками что-то не то";
inline constexpr const char *kFileSaved = "Файл сохранен успешно";
inline constexpr const char *kSaveError = "Ошибка сохранения файла, пожалуйста проверьте привелегии приложения";
inline constexpr const char *kFileNotFound =
    "Упс, файл не найден!\n\nПроверьте разрешения доступа или недопустимые символы в имени файла";
inline constexpr const char *kReadError = "Ошибка чтения файла, пожалуйста проверьте привелегии приложения";
inline constexpr const char *kFileTooBig = "Файл слишком большого размера!";
inline constexpr const char *kNoDevice = "Нет подключения к устройству!";
inline constexpr const char *kLogoSending = "Файл передается, проверьте на экране Ardix.";
inline constexpr const char *kPmxLoaded = "Настройки PMX загружены";
inline constexpr const char *kBadFile = "Упс, с файлом что-то не то";
inline constexpr const char *kArdixLoaded = "Настройки Ardix 7 загружены";
inline constexpr const char *kUnknownFile = "Неизвестный файл!!";
inline constexpr const char *kPasswordNotSet = "Ошибка, Пароль НЕ установлен";

} // namespace persistence::texts
