#include "ui/AppAddresses.h"
#include "app/AppConfig.h"

AppAddresses::AppAddresses(QObject *parent)
    : QObject(parent)
{
    const AppConfig config = AppConfig::fromEnvironment();
    m_siteUrl = config.siteUrl.toString();
    m_firmwareUrl = config.firmwareUrl.toString();
    m_deviceHost = config.deviceHost;
    m_deviceWebPort = config.deviceWebPort;
}
