#include "logic/Logic.h"

#include "logic/DashBlockView.h"
#include "logic/LogicBlocksProvider.h"
#include "settings/ArdixEnums.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmBlockView.h"

#include <QCoreApplication>

#include <variant>

using namespace ArdixEnums;

namespace {

// The descriptions are built in the interface language each time they are asked for.
QString tr(const char *text)
{
    return QCoreApplication::translate("Logic", text);
}

QString identificationError(const char *code)
{
    return QCoreApplication::translate("Logic", "ошибка #%1 опознования функции").arg(QLatin1String(code));
}

const char *const PdmSerialErrorOnPdm = QT_TRANSLATE_NOOP("Logic", 
    "Ошибка, проверьте верно ли указан серийный номер PMX в настройках PDM, раздел 'Связь с другими PMX'");
const char *const PdmSerialErrorOnDash = QT_TRANSLATE_NOOP("Logic", 
    "Ошибка, проверьте верно ли указан серийный номер PMX в настройках Ardix, раздел 'Связь с PMX'");
const char *const DashSerialErrorOnPdm = QT_TRANSLATE_NOOP("Logic", 
    "Ошибка, проверьте верно ли указан серийный номер Ardix в настройках PDM, раздел 'Связь с Ardix'");
const char *const DashSerialErrorOnDash = QT_TRANSLATE_NOOP("Logic", "Ошибка, проверьте верно ли указан серийный номер второй "
                                                     "панели Ardix в настройках, раздел 'Связь с другими Ardix'");

constexpr uint SrcDevSelf = 0;
constexpr uint SrcDevLastPdm = 3;
constexpr uint SrcDevFirstDash = 4;
constexpr uint SrcDevLastDash = 5;
constexpr int MaxShownDeviceIndex = 2;
constexpr uint CustomSensorFirst = 100;
constexpr uint CustomSensorLast = 131;
constexpr uint StandardSensorLast = 31;

// The device whose settings a channel refers to.
class Device
{
public:
    explicit Device(PdmBlockView pdm) : m_view(std::move(pdm)) {}
    explicit Device(DashBlockView dash) : m_view(std::move(dash)) {}

    bool isPdm() const { return std::holds_alternative<PdmBlockView>(m_view); }
    bool isDash() const { return std::holds_alternative<DashBlockView>(m_view); }
    const PdmBlockView *pdm() const { return std::get_if<PdmBlockView>(&m_view); }
    const DashBlockView *dash() const { return std::get_if<DashBlockView>(&m_view); }

    int functionsCount() const { return isPdm() ? int(PdmLayout::FunctionsCount) : DashBlockView::FunctionsCount; }
    std::optional<FunctionRecordView> function(int id) const
    {
        return isPdm() ? pdm()->function(id) : dash()->function(id);
    }
    QString functionName(int id) const { return isPdm() ? pdm()->functionName(id) : dash()->functionName(id); }
    int keypadsCount() const { return isPdm() ? int(PdmLayout::KeypadsCount) : DashBlockView::KeypadsCount; }
    // Only the PDM's keypads carry extra inputs.
    int keypadsWithInputs() const { return isPdm() ? int(PdmLayout::KeypadsCount) : 0; }
    QString keypadButtonName(int k, int b) const
    {
        return isPdm() ? pdm()->keypadButtonName(k, b) : dash()->keypadButtonName(k, b);
    }
    QString canDigitalInputName(int i) const
    {
        return isPdm() ? pdm()->canDigitalInputName(i) : dash()->canDigitalInputName(i);
    }
    QString inputName(int i) const { return isPdm() ? pdm()->inputName(i) : QString(); }
    QString outputName(int i) const { return isPdm() ? pdm()->outputName(i) : QString(); }

