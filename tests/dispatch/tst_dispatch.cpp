// Command and data frames through the dispatcher with fake ports: what gets queued, what the
// link state becomes and which signals go out, in order.

#include "FakePorts.h"

#include "link/dispatch/DashDescription.h"
#include "link/dispatch/DispatchTexts.h"
#include "link/dispatch/FirmwareVersion.h"
#include "link/dispatch/StartLineCoordinate.h"
#include "settings/ArdixEnums.h"
#include "settings/dash/DashApply.h"

#include <QtEndian>
#include <QtTest>

using namespace ArdixEnums;

namespace {
// "S185" as the four characters of a KeepOnline answer.
constexpr uint kS185 = 'S' | ('1' << 8) | ('8' << 16) | ('5' << 24);

QString t(const char *s)
{
    return QString::fromUtf8(s);
}

QByteArray le32(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
} // namespace

class TstDispatch : public QObject
{
    Q_OBJECT
private slots:
    void commands_data();
    void commands();
    void firmwareVersionText();
    void serialHashStartsSync();
    void pdmSerialStoredOnlyWhenNew();
    void dashSettingsDownload_data();
    void dashSettingsDownload();
    void pdmSettingsDownload();
    void uploadSelection_data();
    void uploadSelection();
    void thirdResendRequestShowsMessage();
    void startLineConversion();
    void calibrationsUpload();
    void pdmRealtimeWrongLengthShownOnce();
    void smallDataBlocks();
    void refLap_data();
    void refLap();
    void pwmDutySendRule();
    void changeSkinModeWraps();
    void dashDescriptionByBoard();
};

void TstDispatch::commands_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<uint>("command");
    QTest::addColumn<uint>("sender");
    QTest::addColumn<uint>("parameter");
    QTest::addColumn<uint>("parameter1");
    QTest::addColumn<QStringList>("queued");
    QTest::addColumn<int>("statusAfter");
    QTest::addColumn<int>("deviceAfter");
    QTest::addColumn<QStringList>("events");

