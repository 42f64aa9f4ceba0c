// The one-line texts of logic functions and channels, and the report of where a function is used,
// built from small PDM and dash blocks written field by field.
#include "logic/Logic.h"
#include "logic/LogicBlocksProvider.h"
#include "settings/ArdixEnums.h"
#include "settings/layout/LittleEndian.h"
#include "settings/layout/TextField.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmSettings.h"

#include <QRandomGenerator>
#include <QTest>

using namespace ArdixEnums;
using namespace PdmLayout;

namespace {

constexpr uint32_t Used = 1u << FunctionIsInternal; // any non-zero configBits without meaning here

struct FunctionRow
{
    QString name;
    uint32_t configBits = 1u << FunctionIsInternal;
    uint8_t inChannelType = 0;
    uint8_t inChannel = 0;
    uint8_t op = IfTrue;
    uint16_t trueDelay = 0;
    uint16_t falseDelay = 0;
    uint16_t value = 0;
    uint16_t maxValue = 0;
    uint16_t minValue = 0;
    uint8_t srcDev = 0;
};

class Block
{
public:
    explicit Block(std::size_t size) : m_bytes(qsizetype(size), '\0') {}

    unsigned char *at(std::size_t offset) { return reinterpret_cast<unsigned char *>(m_bytes.data()) + offset; }
    void text(std::size_t offset, int size, const QString &t) { layout::packText(at(offset), size, t); }
    void u16(std::size_t offset, uint16_t v) { layout::writeLE<uint16_t>(at(offset), v); }
    void u32(std::size_t offset, uint32_t v) { layout::writeLE<uint32_t>(at(offset), v); }
    void function(std::size_t record, const FunctionRow &f)
    {
        namespace F = Function;
        text(record + F::Name, int(F::NameSize), f.name);
        u32(record + F::ConfigBits, f.configBits);
        *at(record + F::InChannelType) = f.inChannelType;
        *at(record + F::InChannel) = f.inChannel;
        *at(record + F::ConditionOperator) = f.op;
        u16(record + F::TrueDelayHystOrFlash, f.trueDelay);
        u16(record + F::FalseDelayHystOrFlash, f.falseDelay);
        u16(record + F::ConstValueToCompareWith, f.value);
        u16(record + F::ConstMaxValueToCompareWith, f.maxValue);
        u16(record + F::ConstMinValueToCompareWith, f.minValue);
        *at(record + F::SrcDev) = f.srcDev;
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// A PDM block with named inputs, outputs, keypad buttons and CAN inputs.
Block pdmBlock(uint32_t serial, const QString &deviceName)
{
    Block b(BlockSize);
    b.u32(PdmSerialNumberOffset, serial);
    b.text(DeviceNameOffset, int(DeviceNameSize), deviceName);
    b.text(InputNamesOffset, 32, QStringLiteral("Зажигание"));
    b.text(InputNamesOffset + 32, 32, QStringLiteral("Датчик"));
    b.text(outputOffset(0), 32, QStringLiteral("Вентилятор"));
    b.text(outputOffset(2), 32, QStringLiteral("Насос"));
    b.text(keypadOffset(1) + Keypad::ButtonsNames + 3 * 32, 32, QStringLiteral("Фары"));
    b.text(keypadOffset(0) + Keypad::Tic124InputsNames + 32, 32, QStringLiteral("Педаль"));
    b.text(CanOffset + Can::AnalogInputs + 2 * Can::AnalogInputSize, 32, QStringLiteral("Давление"));
    b.text(CanOffset + Can::DigitalInputs + 4 * Can::DigitalInputSize, 32, QStringLiteral("Кнопка"));
    return b;
}

// Dash block positions used below (common record at 5,880, extra area at 16,588).
constexpr std::size_t DashBlockSize = 28876;
constexpr std::size_t DashSerial = 5880 + 270;
constexpr std::size_t DashSecondSerial = 5880 + 272;
constexpr std::size_t DashDeviceName = 5880 + 720;
constexpr std::size_t DashPdmsSerial = 5880 + 752;
constexpr std::size_t DashFunctions = 16588 + 4604;
constexpr std::size_t DashKeypads = 16588 + 9884;

class FakeProvider : public LogicBlocksProvider
{
public:
    int type = Device_Pmx;
    int index = 0;
    QByteArray dash;
    QByteArray pdm;
    QList<QByteArray> otherPdms;
    QList<QByteArray> otherDashes;

    int connectedDeviceType() const override { return type; }
    int shownDeviceIndex() const override { return index; }
    QByteArray dashBlock() const override { return dash; }
    QByteArray pdmBlock() const override { return pdm; }
    QList<QByteArray> otherPdmBlocks() const override { return otherPdms; }
    QList<QByteArray> otherDashBlocks() const override { return otherDashes; }
    QString sensorShortName(uint8_t id) const override
    {
        return id == 16 ? QStringLiteral("Обороты") : id == 101 ? QStringLiteral("Масло") : QString();
    }
    bool isSensorFloat(uint8_t id) const override { return id == 101; }
};

const QString OtherPdmMissingOnPdm = QStringLiteral(
    "Ошибка, проверьте верно ли указан серийный номер PMX в настройках PDM, раздел 'Связь с другими PMX'");

} // namespace

Q_DECLARE_METATYPE(FunctionRow)

class TstLogic : public QObject
{
    Q_OBJECT