    QString prefix;

private:
    std::variant<PdmBlockView, DashBlockView> m_view;
};

struct Lookup
{
    std::optional<Device> device;
    QString error;
};

bool isDashType(int type)
{
    return type == Device_Ardix7 || type == Device_ArdixA20;
}

std::optional<Device> shownDevice(const LogicBlocksProvider *p)
{
    if (!p || p->shownDeviceIndex() < 0 || p->shownDeviceIndex() > MaxShownDeviceIndex)
        return std::nullopt;
    if (p->connectedDeviceType() == Device_Pmx)
        return Device(PdmBlockView(p->pdmBlock()));
    if (isDashType(p->connectedDeviceType()))
        return Device(DashBlockView(p->dashBlock()));
    return std::nullopt;
}

Lookup lookup(const LogicBlocksProvider *p, uint srcDev)
{
    auto own = shownDevice(p);
    if (!own)
        return {std::nullopt, identificationError("F001")};
    if (srcDev == SrcDevSelf)
        return {std::move(own), {}};

    if (srcDev <= SrcDevLastPdm) {
        QList<uint> serials;
        if (own->isPdm()) {
            if (srcDev == SrcDevLastPdm)
                return {std::nullopt, identificationError("F002")};
            serials = own->pdm()->pdmsSerial();
        } else {
            serials = own->dash()->pdmsSerial();
        }
        const uint serial = serials.value(qsizetype(srcDev - 1));
        QList<QByteArray> candidates = p->otherPdmBlocks();
        if (own->isDash())
            candidates.prepend(p->pdmBlock());
        for (const QByteArray &block : candidates) {
            PdmBlockView other(block);
            if (serial != 0 && other.isValid() && other.serialNumber() == serial) {
                Device d(other);
                d.prefix = QStringLiteral("PDM(%1, %2): ").arg(other.deviceName(), QString::number(serial));
                return {std::move(d), {}};
            }
        }
        return {std::nullopt, tr(own->isPdm() ? PdmSerialErrorOnPdm : PdmSerialErrorOnDash)};
    }

    if (srcDev <= SrcDevLastDash) {
        uint serial = 0;
        if (own->isDash()) {
            if (srcDev == SrcDevLastDash)
                return {std::nullopt, identificationError("F003")};
            serial = own->dash()->secondArdixSerialNum();
        } else {
            serial = own->pdm()->ardixSerial().value(qsizetype(srcDev - SrcDevFirstDash));
        }
        QList<QByteArray> candidates = p->otherDashBlocks();
        if (own->isPdm())
            candidates.prepend(p->dashBlock());
        for (const QByteArray &block : candidates) {
            DashBlockView other(block);
            if (serial != 0 && other.isValid() && other.serialNumber() == serial) {
                Device d(other);
                d.prefix = QStringLiteral("Ardix(%1, %2): ").arg(other.deviceName(), QString::number(serial));
                return {std::move(d), {}};
            }
        }
        return {std::nullopt, tr(own->isPdm() ? DashSerialErrorOnPdm : DashSerialErrorOnDash)};
    }
    return {std::nullopt, identificationError("F001")};
}

QString numbered(const char *what, uint ch, const QString &name)
{
    return QStringLiteral("%1%2(%3)").arg(tr(what), QString::number(ch + 1), name);
}

QString constantText(uint ch, std::optional<uint> op)
{
    const bool on = ch != 0;
    if (!op)
        return on ? QCoreApplication::translate("Logic", "КОНСТАНТА ВСЕГДА") : QCoreApplication::translate("Logic", "КОНСТАНТА НИКОГДА");
    switch (*op) {
    case IfTrue:
        return on ? QCoreApplication::translate("Logic", "Всегда активен") : QCoreApplication::translate("Logic", "Никогда");
    case IfFalse:
        return on ? QCoreApplication::translate("Logic", "Никогда") : QCoreApplication::translate("Logic", "Всегда активен");
    case IfFlash:
        return on ? QCoreApplication::translate("Logic", "Постоянное переключение, мигание..") : QCoreApplication::translate("Logic", "Никогда");
    default:
        return {};
    }
}

QString pdmDataName(uint ch)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("Logic", "Температура"), QT_TRANSLATE_NOOP("Logic", "Общий ток"), QT_TRANSLATE_NOOP("Logic", "Напряжение"), "CAN Ardix", "CAN ECU"};
    return QStringLiteral("PDM: ") + (ch < std::size(names) ? tr(names[ch]) : QString());
}

QString delay(uint16_t value)
{
    return QString::number(value / 1000.0, 'f', 2);
}

QString value(uint16_t v, bool isFloat)
{
    return isFloat ? QString::number(v / 100.0, 'f', 2) : QString::number(v);
}

// The six comparison phrases, in PdmConditionsOperators order from IfEqual.
const char *const ComparePhrases[] = {QT_TRANSLATE_NOOP("Logic", " равно "), QT_TRANSLATE_NOOP("Logic", " не равно "), QT_TRANSLATE_NOOP("Logic", " меньше "), QT_TRANSLATE_NOOP("Logic", " меньше или равно "), QT_TRANSLATE_NOOP("Logic", " больше "),
                                      QT_TRANSLATE_NOOP("Logic", " больше или равно ")};

