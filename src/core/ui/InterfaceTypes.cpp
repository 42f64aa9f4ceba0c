#include "ui/InterfaceTypes.h"
#include "ui/AppAddresses.h"
#include "ui/DeviceWebName.h"
#include "ui/WindowLayoutHelper.h"
#include "logs/laps/LapPlot.h"

#include <QtQml>

void registerInterfaceTypes()
{
    qmlRegisterType<WindowLayoutHelper>("ARDIX", 1, 0, "WindowLayoutHelper");
    qmlRegisterType<DeviceWebName>("ARDIX", 1, 0, "DeviceWebName");
    qmlRegisterType<AppAddresses>("ARDIX", 1, 0, "AppAddresses");
    qmlRegisterType<ardix::laps::LapPlot>("ARDIX", 1, 0, "LapPlot");
}
