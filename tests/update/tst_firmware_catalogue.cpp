// The firmware catalogue against the simulated firmware server on loopback: listing, histories,
// downloads checked against the MD5 in their names, local files, the notice and the client check.
#include "settings/ArdixEnums.h"
#include "simcore/device/SimFirmwareServer.h"
#include "update/FirmwareCatalog.h"
#include "update/FirmwareName.h"
#include "update/ReplyLimit.h"
#include "HostileHttpServer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {
// Resident memory of this process in kilobytes (0 where it cannot be read).
qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// A name the catalogue would give a file of `kb` kilobytes with this MD5.
QString nameOf(int kb, const QByteArray &content = "x")
{
    return QStringLiteral("firmware_S1.90_%1_2024-05-01_%2_x.bin")
        .arg(kb)
        .arg(QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex().toUpper()));
}

struct Fixture
{
    // base: the firmware server and the site, the simulated one when empty.
    explicit Fixture(const QString &otherBase = {})
    {
        QSettings s(QStringLiteral("Ardix"), QStringLiteral("Ardix"));
        s.clear();
        s.sync();
        QDir(FirmwareCatalog::localFolder()).removeRecursively();
        QDir().mkpath(FirmwareCatalog::localFolder());
        if (!server.listen(0))
            qFatal("cannot listen");
        base = otherBase.isEmpty() ? QStringLiteral("http://127.0.0.1:%1/").arg(server.port()) : otherBase;
        makeCatalog();
    }
    void makeCatalog()
    {
        catalog.reset();
        FirmwareCatalog::Host host;
        host.ardixStatus = [this] { return status; };
        host.currFirmwareVersion = [this] { return dashVersion; };
        host.pdmCurrFirmwareVersion = [this] { return pdmVersion; };
        host.serialHash = [] { return QStringLiteral("ABC"); };
        host.clientVersion = QStringLiteral("1.85");
        catalog = std::make_unique<FirmwareCatalog>(host, QUrl(base + "firmware/"), QUrl(base + "site/"));
        QObject::connect(catalog.get(), &FirmwareCatalog::showInfoMessage, [this](const QString &t) { messages << t; });
    }
    bool downloadEnded(const QString &name, int timeoutMs)
    {
        catalog->webServerDownloadFile(name, QStringLiteral("S"));
        return QTest::qWaitFor([&] { return catalog->downloadingFileName().isEmpty(); }, timeoutMs);
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
    QString local(const QString &name) const { return catalog->folder() + name; }

    SimFirmwareServer server;
    QString base;
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

        // With every firmware deleted the folder's bookkeeping alone does not count as a local file.
        f.catalog->deleteLocalFile(test);
        f.catalog->deleteLocalFile(users);
        QVERIFY(f.catalog->availableFirmwares().isEmpty());
        QVERIFY(f.catalog->updatesHistory().startsWith(QStringLiteral("<h2>Нет локальных файлов</h2>")));
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
        QTest::addColumn<bool>("notice");
        QTest::newRow("newer") << QByteArray("1.90") << true << false;
        QTest::newRow("newer major") << QByteArray("2.00") << true << false;
        QTest::newRow("same") << QByteArray("1.85") << false << true;
        QTest::newRow("older") << QByteArray("1.50") << false << true;
        QTest::newRow("none") << QByteArray("0.00") << false << false;
        QTest::newRow("three characters") << QByteArray("1.9") << false << false;
    }
    // This client up to date: the catalogue is fetched and its newer dash firmware announced.
    void clientVersionCheck()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, found);
        QFETCH(bool, notice);
        Fixture f;
        f.status = ArdixEnums::ardixOnline;
        f.server.setClientVersion(reply);
        QSignalSpy newer(f.catalog.get(), &FirmwareCatalog::newClientVersionFound);
        QSignalSpy lists(f.catalog.get(), &FirmwareCatalog::availableFirmwaresChanged);
        f.catalog->requestClientVersion();
        QTest::qWait(600);
        QCOMPARE(newer.count(), found ? 1 : 0);
        QCOMPARE(lists.count() > 0, notice);
        QCOMPARE(f.messages.size(), notice ? 1 : 0);
        if (notice)
            QVERIFY(f.messages.first().startsWith(QString::fromUtf8("Доступны обновления прошивки для:\nArdix новая версия - B1.91")));
    }

    // An endless answer to the start-up ping is cut at the ping's few bytes, every time: the client
    // stays small and calls the server offline.
    void endlessPingKeepsTheClientSmall()
    {
#ifndef Q_OS_LINUX
        QSKIP("reads this process's memory from /proc");
#endif
        HostileHttpServer endless({-1, 64 * 1024, 1, "pong"});
        Fixture f(endless.base());
        const qint64 before = residentKb();
        f.catalog->start();
        QTest::qWait(3500);
        QVERIFY(endless.requests >= 2); // the ping goes on
        QVERIFY(!f.catalog->isServerOnline());
        const qint64 grown = residentKb() - before;
        QVERIFY2(grown < 48 * 1024, qPrintable(QStringLiteral("grew %1 kB").arg(grown)));
    }

    // A history far larger than release notes are is refused, and never reaches the settings
    // store; one stored by an older client is dropped at start.
    void hugeHistoryIsNeverStored()
    {
        HostileHttpServer huge({20 * 1024 * 1024, 256 * 1024, 1, "<h2>История изменений</h2>"});
        Fixture f(huge.base());
        QSettings s(QStringLiteral("Ardix"), QStringLiteral("Ardix"));
        s.setValue("pdmUpdatesHistory", QString(update::RequestLimits{}.history.maxBytes + 1, QLatin1Char('x')));
        s.sync();
        f.makeCatalog();
        s.sync();
        QVERIFY(!s.contains("pdmUpdatesHistory"));
        QVERIFY(f.catalog->pdmUpdatesHistory().isEmpty());

        QSignalSpy lists(f.catalog.get(), &FirmwareCatalog::availableFirmwaresChanged);
        f.catalog->webServerFileListRequest();
        QTRY_VERIFY_WITH_TIMEOUT(lists.count() >= 3, 10000); // catalogue and both histories refused
        QCOMPARE(f.messages, QStringList{QString::fromUtf8(
                                 "Сервер обновлений прислал слишком длинный список или отвечал слишком долго, список не обновлён")});
        s.sync();
        QVERIFY(!s.contains("updatesHistory"));
        QVERIFY(!s.contains("pdmUpdatesHistory"));
        QVERIFY(f.catalog->updatesHistory().isEmpty());
        QVERIFY(huge.sent < 3 * 20 * 1024 * 1024);
    }

    // A download that drips a byte every 2 s keeps the stall timer quiet; its deadline ends it, with
    // a message. The user may also give up on it at any time, and then nothing is said.
    void dripFedDownloadEndsAtItsDeadline()
    {
        HostileHttpServer drip({4096, 1, 2000, {}});
        Fixture f(drip.base());
        update::RequestLimits limits;
        limits.firmware.deadlineMs = 3000;
        f.catalog->setLimits(limits);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(f.downloadEnded(nameOf(4), 8000));
        QVERIFY(clock.elapsed() >= 2500);
        QCOMPARE(f.messages, QStringList{QString::fromUtf8("Загрузка файла прошивки длилась слишком долго и прервана")});
        QVERIFY(!QFile::exists(f.local(nameOf(4))));

        f.messages.clear();
        QSignalSpy lists(f.catalog.get(), &FirmwareCatalog::availableFirmwaresChanged);
        f.catalog->webServerDownloadFile(nameOf(4), QStringLiteral("S"));
        QTest::qWait(300);
        f.catalog->cancelFirmwareDownload();
        QVERIFY(f.catalog->downloadingFileName().isEmpty());
        QVERIFY(lists.count() >= 2);
        QTest::qWait(300);
        QVERIFY(f.messages.isEmpty());
    }

    // No larger than its name says: a 4 kB image that keeps coming is cut just past 4 kB.
    void firmwareLargerThanItsNameIsCut()
    {
        HostileHttpServer flood({8 * 1024 * 1024, 64 * 1024, 1, {}});
        Fixture f(flood.base());
        QVERIFY(f.downloadEnded(nameOf(4), 8000));
        QCOMPARE(f.messages, QStringList{QString::fromUtf8("Файл прошивки больше, чем указано в его имени: загрузка прервана")});
        QVERIFY(!QFile::exists(f.local(nameOf(4))));
    }

    // An installer that never ends is cut at the installer's size, nothing of it is left, and the
    // user is told the download failed.
    void endlessInstallerIsCut()
    {
        HostileHttpServer endless({-1, 64 * 1024, 1, "MZ"});
        Fixture f(endless.base());
        update::RequestLimits limits;
        limits.installer = {512 * 1024, 10'000};
        f.catalog->setLimits(limits);
        for (const QString &old : QDir::temp().entryList({QStringLiteral("Ardix_latest*")}, QDir::Files | QDir::Hidden))
            QDir::temp().remove(old);
        f.catalog->downloadClientUpdate(endless.base() + QStringLiteral("site/downloads/Ardix_latest.exe"));
        QTRY_VERIFY_WITH_TIMEOUT(!f.messages.isEmpty(), 8000);
        QCOMPARE(f.messages.last(), QString::fromUtf8("Ошибка загрузки обновления\n\nпроверьте подключение к сети интернет!"));
        QVERIFY(QDir::temp().entryList({QStringLiteral("Ardix_latest*")}, QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(!f.catalog->downloader().isBusy());
    }

    // A server that moves every address elsewhere still serves the whole service.
    void redirectedRepliesAreStillRecognised()
    {
        Fixture f;
        f.server.setRedirect(true);
        f.catalog->start();
        QTRY_VERIFY_WITH_TIMEOUT(f.catalog->isServerOnline(), 5000);
        QVERIFY(f.listed());
        QCOMPARE(f.catalog->availableFirmwares().size(), f.server.files().size());
        QVERIFY(f.catalog->updatesHistory().contains(QStringLiteral("История изменений")));
        QVERIFY(f.download(f.server.files().first()));
        QVERIFY(QFile::exists(f.local(f.server.files().first().name)));
        QVERIFY(f.server.requests().contains("/moved/firmware/app.php?ping"));
    }

    // Names are paths in the firmware folder: a name with a folder part, a way up or a drive is not
    // listed, downloaded or deleted.
    void namesThatAreNotPlainFilesAreRefused()
    {
        Fixture f;
        const QString up = QStringLiteral("../") + nameOf(1);
        for (const QString &bad : {up, QStringLiteral("sub/") + nameOf(1), QStringLiteral("/tmp/") + nameOf(1),
                                   QStringLiteral("C:") + nameOf(1), QStringLiteral("..")})
            f.server.listName(bad);
        QVERIFY(f.listed());
        QCOMPARE(f.catalog->availableFirmwares().size(), f.server.files().size());

        const int sent = f.server.requests().size();
        f.catalog->webServerDownloadFile(up, QStringLiteral("S"));
        QVERIFY(f.catalog->downloadingFileName().isEmpty());
        QTest::qWait(200);
        QCOMPARE(f.server.requests().size(), sent);

        QFile victim(f.catalog->folder() + up);
        QVERIFY(victim.open(QIODevice::WriteOnly));
        victim.close();
        f.catalog->deleteLocalFile(up);
        QVERIFY(victim.exists());
        victim.remove();
    }

    // Without a data folder the files go to a folder of the client's own; a user's file found there
    // is never removed, and the flasher is told where to look.
    void unwritableDataFolderFallsBackToOurOwn()
    {
        const QByteArray data = qgetenv("XDG_DATA_HOME");
        QFile blocker(QString::fromLocal8Bit(data) + QStringLiteral("/not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        struct Restore { QByteArray v; ~Restore() { qputenv("XDG_DATA_HOME", v); } } restore{data};
        qputenv("XDG_DATA_HOME", data + "/not-a-folder/data");

        Fixture f;
        const QString folder = f.catalog->folder();
        QVERIFY(!folder.contains(QStringLiteral("not-a-folder")));
        QVERIFY(QFileInfo(folder).isDir());
        const QString users = QStringLiteral("firmware_S1.00_1_2020-01-01_AA_mine.bin");
        QFile mine(folder + users);
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.close();
        QVERIFY(f.download(f.server.files().first()));
        QVERIFY(QFile::exists(folder + f.server.files().first().name));
        QVERIFY(f.listed());
        QVERIFY(QFile::exists(folder + users));
        QVERIFY(f.entriesOf("firmware").contains(users));
        QFile::remove(folder + users);
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
