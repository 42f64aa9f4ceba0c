// A log download from the dash and the PDM's handshake, password and live values, over a real link.
#include "E2eRig.h"

#include "settings/pdm/PdmOtherSettings.h"
#include "settings/pdm/PdmRealtimeData.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSignalSpy>
#include <QtEndian>
#include <QTest>

using namespace e2e;

namespace {

constexpr quint8 Dash = 0;
constexpr quint8 LogFileData = 7, PdmRealtimeData_MessageType = 14;
constexpr quint8 LogPacketVerify = 29, LogPacketCrcBAD = 30;
constexpr quint8 PdmCommonSettings = 13;

QString localLog(const QString &name)
{
    return QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QStringLiteral("/Ardix/") + name + QStringLiteral(".elog");
}

template<typename T>
T at(const QByteArray &b, int offset)
{
    return qFromLittleEndian<T>(b.constData() + offset);
}

// What the client shows against the block's bytes, field by field.
QStringList realtimeMismatches(const PdmRealtimeData &rt, const QByteArray &b)
{
    QStringList out;
    auto check = [&out](const char *name, qint64 got, qint64 want) {
        if (got != want)
            out.append(QStringLiteral("%1: %2 != %3").arg(QLatin1String(name)).arg(got).arg(want));
    };
    check("pdmSerialNumber", rt.pdmSerialNumber(), at<quint32>(b, 0));
    check("boardTemperature", rt.boardTemperature(), at<qint16>(b, 4));
    check("stmTemperature", rt.stmTemperature(), at<qint16>(b, 6));
    check("totalCurrent", rt.totalCurrent(), at<quint16>(b, 8));
    check("battVoltage", rt.battVoltage(), at<quint16>(b, 10));
    check("inputsState", rt.inputsState(), at<quint32>(b, 12));
    check("tic124AdcValues[5]", rt.tic124AdcValues().value(5), at<quint16>(b, 16 + 10));
    check("outputsState", rt.outputsState(), at<quint32>(b, 64));
    check("outputsFaultFlags", rt.outputsFaultFlags(), at<quint32>(b, 72));
    check("outputsRetriesDone[20]", rt.outputsRetriesDone().value(20), quint8(b[76 + 20]));
    for (int o = 0; o < 32; ++o)
        check("outputsCurrent", rt.outputsCurrent().value(o), at<quint16>(b, 108 + 2 * o));
    check("pwmDuties[28]", rt.pwmDuties().value(28), quint8(b[172 + 28]));
    check("functionsState[0]", rt.functionsState().value(0), at<quint32>(b, 208));
    check("countersValue[0]", rt.countersValue().value(0), quint8(b[240]));
    check("pdmFlags", rt.pdmFlags(), at<quint32>(b, 272));
    check("pdmCAN_DI", rt.pdmCAN_DI(), at<quint32>(b, 276));
    for (int i = 0; i < 16; ++i)
        check("pdmCAN_AI", rt.pdmCAN_AI().value(i), at<qint16>(b, 280 + 2 * i));
    check("ecuSensors[0]", rt.ecuSensors().value(0), at<qint16>(b, 336));
    check("ecuSensors[1]", rt.ecuSensors().value(1), at<qint16>(b, 338));
    return out;
}

SimOptions pdmOptions()
{
    SimOptions o;
    o.role = SimRole::Pdm;
    o.firmware = "P120";
    o.serial = 4711;
    o.webPort = -1;
    return o;
}

} // namespace

