// A user opens the update page from the settings menu of the dash or of the PDM, downloads the
// stable firmware of the catalogue, installs it with progress, and the device then reports the
// new version; the page's rows follow the catalogue. No QML warning may be printed.
#include "WarningLog.h"
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "ClientWindow.h"
#include "simcore/device/SimFirmwareServer.h"
#include "settings/ArdixEnums.h"
#include "ui/InterfaceTypes.h"
#include "update/FirmwareCatalog.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlApplicationEngine>

#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Finds an item below `from` by a predicate over its properties (JS, in the window's context).
constexpr char FindJs[] = R"(
function find(from, pred) {
    if (!from) return null
    if (pred(from)) return from
    const kids = from.children || []
    for (let i = 0; i < kids.length; ++i) { const f = find(kids[i], pred); if (f) return f }
    if (from.contentItem && from.contentItem !== from) return find(from.contentItem, pred)
    return null
})";

struct Rig : ArdixTest::ClientWindow
{
    explicit Rig(SimRole role) : ClientWindow(role)
    {
        ArdixTest::resetWindowStore(role == SimRole::Pdm ? ArdixEnums::Device_Pmx : ArdixEnums::Device_Ardix7);
        QDir(FirmwareCatalog::localFolder()).removeRecursively();

        if (!server.listen(0))
            qFatal("the firmware server could not listen on loopback");
        qputenv("ARDIX_FIRMWARE_URL", "http://127.0.0.1:" + QByteArray::number(server.port()) + "/firmware/");
        load();
    }
    ~Rig() override { engine.reset(); } // before the server it may still be talking to

    QVariant eval(const QString &js)
    {
        return ClientWindow::eval(QStringLiteral("(function() { %1; return (%2) })()").arg(QLatin1String(FindJs), js));
    }
    // The update page, once open.
    QString page() const { return QStringLiteral("find(dialogLayer, i => i.objectName === 'updateDialog')"); }
    QString row(const QString &file) const
    {
        return QStringLiteral("find(%1, i => i.objectName === 'firmwareRow_%2')").arg(page(), file);
    }
    QString button(const QString &file, const char *name) const
    {
        return QStringLiteral("find(%1, i => i.objectName === '%2')").arg(row(file), QLatin1String(name));
    }

    SimFirmwareServer server;
};

QString stableFile(const SimFirmwareServer &server, const QString &type)
{
    for (const SimFirmwareServer::File &f : server.files())
        if (f.name.startsWith(type + QStringLiteral("_S")))
            return f.name;
    return {};
}
} // namespace

class TestUiUpdate : public QObject
{
    Q_OBJECT
    ArdixTest::WarningWatch m_warnings;

private slots:
    void initTestCase()
    {
        registerArdixTypes();
        registerInterfaceTypes();
        m_warnings.start(false);
    }
    void init() { m_warnings.clear(); }
    void cleanup() { m_warnings.verifyNone(); }