    // Description of one function placed at id 5 of an otherwise plain PDM block.
    QString describe(const FunctionRow &f)
    {
        Block b = pdmBlock(1000, QStringLiteral("Main"));
        b.function(functionOffset(5), f);
        b.function(functionOffset(9), {QStringLiteral("Вент"), 1u << FunctionIsGlobal});
        b.function(functionOffset(11), {QStringLiteral("Счет"), 1u << FunctionIsCounter});
        FakeProvider p;
        p.pdm = b.bytes();
        Logic logic;
        logic.setProvider(&p);
        return logic.get_func_description(5);
    }

private Q_SLOTS:
    void descriptions_data()
    {
        QTest::addColumn<FunctionRow>("function");
        QTest::addColumn<QString>("text");
        const uint invert = 1u << FunctionIsInvert;
        const uint rising = 1u << FunctionIsInChannelRisingEdge;
        const uint minutes = 1u << FunctionIsTimeMinutes;

        FunctionRow counter{QStringLiteral("Круги"), 1u << FunctionIsCounter, ChannelType_Tic124LogicInput, 0,
                             IfFlash, 1500, 2000};
        QTest::newRow("counter is its name only") << counter << "Счетчик: Круги";

        FunctionRow onInput{QStringLiteral("f"), Used, ChannelType_Tic124LogicInput, 0, IfTrue, 1500};
        QTest::newRow("IfTrue, on delay") << onInput << "Вход PDM #1(Зажигание) активен (⬆1.50с)";
        FunctionRow inverted = onInput;
        inverted.configBits |= invert;
        QTest::newRow("IfTrue, inverted") << inverted << "Вход PDM #1(Зажигание) активен (ИНВЕРТ.) (⬆1.50с)";
        FunctionRow offDelay = onInput;
        offDelay.op = IfFalse;
        offDelay.falseDelay = 250;
        QTest::newRow("IfFalse, both delays")
            << offDelay << "Вход PDM #1(Зажигание) не активен (⬆1.50с) (⬇0.25с)";

        FunctionRow flash{QStringLiteral("f"), Used, ChannelType_PdmOutputState, 2, IfFlash, 500, 1000};
        QTest::newRow("flash keeps its delays in the text")
            << flash << "Переключение, мигание, если Выход PDM #3(Насос) активен, (ДА = 0.50 сек, НЕТ = 1.00 сек)";
        FunctionRow pulse{QStringLiteral("f"), Used | rising | minutes, ChannelType_Tic124LogicInput, 1, IfPulse, 3000};
        QTest::newRow("pulse in minutes, rising edge")
            << pulse << "Импульс (по переднему фронту, Вход PDM #2(Датчик), время импульса = 3.00 мин)";
        FunctionRow toggle{QStringLiteral("f"), Used, ChannelType_Keypad2, 3, IfToggle, 700, 700};
        QTest::newRow("toggle on a keypad button")
            << toggle << "Переключатель(по заднему фронту, 2 кейпад, кнопка #4(Фары))";
        FunctionRow button{QStringLiteral("f"), Used, ChannelType_Keypad2, 3, IfTrue};
        QTest::newRow("keypad button") << button << "2 кейпад, кнопка #4(Фары) активна";

        FunctionRow global{QStringLiteral("f"), Used, ChannelType_GlobalFunction, 9, IfFalse};
        QTest::newRow("global function") << global << "Результат функции PDM Вент = НЕТ";

        FunctionRow hysteresis{QStringLiteral("f"), Used, ChannelType_GlobalCounter, 11, IfHysteresis};
        hysteresis.maxValue = 90;
        hysteresis.minValue = 80;
        QTest::newRow("hysteresis on a counter")
            << hysteresis << "значение счетчика PDM (Счет) гистерезис, вкл. если > 90, выкл. если < 80";
        FunctionRow current{QStringLiteral("f"), Used, ChannelType_OutputCurrent, 0, IfGreaterThan};
        current.value = 1550;
        QTest::newRow("current compares with two decimals") << current << "Ток вых. PDM #1(Вентилятор) больше 15.50";
        FunctionRow analog{QStringLiteral("f"), Used, ChannelType_Tic124AnalogInput, 1, IfLessThanOrEqual};
        analog.value = 512;
        QTest::newRow("analog input value") << analog << "Вход PDM #2(Датчик), значение меньше или равно 512";
        FunctionRow sensor{QStringLiteral("f"), Used, ChannelType_ArdixCanSensorsData, 101, IfEqual};
        sensor.value = 250;
        QTest::newRow("float sensor") << sensor << "Ardix, Масло, равно 2.50";
        FunctionRow voltage{QStringLiteral("f"), Used, ChannelType_PdmData, PdmData_BattVoltage, IfLessThan};
        voltage.value = 1150;
        QTest::newRow("battery voltage") << voltage << "PDM: Напряжение, значение меньше 11.50";
        FunctionRow temperature{QStringLiteral("f"), Used, ChannelType_PdmData, PdmData_InternalTemp, IfHysteresis};
        temperature.maxValue = 70;
        temperature.minValue = 60;
        QTest::newRow("PDM data hysteresis")
            << temperature << "PDM: Температура гистерезис, вкл. если > 70, выкл. если < 60";
        FunctionRow adc{QStringLiteral("f"), Used, ChannelType_Keypad1_AddADCInputs, 1, IfHysteresis};
        adc.maxValue = 9;
        adc.minValue = 3;
        QTest::newRow("keypad ADC hysteresis")
            << adc << "1 кейпад, аналоговый вход #2(Педаль) гистерезис, включение если > 9, выключение если < 3";
        FunctionRow constant{QStringLiteral("f"), Used, ChannelType_Constant, 1, IfFalse, 1000};
        QTest::newRow("constant inside a function") << constant << "Никогда (⬆1.00с)";
        FunctionRow badOp{QStringLiteral("f"), Used, ChannelType_CanbusInData, 2, IfXor};
        QTest::newRow("unknown comparison") << badOp << "Данные PDM CAN #3(Давление), значение error CND#01 ";
    }

