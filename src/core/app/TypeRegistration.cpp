#include "TypeRegistration.h"

#include "app/ArdixKernel.h"
#include "app/InterfaceLanguage.h"
#include "logic/Logic.h"
#include "logs/LogExportContext.h"
#include "logs/view/LogPlotItem.h"
#include "logs/view/LogViewModel.h"
#include "settings/ArdixEnums.h"
#include "settings/PropertySnapshot.h"
#include "settings/TheSensorConfig.h"
#include "settings/can/UserCanDigitalInput.h"
#include "settings/can/UserInCanMessage.h"
#include "settings/can/UserOutCanMessage.h"
#include "settings/can/UserOutCanMessageData.h"
#include "settings/dash/ArdixChannelSource.h"
#include "settings/dash/ArdixCustomCanSettings.h"
#include "settings/dash/ArdixExtraSettings.h"
#include "settings/dash/ArdixSettings.h"
#include "settings/dash/GpsAccelerationMeasureSettings.h"
#include "settings/dash/LogsSettings.h"
#include "settings/dash/TheCustomAnalogSensor.h"
#include "settings/dash/ThePreferenceTransport.h"
#include "settings/functions/ObjectWithChildFunctions.h"
#include "settings/functions/PdmFunctionSettings.h"
#include "settings/pdm/PdmCustomCanSettings.h"
#include "settings/pdm/PdmKeypadConfig.h"
#include "settings/pdm/PdmOtherSettings.h"
#include "settings/pdm/PdmOutputSettings.h"
#include "settings/pdm/PdmRealtimeData.h"
#include "settings/pdm/PdmSettings.h"
#include "settings/pdm/PdmTicInput.h"
#include "settings/pdm/PdmUserCanAnalogInput.h"
#include "update/HttpRawPost.h"

#include <QCoreApplication>
#include <QMetaType>
#include <QQmlEngine>
#include <QUrl>

namespace {

constexpr const char *kUri = "ARDIX";
const QString kReadOnly = QStringLiteral("Read-only type");

template <typename T>
void readOnly(const char *name)
{
    qmlRegisterUncreatableType<T>(kUri, 1, 0, name, kReadOnly);
}

} // namespace

void registerArdixTypes()
{
    qmlRegisterType<ArdixKernel>(kUri, 1, 0, "ArdixKernel");
    // One language for the whole process; every engine that asks for it is retranslated with it.
    qmlRegisterSingletonType<InterfaceLanguage>(kUri, 1, 0, "InterfaceLanguage", [](QQmlEngine *engine, QJSEngine *) -> QObject * {
        auto *language = InterfaceLanguage::instance();
        QQmlEngine::setObjectOwnership(language, QQmlEngine::CppOwnership);
        language->attachEngine(engine);
        return language;
    });
    qmlRegisterSingletonType<PropertySnapshots>(kUri, 1, 0, "PropertySnapshots",
                                                [](QQmlEngine *, QJSEngine *) -> QObject * { return new PropertySnapshots; });
    qmlRegisterUncreatableType<PropertySnapshot>(kUri, 1, 0, "PropertySnapshot", kReadOnly);
    qmlRegisterUncreatableMetaObject(ArdixEnums::staticMetaObject, kUri, 1, 0, "ArdixEnums", kReadOnly);
    qmlRegisterType<HttpRawPost>("NetHelpers", 1, 0, "HttpRawPost");
    qmlRegisterType<RawHttpReply>("NetHelpers", 1, 0, "RawHttpReply");
    qmlRegisterType<LogViewModel>(kUri, 1, 0, "LogViewModel");
    qmlRegisterType<LogPlotItem>(kUri, 1, 0, "LogPlotItem");
    // The log view names channels as the exports do, from the running client's sensors.
    LogViewModel::setContextSource([](QObject *kernel) {
        auto *k = qobject_cast<ArdixKernel *>(kernel);
        if (!k || !k->currentArdixSettings())
            return LogExportContext::builtinCatalogue();
        const GpsAccelerationMeasureSettings *gps = k->currentArdixSettings()->commonSettings()->gpsAccelerationMeasureSettings();
        return LogExportContext::capture([k](uint8_t id) { return k->getSensor(id); }, QByteArray(), 0,
                                         gps->startPointLat(), gps->startPointLon(), gps->startPointCourse());
    });

    readOnly<ObjectWithChildFunctions>("ObjectWithChildFunctions");
    readOnly<PdmCustomCanSettings>("PdmCustomCanSettings");
    readOnly<PdmFunctionSettings>("PdmFunctionSettings");
    readOnly<PdmKeypadConfig>("PdmKeypadConfig");
    readOnly<PdmOtherSettings>("PdmOtherSettings");
    readOnly<PdmOutputSettings>("PdmOutputSettings");
    readOnly<PdmTicInput>("PdmTicInput");
    readOnly<PdmUserCanAnalogInput>("PdmUserCanAnalogInput");
    readOnly<UserCanDigitalInput>("UserCanDigitalInput");
    readOnly<UserInCanMessage>("UserInCanMessage");
    readOnly<UserOutCanMessage>("UserOutCanMessage");
    readOnly<UserOutCanMessageData>("UserOutCanMessageData");
    readOnly<PdmSettings>("PdmSettings");
    readOnly<PdmRealtimeData>("PdmRealtimeData");
    readOnly<ArdixLamp>("ArdixLamp");
    readOnly<ArdixAction>("ArdixAction");
    readOnly<ArdixExtraSettings>("ArdixExtraSettings");
    readOnly<TheCustomAnalogSensor>("TheCustomAnalogSensor");
    readOnly<GpsAccelerationMeasureSettings>("GpsAccelerationMeasureSettings");
    readOnly<LogsSettings>("LogsSettings");
    readOnly<ThePreferenceTransport>("ThePreferenceTransport");
    readOnly<TheSensorConfig>("TheSensorConfig");
    readOnly<ArdixSettings>("ArdixSettings");
    readOnly<ArdixCustomCanSettings>("ArdixCustomCanSettings");

    qRegisterMetaType<QList<PdmTicInput *>>("QList<PdmTicInput*>");
    qRegisterMetaType<QList<PdmOutputSettings *>>("QList<PdmOutputSettings*>");
    qRegisterMetaType<QList<PdmFunctionSettings *>>("QList<PdmFunctionSettings*>");
    qRegisterMetaType<QList<PdmKeypadConfig *>>("QList<PdmKeypadConfig*>");
    qRegisterMetaType<QList<ArdixLamp *>>("QList<ArdixLamp*>");
    qRegisterMetaType<QList<ArdixAction *>>("QList<ArdixAction*>");
    qRegisterMetaType<QList<TheCustomAnalogSensor *>>("QList<TheCustomAnalogSensor*>");
    qRegisterMetaType<QList<TheSensorConfig *>>("QList<TheSensorConfig*>");

    for (const char *singleton : {"AppStyle", "AppSettings", "DevSettings", "MyDefines"}) {
        const QUrl url(QStringLiteral("qrc:/ARDIX/qml/myComponents/%1.qml").arg(QLatin1String(singleton)));
        qmlRegisterSingletonType(url, kUri, 1, 0, singleton);
    }
}

// The module's own entry registers the logic description type, independent of main().
static void registerModuleTypes()
{
    qmlRegisterType<Logic>(kUri, 1, 0, "Logic");
    qmlRegisterModule(kUri, 1, 0);
}
Q_COREAPP_STARTUP_FUNCTION(registerModuleTypes)
