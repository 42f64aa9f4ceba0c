// The main scene loads offscreen with the kernel and the registered types, without a single
// QML warning.
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTest>

namespace {
QStringList g_messages;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_messages << message;
    g_previous(type, context, message);
}
} // namespace

class TestMainQml : public QObject
{
    Q_OBJECT
private slots:
    void loadsWithoutWarnings()
    {
        g_previous = qInstallMessageHandler(collect);
        {
            QQmlApplicationEngine engine;
            registerArdixTypes();
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