    const QStringList none;
    QTest::newRow("dash comes online") << 0 << uint(KeepOnline) << 0u << kS185 << 0u
                                       << QStringList{"c1:0"} << 1 << 0
                                       << QStringList{t("popUp:есть связь"), "firmware"};
    QTest::newRow("dash keeps online, no serial yet") << 1 << uint(KeepOnline) << 0u << kS185 << 0u
                                                      << QStringList{"c1:0"} << 1 << 0
                                                      << QStringList{"firmware"};
    QTest::newRow("pdm comes online") << 0 << uint(KeepOnline) << 4u << kS185 << 0u
                                      << QStringList{"c36:0"} << 1 << 4
                                      << QStringList{t("popUp:есть связь с PDM"), "firmware"};
    QTest::newRow("pdm boot loader is flashing's") << 0 << uint(KeepOnline) << 5u << kS185 << 0u
                                                   << none << 0 << 0 << none;
    QTest::newRow("dash settings differ") << 1 << uint(CheckSettingsSync) << 0u << 0u << 255u << none
                                          << 1 << 0 << QStringList{"hideBusy", "syncDialog:0"};
    QTest::newRow("dash in sync, new skin mode")
        << 1 << uint(CheckSettingsSync) << 0u << 1u << 2u << none << 1 << 0
        << QStringList{"hideBusy", "skinMode:2", t("popUp:Подключен и синхронизирован"),
                       "configChanged", "syncCompleted"};
    QTest::newRow("pdm serial answer") << 1 << uint(DeviceSerialNum) << 4u << 777u << 0u
                                       << QStringList{"c43:0"} << 1 << 0
                                       << QStringList{"hideBusy", "pdmSerial"};
    QTest::newRow("pdm in sync, eeprom ok")
        << 1 << uint(CheckPdmSettingsSync) << 4u << 1u << 1u << none << 1 << 0
        << QStringList{"hideBusy", "eeprom:1", t("popUp:Подключен и синхронизирован"),
                       "configChanged", "syncCompleted"};
    QTest::newRow("pdm settings differ, eeprom bad")
        << 1 << uint(CheckPdmSettingsSync) << 4u << 0u << 0u << none << 1 << 0
        << QStringList{"hideBusy", "eeprom:0", "syncDialog:0"};
    QTest::newRow("pdm password bad, offer reset") << 1 << uint(SettingsPasswordBad) << 4u << 1u << 0u
                                                   << none << 1 << 0
                                                   << QStringList{"hideBusy", "syncDialog:1"};
    QTest::newRow("pdm asks for password")
        << 1 << uint(SettingsPasswordBad) << 4u << 0u << 0u << none << 1 << 0
        << QStringList{"hideBusy", "syncCompleted", "passwordDialog:0"};
    QTest::newRow("gear value") << 1 << uint(GearCalibration) << 0u << 1234u << 3u << none << 1 << 0
                                << QStringList{"hideBusy", "gear:3,1234,1"};
    QTest::newRow("gear table value") << 1 << uint(AllGearsCalibration) << 0u << 99u << 1u << none
                                      << 1 << 0 << QStringList{"hideBusy", "gear:1,99,0"};
    QTest::newRow("gear not moving")
        << 1 << uint(GearCalibration) << 0u << 0u << 3u << none << 1 << 0
        << QStringList{"hideBusy", "info:" + t(DispatchText::GearNotMoving)};
    QTest::newRow("speed input 3") << 1 << uint(SpeedSensor_3_GpsCalibration) << 0u << 61u << 2u
                                   << none << 1 << 0 << QStringList{"hideBusy", "speed:2,61"};
    QTest::newRow("speed not moving")
        << 1 << uint(SpeedSensor_1_GpsCalibration) << 0u << 0u << 0u << none << 1 << 0
        << QStringList{"hideBusy", "info:" + t(DispatchText::SpeedNotMoving)};
    QTest::newRow("trip") << 1 << uint(GetTrip) << 0u << 4242u << 0u << none << 1 << 0
                          << QStringList{"hideBusy", "trip:4242"};
    QTest::newRow("verified") << 1 << uint(VerifiedOk) << 0u << 0u << 0u << none << 1 << 0
                              << QStringList{"hideBusy"};
    QTest::newRow("no entry: ignored") << 1 << uint(GetBoardInfo) << 0u << 1u << 1u << none << 1 << 0
                                       << none;
    QTest::newRow("above 66: ignored") << 1 << uint(GetArdixADCRawData) << 0u << 1u << 1u << none
                                       << 1 << 0 << none;
}

void TstDispatch::commands()
{
    QFETCH(int, status);
    QFETCH(uint, command);
    QFETCH(uint, sender);
    QFETCH(uint, parameter);
    QFETCH(uint, parameter1);
    QFETCH(QStringList, queued);
    QFETCH(int, statusAfter);
    QFETCH(int, deviceAfter);
    QFETCH(QStringList, events);

    Rig rig;
    rig.link.status = status;
    rig.command(command, parameter, parameter1, sender);
    QCOMPARE(rig.link.queued, queued);
    QCOMPARE(rig.link.status, statusAfter);
    QCOMPARE(rig.link.device, deviceAfter);
    QCOMPARE(rig.events, events);
    const bool syncs = events.contains("syncCompleted") && events.contains("configChanged");
    QCOMPARE(rig.link.synced, syncs);
    if (status == 0 && statusAfter == 1) {
        QCOMPARE(rig.link.keepOnlineMs, 1000);
        QCOMPARE(command == KeepOnline && sender == 0 ? rig.d->currFirmwareVersion()
                                                      : rig.d->pdmCurrFirmwareVersion(),
                 QStringLiteral("S1.85"));
    }
}

void TstDispatch::firmwareVersionText()
{
    QCOMPARE(FirmwareVersion::textFromParameter(kS185), QStringLiteral("S1.85"));
    QCOMPARE(FirmwareVersion::number(QStringLiteral("S1.85")), 1.85f);
    QCOMPARE(FirmwareVersion::number(QStringLiteral("S0.94")), 0.94f);
    QCOMPARE(FirmwareVersion::dashNumber(QStringLiteral("S1.85")), 185);
    QCOMPARE(FirmwareVersion::number(QStringLiteral("S1.8")), 0.0f);
    QCOMPARE(FirmwareVersion::textFromParameter(0), QString());

    // A new text is stored once; the same text again stores and signals nothing.
    Rig rig;
    rig.link.status = 1;
    rig.command(KeepOnline, kS185);
    rig.store.values.clear();
    rig.command(KeepOnline, kS185);
    QVERIFY(rig.store.values.isEmpty());
    QCOMPARE(rig.events.count("firmware"), 1);
}

