// Which settings the logic texts read, by the id of the connected device as the kernel knows it:
// a dash (or its boot loader) reads the dash block, a PDM (or its boot loader) the PDM block, and
// any other device has no functions to describe.
#include "app/KernelPorts.h"
#include "logic/Logic.h"
#include "settings/ArdixEnums.h"
#include "settings/dash/ArdixSettings.h"
#include "settings/persistence/SettingsStore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace ArdixEnums;

class TestLogicDevice : public QObject
{
    Q_OBJECT
private slots:
    void connectedDeviceChoosesTheBlock_data()
    {
        QTest::addColumn<int>("deviceId");
        QTest::addColumn<bool>("known");
        QTest::newRow("dash") << int(Device_Ardix7) << true;
        QTest::newRow("dash boot loader") << int(Device_Ardix7Boot) << true;
        QTest::newRow("PDM") << int(Device_Pmx) << true;
        QTest::newRow("PDM boot loader") << int(Device_PmxBoot) << true;
        QTest::newRow("keypad") << int(Device_Keypad7) << false;
        QTest::newRow("client") << int(Device_ArdixClient) << false;
        QTest::newRow("PDM tester") << int(Device_PDM_Tester) << false;
    }

    void connectedDeviceChoosesTheBlock()
    {
        QFETCH(int, deviceId);
        QFETCH(bool, known);
        QTemporaryDir dir;
        QSettings values(dir.filePath(QStringLiteral("store.ini")), QSettings::IniFormat);
        persistence::SettingsStore store(&values);
        ArdixSettings dash;
        KernelState state;
        state.deviceId = [deviceId] { return deviceId; };
        BlocksAdapter blocks(store, dash, state);
        Logic logic;
        logic.setProvider(&blocks);

        const QString unknown = QStringLiteral("ошибка #F001 опознования функции");
        QCOMPARE(logic.get_func_description(0) == unknown, !known);
        QCOMPARE(logic.get_channel_name(ChannelType_PdmData, 0, 0) == unknown, !known);
    }
};

QTEST_GUILESS_MAIN(TestLogicDevice)
#include "tst_logic_device.moc"