    void descriptions()
    {
        QFETCH(FunctionRow, function);
        QTEST(describe(function), "text");
    }

    void channelNames_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<uint>("ch");
        QTest::addColumn<QString>("text");
        QTest::newRow("output fault") << uint(ChannelType_OutputFaultFlag) << 2u << "Флаг ошибки вых. PDM #3(Насос)";
        QTest::newRow("overcurrent") << uint(ChannelType_OutputOvercurrentFlag) << 0u
                                     << "Флаг перегрузки вых. PDM #1(Вентилятор)";
        QTest::newRow("constant on") << uint(ChannelType_Constant) << 1u << "КОНСТАНТА ВСЕГДА";
        QTest::newRow("constant off") << uint(ChannelType_Constant) << 0u << "КОНСТАНТА НИКОГДА";
        QTest::newRow("ECU sensor") << uint(ChannelType_ECU_CanData) << 16u << "ECU, Обороты,";
        QTest::newRow("sensor gap") << uint(ChannelType_ECU_CanData) << 50u << "ошибка #F009 опознования функции";
        QTest::newRow("custom sensor gap") << uint(ChannelType_ArdixCanSensorsData) << 140u
                                           << "ошибка #F008 опознования функции";
        QTest::newRow("dash input") << uint(ChannelType_ArdixInputsState) << 0u << "Ardix: цифровой вход #1";
        QTest::newRow("dash output") << uint(ChannelType_ArdixOutputsState) << 2u << "Ardix: состояние выхода #3";
        QTest::newRow("CAN data out of range") << uint(ChannelType_CanbusInData) << 16u
                                               << "ошибка #F029 опознования функции";
        QTest::newRow("keypad button out of range") << uint(ChannelType_Keypad1) << 16u
                                                    << "ошибка #F011 опознования функции";
        QTest::newRow("keypad input") << uint(ChannelType_Keypad1_AddInputs) << 1u
                                      << "1 кейпад, цифровой вход #2(Педаль)";
        QTest::newRow("keypad input out of range") << uint(ChannelType_Keypad4_AddInputs) << 24u
                                                   << "ошибка #F013 опознования функции";
        QTest::newRow("PDM CAN input") << uint(ChannelType_CanbusDigitalInput) << 4u << "Вход PDM CAN #5(Кнопка)";
        QTest::newRow("dash CAN input") << uint(ChannelType_ArdixCanbusDigitalInput) << 0u
                                        << "Ardix цифровой вход # 1";
        QTest::newRow("PDM data") << uint(ChannelType_PdmData) << 4u << "PDM: CAN ECU";
        QTest::newRow("unknown type") << uint(ChannelType_Flag_State) << 0u << "Unknown error #CHN001";
    }