class TestE2eLogsPdm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }

    void logDownloadSurvivesAnOutOfOrderBlock()
    {
        SimOptions o;
        o.logCount = 2;
        o.logChunkSize = 2048;
        o.webPort = -1;
        Rig r(o);
        QVERIFY(r.waitOnline());
        QSignalSpy listed(r.kernel.get(), &ArdixKernel::logsFileListUpdateSignal);
        QSignalSpy saved(r.kernel.get(), &ArdixKernel::localLogsFileListUpdateSignal);
        QSignalSpy progress(r.kernel.get(), &ArdixKernel::progressMoving);

        r.kernel->sendToArdixQueue(1, 26, 1);
        QTRY_VERIFY_WITH_TIMEOUT(listed.count() >= 1, 4000);
        QCOMPARE(r.kernel->logsFilesList().size(), 2);

        const int id = 1;
        const QByteArray file = r.sim.logFiles().at(id);
        const int chunk = o.logChunkSize;
        QVERIFY(file.size() > 5 * chunk);

        // Once the second block is on its way, a block from further on slips in ahead of it.
        bool injected = false;
        QObject::connect(&r.sim, &DeviceSimulator::frameSent, &r.sim, [&](const SimFrame &f) {
            if (injected || f.action != 0 || f.type != LogFileData || f.parameter != quint32(2 * chunk))
                return;
            injected = true;
            QMetaObject::invokeMethod(&r.sim, [&] {
                r.sim.send(deviceData(Dash, LogFileData, file.mid(4 * chunk, chunk), quint32(5 * chunk)));
            }, Qt::QueuedConnection);
        });

        const QString name = QStringLiteral("Заезд e2e");
        r.kernel->setLogNameToSave(name);
        r.sim.clearReceived();
        r.kernel->sendToArdixQueue(1, 27, id);
        QTRY_VERIFY_WITH_TIMEOUT(saved.count() >= 1, 20000);
        QVERIFY(injected);

        QFile local(localLog(name));
        QVERIFY2(local.open(QIODevice::ReadOnly), qPrintable(local.fileName()));
        QCOMPARE(local.readAll(), file);
        QCOMPARE(progress.last().at(0).toUInt(), 100u);
        QVERIFY(r.messages.isEmpty());

        // The stray block was answered with the count of bytes held at that moment.
        const QList<SimFrame> &in = r.sim.received();
        quint32 held = 0;
        bool answered = false;
        for (const SimFrame &f : in) {
            if (f.action != 1)
                continue;
            if (f.type == LogPacketVerify)
                held = f.parameter;
            if (f.type == LogPacketCrcBAD) {
                QCOMPARE(f.parameter, held);
                answered = true;
                break;
            }
        }
        QVERIFY(answered);
        QVERIFY(r.sim.framesOf(1, LogPacketVerify).size() >= file.size() / chunk);
        QCOMPARE(r.kernel->ardixStatus(), 1);
    }

    void pdmHandshakeAndPassword()
    {
        const QByteArray hash = QCryptographicHash::hash("secret_1", QCryptographicHash::Sha512);
        Rig r(pdmOptions());
        r.sim.setPdmPassword(hash);
        QSignalSpy asked(r.kernel.get(), &ArdixKernel::showSyncDiaglog);
        QSignalSpy passwordDialog(r.kernel.get(), &ArdixKernel::showPdmSettingsPasswordDialog);
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        QSignalSpy downloaded(r.kernel.get(), &ArdixKernel::newConfigDownloadedFromArdix);

        QTRY_COMPARE_WITH_TIMEOUT(r.kernel->deviceId(), 4, 6000);
        QTRY_VERIFY_WITH_TIMEOUT(r.popUps.contains(QStringLiteral("есть связь с PDM")), 2000);
        QCOMPARE(r.kernel->ardixStatus(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(r.kernel->pdmCurrFirmwareVersion(), QStringLiteral("P1.20"), 2000);
        // The client's defaults are not the device's block.
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, 4000);
        QCOMPARE(asked.at(0).at(0).toBool(), false);
        QCOMPARE(r.kernel->pdmSerialNum(), 4711u);

        // Download without the password: refused, and the user is asked for it.
        synced.clear();
        r.kernel->sendToArdixQueue(1, 5, 0);
        QTRY_COMPARE_WITH_TIMEOUT(passwordDialog.count(), 1, 4000);
        QCOMPARE(passwordDialog.at(0).at(0).toBool(), false);
        QVERIFY(synced.count() >= 1);
        QCOMPARE(downloaded.count(), 0);

        // With the password the device hands its block over.
        r.kernel->setPdmPasswordSettings(QStringLiteral("secret_1"), false);
        QTRY_VERIFY_WITH_TIMEOUT(downloaded.count() >= 1, 4000);
        QVERIFY(r.popUps.contains(QStringLiteral("все настройки загружены из PDM")));
        QCOMPARE(storedPdmBlock(), r.sim.pdmBlock());
        QCOMPARE(passwordDialog.count(), 1);

        // An edit goes up sealed and with the password: the device takes it as it is.
        r.sim.clearReceived();
        PdmOtherSettings *other = r.kernel->currentPdmSettings()->other();
        other->setPwmFreq(quint16(other->pwmFreq() == 500 ? 400 : 500));
        r.kernel->currentPdmSettings()->setOtherHasChanges(true);
        r.kernel->applyNewPdmSettings();
        QTRY_COMPARE_WITH_TIMEOUT(r.sim.framesOf(0, PdmCommonSettings).size(), 1, 3000);
        QTRY_COMPARE_WITH_TIMEOUT(r.sim.pdmBlock(), storedPdmBlock(), 3000);
        QCOMPARE(r.sim.framesOf(0, PdmCommonSettings).first().aux.left(64), hash);
        QCOMPARE(passwordDialog.count(), 1);
    }

    void pdmRealtimeValuesAreDecoded()
    {
        SimOptions o = pdmOptions();
        o.realtimeIntervalMs = 150;
        Rig r(o);
        QVERIFY(r.waitOnline());
        QList<QByteArray> sent;
        QObject::connect(&r.sim, &DeviceSimulator::frameSent, &r.sim, [&](const SimFrame &f) {
            if (f.action == 0 && f.type == PdmRealtimeData_MessageType)
                sent.append(f.data);
        });
        // Each arrival is checked against the block the device sent in that place.
        QStringList mismatches;
        int arrivals = 0;
        QObject::connect(r.kernel.get(), &ArdixKernel::newPdmRealtimeDataRecieved, r.kernel.get(), [&] {
            if (arrivals < sent.size())
                mismatches += realtimeMismatches(*r.kernel->pdmRealtimeData(), sent.at(arrivals));
            else
                mismatches += QStringLiteral("an arrival the device never sent");
            ++arrivals;
        });

        r.kernel->setIsPdmRealtimeModeOn(true);
        r.kernel->sendToArdixQueue(1, 44, 1);
        QTRY_VERIFY_WITH_TIMEOUT(arrivals >= 5, 5000);
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.mid(0, 10).join(QLatin1Char('\n'))));
        QCOMPARE(r.kernel->pdmRealtimeData()->pdmSerialNumber(), 4711u);
        QVERIFY(r.kernel->pdmRealtimeData()->battVoltage() > 12000); // a car battery in mV

        r.kernel->sendToArdixQueue(1, 44, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!r.sim.realtimeLoopOn(), 2000);
        r.kernel->setIsPdmRealtimeModeOn(false);
        QCOMPARE(r.kernel->ardixStatus(), 1);
        QVERIFY(r.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestE2eLogsPdm)
#include "tst_e2e_logs_pdm.moc"