void TstDispatch::serialHashStartsSync()
{
    Rig rig;
    rig.link.status = 1;
    const QByteArray hash(64, char(0xAB));
    rig.data(ArdixSerialNumData, hash, 123456, 5);
    QCOMPARE(rig.d->serialHash(), QStringLiteral("AB").repeated(64));
    QCOMPARE(rig.store.values.value("serialNumHash").toString(), rig.d->serialHash());
    QCOMPARE(rig.store.values.value("serialNum").toUInt(), 123456u);
    QCOMPARE(rig.store.values.value("ardixBoardVer").toUInt(), 5u);
    QCOMPARE(rig.d->ardixSerialNum(), 123456u);
    QCOMPARE(rig.link.queued, QStringList{"c4:1700000000"});
    QCOMPARE(rig.events, (QStringList{"hideBusy", "ardixSerial", "ardixSerial"}));

    // The same device again: nothing new to store, but the sync check still follows; and a
    // known serial stops the KeepOnline answers from asking for it.
    rig.events.clear();
    rig.link.queued.clear();
    rig.data(ArdixSerialNumData, hash, 123456, 5);
    QCOMPARE(rig.events, QStringList{"hideBusy"});
    QCOMPARE(rig.link.queued, QStringList{"c4:1700000000"});
    rig.link.queued.clear();
    rig.command(KeepOnline, kS185);
    QCOMPARE(rig.link.queued, QStringList());

    // A hash of any other length ends the handling.
    rig.link.queued.clear();
    rig.data(ArdixSerialNumData, QByteArray(10, 'x'), 1, 5);
    QCOMPARE(rig.link.queued, QStringList());
}

void TstDispatch::pdmSerialStoredOnlyWhenNew()
{
    Rig rig;
    rig.link.status = 1;
    qToLittleEndian<quint32>(777, rig.pdm.img.data() + 4);
    rig.store.values.insert("pdmSerialNumber", 777u);
    rig.command(DeviceSerialNum, 777, 0, 4);
    QCOMPARE(rig.events, QStringList{"hideBusy"});
    rig.command(DeviceSerialNum, 778, 0, 4);
    QCOMPARE(rig.events, (QStringList{"hideBusy", "hideBusy", "pdmSerial"}));
    QCOMPARE(rig.store.values.value("pdmSerialNumber").toUInt(), 778u);
    QCOMPARE(rig.d->pdmSerialNum(), 778u);
}

void TstDispatch::dashSettingsDownload_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("marker");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<bool>("transferred");
    QTest::addColumn<bool>("corrected");
    QTest::addColumn<QStringList>("queued");
    QTest::addColumn<bool>("defaults");

    QTest::newRow("full, valid extra") << 28876 << true << "S1.85" << false << false << QStringList()
                                       << false;
    QTest::newRow("full, valid, image corrected on load")
        << 28876 << true << "S1.85" << false << true << QStringList{"d0:0"} << false;
    QTest::newRow("short, new firmware") << 16588 << false << "S1.85" << false << false
                                         << QStringList{"d21:0"} << true;
    QTest::newRow("short, old firmware") << 16588 << false << "S0.94" << false << false
                                         << QStringList() << true;
    QTest::newRow("full, invalid extra, old extra converted")
        << 28876 << false << "S1.85" << true << false << QStringList{"d0:0"} << true;
}

