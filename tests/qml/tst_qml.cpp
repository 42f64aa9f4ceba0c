// Runs the interface's Qt Quick tests with the same types and style the client registers.
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "ui/InterfaceTypes.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <QtQuickTest>

class Setup : public QObject
{
    Q_OBJECT
public:
    Setup()
    {
        qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
        qputenv("QT_QUICK_CONTROLS_BASIC_THEME", "Dark");
    }

public slots:
    void applicationAvailable()
    {
        // The stored interface settings need the same identity as the client, or they stay unsaved.
        QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
        QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
        applyProcessLocale();
    }
    void qmlEngineAvailable(QQmlEngine *)
    {
        registerArdixTypes();
        registerInterfaceTypes();
    }
};

QUICK_TEST_MAIN_WITH_SETUP(ardix_qml, Setup)

#include "tst_qml.moc"