struct CompareWords
{
    QString compareSubject; // what the six comparisons are said of
    QString hysteresisSubject;
    const char *hysteresisOn;
    const char *hysteresisOff;
};

QString compareText(const CompareWords &w, const FunctionRecordView &f, bool isFloat)
{
    const uint op = f.conditionOperator;
    if (op >= IfEqual && op <= IfGreaterThanOrEqual)
        return w.compareSubject + tr(ComparePhrases[op - IfEqual])
               + value(f.constValueToCompareWith, isFloat);
    if (op == IfHysteresis)
        return w.hysteresisSubject + tr(w.hysteresisOn) + value(f.constMaxValueToCompareWith, isFloat)
               + tr(w.hysteresisOff) + value(f.constMinValueToCompareWith, isFloat);
    return w.compareSubject + QStringLiteral(" error CND#01 ");
}

QString compareText(const QString &c, const FunctionRecordView &f, bool isFloat)
{
    return compareText({c, c, QT_TRANSLATE_NOOP("Logic", " гистерезис, вкл. если > "), QT_TRANSLATE_NOOP("Logic", ", выкл. если < ")}, f, isFloat);
}

// Texts for channels that are on or off. activeWord is " активен" / " активна" / " = ДА".
QString logicText(const QString &c, const FunctionRecordView &f, const QString &activeWord,
                  const QString &inactiveWord, const QString &unit, const QString &edge)
{
    switch (f.conditionOperator) {
    case IfTrue:
        return c + activeWord;
    case IfFalse:
        return c + inactiveWord;
    case IfFlash:
        return QCoreApplication::translate("Logic", "Переключение, мигание, если %1%2, (ДА = %3%4, НЕТ = %5%4)")
            .arg(c, activeWord, delay(f.trueDelayHystOrFlash), unit, delay(f.falseDelayHystOrFlash));
    case IfPulse:
        return QCoreApplication::translate("Logic", "Импульс (%1%2, время импульса = %3%4)")
            .arg(edge, c, delay(f.trueDelayHystOrFlash), unit);
    case IfToggle:
        return QCoreApplication::translate("Logic", "Переключатель(%1%2)").arg(edge, c);
    default:
        return compareText(c, f, false);
    }
}

} // namespace

Logic::Logic(QObject *parent) : QObject(parent) {}

void Logic::setProvider(const LogicBlocksProvider *provider)
{
    m_provider = provider;
}

QString Logic::get_channel_name(uint inChannelType, uint inChannel_int, uint function_src_dev) const
{
    return channelName(inChannelType, inChannel_int, function_src_dev, std::nullopt);
}