void TstDispatch::dashSettingsDownload()
{
    QFETCH(int, size);
    QFETCH(bool, marker);
    QFETCH(QString, firmware);
    QFETCH(bool, transferred);
    QFETCH(bool, corrected);
    QFETCH(QStringList, queued);
    QFETCH(bool, defaults);

    Rig rig(firmware);
    rig.link.status = 1;
    rig.dash.transferResult = transferred;
    rig.dash.correctsOnReload = corrected;
    QByteArray block(size, char(0x11));
    if (size > 16588)
        block.replace(16588, 4, marker ? le32(0x70809000) : le32(0));
    rig.data(AllData, block);

    QCOMPARE(rig.link.queued, queued);
    QCOMPARE(rig.dash.calls.contains("defaultExtra"), defaults);
    QCOMPARE(rig.dash.calls.contains("transfer"), defaults);
    QCOMPARE(rig.dash.calls.last(), QStringLiteral("reload"));
    QCOMPARE(rig.dash.img.left(size), block);
    QCOMPARE(rig.store.values.value("allSettingsData").toByteArray().size(), 28876);
    QVERIFY(rig.link.synced);
    QCOMPARE(rig.events, (QStringList{"hideBusy", t("popUp:все настройки загружены из ardix"),
                                      "configChanged", "newConfig", "syncCompleted"}));
}

void TstDispatch::pdmSettingsDownload()
{
    Rig rig;
    rig.link.status = 1;
    const QByteArray block(40960, char(0x5A));
    rig.data(PdmCommonSettings, block);
    QCOMPARE(rig.pdm.img, block);
    QCOMPARE(rig.pdm.accepted, 1);
    QVERIFY(rig.link.synced);
    QCOMPARE(rig.events, (QStringList{"hideBusy", t("popUp:все настройки загружены из PDM"),
                                      "configChanged", "newConfig", "syncCompleted"}));
}

void TstDispatch::uploadSelection_data()
{
    QTest::addColumn<unsigned>("mask");
    QTest::addColumn<bool>("isFull");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QStringList>("queued");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("outdated");

    using namespace DashPartBit;
    const QString fw = "S1.85";
    QTest::newRow("nothing changed") << 0u << false << 1 << fw << QStringList() << false << false;
    QTest::newRow("nothing changed, full") << 0u << true << 1 << fw << QStringList{"d0:0"} << true
                                           << false;
    QTest::newRow("skins only: current skin") << unsigned(SkinsPos) << false << 1 << fw
                                              << QStringList{"d4:2"} << true << false;
    QTest::newRow("sensors") << unsigned(Sensors) << false << 1 << fw << QStringList{"d2:0"} << true
                             << false;
    QTest::newRow("custom sensors") << unsigned(CustomSensors) << false << 1 << fw
                                    << QStringList{"d3:0"} << true << false;
    QTest::newRow("common") << unsigned(CommonSettings) << false << 1 << fw << QStringList{"d1:0"}
                            << true << false;
    QTest::newRow("custom analog") << unsigned(CustomAnalogSensors) << false << 1 << fw
                                   << QStringList{"d5:0"} << true << false;
    QTest::newRow("extra") << unsigned(ExtraSettings) << false << 1 << fw << QStringList{"d21:0"}
                           << true << false;
    QTest::newRow("two parts") << unsigned(SkinsPos | Sensors) << false << 1 << fw
                               << QStringList{"d0:0"} << true << false;
    QTest::newRow("single part, full") << unsigned(Sensors) << true << 1 << fw << QStringList{"d0:0"}
                                       << true << false;
    QTest::newRow("offline: stored only") << unsigned(Sensors) << false << 0 << fw << QStringList()
                                          << true << false;
    QTest::newRow("extra, outdated firmware") << unsigned(ExtraSettings) << false << 1 << "S0.94"
                                              << QStringList() << true << true;
    QTest::newRow("extra, unknown firmware") << unsigned(ExtraSettings) << false << 1 << "S0.00"
                                             << QStringList{"d21:0"} << true << false;
    QTest::newRow("extra and common, outdated firmware")
        << unsigned(ExtraSettings | CommonSettings) << false << 1 << "S0.94" << QStringList{"d0:0"}
        << true << false;
}

