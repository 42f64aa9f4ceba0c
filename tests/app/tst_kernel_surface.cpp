// The interface binds to the kernel by name; this holds the kernel's meta-object against the
// published surface: every property with its type, access and notifier, every signal and every
// invokable operation, in declaration order.
#include "app/ArdixKernel.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QTest>

namespace {

struct PropertyRow
{
    const char *name;
    const char *type;
    const char *access; // "c" constant, "rw" read/write, "r" read
    const char *notify; // "" for none
};

const PropertyRow kProperties[] = {
    {"IsDEBUG", "bool", "c", ""},
    {"IsMobile", "bool", "rw", ""},
    {"IsPdmEeepromOk", "bool", "rw", "syncCompletedSignal"},
    {"IsLogsSettingsMustBeChanged", "bool", "rw", "configChangedSignal"},
    {"curSkinNum", "int", "rw", "configChangedSignal"},
    {"curSkinMode", "int", "rw", "configChangedSignal"},
    {"lampsInfo", "QVariantList", "r", "interfaceLanguageChanged"},
    {"units", "QStringList", "r", "configChangedSignal"},
    {"ecuList_Ardix", "QVariantList", "c", ""},
    {"ecuList_PDM", "QVariantList", "c", ""},
    {"analogGroupsNames", "QStringList", "r", "interfaceLanguageChanged"},
    {"ardixStatus", "int", "rw", "ardixStatusChangedSignal"},
    {"deviceId", "int", "rw", "deviceIdChanged"},
    {"circuit_sensors", "QList<TheSensorConfig*>", "r", "configChangedSignal"},
    {"availableFirmwares", "QVariantList", "rw", "availableFirmwaresChanged"},
    {"updatesHistory", "QString", "rw", "availableFirmwaresChanged"},
    {"pdmUpdatesHistory", "QString", "rw", "availableFirmwaresChanged"},
    {"currFirmwareVersion", "QString", "rw", "availableFirmwaresChanged"},
    {"pdmCurrFirmwareVersion", "QString", "rw", "availableFirmwaresChanged"},
    {"downloadingFileName", "QString", "rw", "availableFirmwaresChanged"},
    {"logNameToSave", "QString", "rw", ""},
    {"ssidWifi", "QString", "rw", ""},
    {"passWifi", "QString", "rw", ""},
    {"pdmSsidWifi", "QString", "rw", ""},
    {"pdmPassWifi", "QString", "rw", ""},
    {"ardixClientVersion", "QString", "c", ""},
    {"logsFilesList", "QVariantList", "r", "logsFileListUpdateSignal"},
    {"localLogsFilesList", "QVariantList", "r", "localLogsFileListUpdateSignal"},
    {"pdmDescription", "QVariantMap", "r", "deviceIdChanged"},
    {"pdmBoardInfo", "QVariantMap", "r", "newPdmBoardInfoRecieved"},
    {"isPdmRealtimeModeOn", "bool", "rw", ""},
    {"ardixSerialNum", "uint", "r", "ardixSerialNumChanged"},
    {"pdmSerialNum", "uint", "r", "pdmSerialNumChanged"},
    {"ardixDescription", "QVariantMap", "r", "deviceIdChanged"},
    {"ardixBoardVer", "uint", "rw", "ardixSerialNumChanged"},
    {"refLapData", "QVariantMap", "r", "refLapDataRecieved"},
    {"dev_conn_type", "uint", "c", ""},
    {"isServerOnline", "bool", "rw", "isServerOnline_Changed"},
    {"logic", "Logic*", "c", ""},
    {"currentPdmSettings", "PdmSettings*", "rw", "newConfigDownloadedFromArdix"},
    {"currentArdixSettings", "ArdixSettings*", "rw", "newConfigDownloadedFromArdix"},
    {"pdmRealtimeData", "PdmRealtimeData*", "rw", "newPdmRealtimeDataRecieved"},
};

const char *const kSignals[] = {
    "syncCompletedSignal()",
    "newConfigDownloadedFromArdix()",
    "configChangedSignal()",
    "availableFirmwaresChanged()",
    "progressMoving(uint)",
    "showInfoMessage(QString)",
    "showBusy()",
    "showBusyWithTimeout(int)",
    "hideBusy()",
    "popUpSignal(QString)",
    "showSyncDiaglog(bool)",
    "skinModeChanged(int)",
    "newGearCalibrationValueRecieved(int,int,bool)",
    "newSpeedInputCorrectionRecieved(int,int)",
    "logsFileListUpdateSignal()",
    "localLogsFileListUpdateSignal()",
    "ardixStatusChangedSignal()",
    "tripValueRecieved(uint)",
    "accelerometerCalibrationDataRecieved()",
    "deviceIdChanged()",
    "ardixSerialNumChanged()",
    "pdmSerialNumChanged()",
    "newRawAdcDataRecievedFromArdix(QVariantList)",
    "newPdmRealtimeDataRecieved()",
    "newPdmAdcRawDataRecieved()",
    "newPdmBoardInfoRecieved()",
    "showPdmSettingsPasswordDialog(bool)",
    "newPdmSettingsPasswordSignal()",
    "newClientVersionFound(QString)",
    "incomingFileSignal(QVariantMap)",
    "logExportDone(QUrl)",
    "ldExportDone(QUrl)",
    "refLapDataRecieved()",
    "incomingEvent_focusWindow_signal()",
    "incomingElog_signal(QString)",
    "isServerOnline_Changed(bool)",
    "killAllInfoMessageDialogs()",
    "interfaceLanguageChanged()",
};

const char *const kOperations[] = {
    "getDashDescription()",
    "saveNewWifiData(QString,QString,int)",
    "saveNewSkinPos(int,int)",
    "saveNewSkinSettings(int,int)",
    "setPwmDuty(int,int,int)",
    "loadDefaultExtraSettings()",
    "transferOldExtraSettings()",
    "loadDefaultSkinsSettings()",
    "loadDefaultAllSettings()",
    "resetArdixSettings()",
    "setPdmPasswordSettings(QString,bool)",
    "loadDefaultPdmSettings(bool)",
    "loadDataFromFile(QString,int,int)",
    "exportFile(QString,int,int)",
    "changeSkinMode()",
    "goWifiOffline()",
    "setArdixStatus(uint8_t)",
    "setDeviceId(uint)",
    "onWifiConnected()",
    "onWifiDisconnected()",
    "onWifiDataReady()",
    "onWifiError(QAbstractSocket::SocketError)",
    "flashFirmware(QString)",
    "deleteLocalFile(QString)",
    "deleteFileWithAbsolutePath(QString)",
    "webServerFileListRequest()",
    "webServerReply(QNetworkReply*)",
    "webServerDownloadFile(QString,QString)",
    "webServerUpdateDownloadProgress(qlonglong,qlonglong)",
    "getLocalFirmwaresList()",
    "logDataTimeout()",
    "downloadTimeout()",
    "wifi_keepOnlineTimeout()",
    "wifi_checkOnlineTimeout()",
    "wifi_flashingTimeout()",
    "wifi_gotHeaderTimeout()",
    "wifi_sendToArdixTimeout()",
    "wifi_kostilStariyBootTimeout()",
    "wifi_headerParseTimeout()",
    "crc32usingGZIPPolynomial(const char*,uint32_t)",
    "wifi_preparePacketToSend(uint32_t,QByteArray)",
    "sendToArdix(uint,uint,uint)",
    "sendToArdixQueue(uint,uint,uint)",
    "importElog(QString)",
    "exportElog(QString,QString)",
    "convertElogToCSV(QString,QString,bool)",
    "exportLog_x64(QString,QString,int)",
    "exportLog_mobile(QString,int)",
    "exportLog_iCloud(QString,int)",
    "finishLogExport(QString)",
    "findLapsInLog(QString)",
    "getGpsDistance(double,double,double,double)",
    "convertElogToLD(QString,QString)",
    "downloadClientUpdate(QString)",
    "checkFirmwareVersion()",
    "parseIncomingFile(QString)",
    "getRefLapInfo()",
    "setStartLineLogFileData(QString,float,float,float,bool)",
    "setRefLapLogFileData()",
    "applyStartLineFromRefLap()",
    "desktop_incomingFileRoutine()",
    "ping_remote_timeout()",
    "update_client_downloaded()",
    "downloading_failed(QNetworkReply::NetworkError)",
    "ios_stop_securityScope(QString)",
    "applyNewPdmSettings()",
    "applyNewArdixSettings(bool)",
    "applyNewArdixSettings()",
    "getSensor(uint8_t)",
};

} // namespace

