#include "settings/pdm/PdmFuncUsage.h"

#include "settings/ArdixEnums.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmBlockView.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

// The report is built in the interface language when it is asked for; each line's text is
// translated without its separator, so that the last separator is dropped in any language.
constexpr char kContext[] = "PdmFuncUsage";
QString tr(const char *source) { return QCoreApplication::translate(kContext, source); }

constexpr const char *KindGlobal = QT_TRANSLATE_NOOP("PdmFuncUsage", "Глобальная функция");
constexpr const char *KindCounter = QT_TRANSLATE_NOOP("PdmFuncUsage", "Счетчик");
constexpr const char *KindInternal = QT_TRANSLATE_NOOP("PdmFuncUsage", "Встроенная функция");
constexpr const char *Header = QT_TRANSLATE_NOOP("PdmFuncUsage", "%1 используется в настройках:\n");
constexpr const char *OutputLine = QT_TRANSLATE_NOOP("PdmFuncUsage", "ВЫХОД - '%1'");
constexpr const char *OutputPwmLine = QT_TRANSLATE_NOOP("PdmFuncUsage", "ВЫХОД - '%1 (PWM)'");
constexpr const char *FunctionLine = QT_TRANSLATE_NOOP("PdmFuncUsage", "Функция - '%1'");
constexpr const char *CounterLine = QT_TRANSLATE_NOOP("PdmFuncUsage", "Счетчик - '%1'");
constexpr const char *KeypadLine = QT_TRANSLATE_NOOP("PdmFuncUsage", "Индикация, Кейпад #%1 - Кнопка #%2 '%3'");
constexpr const char *MasterShutdownLine = QT_TRANSLATE_NOOP("PdmFuncUsage", "Функция - 'Размыкатель'");
constexpr const char *MasterRetryLine = QT_TRANSLATE_NOOP("PdmFuncUsage", "Функция - 'Сброс ошибок'");
constexpr const char *SleepLine = QT_TRANSLATE_NOOP("PdmFuncUsage", "Функция - 'Переход в сон'");
constexpr const char *CanLine = QT_TRANSLATE_NOOP("PdmFuncUsage", "CAN передача, id пакета - '%1(0x%2)'");
const QString LineEnd = QStringLiteral(", \n");

bool contains(const std::array<uint8_t, 16> &ids, uint funcId)
{
    return funcId != 0 && std::find(ids.begin(), ids.end(), uint8_t(funcId)) != ids.end();
}

// A counter counts edges of its main and additional channels; either may be this function.
bool counterUses(const FunctionRecordView &counter, uint funcId)
{
    const auto isThis = [&](uint8_t type, uint8_t ch) {
        return type == ArdixEnums::ChannelType_GlobalFunction && ch == funcId;
    };
    return isThis(counter.inChannelType, counter.inChannel)
           || isThis(counter.additionalInChannelType, counter.additionalInChannel);
}

} // namespace

QString pdmFuncUsageInfo(const QByteArray &pdmBlock, uint funcId)
{
    using namespace PdmLayout;
    const PdmBlockView pdm(pdmBlock);
    const auto self = pdm.function(int(funcId));
    if (!self)
        return {};

    QString lines;
    for (int o = 0; o < int(OutputsCount); ++o) {
        if (contains(pdm.outputFunctionsOrder(o), funcId))
            lines += tr(OutputLine).arg(pdm.outputName(o)) + LineEnd;
    }
    for (int o = 0; o < int(OutputsCount); ++o) {
        if (contains(pdm.outputPwmFunctionsOrder(o), funcId))
            lines += tr(OutputPwmLine).arg(pdm.outputName(o)) + LineEnd;
    }

    QString counterLines;
    for (int f = 0; f < int(FunctionsCount); ++f) {
        const auto rec = pdm.function(f);
        if (!rec || rec->configBits == 0)
            continue;
        if (rec->hasChild(funcId))
            lines += tr(FunctionLine).arg(rec->functionName) + LineEnd;
        if (rec->hasBit(ArdixEnums::FunctionIsCounter) && counterUses(*rec, funcId))
            counterLines += tr(CounterLine).arg(rec->functionName) + LineEnd;
    }
    lines += counterLines;

    for (int k = 0; k < int(KeypadsCount); ++k) {
        for (int b = 0; b < int(KeypadButtonsCount); ++b) {
            bool lit = false;
            for (int colour = 0; colour < 3; ++colour) {
                lit = lit
                      || (((pdm.keypadActiveBits(k, colour) >> b) & 1u)
                          && pdm.keypadLedFunction(k, colour, b) == funcId);
            }
            if (lit)
                lines += tr(KeypadLine).arg(QString::number(k + 1), QString::number(b + 1), pdm.keypadButtonName(k, b)) + LineEnd;
        }
    }

    const uint8_t enabled = pdm.otherConfigBits();
    const auto isMaster = [&](int enableBit, uint8_t id) { return ((enabled >> enableBit) & 1u) && id == funcId; };
    if (isMaster(ArdixEnums::PdmOtherSettingsConfigBits_isMasterShutdownFunctionEnabled, pdm.masterShutdownFunctionId()))
        lines += tr(MasterShutdownLine) + LineEnd;
    if (isMaster(ArdixEnums::PdmOtherSettingsConfigBits_isMasterRetryFunctionIdEnabled, pdm.masterRetryFunctionId()))
        lines += tr(MasterRetryLine) + LineEnd;
    if (isMaster(ArdixEnums::PdmOtherSettingsConfigBits_isPdmSleepFunctionIdEnabled, pdm.pdmSleepFunctionId()))
        lines += tr(SleepLine) + LineEnd;

    for (int m = 0; m < int(Can::OutMessagesCount); ++m) {
        for (int item = 0; item < int(Can::OutDataItemsCount); ++item) {
            const auto [type, ch] = pdm.canOutDataSource(m, item);
            if (type == ArdixEnums::ChannelType_GlobalFunction && ch == funcId) {
                const uint id = pdm.canOutMessageId(m);
                lines += tr(CanLine).arg(QString::number(id), QString::number(id, 16).toUpper()) + LineEnd;
                break;
            }
        }
    }

    if (lines.isEmpty())
        return {};

    QString kind;
    if (self->hasBit(ArdixEnums::FunctionIsGlobal))
        kind += tr(KindGlobal);
    if (self->hasBit(ArdixEnums::FunctionIsCounter))
        kind += tr(KindCounter);
    if (self->hasBit(ArdixEnums::FunctionIsInternal))
        kind += tr(KindInternal);

    QString text = tr(Header).arg(kind) + lines;
    if (text.endsWith(LineEnd))
        text.chop(LineEnd.size());
    return text;
}
