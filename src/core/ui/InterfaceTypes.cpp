#include "ui/InterfaceTypes.h"
#include "app/InterfaceLanguage.h"
#include "logs/laps/LapPlot.h"
#include "ui/AppAddresses.h"
#include "ui/DeviceWebName.h"
#include "ui/PdmLogicPreview.h"
#include "ui/SettingsHistoryModel.h"
#include "ui/SkinGeometry.h"
#include "ui/WindowLayoutHelper.h"

#include <QtQml>

void registerInterfaceTypes()
{
    qmlRegisterType<WindowLayoutHelper>("ARDIX", 1, 0, "WindowLayoutHelper");
    qmlRegisterType<DeviceWebName>("ARDIX", 1, 0, "DeviceWebName");
    qmlRegisterType<AppAddresses>("ARDIX", 1, 0, "AppAddresses");
    qmlRegisterSingletonType<SkinGeometry>("ARDIX", 1, 0, "SkinGeometry", [](QQmlEngine *, QJSEngine *) -> QObject * { return new SkinGeometry; });
    qmlRegisterType<PdmLogicPreview>("ARDIX", 1, 0, "PdmLogicPreview");
    qmlRegisterType<ardix::laps::LapPlot>("ARDIX", 1, 0, "LapPlot");
    qmlRegisterType<SettingsHistoryModel>("ARDIX", 1, 0, "SettingsHistoryModel");
    // One language for the whole process; every engine that asks for it is retranslated with it.
    qmlRegisterSingletonType<InterfaceLanguage>("ARDIX", 1, 0, "InterfaceLanguage", [](QQmlEngine *engine, QJSEngine *) -> QObject * {
        auto *language = InterfaceLanguage::instance();
        QQmlEngine::setObjectOwnership(language, QQmlEngine::CppOwnership);
        language->attachEngine(engine);
        return language;
    });
}
