#include "TypeRegistration.h"

#include "app/ArdixKernel.h"
#include "logic/Logic.h"
#include "settings/ArdixEnums.h"
#include "settings/TheSensorConfig.h"
#include "settings/dash/ArdixSettings.h"
#include "settings/pdm/PdmRealtimeData.h"
#include "settings/pdm/PdmSettings.h"
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
    qmlRegisterUncreatableMetaObject(ArdixEnums::staticMetaObject, kUri, 1, 0, "ArdixEnums", kReadOnly);
    qmlRegisterType<HttpRawPost>("NetHelpers", 1, 0, "HttpRawPost");
    qmlRegisterType<RawHttpReply>("NetHelpers", 1, 0, "RawHttpReply");

    readOnly<PdmSettings>("PdmSettings");
    readOnly<PdmRealtimeData>("PdmRealtimeData");
    readOnly<TheSensorConfig>("TheSensorConfig");
    readOnly<ArdixSettings>("ArdixSettings");

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