    void channelNames()
    {
        QFETCH(uint, type);
        QFETCH(uint, ch);
        FakeProvider p;
        p.pdm = pdmBlock(1000, QStringLiteral("Main")).bytes();
        Logic logic;
        logic.setProvider(&p);
        QTEST(logic.get_channel_name(type, ch, 0), "text");
    }

    void otherDevices()
    {
        Block main = pdmBlock(1000, QStringLiteral("Main"));
        main.u16(PdmsSerialOffset, 2000); // src_dev 1
        main.u16(PdmsSerialOffset + 2, 3000); // src_dev 2: nobody has it
        main.u16(ArdixSerialOffset, 77); // src_dev 4
        FakeProvider p;
        p.pdm = main.bytes();
        p.otherPdms = {pdmBlock(2000, QStringLiteral("Rear")).bytes()};
        Block dash(DashBlockSize);
        dash.u16(DashSerial, 77);
        dash.text(DashDeviceName, 32, QStringLiteral("Dash"));
        dash.function(DashFunctions + 3 * FunctionRecordSize, {QStringLiteral("Старт")});
        p.dash = dash.bytes();
        Logic logic;
        logic.setProvider(&p);

        QCOMPARE(logic.get_channel_name(ChannelType_PdmOutputState, 0, 1),
                 QStringLiteral("PDM(Rear, 2000): Выход PDM #1(Вентилятор)"));
        QCOMPARE(logic.get_channel_name(ChannelType_PdmOutputState, 0, 2), OtherPdmMissingOnPdm);
        QCOMPARE(logic.get_channel_name(ChannelType_PdmOutputState, 0, 3),
                 QStringLiteral("ошибка #F002 опознования функции"));
        QCOMPARE(logic.get_channel_name(ChannelType_GlobalFunction, 3, 4),
                 QStringLiteral("Ardix(Dash, 77): Результат функции Ardix Старт"));
        QCOMPARE(logic.get_channel_name(ChannelType_GlobalFunction, 3, 5),
                 QStringLiteral("Ошибка, проверьте верно ли указан серийный номер Ardix в настройках PDM, "
                                "раздел 'Связь с Ardix'"));

        // A function whose channel lives on an unknown PDM reads as the serial error alone.
        main.function(functionOffset(1), {QStringLiteral("f"), Used, ChannelType_Tic124LogicInput, 0, IfTrue, 1500,
                                          0, 0, 0, 0, 2});
        p.pdm = main.bytes();
        QCOMPARE(logic.get_func_description(1), OtherPdmMissingOnPdm);
    }

