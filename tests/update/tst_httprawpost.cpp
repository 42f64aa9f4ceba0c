#include "update/HttpRawPost.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

// A one-shot loopback web page: answers each request with the scripted pieces, then closes.
class Page : public QObject
{
public:
    explicit Page(QList<QByteArray> pieces, int gapMs = 0) : m_pieces(std::move(pieces)), m_gapMs(gapMs)
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                received += socket->readAll();
                if (!received.contains("\r\n\r\n") || m_answered)
                    return;
                m_answered = true;
                int delay = 0;
                for (const QByteArray &piece : m_pieces) {
                    QTimer::singleShot(delay, socket, [socket, piece] { socket->write(piece); socket->flush(); });
                    delay += m_gapMs;
                }
                QTimer::singleShot(delay, socket, [socket] { socket->disconnectFromHost(); });
            });
        });
    }
    quint16 port() const { return m_server.serverPort(); }
    QByteArray received;

private:
    QTcpServer m_server;
    QList<QByteArray> m_pieces;
    int m_gapMs;
    bool m_answered = false;
};

} // namespace

class TestHttpRawPost : public QObject
{
    Q_OBJECT
private slots:
    void requestText()
    {
        const QByteArray request = HttpRawPost::buildRequest(
            QStringLiteral("127.0.0.1"), QStringLiteral("/timeout.htm"),
            {{QStringLiteral("wifi_ap_ssid"), QStringLiteral("Моя сеть")},
             {QStringLiteral("wifi_ap_psw"), QStringLiteral("a+b&c d")},
             {QStringLiteral("wifi_newcfg"), QStringLiteral("0x2ffff")}});
        const QByteArray body =
            "wifi_ap_psw=a%2Bb%26c%20d&wifi_ap_ssid=%D0%9C%D0%BE%D1%8F%20%D1%81%D0%B5%D1%82%D1%8C&wifi_newcfg=0x2ffff";
        QCOMPARE(request, "POST /timeout.htm HTTP/1.0\r\nHost: 127.0.0.1\r\n"
                          "Content-Type: application/x-www-form-urlencoded;charset=UTF-8\r\n"
                          "Content-Length: " + QByteArray::number(body.size()) + "\r\n"
                          "Connection: close\r\n\r\n" + body);
        QVERIFY(HttpRawPost::buildRequest(QStringLiteral("h"), QStringLiteral("/"), {}).endsWith("Content-Length: 0\r\nConnection: close\r\n\r\n"));
    }

    void statusLine_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("status");
        QTest::newRow("ok") << QByteArray("HTTP/1.0 200 OK\r\n\r\n") << 200;
        QTest::newRow("no space") << QByteArray("HTTP/1.0\r\n\r\n") << -1;
        QTest::newRow("not a number") << QByteArray("HTTP/1.0 abc OK\r\n\r\n") << 0;
        QTest::newRow("empty line first") << QByteArray("\r\n\r\n") << -1;
    }
    void statusLine()
    {
        QFETCH(QByteArray, header);
        QFETCH(int, status);
        QCOMPARE(RawHttpReply::parseStatus(header), status);
    }

    void replies_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("body");
        QTest::newRow("header and body together")
            << QList<QByteArray>{"HTTP/1.0 200 OK\r\nServer: x\r\n\r\nok"} << 200 << QStringLiteral("ok");
        QTest::newRow("body after the header end")
            << QList<QByteArray>{"HTTP/1.0 200 OK\r\n\r\n", "late"} << 200 << QString();
        QTest::newRow("closed before the header end") << QList<QByteArray>{"HTTP/1.0 200"} << -1 << QString();
        QTest::newRow("header end cut across reads")
            << QList<QByteArray>{"HTTP/1.0 200 OK\r", "\n\r", "\nok"} << 200 << QStringLiteral("ok");
    }
    void replies()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(int, status);
        QFETCH(QString, body);
        Page page(pieces, 50);
        HttpRawPost post;
        QObject *reply = post.postUrlEncoded(QStringLiteral("127.0.0.1"), page.port(), QStringLiteral("/timeout.htm"),
                                             {{QStringLiteral("k"), 1}});
        QSignalSpy spy(reply, SIGNAL(finished(int,QString)));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 3000);
        QCOMPARE(spy.at(0).at(0).toInt(), status);
        QCOMPARE(spy.at(0).at(1).toString(), body);
        QVERIFY(page.received.endsWith("\r\n\r\nk=1"));
        QTest::qWait(200);
        QCOMPARE(spy.size(), 1); // exactly once
    }

    // A refused connection can fail inside the call; the page connects to finished() only after it
    // returns, so the report must come later, from the event loop.
    void refusedConnectionIsReportedAfterTheCall_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("empty") << QString() << 80;
        QTest::newRow("closed") << QStringLiteral("127.0.0.1") << 9;
    }
    void refusedConnectionIsReportedAfterTheCall()
    {
        QFETCH(QString, host);
        QFETCH(int, port);
        HttpRawPost post;
        QObject *reply = post.postUrlEncoded(host, port, QStringLiteral("/"), {}, 2000);
        QSignalSpy spy(reply, SIGNAL(finished(int,QString)));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 1500);
        QCOMPARE(spy.at(0).at(0).toInt(), -1);
    }

    // A page that streams without ever ending its header is cut at the reader's cap, long before
    // the time-out, and what was read is not kept.
    void endlessHeaderIsCut()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        qint64 sent = 0;
        connect(&server, &QTcpServer::newConnection, &server, [&] {
            QTcpSocket *s = server.nextPendingConnection();
            s->write("HTTP/1.0 200 OK\r\nX-Filler: ");
            auto *pump = new QTimer(s);
            connect(pump, &QTimer::timeout, s, [s, &sent] {
                if (s->state() == QAbstractSocket::ConnectedState && s->bytesToWrite() < 256 * 1024)
                    sent += s->write(QByteArray(16 * 1024, 'x'));
            });
            pump->start(1);
        });
        HttpRawPost post;
        QObject *reply = post.postUrlEncoded(QStringLiteral("127.0.0.1"), server.serverPort(), QStringLiteral("/"), {}, 10000);
        QSignalSpy spy(reply, SIGNAL(finished(int,QString)));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 5000);
        QCOMPARE(spy.at(0).at(0).toInt(), -1);
        QVERIFY2(sent >= RawHttpReply::kMaxResponseBytes, qPrintable(QString::number(sent)));
    }

    void silentServerTimesOut()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        HttpRawPost post;
        QObject *reply = post.postUrlEncoded(QStringLiteral("127.0.0.1"), silent.serverPort(), QStringLiteral("/"), {}, 300);
        QSignalSpy spy(reply, SIGNAL(finished(int,QString)));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 3000);
        QCOMPARE(spy.at(0).at(0).toInt(), -1);
        QCOMPARE(spy.at(0).at(1).toString(), QString());
    }
};

QTEST_GUILESS_MAIN(TestHttpRawPost)
#include "tst_httprawpost.moc"