class TestKernelSurface : public QObject
{
    Q_OBJECT
private slots:
    void propertiesInOrder()
    {
        const QMetaObject &mo = ArdixKernel::staticMetaObject;
        const int first = mo.propertyOffset();
        QCOMPARE(mo.propertyCount() - first, int(std::size(kProperties)));
        for (int i = 0; i < int(std::size(kProperties)); ++i) {
            const PropertyRow &row = kProperties[i];
            const QMetaProperty p = mo.property(first + i);
            QCOMPARE(p.name(), row.name);
            QCOMPARE(p.typeName(), row.type);
            const QByteArray access(row.access);
            QVERIFY2(p.isConstant() == (access == "c"), row.name);
            QVERIFY2(p.isWritable() == (access == "rw"), row.name);
            const QByteArray notify = p.hasNotifySignal() ? p.notifySignal().name() : QByteArray();
            QCOMPARE(notify, QByteArray(row.notify));
        }
    }

    void signalsAndOperationsInOrder()
    {
        const QMetaObject &mo = ArdixKernel::staticMetaObject;
        QStringList signalList, operationList;
        for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
            const QMetaMethod m = mo.method(i);
            if (m.access() != QMetaMethod::Public)
                continue;
            (m.methodType() == QMetaMethod::Signal ? signalList : operationList)
                << QString::fromLatin1(m.methodSignature());
        }
        QStringList expectedSignals, expectedOperations;
        for (const char *s : kSignals)
            expectedSignals << QString::fromLatin1(s);
        for (const char *s : kOperations)
            expectedOperations << QString::fromLatin1(s);
        QCOMPARE(signalList, expectedSignals);
        QCOMPARE(operationList, expectedOperations);
    }

    void resultTypes()
    {
        const QMetaObject &mo = ArdixKernel::staticMetaObject;
        const struct
        {
            const char *signature;
            const char *result;
        } rows[] = {
            {"getDashDescription()", "QVariantMap"},
            {"transferOldExtraSettings()", "bool"},
            {"crc32usingGZIPPolynomial(const char*,uint32_t)", "uint32_t"},
            {"importElog(QString)", "QString"},
            {"convertElogToCSV(QString,QString,bool)", "int"},
            {"findLapsInLog(QString)", "QVariantMap"},
            {"getGpsDistance(double,double,double,double)", "double"},
            {"convertElogToLD(QString,QString)", "int"},
            {"getRefLapInfo()", "QVariantMap"},
            {"getSensor(uint8_t)", "TheSensorConfig*"},
        };
        for (const auto &row : rows) {
            const int index = mo.indexOfMethod(row.signature);
            QVERIFY2(index >= 0, row.signature);
            QCOMPARE(mo.method(index).typeName(), row.result);
        }
    }
};

QTEST_GUILESS_MAIN(TestKernelSurface)
#include "tst_kernel_surface.moc"
