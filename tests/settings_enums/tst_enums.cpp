#include "settings/ArdixEnums.h"

#include <QDirIterator>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QtTest>

using namespace ArdixEnums;

class TstEnums : public QObject
{
    Q_OBJECT
private slots:
    void declarationOrder();
    void keyValues_data();
    void keyValues();
    void notFlags();
    void canbusDisableStoredInByte();
    void bitPositions();
    void interfaceReadsOnlyKeysItCanSee();
};

// The interface and the link refer to enumerations by name; a renamed or reordered one is a break.
void TstEnums::declarationOrder()
{
    const QStringList expected = {
        "ArdixFileTypes", "DeviceConnectionType", "GpsModuleConfigBits", "AnalogGroups",
        "MainSettingsList", "LogsConfig", "ArdixModules", "CustomAnalogSensorTypes", "InputSources",
        "SensorsIndexes", "ButtonsActionIndexes", "OutputActionIndexes", "OutputConfigIndexes",
        "CommandsEnum", "MessageDataTypes", "ActionTypes", "SkinSettingsIndexes", "SkinModeConfigBits",
        "SocketStatus", "DeviceModelId", "ErrorCodes", "AnimationsList", "EcuProtocols", "BoardOptions",
        "PdmConditionsOperators", "PdmFunctionsInChannelTypes", "PdmOutputConfigBitsEnum",
        "PdmFunctionConfigBitsEnum", "KeypadWakeUpIntsBits", "PdmDataIndexes", "Tic124ModesBits",
        "CanbusBauds", "PdmOtherSettingsConfigBits", "PdmFunctionParentTypes", "PdmSettingsMenuItems",
        "PdmFlagsEnum", "Ardix7_test_can_commands", "PacketParseStatus", "ArdixActions"};
    const QMetaObject &mo = ArdixEnums::staticMetaObject;
    QStringList actual;
    for (int i = mo.enumeratorOffset(); i < mo.enumeratorCount(); ++i)
        actual << QString::fromLatin1(mo.enumerator(i).name());
    QCOMPARE(actual, expected);
    QCOMPARE(QString::fromLatin1(mo.className()), QStringLiteral("ArdixEnums"));
}

void TstEnums::keyValues_data()
{
    QTest::addColumn<QByteArray>("enumName");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("key"); // empty: the value has no key
    QTest::addColumn<int>("keyCount");

    struct Row { const char *e; int v; const char *k; int count; };
    const Row rows[] = {
        {"ArdixFileTypes", 7, "UserLogoSvg_FileType", 8},
        {"ArdixModules", 204, "Module_GPS_GainLoss", 5},
        {"ArdixModules", 0, "", 5},
        {"SensorsIndexes", 0, "NoSensor_index", 61},
        {"SensorsIndexes", 14, "BoostPressure_index2", 61},
        {"SensorsIndexes", 25, "GSensorZ_index", 61},
        {"SensorsIndexes", 26, "", 61},
        {"SensorsIndexes", 99, "", 61},
        {"SensorsIndexes", 100, "custom0", 61},
        {"SensorsIndexes", 129, "custom29", 61},
        {"SensorsIndexes", 130, "", 61},
        {"SensorsIndexes", 163, "", 61},
        {"SensorsIndexes", 164, "LastLapSensor_index", 61},
        {"SensorsIndexes", 168, "GainLossSensor_index", 61},
        {"ButtonsActionIndexes", 31, "Lamp_User7", 45},
        {"ButtonsActionIndexes", 36, "Lamp_Gear_Manuall", 45},
        {"ButtonsActionIndexes", 44, "Lamp_Gear_8", 45},
        {"CommandsEnum", 57, "PdmEnableAllOutputs", 77},
        {"CommandsEnum", 58, "", 77},
        {"CommandsEnum", 59, "", 77},
        {"CommandsEnum", 60, "PdmSetCalibrateOutput", 77},
        {"CommandsEnum", 65, "SetBoadInfoOptionsBits", 77},
        {"CommandsEnum", 78, "LoadDefaultSettingsFromFlash", 77},
        {"MessageDataTypes", 34, "ForwardData", 42},
        {"MessageDataTypes", 35, "", 42},
        {"MessageDataTypes", 200, "Test_ardix7_tests_result", 42},
        {"MessageDataTypes", 206, "Test_ardix7_DfuUpgrade", 42},
        {"SkinSettingsIndexes", 12, "Mode_9_CellsCount", 24},
        {"SkinSettingsIndexes", 13, "Mode_0_Config", 24},
        {"SkinSettingsIndexes", 23, "Reserved", 24},
        {"DeviceModelId", 4, "Device_Pmx", 28},
        {"DeviceModelId", 6, "Device_ArdixClient", 28},
        {"DeviceModelId", 27, "Device_Qpad_RGB_Keypad", 28},
        {"EcuProtocols", 21, "CanGems", 22},
        {"PdmConditionsOperators", 16, "IfXor", 17},
        {"PdmFunctionsInChannelTypes", 32, "ChannelType_Flag_State", 33},
        {"PdmFunctionConfigBitsEnum", 13, "FunctionIsStoreInEeprom", 14},
        {"CanbusBauds", -1, "CanbusBaud_Disable", 5},
        {"CanbusBauds", 3, "CanbusBaud_1000kbps", 5},
        {"PdmSettingsMenuItems", 18, "PdmSettings_Password", 19},
        {"MainSettingsList", 24, "Settings_Keypad", 25},
        {"Ardix7_test_can_commands", 1, "Test_Ardix_Outputs_push", 20},
        {"Ardix7_test_can_commands", 2, "", 20},
        {"Ardix7_test_can_commands", 3, "Test_Ardix_A20Reset", 20},
        {"Ardix7_test_can_commands", 12, "", 20},
        {"Ardix7_test_can_commands", 13, "Test_Ardix_ResetBoardInfo", 20},
        {"Ardix7_test_can_commands", 55, "Test_Meter_StartTest", 20},
        {"PacketParseStatus", 6, "PacketRx_UnknownCanId", 7},
        {"ArdixActions", 5, "MAXID_Action", 6},
        {"SocketStatus", 5, "ardixLogTransfer", 6},
        {"InputSources", 11, "InputSourceDigital_IO_Expander", 12},
        {"AnalogGroups", 11, "HighPressureSensors_5V", 12},
        {"CustomAnalogSensorTypes", 6, "RangeTable_CustomAnalogType", 7},
    };
    for (const Row &r : rows)
        QTest::addRow("%s/%d", r.e, r.v) << QByteArray(r.e) << r.v << QString::fromLatin1(r.k) << r.count;
}

