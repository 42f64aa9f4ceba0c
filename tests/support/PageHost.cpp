#include "PageHost.h"

#include <QKeyEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace ArdixTest {

namespace {

const char *const HostQml = R"(
import QtQuick
import QtQuick.Window
import ARDIX 1.0
import "qrc:/ARDIX/qml"

Window {
    id: win
    color: "black"
    visible: true
    property var kernel: null
    property bool isSyncDialogOn: false
    property bool isBusyOnScreen: false
    property bool isPdmSettingsOnScreen: false
    property bool isMobile: false
    property bool isLogDialogOn: false
    property var logListRequestTimer: null
    property bool acceptQuestions: false
    property var questions: []
    property var messages: []
    property var fileDialogs: []
    onWidthChanged: AppStyle.appWindowWidth = width
    // A question answered "yes"; its text is what the user leaves in it.
    function accept(question) {
        const dialog = { dialogText: question.props.dialogText }
        if (typeof question.handlers === "function")
            question.handlers(dialog)
        else if (question.handlers && question.handlers.accepted)
            question.handlers.accepted(dialog)
    }
    function acceptLast() { if (questions.length) accept(questions[questions.length - 1]) }
    function createDialog(props, handlers) {
        const question = { props: props, handlers: handlers }
        questions.push(question)
        messages.push(props.dialogText || "")
        if (acceptQuestions)
            Qt.callLater(function() { accept(question) })
        return null
    }
    function infoDialog(text) { messages.push(text); return null }
    function showInfo(text, timeout, url) { messages.push(text) }
    function showLogsSettingsDialog() {}
    function showLapsLogDialog(path, external) { return open("LapsLogDialog.qml", { logPath: path, isExternalFile: external }) }
    function showFileDialog(devId, fileType, isImport, fileName) {
        fileDialogs.push({ devId: devId, fileType: fileType, isImport: isImport, fileName: fileName })
    }
    function getPdmFunctionDescription(id) { return "" }
    property alias tripRequestTimer: tripRequestTimer
    Timer {
        id: tripRequestTimer
        interval: 1000
        onTriggered: kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.GetTrip, 0)
    }
    function openSettings() {
        DevSettings.dash = kernel.currentArdixSettings
        DevSettings.pdm = kernel.currentPdmSettings
        AppSettings.lastDeviceIdSelected = ArdixEnums.Device_Ardix7
        return settingsComponent.createObject(win.contentItem, { window: win, kernel: kernel })
    }
    function open(file, props) {
        DevSettings.dash = kernel.currentArdixSettings
        const c = Qt.createComponent("qrc:/ARDIX/qml/dialogs/" + file)
        if (c.status !== Component.Ready)
            console.warn(c.errorString())
        props.kernel = kernel
        props.window = win
        return c.createObject(win.contentItem, props)
    }
    Component { id: settingsComponent; Settings {} }
}
)";

} // namespace

QQuickItem *findItem(QQuickItem *root, const QString &objectName)
{
    if (!root)
        return nullptr;
    if (root->objectName() == objectName)
        return root;
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children)
        if (QQuickItem *found = findItem(child, objectName))
            return found;
    return nullptr;
}

QPoint centreOf(QQuickItem *item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

void clickItem(QQuickWindow *window, QQuickItem *item)
{
    QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(item));
}

bool typeKeys(QQuickWindow *window, QQuickItem *field, const QString &text)
{
    if (!window || !field)
        return false;
    clickItem(window, field);
    if (!field->hasActiveFocus())
        return false;
    QMetaObject::invokeMethod(field, "selectAll");
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(window, char(ch.unicode()));
            continue;
        }
        // Keys beyond Latin-1 carry their text the way a keyboard layout delivers it.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(window, &press);
        QCoreApplication::sendEvent(window, &release);
    }
    return true;
}

PageHost::PageHost() = default;

PageHost::~PageHost()
{
    close();
}

bool PageHost::open(QObject *kernel, QSize size)
{
    close();
    m_engine = std::make_unique<QQmlEngine>();
    QQmlComponent component(m_engine.get());
    component.setData(HostQml, QUrl(QStringLiteral("qrc:/page_host/Host.qml")));
    m_window.reset(qobject_cast<QQuickWindow *>(component.create()));
    if (!m_window) {
        qWarning().noquote() << component.errorString();
        return false;
    }
    m_window->setProperty("kernel", QVariant::fromValue(kernel));
    m_window->resize(size);
    return QTest::qWaitForWindowExposed(m_window.get());
}

void PageHost::close()
{
    m_window.reset();
    m_engine.reset();
}

QQuickItem *PageHost::openDialog(const QString &file, const QVariantMap &props)
{
    QVariant dialog;
    QMetaObject::invokeMethod(m_window.get(), "open", Q_RETURN_ARG(QVariant, dialog), Q_ARG(QVariant, file),
                              Q_ARG(QVariant, props));
    QTest::qWait(300);
    return qobject_cast<QQuickItem *>(dialog.value<QObject *>());
}

QQuickItem *PageHost::openSettings()
{
    QVariant settings;
    QMetaObject::invokeMethod(m_window.get(), "openSettings", Q_RETURN_ARG(QVariant, settings));
    QTest::qWait(300);
    return qobject_cast<QQuickItem *>(settings.value<QObject *>());
}

QQuickItem *PageHost::clickRow(QQuickItem *settings, const QString &rowName)
{
    QQuickItem *row = findItem(settings, rowName);
    if (!row)
        return nullptr;
    row->forceActiveFocus(); // scrolls it into view
    QTest::qWait(100);
    click(row);
    QTest::qWait(400);
    return qobject_cast<QQuickItem *>(settings->property("currentItem").value<QObject *>());
}

void PageHost::click(QQuickItem *item)
{
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, centreOf(item));
}

bool PageHost::type(QQuickItem *field, const char *text)
{
    click(field);
    if (!field->hasActiveFocus())
        return false;
    QMetaObject::invokeMethod(field, "selectAll");
    for (const char *c = text; *c; ++c)
        QTest::keyClick(m_window.get(), *c);
    QTest::keyClick(m_window.get(), Qt::Key_Return);
    return true;
}

void PageHost::stepDown(QQuickItem *combo, int steps)
{
    combo->forceActiveFocus();
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(m_window.get(), Qt::Key_Down);
}

QStringList PageHost::messages() const
{
    return m_window->property("messages").toStringList();
}

QObject *PageHost::openLapsLog(const QString &path, bool external)
{
    QVariant dialog;
    QMetaObject::invokeMethod(m_window.get(), "showLapsLogDialog", Q_RETURN_ARG(QVariant, dialog), Q_ARG(QVariant, path),
                              Q_ARG(QVariant, external));
    return dialog.value<QObject *>();
}

int PageHost::questionCount() const
{
    return int(m_window->property("questions").toList().size());
}

void PageHost::acceptLastQuestion()
{
    QMetaObject::invokeMethod(m_window.get(), "acceptLast");
}

void PageHost::setAcceptQuestions(bool accept)
{
    m_window->setProperty("acceptQuestions", accept);
}

QVariantList PageHost::fileDialogs() const
{
    return m_window->property("fileDialogs").toList();
}

} // namespace ArdixTest
