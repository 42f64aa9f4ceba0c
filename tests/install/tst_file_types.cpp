// What the desktop makes of the client's files, read through a MIME database compiled from the
// system's definitions and the installed ones, as on a desktop with the package installed.
#include <QByteArray>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray envelope(int size)
{
    return qCompress(QByteArray(size, '\x11'));
}

} // namespace

class FileTypes : public QObject
{
    Q_OBJECT

private slots:
    void recognises_data();
    void recognises();
};

void FileTypes::recognises_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("type");

    // By ending, whatever the content.
    QTest::newRow("log") << "run.elog" << envelope(300) << "application/x-ardix-log";
    QTest::newRow("dash settings") << "car.ardix7" << QByteArray("x") << "application/x-ardix-dash-settings";
    QTest::newRow("pdm settings") << "car.pmx" << QByteArray("x") << "application/x-ardix-pdm-settings";
    QTest::newRow("start line") << "track.esl" << QByteArray("x") << "application/x-ardix-start-line";
    // ".erl" is also Erlang's ending: the envelope decides.
    QTest::newRow("reference lap") << "best.erl" << envelope(48 + 30 * 200) << "application/x-ardix-reference-lap";
    QTest::newRow("erlang source") << "server.erl" << QByteArray("-module(server).\n-export([start/0]).\n")
                                   << "text/x-erlang";
    // Without an ending, the envelopes of fixed-size content are known by their declared size.
    QTest::newRow("renamed dash settings") << "backup" << envelope(28876) << "application/x-ardix-dash-settings";
    QTest::newRow("renamed pdm settings") << "backup" << envelope(40960) << "application/x-ardix-pdm-settings";
    QTest::newRow("renamed start line") << "backup" << envelope(76) << "application/x-ardix-start-line";
    QTest::newRow("renamed large envelope") << "backup" << envelope(2 * 1024 * 1024) << "application/octet-stream";
}

void FileTypes::recognises()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, type);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(fileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    QCOMPARE(QMimeDatabase().mimeTypeForFile(path).name(), type);
}

QTEST_GUILESS_MAIN(FileTypes)
#include "tst_file_types.moc"
