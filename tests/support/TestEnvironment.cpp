#include "TestEnvironment.h"

#include <QHostAddress>
#include <QUrl>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace ArdixTest {

namespace {

[[noreturn]] void refuse(const char *why)
{
    std::fprintf(stderr, "refusing to run a test outside its isolated environment: %s\n", why);
    std::fflush(stderr);
    std::abort();
}

bool isLoopbackHost(const QString &host)
{
    if (host == QLatin1String("localhost"))
        return true;
    QHostAddress address;
    return address.setAddress(host) && address.isLoopback();
}

struct AutoCheck
{
    AutoCheck() { requireIsolatedEnvironment(); }
} autoCheck;

} // namespace

void requireIsolatedEnvironment()
{
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "TMPDIR"}) {
        if (qEnvironmentVariableIsEmpty(name))
            refuse(name);
    }
    if (!isLoopbackHost(qEnvironmentVariable("ARDIX_DEVICE_HOST")))
        refuse("ARDIX_DEVICE_HOST is not a loopback address");
    for (const char *name : {"ARDIX_FIRMWARE_URL", "ARDIX_SITE_URL"}) {
        const QUrl url(qEnvironmentVariable(name));
        if (!isLoopbackHost(url.host()))
            refuse(name);
    }
}

QString sourceDir()
{
    return qEnvironmentVariable("ARDIX_TEST_SOURCE_DIR");
}

} // namespace ArdixTest
