#pragma once
// Numbers and texts of the device link.

#include "settings/ArdixEnums.h"
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace LinkConst {

// The wire vocabularies (ActionTypes, CommandsEnum, MessageDataTypes, SocketStatus, DeviceModelId)
// are the shared enumerations themselves.
using namespace ArdixEnums;

// Frame
constexpr std::size_t HeaderSize = 88;
constexpr std::size_t HeaderCrcCovered = 84;
constexpr uint8_t Magic = 0x68;
constexpr std::size_t AuxDataSize = 64;
constexpr uint32_t DataParameterOverride = 255;
// The dash puts this many filler bytes between a data header and its block.
constexpr std::size_t DashLeadInSize = 1372;
constexpr int BadHeadersBeforeClose = 21;
// No block the devices send comes near this; a larger announcement is treated as a bad header so
// a corrupt or hostile peer cannot make the receiver hold unbounded memory.
constexpr uint32_t MaxDataSize = 16u * 1024u * 1024u;

// Images
constexpr std::size_t DashImageSize = 28876;
constexpr std::size_t DashImageSizeOld = 16588;
constexpr std::size_t PdmImageSize = 40960;
constexpr float ExtraSettingsFirmware = 0.945f;
constexpr std::size_t PdmPasswordFlagByte = 19;
constexpr uint8_t PdmPasswordFlagMask = 0x80;
constexpr std::size_t PdmPasswordHashOffset = 20;

// Dash image parts, in image order
constexpr std::size_t SkinsPosOffset = 0, SkinsPosSize = 2040;
constexpr std::size_t SensorsOffset = 2040, SensorsSize = 1920;
constexpr std::size_t CustomSensorsOffset = 3960, CustomSensorsSize = 1920;
constexpr std::size_t CommonSettingsOffset = 5880, CommonSettingsSize = 980;
constexpr std::size_t CustomAnalogOffset = 6860, CustomAnalogSize = 9728;
constexpr std::size_t ExtraSettingsOffset = 16588, ExtraSettingsSize = 12288;
static_assert(SensorsOffset == SkinsPosOffset + SkinsPosSize);
static_assert(CustomSensorsOffset == SensorsOffset + SensorsSize);
static_assert(CommonSettingsOffset == CustomSensorsOffset + CustomSensorsSize);
static_assert(CustomAnalogOffset == CommonSettingsOffset + CommonSettingsSize);
static_assert(ExtraSettingsOffset == CustomAnalogOffset + CustomAnalogSize);
static_assert(ExtraSettingsOffset == DashImageSizeOld);
static_assert(ExtraSettingsOffset + ExtraSettingsSize == DashImageSize);

// gzip of settings blocks
constexpr int GzipLevel = 9;
constexpr int GzipWindowBits = 15 + 16;
constexpr int GzipMemLevel = 8;
constexpr std::size_t GzipFeedPiece = 32768;

// Timers (ms)
constexpr int KeepOnlineMs = 1000;
constexpr int CheckOnlineMs = 6000;
constexpr int CheckOnlineLogMs = 12000;
constexpr int SendQueueMs = 400;
constexpr int GotHeaderMs = 3000;
constexpr int HeaderParseMs = 50;
constexpr int FlashingMs = 10000;
constexpr int BootWaitMs = 4000;
constexpr int LogDataMs = 5000;
constexpr int LogDataFirstMs = 15000;
constexpr int BusyTimeoutMs = 3000;
constexpr int WriteDrainMs = 100;

constexpr unsigned ReplyCountdownTicks = 300;
constexpr int ConnectAttemptsAnnounced = 7;
constexpr int ConnectAttemptGivingUp = 6;
constexpr int Teach1Limit = 3;
constexpr char Teach1Key[] = "teach1";

} // namespace LinkConst

// Texts the link shows, exactly as the user sees them.
namespace LinkText {
inline constexpr char SearchingDevice[] = QT_TRANSLATE_NOOP("KernelText", "поиск устройства");
inline constexpr char NoConnection[] = QT_TRANSLATE_NOOP("KernelText", "нет связи c\nустройством"); // the "c" is Latin
inline constexpr char Disconnected[] = QT_TRANSLATE_NOOP("KernelText", "отключен");
inline constexpr char NotConnectedYet[] =
    QT_TRANSLATE_NOOP("KernelText", "соединение с устройством не установлено, все произведенные изменения будут применены при "
    "первом же подключении");
inline constexpr char ConnectedDash[] = QT_TRANSLATE_NOOP("KernelText", "есть связь");
inline constexpr char ConnectedPdm[] = QT_TRANSLATE_NOOP("KernelText", "есть связь с PDM");
inline constexpr char PdmBoot[] = QT_TRANSLATE_NOOP("KernelText", "PDM в режиме\nобновления");
inline constexpr char Synced[] = QT_TRANSLATE_NOOP("KernelText", "Подключен и синхронизирован");
} // namespace LinkText
