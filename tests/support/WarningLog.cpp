#include "WarningLog.h"

#include <QByteArray>
#include <QTest>

namespace ArdixTest {
namespace {
QStringList *g_sink = nullptr;
bool g_qmlOnly = false;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool fromQml = (context.file && QByteArray(context.file).contains(".qml")) || message.contains(QLatin1String(".qml"));
    if (g_sink && type != QtDebugMsg && type != QtInfoMsg && (!g_qmlOnly || fromQml))
        *g_sink << message;
    if (g_previous)
        g_previous(type, context, message);
}
} // namespace

QtMessageHandler collectWarnings(QStringList *sink, bool qmlOnly)
{
    g_sink = sink;
    g_qmlOnly = qmlOnly;
    g_previous = qInstallMessageHandler(collect);
    return g_previous;
}

} // namespace ArdixTest

namespace ArdixTest {

void WarningWatch::verifyNone()
{
    QVERIFY2(m_warnings.isEmpty(), qPrintable(m_warnings.join(QLatin1Char('\n'))));
}

void WarningWatch::check()
{
    qInstallMessageHandler(m_previous);
    verifyNone();
}

} // namespace ArdixTest
