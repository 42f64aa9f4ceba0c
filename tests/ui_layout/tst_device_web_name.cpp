// The device's WiFi name from its web page: what counts as a name, and a page that never answers
// or answers garbage leaves the name empty without blocking.
#include "ui/DeviceWebName.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {
// A loopback page that answers every request with `body` (or never, when `silent`).
class FakePage : public QTcpServer
{
public:
    FakePage(QByteArray body, bool silent) : m_body(std::move(body)), m_silent(silent)
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    if (!s->readAll().contains("\r\n\r\n") || m_silent)
                        return;
                    s->write("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: "
                             + QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body);
                    s->disconnectFromHost();
                });
            }
        });
    }

private:
    QByteArray m_body;
    bool m_silent;
};
} // namespace

class TestDeviceWebName : public QObject
{
    Q_OBJECT
private slots:
    void parseReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("name");
        QTest::newRow("name and more") << QByteArray("Ardix 7 Track:ap:1") << QString("Ardix 7 Track");
        QTest::newRow("cyrillic name") << QByteArray("Машина:x") << QString("Машина");
        QTest::newRow("no colon") << QByteArray("Ardix") << QString();
        QTest::newRow("an html page") << QByteArray("<div>a:b</div>") << QString();
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void parseReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, name);
        QCOMPARE(DeviceWebName::parseReply(reply), name);
    }

    void readsTheNameFromThePage()
    {
        FakePage page("Paddock 3:secret", false);
        QVERIFY(page.listen(QHostAddress::LocalHost));
        qputenv("ARDIX_DEVICE_WEB_PORT", QByteArray::number(page.serverPort()));
        DeviceWebName webName;
        webName.refresh();
        QTRY_COMPARE_WITH_TIMEOUT(webName.name(), QString("Paddock 3"), 2000);
        webName.clear();
        QCOMPARE(webName.name(), QString());
    }

    void silentOrGarbagePagesLeaveTheNameEmpty_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("silent");
        QTest::newRow("never answers") << QByteArray() << true;
        QTest::newRow("garbage") << QByteArray("\x01\x02\xff garbage without separator") << false;
        QTest::newRow("endless") << QByteArray(64 * 1024, 'x') + ":y" << false;
    }
    void silentOrGarbagePagesLeaveTheNameEmpty()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, silent);
        FakePage page(body, silent);
        QVERIFY(page.listen(QHostAddress::LocalHost));
        qputenv("ARDIX_DEVICE_WEB_PORT", QByteArray::number(page.serverPort()));
        DeviceWebName webName;
        QSignalSpy changed(&webName, &DeviceWebName::nameChanged);
        QElapsedTimer clock;
        clock.start();
        webName.refresh();
        // The call returns at once; the request gives up by itself.
        QVERIFY(clock.elapsed() < 500);
        QTest::qWait(DeviceWebName::kTimeoutMs + 500);
        QCOMPARE(webName.name(), QString());
        QCOMPARE(changed.count(), 0);
    }
};

QTEST_MAIN(TestDeviceWebName)
#include "tst_device_web_name.moc"
