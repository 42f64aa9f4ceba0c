// Runs the interface's Qt Quick tests with the same types and style the client registers.
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "ui/InterfaceTypes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtQuickTest>

// Types any text, Cyrillic included, as key presses into the window's focused item: Qt Quick
// Test's keyClick takes Latin-1 characters only.
class KeyTyper : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE void type(QQuickItem *item, const QString &text)
    {
        QQuickWindow *window = item ? item->window() : nullptr;
        if (!window)
            return;
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(window, &press);
            QCoreApplication::sendEvent(window, &release);
        }
    }
};

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
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->rootContext()->setContextProperty(QStringLiteral("keyTyper"), new KeyTyper(engine));
        registerArdixTypes();
        registerInterfaceTypes();
    }
};

QUICK_TEST_MAIN_WITH_SETUP(ardix_qml, Setup)

#include "tst_qml.moc"
