// Replies from web servers are bounded: a server that streams a body without end, or drips it, is
// cut off at the request's size or deadline and the client's memory stays small; client versions
// compare as numbers.
#include "update/ClientVersion.h"
#include "update/ReplyLimit.h"
#include "HostileHttpServer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>


class TstReplyLimits : public QObject
{
    Q_OBJECT
private slots:
    void clientVersions_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("mine");
        QTest::addColumn<bool>("newer");
        QTest::newRow("newer minor") << "1.11" << "1.10" << true;
        QTest::newRow("newer major") << "2.00" << "1.99" << true;
        QTest::newRow("same") << "1.10" << "1.10" << false;
        QTest::newRow("older") << "1.09" << "1.10" << false;
        QTest::newRow("none") << "0.00" << "1.10" << false;
        // The old client named itself 1.0.0: its first four characters read as no version at all.
        QTest::newRow("mine unreadable") << "1.00" << "1.0.0" << false;
        QTest::newRow("server unreadable") << "1.9" << "1.10" << false;
    }
    void clientVersions()
    {
        QFETCH(QString, server);
        QFETCH(QString, mine);
        QFETCH(bool, newer);
        QCOMPARE(update::isNewerClientVersion(server, mine), newer);
        QCOMPARE(update::clientVersionNumber(QStringLiteral("1.85")).value_or(-1), 185);
    }

    // The version this build calls itself reads in the site's scheme, so the check can ever say
    // "not newer" and go on to the firmware notice.
    void thisBuildsVersionReads()
    {
        const QString mine = QStringLiteral(ARDIX_CLIENT_VERSION);
        QVERIFY2(update::clientVersionNumber(mine).has_value(), qPrintable(mine));
        QCOMPARE(mine.size(), 4);
        QVERIFY(!update::isNewerClientVersion(mine, mine));
    }

    // A body that never ends is cut at the size the request allows, long before it could hurt.
    void endlessBodyIsCutAtItsSize()
    {
        HostileHttpServer server({-1, 64 * 1024, 1, {}});
        QNetworkAccessManager manager;
        const update::ReplyLimit limit{256 * 1024, 20'000};
        QNetworkReply *reply = update::bounded(manager.get(QNetworkRequest(QUrl(server.base() + "firmware/ping.txt"))), limit);
        QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 10'000);
        QCOMPARE(reply->error(), QNetworkReply::OperationCanceledError);
        QVERIFY2(reply->bytesAvailable() <= 2 * limit.maxBytes, qPrintable(QString::number(reply->bytesAvailable())));
        reply->deleteLater();
    }

    // A body that drips is cut at the request's deadline.
    void dripFedBodyEndsAtItsDeadline()
    {
        HostileHttpServer server({-1, 1, 200, {}});
        QNetworkAccessManager manager;
        QElapsedTimer clock;
        clock.start();
        QNetworkReply *reply = update::bounded(manager.get(QNetworkRequest(QUrl(server.base() + "firmware/ping.txt"))), {1024, 800});
        QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 5'000);
        QCOMPARE(reply->error(), QNetworkReply::OperationCanceledError);
        QVERIFY(clock.elapsed() >= 700);
        reply->deleteLater();
    }
};

QTEST_MAIN(TstReplyLimits)
#include "tst_reply_limits.moc"