    void onDash()
    {
        Block dash(DashBlockSize);
        dash.u16(DashPdmsSerial + 4, 1000); // src_dev 3
        dash.u16(DashSecondSerial, 88);
        dash.function(DashFunctions + 59 * FunctionRecordSize,
                      {QStringLiteral("Фары"), Used, ChannelType_Keypad2, 0, IfTrue});
        dash.text(DashKeypads + 576 + 8, 32, QStringLiteral("Свет"));
        FakeProvider p;
        p.type = Device_Ardix7;
        p.dash = dash.bytes();
        p.pdm = pdmBlock(1000, QStringLiteral("Main")).bytes();
        Logic logic;
        logic.setProvider(&p);

        QCOMPARE(logic.get_func_description(59), QStringLiteral("2 кейпад, кнопка #1(Свет) активна"));
        QCOMPARE(logic.get_func_description(60), QStringLiteral("ошибка #F001 опознования функции"));
        QCOMPARE(logic.get_channel_name(ChannelType_Keypad3, 0, 0), QStringLiteral("ошибка #F010 опознования функции"));
        QCOMPARE(logic.get_channel_name(ChannelType_CanbusInData, 0, 0),
                 QStringLiteral("ошибка #F018 опознования функции"));
        QCOMPARE(logic.get_channel_name(ChannelType_Tic124LogicInput, 0, 3),
                 QStringLiteral("PDM(Main, 1000): Вход PDM #1(Зажигание)"));
        QCOMPARE(logic.get_channel_name(ChannelType_Tic124LogicInput, 0, 1),
                 QStringLiteral("Ошибка, проверьте верно ли указан серийный номер PMX в настройках Ardix, "
                                "раздел 'Связь с PMX'"));
        QCOMPARE(logic.get_channel_name(ChannelType_GlobalFunction, 0, 4),
                 QStringLiteral("Ошибка, проверьте верно ли указан серийный номер второй панели Ardix в "
                                "настройках, раздел 'Связь с другими Ardix'"));
        QCOMPARE(logic.get_channel_name(ChannelType_GlobalFunction, 0, 5),
                 QStringLiteral("ошибка #F003 опознования функции"));
    }

    void identificationErrors()
    {
        const QString f001 = QStringLiteral("ошибка #F001 опознования функции");
        Logic logic;
        QCOMPARE(logic.get_func_description(0), f001); // no provider
        FakeProvider p;
        p.pdm = pdmBlock(1, QString()).bytes();
        logic.setProvider(&p);
        QCOMPARE(logic.get_func_description(200), f001);
        p.type = Device_Keypad7;
        QCOMPARE(logic.get_channel_name(ChannelType_Constant, 1, 0), f001);
        p.type = Device_Pmx;
        p.index = 3;
        QCOMPARE(logic.get_func_description(0), f001);
        p.index = 0;
        p.pdm.chop(1); // a damaged block cannot be read
        QCOMPARE(logic.get_func_description(0), QStringLiteral("ошибка #F055 опознования функции"));
    }