void TstDispatch::uploadSelection()
{
    QFETCH(unsigned, mask);
    QFETCH(bool, isFull);
    QFETCH(int, status);
    QFETCH(QString, firmware);
    QFETCH(QStringList, queued);
    QFETCH(bool, stored);
    QFETCH(bool, outdated);

    Rig rig(firmware);
    rig.link.status = status;
    rig.dash.pending = mask;
    rig.d->applyNewArdixSettings(isFull);
    QCOMPARE(rig.link.queued, queued);
    QCOMPARE(rig.store.values.contains("allSettingsData"), stored);
    QCOMPARE(rig.events.contains("configChanged"), stored);
    QCOMPARE(rig.events.contains("info:" + t(kOutdatedFirmwareMessage)), outdated);
}

void TstDispatch::thirdResendRequestShowsMessage()
{
    Rig rig;
    rig.link.status = 1;
    rig.link.last = QueueEntry{0, 2, 255};
    rig.command(AskResendPrevPacket, 2);
    rig.command(AskResendPrevPacket, 2);
    QCOMPARE(rig.link.queued, (QStringList{"d2:255", "d2:255"}));
    QVERIFY(rig.events.isEmpty());
    rig.command(AskResendPrevPacket, 2);
    QCOMPARE(rig.link.queued.size(), 2);
    QCOMPARE(rig.events, (QStringList{"hideBusy", "info:" + t(DispatchText::Resend303)}));
    QVERIFY(t(DispatchText::Resend303).endsWith(QLatin1Char(' ')));

    // The count starts over after the message, and any other command resets it.
    rig.events.clear();
    rig.command(AskResendPrevPacket, 1);
    rig.command(AskResendPrevPacket, 1);
    rig.command(VerifiedOk);
    rig.command(AskResendPrevPacket, 1);
    QCOMPARE(rig.link.queued.size(), 5);
    QCOMPARE(rig.events, QStringList{"hideBusy"});
    rig.command(AskResendPrevPacket, 1);
    rig.command(AskResendPrevPacket, 1);
    QCOMPARE(rig.events.last(), "info:" + t(DispatchText::Resend302));

    // A parameter without a message ends quietly.
    rig.events.clear();
    for (int i = 0; i < 3; ++i)
        rig.command(AskResendPrevPacket, 9);
    QCOMPARE(rig.events, QStringList{"hideBusy"});
}

void TstDispatch::startLineConversion()
{
    QCOMPARE(startLineDegrees(554512345), 55.0 + 4512345.0 / 6000000.0);
    QVERIFY(qAbs(startLineDegrees(554512345) - 55.7520575) < 1e-9);
    QVERIFY(qAbs(startLineDegrees(-554512345) + 55.7520575) < 1e-9);

    Rig rig;
    rig.link.status = 1;
    rig.command(StartLineCalibration, 0, 0, 0,
                le32(554512345) + le32(-374512345) + le32(12345) + QByteArray(52, '\0'));
    QVERIFY(qAbs(rig.dash.lat - 55.7520575) < 1e-9);
    QVERIFY(qAbs(rig.dash.lon + 37.7520575) < 1e-9);
    QCOMPARE(rig.dash.course, 123.45);
    QCOMPARE(rig.link.queued, QStringList{"d1:0"});
    QCOMPARE(rig.events, (QStringList{"hideBusy", "info:" + t(DispatchText::StartLineApplied),
                                      "configChanged"}));

    // A standing car has no course.
    rig.events.clear();
    rig.command(StartLineCalibration, 0, 0, 0, le32(554512345) + le32(374512345) + le32(0));
    QCOMPARE(rig.events.last(), "info:" + t(DispatchText::StartLineNoCourse));
}

void TstDispatch::calibrationsUpload()
{
    Rig rig;
    rig.link.status = 1;
    rig.command(AnalogCalibrationCommandMax, 2345, 3);
    QCOMPARE(rig.dash.calls, (QStringList{"analog 3 1 100 2345", "pack"}));
    QCOMPARE(rig.link.queued, QStringList{"d5:0"});
    QCOMPARE(rig.events, (QStringList{"hideBusy", t("popUp:Ок"), "configChanged"}));

    rig.dash.calls.clear();
    rig.command(AnalogCalibrationCommandMin, 17, 31);
    QCOMPARE(rig.dash.calls.first(), QStringLiteral("analog 31 0 0 17"));
    rig.dash.calls.clear();
    rig.command(AnalogCalibrationCommandMin, 17, 32); // no such sensor
    QVERIFY(rig.dash.calls.isEmpty());

    rig.events.clear();
    rig.link.queued.clear();
    rig.command(AccelerometerCalibration, 512);
    QCOMPARE(rig.dash.calls, (QStringList{"acc 512", "pack"}));
    QCOMPARE(rig.link.queued, QStringList{"d1:0"});
    QCOMPARE(rig.events, (QStringList{"hideBusy", "accelerometer", "configChanged"}));
}

