#include "settings/pdm/PdmFuncUsage.h"

#include "settings/ArdixEnums.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmBlockView.h"

#include <QStringList>

#include <algorithm>

namespace {

const QString KindGlobal = QStringLiteral("Глобальная функция");
const QString KindCounter = QStringLiteral("Счетчик");
const QString KindInternal = QStringLiteral("Встроенная функция");
const QString Header = QStringLiteral("%1 используется в настройках:\n");
const QString OutputLine = QStringLiteral("ВЫХОД - '%1', \n");
const QString OutputPwmLine = QStringLiteral("ВЫХОД - '%1 (PWM)', \n");
const QString FunctionLine = QStringLiteral("Функция - '%1', \n");
const QString CounterLine = QStringLiteral("Счетчик - '%1', \n");
const QString KeypadLine = QStringLiteral("Индикация, Кейпад #%1 - Кнопка #%2 '%3', \n");
const QString MasterShutdownLine = QStringLiteral("Функция - 'Размыкатель', \n");
const QString MasterRetryLine = QStringLiteral("Функция - 'Сброс ошибок', \n");
const QString SleepLine = QStringLiteral("Функция - 'Переход в сон', \n");
const QString CanLine = QStringLiteral("CAN передача, id пакета - '%1(0x%2)', \n");
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
            lines += OutputLine.arg(pdm.outputName(o));
    }
    for (int o = 0; o < int(OutputsCount); ++o) {
        if (contains(pdm.outputPwmFunctionsOrder(o), funcId))
            lines += OutputPwmLine.arg(pdm.outputName(o));
    }

    QString counterLines;
    for (int f = 0; f < int(FunctionsCount); ++f) {
        const auto rec = pdm.function(f);
        if (!rec || rec->configBits == 0)
            continue;
        if (rec->hasChild(funcId))
            lines += FunctionLine.arg(rec->functionName);
        if (rec->hasBit(ArdixEnums::FunctionIsCounter) && counterUses(*rec, funcId))
            counterLines += CounterLine.arg(rec->functionName);
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
                lines += KeypadLine.arg(QString::number(k + 1), QString::number(b + 1), pdm.keypadButtonName(k, b));
        }
    }

    const uint8_t enabled = pdm.otherConfigBits();
    const auto isMaster = [&](int enableBit, uint8_t id) { return ((enabled >> enableBit) & 1u) && id == funcId; };
    if (isMaster(ArdixEnums::PdmOtherSettingsConfigBits_isMasterShutdownFunctionEnabled, pdm.masterShutdownFunctionId()))
        lines += MasterShutdownLine;
    if (isMaster(ArdixEnums::PdmOtherSettingsConfigBits_isMasterRetryFunctionIdEnabled, pdm.masterRetryFunctionId()))
        lines += MasterRetryLine;
    if (isMaster(ArdixEnums::PdmOtherSettingsConfigBits_isPdmSleepFunctionIdEnabled, pdm.pdmSleepFunctionId()))
        lines += SleepLine;

    for (int m = 0; m < int(Can::OutMessagesCount); ++m) {
        for (int item = 0; item < int(Can::OutDataItemsCount); ++item) {
            const auto [type, ch] = pdm.canOutDataSource(m, item);
            if (type == ArdixEnums::ChannelType_GlobalFunction && ch == funcId) {
                const uint id = pdm.canOutMessageId(m);
                lines += CanLine.arg(QString::number(id), QString::number(id, 16).toUpper());
                break;
            }
        }
    }

    if (lines.isEmpty())
        return {};

    QString kind;
    if (self->hasBit(ArdixEnums::FunctionIsGlobal))
        kind += KindGlobal;
    if (self->hasBit(ArdixEnums::FunctionIsCounter))
        kind += KindCounter;
    if (self->hasBit(ArdixEnums::FunctionIsInternal))
        kind += KindInternal;

    QString text = Header.arg(kind) + lines;
    if (text.endsWith(LineEnd))
        text.chop(LineEnd.size());
    return text;
}