    // Whatever a block holds, every text is built without reading past the block.
    void randomBlocksAreSafe()
    {
        QRandomGenerator rng(99);
        QByteArray pdm(qsizetype(BlockSize), '\0');
        QByteArray dash(qsizetype(DashBlockSize), '\0');
        for (auto *b : {&pdm, &dash}) {
            for (auto &c : *b)
                c = char(rng.bounded(256));
        }
        FakeProvider p;
        p.pdm = pdm;
        p.dash = dash;
        p.otherPdms = {pdm.left(100), pdm};
        p.otherDashes = {dash.left(100), dash};
        Logic logic;
        logic.setProvider(&p);
        PdmSettings s;
        QVERIFY(s.loadFromBlock(pdm));
        for (int type : {int(Device_Pmx), int(Device_Ardix7)}) {
            p.type = type;
            for (uint id = 0; id < 201; ++id) {
                QVERIFY(!logic.get_func_description(id).isNull());
                s.getFuncUsageInfo(id);
            }
            for (uint channelType = 0; channelType < 40; ++channelType) {
                for (uint ch = 0; ch < 256; ch += 5) {
                    for (uint srcDev = 0; srcDev < 7; ++srcDev)
                        QVERIFY(!logic.get_channel_name(channelType, ch, srcDev).isEmpty());
                }
            }
        }
    }

    void usageReport()
    {
        Block b = pdmBlock(1000, QStringLiteral("Main"));
        const int id = 7;
        b.function(functionOffset(id), {QStringLiteral("Жара"), 1u << FunctionIsGlobal});
        *b.at(outputOffset(0) + Output::FunctionsOrder + 1) = id;
        *b.at(outputOffset(2) + Output::FunctionsOrder) = id;
        PdmSettings s;
        QVERIFY(s.loadFromBlock(b.bytes()));
        QCOMPARE(s.getFuncUsageInfo(id), QStringLiteral("Глобальная функция используется в настройках:\n"
                                                        "ВЫХОД - 'Вентилятор', \n"
                                                        "ВЫХОД - 'Насос'"));
        QCOMPARE(s.getFuncUsageInfo(8), QString()); // used nowhere

        // Every kind of use, in the fixed order.
        *b.at(outputOffset(2) + Output::PwmFunctionsOrder + 4) = id;
        FunctionRow parent{QStringLiteral("Общая"), Used};
        b.function(functionOffset(20), parent);
        *b.at(functionOffset(20) + Function::FunctionsOrder) = id;
        b.function(functionOffset(21), {QStringLiteral("Сч"), 1u << FunctionIsCounter, ChannelType_GlobalFunction, id});
        b.u16(keypadOffset(1) + Keypad::GreenFunctionsActiveBits, 1u << 3);
        *b.at(keypadOffset(1) + Keypad::LedGreenFunction + 3) = id;
        *b.at(OtherConfigBitsOffset) = 0b101;
        *b.at(MasterShutdownFunctionIdOffset) = id;
        *b.at(MasterRetryFunctionIdOffset) = id; // not enabled
        *b.at(PdmSleepFunctionIdOffset) = id;
        b.u32(CanOffset + Can::OutMessages + Can::OutMessageSize, 0x550);
        *b.at(CanOffset + Can::OutMessages + Can::OutMessageSize + Can::OutDataOffset + 2 * Can::OutDataSize) =
            ChannelType_GlobalFunction;
        *b.at(CanOffset + Can::OutMessages + Can::OutMessageSize + Can::OutDataOffset + 2 * Can::OutDataSize + 1) = id;
        b.u32(functionOffset(id) + Function::ConfigBits, (1u << FunctionIsGlobal) | (1u << FunctionIsCounter));
        QVERIFY(s.loadFromBlock(b.bytes()));
        QCOMPARE(s.getFuncUsageInfo(id), QStringLiteral("Глобальная функцияСчетчик используется в настройках:\n"
                                                        "ВЫХОД - 'Вентилятор', \n"
                                                        "ВЫХОД - 'Насос', \n"
                                                        "ВЫХОД - 'Насос (PWM)', \n"
                                                        "Функция - 'Общая', \n"
                                                        "Счетчик - 'Сч', \n"
                                                        "Индикация, Кейпад #2 - Кнопка #4 'Фары', \n"
                                                        "Функция - 'Размыкатель', \n"
                                                        "Функция - 'Переход в сон', \n"
                                                        "CAN передача, id пакета - '1360(0x550)'"));
    }
};


QTEST_GUILESS_MAIN(TstLogic)
#include "tst_logic.moc"