    void downloadAndInstall_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("menuRow");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("versionProperty");
        QTest::addColumn<QString>("newVersion");
        QTest::newRow("dash") << int(SimRole::Dash) << int(ArdixEnums::Settings_Updates) << "firmware"
                              << "currFirmwareVersion" << "S1.86";
        QTest::newRow("pdm") << int(SimRole::Pdm) << int(ArdixEnums::PdmSettings_Update) << "pdmFirmware"
                             << "pdmCurrFirmwareVersion" << "S1.05";
    }
    void downloadAndInstall()
    {
        QFETCH(int, role);
        QFETCH(int, menuRow);
        QFETCH(QString, type);
        QFETCH(QString, versionProperty);
        QFETCH(QString, newVersion);
        Rig rig{SimRole(role)};
        QVERIFY(rig.window);
        QVERIFY(QTest::qWaitFor([&] { return rig.eval("ardixKernel.ardixStatus === 1 && ardixKernel.isServerOnline").toBool(); }, 10000));
        QTest::qWait(3500); // the first sync and its pop-ups
        rig.eval("(function() { for (let i = dialogLayer.children.length - 1; i >= 0; --i) dialogLayer.children[i].destroy();"
                 " ardix.isSyncDialogOn = false; ardix.isBusyOnScreen = false; return true })()");
        QTest::qWait(100);

        // From the device's settings menu.
        rig.eval("ardix.openSettings()");
        QVERIFY(QTest::qWaitFor([&] {
            return rig.eval(QStringLiteral("find(dialogLayer, i => i.rowId === %1) !== null").arg(menuRow)).toBool();
        }, 3000));
        rig.eval(QStringLiteral("find(dialogLayer, i => i.rowId === %1).clicked()").arg(menuRow));
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(rig.page() + " !== null").toBool(); }, 3000));
        const bool pdm = SimRole(role) == SimRole::Pdm;
        QCOMPARE(rig.eval(rig.page() + ".parentDevice").toInt(), pdm ? int(ArdixEnums::Device_Pmx) : int(ArdixEnums::Device_Ardix7));

        // The catalogue's rows of this device only, with their texts; loading ends.
        const QString file = stableFile(rig.server, type);
        QVERIFY(!file.isEmpty());
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(rig.row(file) + " !== null && !" + rig.page() + ".isLoading").toBool(); }, 8000));
        int expectedRows = 0;
        for (const SimFirmwareServer::File &f : rig.server.files())
            expectedRows += f.name.startsWith(type + QLatin1Char('_')) ? 1 : 0;
        QCOMPARE(rig.eval(rig.page() + ".rows.length").toInt(), expectedRows);
        QCOMPARE(rig.eval(rig.button(file, "channelText") + ".text").toString(),
                 QStringLiteral("Стабильная"));
        QCOMPARE(rig.eval(rig.button(file, "downloadButton") + ".text").toString(), QStringLiteral("Загрузить"));
        QCOMPARE(rig.eval(rig.button(file, "installButton") + ".visible").toBool(), false);

        // Download: the file lands with its checksum verified and the row turns to "Загружено".
        rig.eval(rig.button(file, "downloadButton") + ".clicked()");
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(rig.button(file, "downloadButton") + ".text").toString() == QStringLiteral("Загружено"); }, 10000));
        QVERIFY(QFile::exists(FirmwareCatalog::localFolder() + file));
        QCOMPARE(rig.eval(rig.button(file, "installButton") + ".text").toString(), QStringLiteral("Установить"));
        QCOMPARE(rig.eval(rig.button(file, "deleteButton") + ".visible").toBool(), true);
        QVERIFY(QTest::qWaitFor([&] { return !rig.eval(rig.page() + ".isLoading").toBool(); }, 3000));

        // Install: asked first, then the flash with progress on the page.
        auto *pageObject = qvariant_cast<QObject *>(rig.eval(rig.page()));
        QVERIFY(pageObject);
        QSignalSpy progress(pageObject, SIGNAL(progressMove(int)));
        QSignalSpy loading(pageObject, SIGNAL(isLoadingChanged()));
        rig.eval(rig.button(file, "installButton") + ".clicked()");
        const QString question = "find(dialogLayer, i => typeof i.dialogText === 'string' && i.dialogText.includes('На установку обновления'))";
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(question + " !== null").toBool(); }, 3000));
        // The PDM runs a later version than the catalogue's: it is asked as going back.
        QCOMPARE(rig.eval(question + ".dialogText.startsWith('Версия ')").toBool(),
                 rig.eval("ardixKernel." + versionProperty).toString() > newVersion);
        rig.eval(question + ".accept()");

        QVERIFY2(QTest::qWaitFor([&] { return rig.sim->firmwareText() == newVersion.toLatin1().remove(2, 1); }, 60000),
                 "the device did not take the new firmware");
        QVERIFY(QTest::qWaitFor([&] {
            return rig.eval("ardixKernel." + versionProperty).toString() == newVersion
                   && rig.eval("ardixKernel.ardixStatus === 1").toBool();
        }, 15000));
        QList<int> steps;
        for (const QList<QVariant> &args : progress)
            steps << args.at(0).toInt();
        QVERIFY2(std::any_of(steps.begin(), steps.end(), [](int p) { return p > 1 && p < 100; }),
                 qPrintable(QStringLiteral("no progress step shown: %1").arg(steps.size())));
        QVERIFY(!loading.isEmpty());

        // The page shows the new version and marks the row installed, with nothing blocking it.
        QVERIFY(QTest::qWaitFor([&] {
            return rig.eval(rig.button(file, "installButton") + ".text").toString() == QStringLiteral("Установлено")
                   && !rig.eval(rig.page() + ".isLoading").toBool();
        }, 8000));
        QCOMPARE(rig.eval("find(" + rig.page() + ", i => i.objectName === 'currentVersion').text").toString(), newVersion);

        // Delete: the local file goes and the row offers the download again.
        rig.eval(rig.button(file, "deleteButton") + ".clicked()");
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(rig.button(file, "downloadButton") + ".text").toString() == QStringLiteral("Загрузить"); }, 8000));
        QVERIFY(!QFile::exists(FirmwareCatalog::localFolder() + file));
        rig.eval("(function() { for (let i = dialogLayer.children.length - 1; i >= 0; --i) dialogLayer.children[i].destroy(); return true })()");
    }

    // A download that stalls is aborted by the kernel, which keeps its file name: the page must
    // leave its loading state all the same and offer the download again.
    void stalledDownloadDoesNotBlock()
    {
        Rig rig{SimRole::Dash};
        rig.server.setStallDownloads(true);
        QVERIFY(QTest::qWaitFor([&] { return rig.eval("ardixKernel.ardixStatus === 1 && ardixKernel.isServerOnline").toBool(); }, 10000));
        rig.eval("ardix.createObjectFrom('dialogs/UpdateDialog.qml', { kernel: ardixKernel, window: ardix })");
        const QString file = stableFile(rig.server, QStringLiteral("firmware"));
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(rig.row(file) + " !== null && !" + rig.page() + ".isLoading").toBool(); }, 8000));
        rig.eval(rig.button(file, "downloadButton") + ".clicked()");
        QVERIFY(rig.eval(rig.page() + ".isLoading").toBool());
        QTest::qWait(1000);
        QVERIFY(rig.eval(rig.page() + ".isLoading").toBool());
        QVERIFY(QTest::qWaitFor([&] { return !rig.eval(rig.page() + ".isLoading").toBool(); }, 15000));
        QCOMPARE(rig.eval(rig.button(file, "downloadButton") + ".text").toString(), QStringLiteral("Загрузить"));
        QVERIFY(!QFile::exists(FirmwareCatalog::localFolder() + file));
    }

    // The device runs S1.85: the catalogue's S1.05 is listed as an earlier version after the newer
    // stable one, stable before beta before test, and installing it asks about going back first.
    void olderVersionsAreMarkedAndAsked()
    {
        Rig rig{SimRole::Dash};
        const QString older = rig.server.addFile(SimFirmware::Kind::Dash, "S105", 9000).name;
        QVERIFY(QTest::qWaitFor([&] { return rig.eval("ardixKernel.ardixStatus === 1 && ardixKernel.isServerOnline").toBool(); }, 10000));
        QCOMPARE(rig.eval("ardixKernel.currFirmwareVersion").toString(), QStringLiteral("S1.85"));
        rig.eval("ardix.createObjectFrom('dialogs/UpdateDialog.qml', { kernel: ardixKernel, window: ardix })");
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(rig.row(older) + " !== null && !" + rig.page() + ".isLoading").toBool(); }, 8000));
        QCOMPARE(rig.eval(rig.page() + ".rows.map(r => r.version).join(' ')").toString(),
                 QStringLiteral("S1.86 S1.05 B1.90 T1.91"));
        QCOMPARE(rig.eval(rig.page() + ".rows.map(r => r.older).join(' ')").toString(),
                 QStringLiteral("false true false false"));
        QCOMPARE(rig.eval("find(" + rig.row(older) + ", i => i.objectName === 'olderMark').visible").toBool(), true);
        QCOMPARE(rig.eval("find(" + rig.row(stableFile(rig.server, "firmware")) + ", i => i.objectName === 'olderMark').visible").toBool(), false);

        rig.eval(rig.button(older, "downloadButton") + ".clicked()");
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(rig.button(older, "downloadButton") + ".text").toString() == QStringLiteral("Загружено"); }, 10000));
        QVERIFY(QTest::qWaitFor([&] { return !rig.eval(rig.page() + ".isLoading").toBool(); }, 3000));
        rig.eval("(function() { for (let i = dialogLayer.children.length - 1; i >= 0; --i)"
                 " if (dialogLayer.children[i].objectName !== 'updateDialog') dialogLayer.children[i].destroy(); return true })()");
        QTest::qWait(100);
        rig.eval(rig.button(older, "installButton") + ".clicked()");
        const QString question = "find(dialogLayer, i => typeof i.dialogText === 'string' && i.dialogText.startsWith('Версия S1.05 старее установленной S1.85'))";
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(question + " !== null").toBool(); }, 3000));
        QVERIFY(rig.eval(question + ".dialogText.endsWith('Вы уверены что хотите продолжить?')").toBool());
        rig.eval(question + ".cancel()");
        QTest::qWait(1500);
        QCOMPARE(rig.sim->firmwareText(), QByteArray("S185"));
        QVERIFY(!rig.eval(rig.page() + ".isLoading").toBool());
    }

    // A download that drags on can be given up from the page, and the page can be left while one
    // runs.
    void downloadCanBeCancelledAndThePageClosed()
    {
        Rig rig{SimRole::Dash};
        rig.server.setStallDownloads(true);
        QVERIFY(QTest::qWaitFor([&] { return rig.eval("ardixKernel.isServerOnline").toBool(); }, 10000));
        rig.eval("ardix.createObjectFrom('dialogs/UpdateDialog.qml', { kernel: ardixKernel, window: ardix })");
        const QString file = stableFile(rig.server, QStringLiteral("firmware"));
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(rig.row(file) + " !== null && !" + rig.page() + ".isLoading").toBool(); }, 8000));
        const QString cancel = "find(" + rig.page() + ", i => i.objectName === 'cancelDownloadButton')";
        QCOMPARE(rig.eval(cancel + ".visible").toBool(), false);

        rig.eval(rig.button(file, "downloadButton") + ".clicked()");
        QVERIFY(rig.eval(rig.page() + ".isLoading").toBool());
        QVERIFY(rig.eval(cancel + ".visible").toBool());
        rig.eval(cancel + ".clicked()");
        QVERIFY(!rig.eval(rig.page() + ".isLoading").toBool());
        QCOMPARE(rig.eval("ardixKernel.downloadingFileName").toString(), QString());
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(rig.button(file, "downloadButton") + ".text").toString() == QStringLiteral("Загрузить"); }, 3000));

        rig.eval(rig.button(file, "downloadButton") + ".clicked()");
        QVERIFY(rig.eval(rig.page() + ".isLoading").toBool());
        QVERIFY(rig.eval(rig.page() + ".requestClose()").toBool());
        QVERIFY(QTest::qWaitFor([&] { return rig.eval(rig.page() + " === null").toBool(); }, 3000));
        QVERIFY(!rig.eval("ardixKernel.downloadingFileName").toString().isEmpty()); // goes on without the page
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    qputenv("QT_QUICK_CONTROLS_BASIC_THEME", "Dark");
    QGuiApplication app(argc, argv);
    applyProcessLocale();
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    TestUiUpdate test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ui_update.moc"
