#include "settings/persistence/PdmBlockDefaults.h"

#include "settings/ArdixEnums.h"
#include "settings/layout/Crc32Words.h"
#include "settings/layout/LittleEndian.h"
#include "settings/layout/TextField.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmBoard.h"

#include <QCryptographicHash>
#include <cstring>

namespace persistence {

using namespace PdmLayout;
using layout::writeLE;

static_assert(kPdmBlockSize == int(BlockSize));

namespace {

constexpr uint8_t kDefaultEcuProtocol = ArdixEnums::EcuNone;
constexpr uint8_t kDefaultCanbusBaud = ArdixEnums::CanbusBaud_1000kbps;
constexpr uint16_t kDefaultPwmFreq = 13000;

constexpr uint32_t kOutputConfigBits = 1u << 0;
constexpr uint8_t kOutputRetryCount = 3;
constexpr uint16_t kOutputRetryDelay = 2000;
constexpr uint8_t kOutputMinDuty = 60;
constexpr int kHighCurrent = 20; // outputs recommended for this many amperes or more start slower

constexpr uint16_t kBootInputModes = (1u << ArdixEnums::Tic124PullDownModeBit)
    | (1u << ArdixEnums::Tic124AnalogModeBit) | (1u << ArdixEnums::Tic124PullUpModeBit);
const char *const kBootInputName = "Служеб. кнопка";

constexpr uint8_t kKeypadBrightness = 246;
constexpr uint8_t kKeypadColour = 255;
constexpr uint8_t kKeypadConfigBits = 1u << 1;
constexpr uint16_t kKeypadSerial = 0xFFFF;
constexpr uint16_t kKeypadCanId = 280;

constexpr uint32_t kFirstInMessageId = 0x500;
constexpr uint32_t kFirstOutMessageId = 0x550;
constexpr uint8_t kFrameSize = 8;
constexpr int kFrameSizeShift = 2;
constexpr uint16_t kInTimeoutMillis = 2000;
constexpr uint16_t kOutRateMillis = 100;

constexpr uint8_t kPasswordSetMask = 1u << IsPasswordProtectionSetBit;

unsigned char *bytes(QByteArray &block) { return reinterpret_cast<unsigned char *>(block.data()); }

} // namespace

bool isValidPdmBlock(const QByteArray &block)
{
    if (block.size() != kPdmBlockSize)
        return false;
    const auto *p = reinterpret_cast<const unsigned char *>(block.constData());
    return layout::readLE<uint32_t>(p) == crc32Words(p + 4, BlockSize - 4);
}

void refreshPdmCrc(QByteArray &block)
{
    Q_ASSERT(block.size() == kPdmBlockSize);
    unsigned char *p = bytes(block);
    writeLE<uint32_t>(p + SettingsCrcOffset, crc32Words(p + 4, BlockSize - 4));
}

void setPdmSerialNumber(QByteArray &block, uint32_t serial)
{
    writeLE<uint32_t>(bytes(block) + PdmSerialNumberOffset, serial);
}

QByteArray pdmDefaults(uint32_t serial)
{
    QByteArray block(kPdmBlockSize, '\0');
    unsigned char *p = bytes(block);
    setPdmSerialNumber(block, serial);
    p[EcuProtocolOffset] = kDefaultEcuProtocol;
    p[CanbusBaudOffset] = kDefaultCanbusBaud;
    writeLE<uint16_t>(p + PwmFreqOffset, kDefaultPwmFreq);

    for (std::size_t i = 0; i < OutputsCount; ++i) {
        unsigned char *out = p + outputOffset(i);
        const int recommended = PdmBoard::recommendedCurrent(PdmBoard::ResetVariant, int(i));
        const bool high = recommended >= kHighCurrent;
        writeLE<uint32_t>(out + Output::ConfigBits, kOutputConfigBits);
        writeLE<uint16_t>(out + Output::InrushDelay, high ? 1500 : 1000);
        out[Output::MaxInrushCurrent] = high ? 80 : 40;
        out[Output::MaxCurrent] = uint8_t(recommended);
        out[Output::RetryCount] = kOutputRetryCount;
        writeLE<uint16_t>(out + Output::RetryDelay, kOutputRetryDelay);
        out[Output::MinDuty] = kOutputMinDuty;
    }

    const std::size_t boot = std::size_t(PdmBoard::BootInputIndex);
    writeLE<uint16_t>(p + InputConfigOffset + 2 * boot, kBootInputModes);
    layout::packText(p + InputNamesOffset + InputNameSize * boot, int(InputNameSize),
                     QString::fromUtf8(kBootInputName));

    for (std::size_t k = 0; k < KeypadsCount; ++k) {
        unsigned char *kp = p + keypadOffset(k);
        kp[Keypad::Brightness] = kKeypadBrightness;
        kp[Keypad::RedColor] = kKeypadColour;
        kp[Keypad::GreenColor] = kKeypadColour;
        kp[Keypad::BlueColor] = kKeypadColour;
        kp[Keypad::ConfigBits] = kKeypadConfigBits;
        kp[Keypad::Type] = ArdixEnums::Device_Keypad7;
        writeLE<uint16_t>(kp + Keypad::Serial, kKeypadSerial);
        writeLE<uint16_t>(kp + Keypad::CanId, kKeypadCanId);
    }

    unsigned char *can = p + CanOffset;
    for (std::size_t i = 0; i < Can::InMessagesCount; ++i) {
        unsigned char *m = can + Can::InMessages + i * Can::InMessageSize;
        writeLE<uint32_t>(m, kFirstInMessageId + uint32_t(i));
        m[5] = uint8_t(kFrameSize << kFrameSizeShift);
        writeLE<uint16_t>(m + 6, kInTimeoutMillis);
    }
    for (std::size_t i = 0; i < Can::OutMessagesCount; ++i) {
        unsigned char *m = can + Can::OutMessages + i * Can::OutMessageSize;
        writeLE<uint32_t>(m, kFirstOutMessageId + uint32_t(i));
        m[4] = uint8_t(kFrameSize << kFrameSizeShift);
        writeLE<uint16_t>(m + 6, kOutRateMillis);
    }
    std::memset(can + Can::FrameIdMask, 0xFF, Can::FrameIdMaskSize);

    refreshPdmCrc(block);
    return block;
}

QByteArray pdmPasswordHash(const QString &password)
{
    return QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha512);
}

void writePdmPassword(QByteArray &block, const QByteArray &hash)
{
    Q_ASSERT(hash.size() == int(PasswordHashSize));
    unsigned char *p = bytes(block);
    std::memcpy(p + PasswordHashOffset, hash.constData(), PasswordHashSize);
    p[FlagsOffset] |= kPasswordSetMask;
    refreshPdmCrc(block);
}

QByteArray withoutPdmPassword(const QByteArray &block)
{
    QByteArray copy = block;
    unsigned char *p = bytes(copy);
    p[FlagsOffset] &= uint8_t(~kPasswordSetMask);
    std::memset(p + PasswordHashOffset, 0, PasswordHashSize);
    refreshPdmCrc(copy);
    return copy;
}

} // namespace persistence
