#pragma once
#include <QStringList>
#include <QtGlobal>

namespace ArdixTest {

// Appends every warning (and worse) to `sink` — only those that come from QML files when `qmlOnly` —
// and passes each message on to the handler that was installed before. Returns that handler, for the
// test to put back.
QtMessageHandler collectWarnings(QStringList *sink, bool qmlOnly = false);

} // namespace ArdixTest
