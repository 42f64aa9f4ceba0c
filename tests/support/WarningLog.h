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

// The warnings a test run prints (only those of QML files unless told otherwise). A run that fails on
// any calls check() in cleanupTestCase; one that fails each test function on its own calls clear() in
// init() and verifyNone() in cleanup().
class WarningWatch
{
public:
    void start(bool qmlOnly = true) { m_previous = collectWarnings(&m_warnings, qmlOnly); }
    void clear() { m_warnings.clear(); }
    void verifyNone();
    // Puts the previous handler back, then verifies.
    void check();

private:
    QStringList m_warnings;
    QtMessageHandler m_previous = nullptr;
};

} // namespace ArdixTest
