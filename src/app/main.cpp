#include "app/TypeRegistration.h"
#include "app/InterfaceLanguage.h"
#include "app/ProcessLocale.h"
#include "app/RunGuard.h"
#include "app/SoakUploads.h"
#include "app/TerminationSignals.h"
#include "ui/InterfaceFont.h"
#include "ui/InterfaceTypes.h"

#include <QApplication>
#include <QPixmap>
#include <QQmlApplicationEngine>
#include <QSplashScreen>
#include <QUrl>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
// Constructed before main(): a crashed instance's stale block is reclaimed here.
RunGuard runGuard;

constexpr const char *kOrganisationDomain = "ardix.local";
}

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("ardix %s\n", ARDIX_VERSION);
            return 0;
        }
    }

    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    qputenv("QT_QUICK_CONTROLS_BASIC_THEME", "Dark");

    auto app = std::make_unique<QApplication>(argc, argv);
    if (argc > 1)
        runGuard.setIncomingFilePath(argv[1]);

    if (!runGuard.tryStartAsPrimary()) {
        app.reset();
        return 0;
    }

    // SIGTERM, SIGINT and SIGHUP end the client as closing its window does.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, app.get(), &QCoreApplication::quit);

    QSplashScreen splash(QPixmap(QStringLiteral(":/images/splash_desktop.png")));
    splash.show();
    app->processEvents();

    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(kOrganisationDomain));
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));

    applyProcessLocale();
    (void)InterfaceLanguage::instance()->apply(InterfaceLanguage::startupLanguage());

    QQmlApplicationEngine engine;
    InterfaceLanguage::instance()->attachEngine(&engine);
    registerArdixTypes();
    registerInterfaceTypes();
    loadInterfaceFont();
    engine.load(QUrl(QStringLiteral("qrc:/ARDIX/qml/main.qml")));
    splash.close();
    if (engine.rootObjects().isEmpty())
        return 1;
    SoakUploads::fromEnvironment(engine.rootObjects().constFirst());
    if (termination.received())
        return 0; // asked to end while loading, before the event loop could quit
    return app->exec();
}