void TstEnums::keyValues()
{
    QFETCH(QByteArray, enumName);
    QFETCH(int, value);
    QFETCH(QString, key);
    QFETCH(int, keyCount);

    QCOMPARE(ArdixEnums::keyName(enumName.constData(), value), key);
    const QMetaObject &mo = ArdixEnums::staticMetaObject;
    const QMetaEnum me = mo.enumerator(mo.indexOfEnumerator(enumName.constData()));
    QCOMPARE(me.keyCount(), keyCount);
    if (!key.isEmpty()) {
        bool ok = false;
        QCOMPARE(me.keyToValue(key.toLatin1().constData(), &ok), value);
        QVERIFY(ok);
    }
}

void TstEnums::notFlags()
{
    const QMetaObject &mo = ArdixEnums::staticMetaObject;
    for (int i = mo.enumeratorOffset(); i < mo.enumeratorCount(); ++i) {
        QVERIFY2(!mo.enumerator(i).isFlag(), mo.enumerator(i).name());
        QVERIFY2(!mo.enumerator(i).isScoped(), mo.enumerator(i).name());
    }
    QCOMPARE(ArdixEnums::keyName("NoSuchEnum", 0), QString());
}

void TstEnums::canbusDisableStoredInByte()
{
    const quint8 stored = static_cast<quint8>(CanbusBaud_Disable);
    QCOMPARE(int(stored), 255);
    QCOMPARE(canbusBaudFromByte(stored), int(CanbusBaud_Disable));
    QCOMPARE(keyName("CanbusBauds", canbusBaudFromByte(stored)), QStringLiteral("CanbusBaud_Disable"));
    QCOMPARE(canbusBaudFromByte(2), int(CanbusBaud_500kbps));
}

void TstEnums::bitPositions()
{
    QCOMPARE(withBit(0, Log_TriggerIfBoth, true), 0x10u);
    QCOMPARE(withBit(0, GpsModule_IsAccXYSwaped, true), 0x20u);
    QCOMPARE(withBit(0, ModeConfig_IsTripOn, true), 0x01u);
    QCOMPARE(withBit(0xFF, Log_Closeloop, false), 0xFDu);
    QVERIFY(testBit(0x2000, FunctionIsStoreInEeprom));
    QVERIFY(!testBit(0x1FFF, FunctionIsStoreInEeprom));
}


// The interface reads keys as ArdixEnums.Key: a key that does not exist, or that starts with a small
// letter (QML sees only capitalised enumeration keys), reads as undefined and every comparison with
// it is silently false.
void TstEnums::interfaceReadsOnlyKeysItCanSee()
{
    QSet<QString> keys;
    const QMetaObject &meta = ArdixEnums::staticMetaObject;
    for (int e = 0; e < meta.enumeratorCount(); ++e)
        for (int k = 0; k < meta.enumerator(e).keyCount(); ++k)
            keys.insert(QString::fromLatin1(meta.enumerator(e).key(k)));
    const QString qml = qEnvironmentVariable("ARDIX_TEST_SOURCE_DIR") + QStringLiteral("/qml");
    QVERIFY(QFileInfo(qml).isDir());
    const QRegularExpression use(QStringLiteral("ArdixEnums\\.([A-Za-z_0-9]+)"));
    int uses = 0;
    QDirIterator it(qml, {QStringLiteral("*.qml"), QStringLiteral("*.js")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (auto m = use.globalMatch(text); m.hasNext();) {
            const QString key = m.next().captured(1);
            ++uses;
            QVERIFY2(keys.contains(key), qPrintable(file.fileName() + ": no key " + key));
            QVERIFY2(key.at(0).isUpper(), qPrintable(file.fileName() + ": QML cannot read " + key));
        }
    }
    QVERIFY(uses > 100);
}

QTEST_GUILESS_MAIN(TstEnums)
#include "tst_enums.moc"
