#pragma once
#include <QString>
#include <QUrl>

// Where the client reaches the device and the web servers. Every address can be overridden from the
// environment so that development machines, tests and demos point at loopback.
struct AppConfig
{
    QString deviceHost;
    quint16 devicePort = 0;
    quint16 deviceWebPort = 0;
    QUrl firmwareUrl;
    QUrl siteUrl;

    static constexpr const char *kDefaultDeviceHost = "192.168.4.1";
    static constexpr quint16 kDefaultDevicePort = 223;
    static constexpr quint16 kDefaultDeviceWebPort = 80;

    // Reads ARDIX_DEVICE_HOST, ARDIX_DEVICE_PORT, ARDIX_DEVICE_WEB_PORT, ARDIX_FIRMWARE_URL and
    // ARDIX_SITE_URL, falling back to the product defaults (the two web addresses default to the
    // values fixed at build time).
    static AppConfig fromEnvironment();
};