void TstDispatch::pdmRealtimeWrongLengthShownOnce()
{
    Rig rig;
    rig.data(PdmRealtimeData_MessageType, QByteArray(400, char(7)));
    QCOMPARE(rig.pdm.realtime.size(), 400);
    QCOMPARE(rig.events, QStringList{"pdmRealtime"});

    rig.events.clear();
    rig.data(PdmRealtimeData_MessageType, QByteArray(336, char(7)));
    rig.data(PdmRealtimeData_MessageType, QByteArray(404, char(7)));
    QCOMPARE(rig.events, QStringList{"info:" + t(DispatchText::PdmRealtimeIncompatible)});
    QCOMPARE(rig.link.detached, 1);

    // Once per process, not per dispatcher.
    Rig other;
    other.data(PdmRealtimeData_MessageType, QByteArray(10, char(7)));
    QVERIFY(other.events.isEmpty());
}

void TstDispatch::smallDataBlocks()
{
    Rig rig;
    QByteArray adc;
    for (quint16 v : {1, 2, 3, 4, 5, 65535}) {
        QByteArray b(2, '\0');
        qToLittleEndian(v, b.data());
        adc += b;
    }
    for (quint32 v : {10u, 20u, 30u, 40u, 4000000000u})
        adc += le32(qint32(v));
    rig.data(ArdixAdcRawData_MessageType, adc);
    rig.data(ArdixAdcRawData_MessageType, adc.left(31));
    QCOMPARE(rig.events, (QStringList{"hideBusy", "adc:1,2,3,4,5,65535,10,20,30,40,4000000000",
                                      "hideBusy", "info:" + t(DispatchText::AdcRawBadSize)}));

    rig.events.clear();
    rig.data(LogsFileListData, QByteArray(18, char(1)));
    rig.data(LogsFileListData, QByteArray(10, char(2)));
    QCOMPARE(rig.d->deviceLogList(), QByteArray(18, char(1)));
    QCOMPARE(rig.events, (QStringList{"hideBusy", "logList", "hideBusy"}));

    rig.events.clear();
    rig.data(BoardInfoData_MessageType, "info");
    rig.data(PdmAdcRawData_MessageType, "raw");
    rig.data(GPS_RMC_Data, "x");
    QCOMPARE(rig.pdm.boardInfo, QByteArray("info"));
    QCOMPARE(rig.pdm.adcRaw, QByteArray("raw"));
    QCOMPARE(rig.events, (QStringList{"hideBusy", "pdmBoardInfo", "hideBusy", "pdmAdcRaw", "hideBusy"}));
}

void TstDispatch::refLap_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("events");

    const QByteArray lap(300, char(0x42));
    QTest::newRow("lap") << qCompress(lap) << lap << QStringList{"hideBusy", "refLap"};
    QTest::newRow("none on device")
        << QByteArray(1, char(0x81)) << QByteArray()
        << QStringList{"hideBusy", "info:" + t(DispatchText::RefLapMissing), "refLap"};
    QTest::newRow("none, quietly") << QByteArray(1, char(0)) << QByteArray()
                                   << QStringList{"hideBusy", "refLap"};
    QTest::newRow("broken") << QByteArray("\0\0\0\x10garbage", 11) << QByteArray()
                            << QStringList{"hideBusy", "refLap"};
    QTest::newRow("empty body") << qCompress(QByteArray()) << QByteArray()
                                << QStringList{"hideBusy", "refLap"};
}

