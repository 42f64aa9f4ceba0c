#pragma once
#include <QStringList>
#include <QtGlobal>

namespace ArdixTest {

// Appends every warning (and worse) to `sink` — only those that come from QML files when `qmlOnly` —
// and passes each message on to the handler that was installed before. Returns that handler, for the
// test to put back.
QtMessageHandler collectWarnings(QStringList *sink, bool qmlOnly = false);

} // namespace ArdixTest

namespace ArdixTest {

// The QML warnings of a whole test run: started in initTestCase, checked in cleanupTestCase, where any
// warning fails the run with its text.
class QmlWarningWatch
{
public:
    void start() { m_previous = collectWarnings(&m_warnings, true); }
    void check();

private:
    QStringList m_warnings;
    QtMessageHandler m_previous = nullptr;
};

} // namespace ArdixTest
