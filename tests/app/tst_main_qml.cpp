// The main scene loads offscreen with the kernel and the registered types, without a single
// QML warning.
#include "WarningLog.h"
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "ui/InterfaceTypes.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QTest>

#include <memory>

namespace {
QStringList g_messages;
QtMessageHandler g_previous = nullptr;

} // namespace

class TestMainQml : public QObject
{
    Q_OBJECT
private slots:
    void loadsWithoutWarnings()
    {
        g_previous = ArdixTest::collectWarnings(&g_messages);
        {
            QQmlApplicationEngine engine;
            registerArdixTypes();
            registerInterfaceTypes();
            engine.load(QUrl(QStringLiteral("qrc:/ARDIX/qml/main.qml")));
            QCOMPARE(engine.rootObjects().size(), 1);
            auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
            QVERIFY(window);
            QCOMPARE(window->objectName(), QStringLiteral("ardix"));
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QTest::qWait(300);
        }
        qInstallMessageHandler(g_previous);
        QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join(QLatin1Char('\n'))));
    }

    void modelTypesAreReadOnlyAndEnumsReadable()
    {
        QQmlEngine engine;
        registerArdixTypes();
        const char *const readOnlyTypes[] = {
            "ObjectWithChildFunctions", "PdmCustomCanSettings", "PdmFunctionSettings", "PdmKeypadConfig",
            "PdmOtherSettings", "PdmOutputSettings", "PdmTicInput", "PdmUserCanAnalogInput",
            "UserCanDigitalInput", "UserInCanMessage", "UserOutCanMessage", "UserOutCanMessageData",
            "PdmSettings", "PdmRealtimeData", "ArdixLamp", "ArdixAction", "ArdixExtraSettings",
            "TheCustomAnalogSensor", "GpsAccelerationMeasureSettings", "LogsSettings", "ThePreferenceTransport",
            "TheSensorConfig", "ArdixSettings", "ArdixCustomCanSettings"};
        for (const char *type : readOnlyTypes) {
            QQmlComponent component(&engine);
            component.setData(QByteArray("import ARDIX 1.0\n") + type + " {}", QUrl());
            QVERIFY2(component.isError(), type);
            QVERIFY2(component.errorString().contains(QLatin1String("Read-only type")), type);
        }

        QQmlComponent component(&engine);
        component.setData("import QtQml\nimport ARDIX 1.0\nimport NetHelpers 1.0\n"
                          "QtObject { property int baud: ArdixEnums.CanbusBaud_Disable;"
                          " property int cmd: ArdixEnums.CheckPdmSettingsSync;"
                          " property var post: HttpRawPost {} property var logic: Logic {} }",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("baud").toInt(), -1);
        QCOMPARE(object->property("cmd").toInt(), 43);
        QVERIFY(object->property("post").value<QObject *>());
        QVERIFY(object->property("logic").value<QObject *>());
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
    applyProcessLocale();
    TestMainQml test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_main_qml.moc"
