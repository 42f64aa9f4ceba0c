#pragma once
#include <QtGlobal>
// Texts of the update service, exactly as the user sees them.

namespace UpdateText {
inline constexpr char SavedReady[] = QT_TRANSLATE_NOOP("KernelText", "Файл успешно сохранен и готов к установке");
inline constexpr char SavedConnect[] =
    QT_TRANSLATE_NOOP("KernelText", "Файл успешно сохранен, подключитесь к устройству с помощью WiFi, чтобы установить обновление");
inline constexpr char NoLocalFiles[] =
    QT_TRANSLATE_NOOP("KernelText", "<h2>Нет локальных файлов</h2><br><h3>для того чтобы загрузить обновления, возможно требуется "
    "подключиться к сети интернет</h3>");
inline constexpr char UpdatesFor[] = QT_TRANSLATE_NOOP("KernelText", "Доступны обновления прошивки для:\n");
// One line per device under UpdatesFor: the device, the newest version, the installed one.
inline constexpr char NewVersionLine[] = QT_TRANSLATE_NOOP("KernelText", "%1 новая версия - B%2, текущая - %3\n");
inline constexpr char UpdatesAdvice[] = QT_TRANSLATE_NOOP("KernelText", "\n рекомендуется выполнить обновление устройст");
inline constexpr char ManualDownload[] = QT_TRANSLATE_NOOP("KernelText", "Упс, что то пошло не так!\nПопробуйте загрузить обновление вручную с сайта ");
inline constexpr char NoWriteRights[] = QT_TRANSLATE_NOOP("KernelText", "Ошибка загрузки обновления\n\nкажется нет прав на запись");
inline constexpr char CheckInternet[] = QT_TRANSLATE_NOOP("KernelText", "Ошибка загрузки обновления\n\nпроверьте подключение к сети интернет!");
inline constexpr char DownloadErrorN[] = QT_TRANSLATE_NOOP("KernelText", "Ошибка загрузки обновления #");
// The installer fetched is for another system: it is kept, not started.
inline constexpr char InstallerNotForPlatform[] =
    QT_TRANSLATE_NOOP("KernelText", "Загруженный установщик предназначен для другой системы, установите обновление вручную: ");
// A firmware download the user asked for and that did not complete.
inline constexpr char FirmwareTooLarge[] = QT_TRANSLATE_NOOP("KernelText", "Файл прошивки больше, чем указано в его имени: загрузка прервана");
inline constexpr char FirmwareTooSlow[] = QT_TRANSLATE_NOOP("KernelText", "Загрузка файла прошивки длилась слишком долго и прервана");
inline constexpr char FirmwareDownloadFailed[] =
    QT_TRANSLATE_NOOP("KernelText", "Ошибка загрузки файла прошивки\n\nпроверьте подключение к сети интернет!");
// The list the user asked for came too large or too slowly; the one shown stays.
inline constexpr char CatalogueRefused[] =
    QT_TRANSLATE_NOOP("KernelText", "Сервер обновлений прислал слишком длинный список или отвечал слишком долго, список не обновлён");
inline constexpr char HistoryMarker[] = QT_TRANSLATE_NOOP("KernelText", "История изменений");
inline constexpr char CatalogueMarker[] = "firmwareFileList";
inline constexpr char Pong[] = "pong";
inline constexpr char NoClientVersion[] = "0.00";
} // namespace UpdateText

namespace UpdateKey {
inline constexpr char UpdatesHistory[] = "updatesHistory";
inline constexpr char PdmUpdatesHistory[] = "pdmUpdatesHistory";
inline constexpr char PdmCurrFirmwareVersion[] = "pdmCurrFirmwareVersion";
inline constexpr char SerialNum[] = "serialNum";
inline constexpr char PdmSerialNumber[] = "pdmSerialNumber";
inline constexpr char SerialNumHash[] = "serialNumHash";
inline constexpr char MaxArdix[] = "max_Ardix_firmwareVer_available";
inline constexpr char MaxPmx[] = "max_PMX_firmwareVer_available";
inline constexpr char ArdixNoticeShown[] = "ardixFirmaweUpdate";
inline constexpr char PmxNoticeShown[] = "pmxFirmaweUpdate";
inline constexpr char NoticeDefault[] = "123";
} // namespace UpdateKey
