// The firmware catalogue against the simulated firmware server on loopback: listing, histories,
// downloads checked against the MD5 in their names, local files, the notice and the client check.
#include "settings/ArdixEnums.h"
#include "simcore/device/SimFirmwareServer.h"
#include "update/FirmwareCatalog.h"
#include "update/FirmwareName.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {
struct Fixture
{
    Fixture()
    {
        QSettings s(QStringLiteral("Ardix"), QStringLiteral("Ardix"));
        s.clear();
        s.sync();
        QDir(FirmwareCatalog::localFolder()).removeRecursively();
        QDir().mkpath(FirmwareCatalog::localFolder());
        if (!server.listen(0))
            qFatal("cannot listen");
        const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(server.port());
        FirmwareCatalog::Host host;
        host.ardixStatus = [this] { return status; };
        host.currFirmwareVersion = [this] { return dashVersion; };
        host.pdmCurrFirmwareVersion = [this] { return pdmVersion; };
        host.serialHash = [] { return QStringLiteral("ABC"); };
        host.clientVersion = QStringLiteral("1.85");
        catalog = std::make_unique<FirmwareCatalog>(host, QUrl(base + "firmware/"), QUrl(base + "site/"));
        QObject::connect(catalog.get(), &FirmwareCatalog::showInfoMessage, [this](const QString &t) { messages << t; });
    }
    QStringList entriesOf(const char *type) const
    {
        QStringList out;
        for (const QVariant &e : catalog->availableFirmwares())
            if (e.toStringList().at(0) == QLatin1String(type))
                out << e.toStringList().at(6);
        return out;
    }
    bool listed()
    {
        QSignalSpy spy(catalog.get(), &FirmwareCatalog::availableFirmwaresChanged);
        catalog->webServerFileListRequest();
        return QTest::qWaitFor([&] { return spy.count() >= 3; }, 5000);
    }
    bool download(const SimFirmwareServer::File &f)
    {
        catalog->webServerDownloadFile(f.name, f.name.section(QLatin1Char('_'), 1, 1).left(1));
        return QTest::qWaitFor([&] { return catalog->downloadingFileName().isEmpty(); }, 15000);
    }
    QString local(const QString &name) const { return FirmwareCatalog::localFolder() + name; }

    SimFirmwareServer server;
    std::unique_ptr<FirmwareCatalog> catalog;
    int status = ArdixEnums::ardixOffline;
    QString dashVersion = QStringLiteral("S1.85");
    QString pdmVersion = QStringLiteral("S1.05");
    QStringList messages;
};
} // namespace

class TstFirmwareCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void requestsCarryTheQuery()
    {
        Fixture f;
        QSettings s(QStringLiteral("Ardix"), QStringLiteral("Ardix"));
        s.setValue("serialNum", 70123);
        s.setValue("pdmSerialNumber", 65536 + 42);
        s.setValue("pdmCurrFirmwareVersion", "S1.05");
        QCOMPARE(f.catalog->catalogueUrl().toString().section(QLatin1Char('/'), 3),
                 QStringLiteral("firmware/app.php?listFirmwares=ALL&serial=ABC&currVer=S1.85&client=1.85&serialNum=70123"
                                "&pdmSerialNum=42&pdmCurrFirmwareVer=S1.05"));
        QVERIFY(f.catalog->firmwareUrl("firmware_T1.91_x", "T").toString().endsWith("/firmware/firmware_T1.91_x"));
        QVERIFY(f.catalog->firmwareUrl("a", "B").toString().endsWith("/firmware/beta/a"));
    }

    void pingFollowsTheServer()
    {
        Fixture f;
        QSignalSpy online(f.catalog.get(), &FirmwareCatalog::isServerOnline_Changed);
        f.catalog->start();
        QTRY_VERIFY_WITH_TIMEOUT(f.catalog->isServerOnline(), 5000);
        f.server.setOnline(false);
        QTRY_VERIFY_WITH_TIMEOUT(!f.catalog->isServerOnline(), 5000);
        QCOMPARE(online.count(), 2); // flips only on a change
    }

    void catalogueEntriesAndHistories()
    {
        Fixture f;
        QVERIFY(f.listed());
        QCOMPARE(f.catalog->availableFirmwares().size(), f.server.files().size());
        const QStringList e = f.catalog->availableFirmwares().first().toStringList();
        QCOMPARE(e.size(), 9);
        QCOMPARE(e.at(6), f.server.files().first().name);
        QCOMPARE(e.at(7), QStringLiteral("false")); // not downloaded
        QVERIFY(f.catalog->updatesHistory().contains(QStringLiteral("История изменений")));
        QVERIFY(f.catalog->pdmUpdatesHistory().contains(QStringLiteral("S1.05")));
        QCOMPARE(f.entriesOf("pdmFirmware").size(), 1);
        // The PDM's S1.05 is the one it runs.
        QCOMPARE(f.catalog->availableFirmwares().last().toStringList().at(8), QStringLiteral("true"));
        QSettings s(QStringLiteral("Ardix"), QStringLiteral("Ardix"));
        QCOMPARE(s.value("max_Ardix_firmwareVer_available").toFloat(), 1.91f);
    }

    void downloadKeepsOnlyFilesMatchingTheirMd5()
    {
        Fixture f;
        const SimFirmwareServer::File file = f.server.files().first();
        QFile good(f.local(file.name));
        QVERIFY(f.download(file));
        QVERIFY(good.open(QIODevice::ReadOnly));
        QCOMPARE(good.readAll(), file.bytes);
        good.close();
        QCOMPARE(f.messages.last(), QString::fromUtf8("Файл успешно сохранен, подключитесь к устройству с помощью WiFi, чтобы установить обновление"));

        // A body that does not match the MD5 in its name is never kept, and removes any old copy.
        f.messages.clear();
        f.server.setCorruptDownloads(true);
        QVERIFY(f.download(file));
        QVERIFY(!QFile::exists(f.local(file.name)));
        QVERIFY(f.messages.isEmpty());
    }

    void stalledDownloadLeavesTheGoodFile()
    {
        Fixture f;
        const SimFirmwareServer::File file = f.server.files().at(1);
        QVERIFY(f.download(file));
        f.server.setStallDownloads(true);
        f.catalog->downloadTimer().setInterval(500);
        QVERIFY(f.download(file)); // aborted by the stall timeout; the page is not left waiting
        QFile kept(f.local(file.name));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), file.bytes);
    }

    // A file the catalogue no longer lists goes if this client downloaded it; a test build, and any
    // file the user put in the folder, stays.
    void unlistedFilesGoExceptTestBuildsAndTheUsers()
    {
        Fixture f;
        const QString downloaded = QStringLiteral("firmware_S1.10_80_2020-01-01_AB_x.bin");
        const QString test = QStringLiteral("firmware_T1.11_80_2020-01-01_CD_x.bin");
        const QString users = QStringLiteral("firmware_S1.09_80_2019-12-01_EF_x.bin");
        for (const QString &name : {downloaded, test, users}) {
            QFile file(f.local(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFile manifest(f.local(QStringLiteral("downloaded-firmware.txt")));
        QVERIFY(manifest.open(QIODevice::WriteOnly));
        manifest.write(downloaded.toUtf8());
        manifest.close();
        QVERIFY(f.listed());
        QVERIFY(!QFile::exists(f.local(downloaded)));
        QVERIFY(QFile::exists(f.local(test)));
        QVERIFY(QFile::exists(f.local(users)));
        QVERIFY(f.entriesOf("firmware").contains(test));
        QVERIFY(f.entriesOf("firmware").contains(users));

        // Linked to a device with the server away: only local files, all downloaded.
        f.status = ArdixEnums::ardixOnline;
        f.catalog->webServerFileListRequest();
        QCOMPARE(f.catalog->availableFirmwares().size(), 2);
        QCOMPARE(f.catalog->availableFirmwares().first().toStringList().at(7), QStringLiteral("true"));
    }

    void noticeOncePerConnectionAndVersion()
    {
        Fixture f;
        QSettings s(QStringLiteral("Ardix"), QStringLiteral("Ardix"));
        s.setValue("max_Ardix_firmwareVer_available", 1.86f);
        s.setValue("max_PMX_firmwareVer_available", 1.10f);
        f.status = ArdixEnums::ardixOnline;
        f.catalog->checkFirmwareVersion();
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages.first(), QString::fromUtf8("Доступны обновления прошивки для:\nArdix новая версия - B1.86, текущая - S1.85\n"
                                                        "PMX новая версия - B1.10, текущая - S1.05\n\n рекомендуется выполнить обновление устройст"));
        f.catalog->checkFirmwareVersion();
        f.status = ArdixEnums::ardixOffline;
        f.catalog->onLinkStatusChanged();
        f.status = ArdixEnums::ardixOnline;
        f.catalog->checkFirmwareVersion(); // a new connection, but the same installed versions
        QCOMPARE(f.messages.size(), 1);

        f.status = ArdixEnums::ardixOffline;
        f.catalog->onLinkStatusChanged();
        f.dashVersion = QStringLiteral("S1.2"); // four characters never raise it
        f.pdmVersion = QStringLiteral("S1.06");
        f.catalog->checkFirmwareVersion();
        QCOMPARE(f.messages.size(), 2);
        QVERIFY(!f.messages.last().contains(QStringLiteral("Ardix")));
    }

    void clientVersionCheck_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("found");
        QTest::newRow("newer") << QByteArray("1.90") << true;
        QTest::newRow("same") << QByteArray("1.85") << false;
        QTest::newRow("none") << QByteArray("0.00") << false;
        QTest::newRow("three characters") << QByteArray("1.9") << false;
    }
    void clientVersionCheck()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, found);
        Fixture f;
        f.server.setClientVersion(reply);
        QSignalSpy newer(f.catalog.get(), &FirmwareCatalog::newClientVersionFound);
        QSignalSpy lists(f.catalog.get(), &FirmwareCatalog::availableFirmwaresChanged);
        f.catalog->requestClientVersion();
        QTest::qWait(600);
        QCOMPARE(newer.count(), found ? 1 : 0);
        // Not newer: the catalogue is fetched and checked for firmware news.
        QCOMPARE(lists.count() > 0, reply == "1.85");
    }

    void installerForAnotherSystemIsNotStarted()
    {
        Fixture f;
        QSignalSpy started(f.catalog.get(), &FirmwareCatalog::installerStarted);
        f.catalog->downloadClientUpdate(QStringLiteral("http://127.0.0.1:%1/site/downloads/Ardix_latest.exe").arg(f.server.port()));
        QTRY_VERIFY_WITH_TIMEOUT(!f.messages.isEmpty(), 5000);
#ifndef Q_OS_WIN
        QCOMPARE(started.count(), 0);
        QVERIFY(f.messages.last().contains(QStringLiteral("Ardix_latest.exe")));
#endif
        // Busy or without an address: the manual download hint.
        f.catalog->downloadClientUpdate(QString());
        QVERIFY(f.messages.last().startsWith(QString::fromUtf8("Упс, что то пошло не так!")));
    }
};

QTEST_MAIN(TstFirmwareCatalogue)
#include "tst_firmware_catalogue.moc"