void TstDispatch::refLap()
{
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, events);

    Rig rig;
    rig.store.values.insert("refLapData", QByteArray("old"));
    rig.data(RefLapData, block);
    QCOMPARE(rig.store.values.value("refLapData").toByteArray(), stored);
    QCOMPARE(rig.store.values.contains("refLapData"), !stored.isEmpty());
    QCOMPARE(rig.events, events);
}

void TstDispatch::pwmDutySendRule()
{
    Rig rig;
    qint64 now = 1000;
    rig.d->setClock([&now] { return now; });
    rig.link.status = 1;

    struct Step
    {
        qint64 at;
        int duty, which;
        bool sent;
    };
    const Step steps[] = {
        {1000, 50, 0, true},   {1050, 60, 0, false}, {1060, 100, 0, true}, {1070, 0, 1, true},
        {1090, 70, 1, false},  {1200, 70, 1, true},  {1250, 255, 3, true}, {1260, 100, 3, false},
        {1400, 100, 3, true},
    };
    QStringList expected;
    for (const Step &s : steps) {
        now = s.at;
        rig.d->setPwmDuty(s.duty, s.which, 1);
        if (s.sent)
            expected << frameText(1, s.which == 0 ? 2 : s.which == 1 ? 3 : 25, uint(s.duty));
    }
    QCOMPARE(rig.link.queued, expected);
    QCOMPARE(rig.dash.pwm.value(int(PwmTarget::LedBrightness)), 70);
    QCOMPARE(rig.dash.pwm.value(int(PwmTarget::LightSensorSensivity)), 100);

    // Not sent: no send asked, offline, or a target that does not exist.
    rig.link.queued.clear();
    now = 5000;
    rig.d->setPwmDuty(33, 0, 0);
    rig.link.status = 0;
    rig.d->setPwmDuty(34, 0, 1);
    rig.link.status = 1;
    rig.d->setPwmDuty(35, 2, 1);
    QVERIFY(rig.link.queued.isEmpty());
    QCOMPARE(rig.dash.pwm.value(int(PwmTarget::LcdBrightness)), 34);
}

void TstDispatch::changeSkinModeWraps()
{
    Rig rig;
    rig.dash.skinMode = 3;
    rig.d->changeSkinMode();
    rig.d->changeSkinMode();
    QCOMPARE(rig.link.queued, (QStringList{"c11:4", "c11:0"}));
    QCOMPARE(rig.events, (QStringList{"skinMode:4", "skinMode:0"}));
    QCOMPARE(rig.dash.skinMode, 0);
}

void TstDispatch::dashDescriptionByBoard()
{
    const QVariantMap fresh = dashDescription(4);
    const QVariantMap old = dashDescription(3);
    const auto list = [](const QVariantMap &m, const char *group, const char *key) {
        return m.value(group).toMap().value(key).toStringList();
    };
    QCOMPARE(list(fresh, "analogInputs", "pin").size(), 11);
    QCOMPARE(list(fresh, "analogInputs", "pin").at(2), QStringLiteral("31"));
    QCOMPARE(list(old, "analogInputs", "pin").at(0), QStringLiteral("BR1 - 9 "));
    QCOMPARE(list(old, "analogInputs", "description"), list(fresh, "analogInputs", "description"));
    QCOMPARE(list(fresh, "analogInputs", "description").at(6), t("1 Вход(с подтяжкой)"));
    QCOMPARE(list(fresh, "freqInputs", "pin"), (QStringList{"13", "16", "8", "5"}));
    QCOMPARE(list(old, "freqInputs", "description").at(1), t("2 Вход для индуктивных датчиков"));
    QCOMPARE(fresh.value("freqInputs").toMap().value("inputIndex").toList().size(), 4);
    QCOMPARE(fresh.value("DI").toStringList().last(), QStringLiteral("20"));
    QCOMPARE(old.value("DI").toStringList().last(), QStringLiteral(" -- "));

    Rig rig;
    rig.data(ArdixSerialNumData, QByteArray(), 0, 7);
    QCOMPARE(rig.d->getDashDescription(), fresh);
    rig.d->setArdixBoardVer(2);
    QCOMPARE(rig.d->getDashDescription(), old);
}

QTEST_GUILESS_MAIN(TstDispatch)
#include "tst_dispatch.moc"