QString Logic::channelName(uint type, uint ch, uint srcDev, std::optional<uint> op, bool *failed) const
{
    const Lookup found = lookup(m_provider, srcDev);
    if (failed)
        *failed = !found.device;
    if (!found.device)
        return found.error;
    const Device &d = *found.device;
    const int n = int(ch);

    QString text;
    switch (type) {
    case ChannelType_Tic124LogicInput:
    case ChannelType_Tic124AnalogInput:
        text = numbered(QT_TRANSLATE_NOOP("Logic", "Вход PDM #"), ch, d.inputName(n));
        break;
    case ChannelType_PdmOutputState:
        text = numbered(QT_TRANSLATE_NOOP("Logic", "Выход PDM #"), ch, d.outputName(n));
        break;
    case ChannelType_OutputCurrent:
        text = numbered(QT_TRANSLATE_NOOP("Logic", "Ток вых. PDM #"), ch, d.outputName(n));
        break;
    case ChannelType_OutputOvercurrentFlag:
        text = numbered(QT_TRANSLATE_NOOP("Logic", "Флаг перегрузки вых. PDM #"), ch, d.outputName(n));
        break;
    case ChannelType_Constant:
        text = constantText(ch, op);
        break;
    case ChannelType_GlobalFunction:
        if (d.isDash())
            text = QCoreApplication::translate("Logic", "Результат функции Ardix ") + d.functionName(n);
        else if (d.isPdm())
            text = QCoreApplication::translate("Logic", "Результат функции PDM ") + d.functionName(n);
        else
            text = identificationError("F026");
        break;
    case ChannelType_GlobalCounter:
        if (d.isDash())
            text = QCoreApplication::translate("Logic", "значение счетчика Ardix (%1)").arg(d.functionName(n));
        else if (d.isPdm())
            text = QCoreApplication::translate("Logic", "значение счетчика PDM (%1)").arg(d.functionName(n));
        else
            text = identificationError("F027");
        break;
    case ChannelType_CanbusInData:
        if (!d.isPdm())
            text = identificationError("F018");
        else if (ch >= PdmLayout::Can::AnalogInputsCount)
            text = identificationError("F029");
        else
            text = numbered(QT_TRANSLATE_NOOP("Logic", "Данные PDM CAN #"), ch, d.pdm()->canAnalogInputName(n));
        break;
    case ChannelType_OutputFaultFlag:
        text = numbered(QT_TRANSLATE_NOOP("Logic", "Флаг ошибки вых. PDM #"), ch, d.outputName(n));
        break;
    case ChannelType_ArdixCanSensorsData:
    case ChannelType_ECU_CanData: {
        const QString source = type == ChannelType_ECU_CanData ? QStringLiteral("ECU, ") : QStringLiteral("Ardix, ");
        if (ch >= CustomSensorFirst && ch <= CustomSensorLast)
            text = source + m_provider->sensorShortName(uint8_t(ch)) + QLatin1Char(',');
        else if (ch <= StandardSensorLast)
            text = source + m_provider->sensorShortName(uint8_t(ch)) + QLatin1Char(',');
        else if (ch > CustomSensorLast)
            text = identificationError("F008");
        else
            text = identificationError("F009");
        break;
    }
    case ChannelType_ArdixInputsState:
        text = QCoreApplication::translate("Logic", "Ardix: цифровой вход #") + QString::number(ch + 1);
        break;
    case ChannelType_ArdixOutputsState:
        text = QCoreApplication::translate("Logic", "Ardix: состояние выхода #") + QString::number(ch + 1);
        break;
    case ChannelType_Keypad1:
    case ChannelType_Keypad2:
    case ChannelType_Keypad3:
    case ChannelType_Keypad4: {
        const int k = int(type) - 14;
        if (k > d.keypadsCount())
            text = identificationError("F010");
        else if (ch >= PdmLayout::KeypadButtonsCount)
            text = identificationError("F011");
        else
            text = QCoreApplication::translate("Logic", "%1 кейпад, кнопка #%2(%3)")
                       .arg(QString::number(k), QString::number(ch + 1), d.keypadButtonName(k - 1, n));
        break;
    }
    case ChannelType_PdmData:
        text = pdmDataName(ch);
        break;
    case ChannelType_Keypad1_AddInputs:
    case ChannelType_Keypad2_AddInputs:
    case ChannelType_Keypad3_AddInputs:
    case ChannelType_Keypad4_AddInputs: {
        const int k = int(type) - 19;
        if (k > d.keypadsWithInputs())
            text = identificationError("F012");
        else if (ch >= PdmLayout::KeypadInputsCount)
            text = identificationError("F013");
        else
            text = QCoreApplication::translate("Logic", "%1 кейпад, цифровой вход #%2(%3)")
                       .arg(QString::number(k), QString::number(ch + 1), d.pdm()->keypadInputName(k - 1, n));
        break;
    }
    case ChannelType_Keypad1_AddADCInputs:
    case ChannelType_Keypad2_AddADCInputs:
    case ChannelType_Keypad3_AddADCInputs:
    case ChannelType_Keypad4_AddADCInputs: {
        const int k = int(type) - 23;
        if (k > d.keypadsWithInputs())
            text = identificationError("F014");
        else if (ch >= PdmLayout::KeypadInputsCount)
            text = identificationError("F015");
        else
            text = QCoreApplication::translate("Logic", "%1 кейпад, аналоговый вход #%2(%3)")
                       .arg(QString::number(k), QString::number(ch + 1), d.pdm()->keypadInputName(k - 1, n));
        break;
    }
    case ChannelType_CanbusDigitalInput:
        text = numbered(d.isDash() ? QT_TRANSLATE_NOOP("Logic", "Вход Ardix CAN #") : QT_TRANSLATE_NOOP("Logic", "Вход PDM CAN #"), ch, d.canDigitalInputName(n));
        break;
    case ChannelType_ArdixCanbusDigitalInput:
        text = QCoreApplication::translate("Logic", "Ardix цифровой вход # ") + QString::number(ch + 1);
        break;
    default:
        text = QStringLiteral("Unknown error #CHN001");
        break;
    }
    return d.prefix + text;
}

QString Logic::get_func_description(uint func_id) const
{
    const auto own = shownDevice(m_provider);
    if (!own || func_id >= uint(own->functionsCount()))
        return identificationError("F001");
    const auto record = own->function(int(func_id));
    if (!record)
        return identificationError("F055");
    return describe(*record);
}

