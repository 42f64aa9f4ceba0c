#include "AppConfig.h"

#include <QtGlobal>

#ifndef ARDIX_DEFAULT_FIRMWARE_URL
#define ARDIX_DEFAULT_FIRMWARE_URL "http://127.0.0.1:18080/firmware/"
#endif
#ifndef ARDIX_DEFAULT_SITE_URL
#define ARDIX_DEFAULT_SITE_URL "http://127.0.0.1:18080/site/"
#endif

namespace {

quint16 portFromEnv(const char *name, quint16 fallback)
{
    bool ok = false;
    const uint port = qEnvironmentVariable(name).toUInt(&ok);
    return ok && port > 0 && port <= 65535 ? quint16(port) : fallback;
}

QUrl urlFromEnv(const char *name, const char *fallback)
{
    const QString value = qEnvironmentVariable(name);
    return QUrl(value.isEmpty() ? QString::fromLatin1(fallback) : value);
}

} // namespace

AppConfig AppConfig::fromEnvironment()
{
    AppConfig config;
    config.deviceHost = qEnvironmentVariable("ARDIX_DEVICE_HOST", QString::fromLatin1(kDefaultDeviceHost));
    config.devicePort = portFromEnv("ARDIX_DEVICE_PORT", kDefaultDevicePort);
    config.deviceWebPort = portFromEnv("ARDIX_DEVICE_WEB_PORT", kDefaultDeviceWebPort);
    config.firmwareUrl = urlFromEnv("ARDIX_FIRMWARE_URL", ARDIX_DEFAULT_FIRMWARE_URL);
    config.siteUrl = urlFromEnv("ARDIX_SITE_URL", ARDIX_DEFAULT_SITE_URL);
    return config;
}
