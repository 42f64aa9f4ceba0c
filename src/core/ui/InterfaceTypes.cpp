#include "ui/InterfaceTypes.h"
#include "logs/laps/LapPlot.h"
#include "ui/AppAddresses.h"
#include "ui/DeviceWebName.h"
#include "ui/PdmLogicPreview.h"
#include "ui/SettingsHistoryModel.h"
#include "ui/SkinGeometry.h"
#include "ui/TintedIcon.h"
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
    qmlRegisterType<TintedIcon>("ARDIX", 1, 0, "TintedIcon");
}