QString Logic::describe(const FunctionRecordView &f) const
{
    if (f.hasBit(FunctionIsCounter))
        return QCoreApplication::translate("Logic", "Счетчик: ") + f.functionName;

    const QString unit = f.hasBit(FunctionIsTimeMinutes) ? QCoreApplication::translate("Logic", " мин") : QCoreApplication::translate("Logic", " сек");
    const QString edge = f.hasBit(FunctionIsInChannelRisingEdge) ? QCoreApplication::translate("Logic", "по переднему фронту, ")
                                                                 : QCoreApplication::translate("Logic", "по заднему фронту, ");
    bool failed = false;
    const QString c = channelName(f.inChannelType, f.inChannel, f.src_dev, f.conditionOperator, &failed);
    if (failed)
        return c;

    const auto active = QCoreApplication::translate("Logic", " активен");
    const auto inactive = QCoreApplication::translate("Logic", " не активен");
    QString text;
    switch (f.inChannelType) {
    case ChannelType_Tic124LogicInput:
    case ChannelType_PdmOutputState:
    case ChannelType_OutputOvercurrentFlag:
    case ChannelType_OutputFaultFlag:
    case ChannelType_Keypad1_AddInputs:
    case ChannelType_Keypad2_AddInputs:
    case ChannelType_Keypad3_AddInputs:
    case ChannelType_Keypad4_AddInputs:
    case ChannelType_CanbusDigitalInput:
    case ChannelType_ArdixCanbusDigitalInput:
        text = logicText(c, f, active, inactive, unit, edge);
        break;
    case ChannelType_Keypad1:
    case ChannelType_Keypad2:
    case ChannelType_Keypad3:
    case ChannelType_Keypad4:
        text = logicText(c, f, QCoreApplication::translate("Logic", " активна"), QCoreApplication::translate("Logic", " не активна"), unit, edge);
        break;
    case ChannelType_GlobalFunction:
        text = logicText(c, f, QCoreApplication::translate("Logic", " = ДА"), QCoreApplication::translate("Logic", " = НЕТ"), unit, edge);
        break;
    case ChannelType_Tic124AnalogInput:
    case ChannelType_CanbusInData:
        text = compareText(c + QCoreApplication::translate("Logic", ", значение"), f, false);
        break;
    case ChannelType_OutputCurrent:
        text = compareText(c, f, true);
        break;
    case ChannelType_GlobalCounter:
        text = compareText(c, f, false);
        break;
    case ChannelType_ArdixCanSensorsData:
    case ChannelType_ECU_CanData:
        text = compareText(c, f, m_provider->isSensorFloat(f.inChannel));
        break;
    case ChannelType_PdmData:
        if (f.conditionOperator == IfTrue)
            text = c + QCoreApplication::translate("Logic", ", если активен");
        else if (f.conditionOperator == IfFalse)
            text = c + QCoreApplication::translate("Logic", ", если не активен");
        else
            text = compareText({c + QCoreApplication::translate("Logic", ", значение"), c, QT_TRANSLATE_NOOP("Logic", " гистерезис, вкл. если > "), QT_TRANSLATE_NOOP("Logic", ", выкл. если < ")},
                               f, f.inChannel == PdmData_BattVoltage);
        break;
    case ChannelType_Keypad1_AddADCInputs:
    case ChannelType_Keypad2_AddADCInputs:
    case ChannelType_Keypad3_AddADCInputs:
    case ChannelType_Keypad4_AddADCInputs:
        text = compareText({c + QCoreApplication::translate("Logic", ", значение"), c, QT_TRANSLATE_NOOP("Logic", " гистерезис, включение если > "),
                            QT_TRANSLATE_NOOP("Logic", ", выключение если < ")},
                           f, false);
        break;
    default: // the constant, and channels with nothing to compare
        text = c;
        break;
    }

    if (f.hasBit(FunctionIsInvert))
        text += QCoreApplication::translate("Logic", " (ИНВЕРТ.)");
    const uint op = f.conditionOperator;
    if (op != IfFlash && op != IfToggle && op != IfPulse) {
        if (f.trueDelayHystOrFlash != 0)
            text += QCoreApplication::translate("Logic", " (⬆%1с)").arg(delay(f.trueDelayHystOrFlash));
        if (f.falseDelayHystOrFlash != 0)
            text += QCoreApplication::translate("Logic", " (⬇%1с)").arg(delay(f.falseDelayHystOrFlash));
    }
    return text;
}
