// The settings history in the window, against the in-process simulated dash: the sync question lists
// what differs from what was last read from the device, a kept version restores (and reaches the
// device), and a settings file shows what it changes first and changes nothing when cancelled.
#include "WarningLog.h"
#include "app/ArdixKernel.h"
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "settings/dash/DashLayout.h"
#include "settings/dash/DashSettingsImage.h"
#include "settings/diff/SettingsDiff.h"
#include "settings/history/SettingsHistory.h"
#include "settings/history/SnapshotRecorder.h"
#include "settings/persistence/DashBlockDefaults.h"
#include "settings/persistence/SettingsEnvelope.h"
#include "ClientWindow.h"
#include "ui/InterfaceTypes.h"

#include <QGuiApplication>

#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

using settingsDiff::BlockKind;
using settingsDiff::SettingsDiff;
using settingsHistory::SettingsHistory;
using settingsHistory::Source;

namespace {

// The client's defaults with fields of the common record changed.
struct DashEdit
{
    int can1BaudId = -1;
    QByteArray userLabel;
    int gearRatioBase = 0; // 24 gear ratios base, base+1, ... when not 0
};

QByteArray dashBlock(const DashEdit &edit)
{
    DashSettingsImage image;
    persistence::writeAllDefaults(image);
    QByteArray b = image.bytes();
    char *common = b.data() + dashLayout::kCommonOffset;
    if (edit.can1BaudId >= 0)
        common[1] = char(edit.can1BaudId);
    if (!edit.userLabel.isEmpty()) {
        std::fill(common + 372, common + 404, '\0');
        std::copy(edit.userLabel.begin(), edit.userLabel.end(), common + 372);
    }
    for (int i = 0; edit.gearRatioBase && i < 24; ++i)
        qToLittleEndian<quint16>(quint16(edit.gearRatioBase + i), common + 304 + 2 * i);
    return b;
}

// The fields of a diff as the lists show them, one "field|before|after" a line.
QString fieldLines(const settingsDiff::DiffResult &diff)
{
    QStringList lines;
    for (const settingsDiff::RecordDiff &r : diff.records)
        for (const settingsDiff::FieldChange &f : r.fields)
            lines << f.field + QLatin1Char('|') + f.before + QLatin1Char('|') + f.after;
    return lines.join(QLatin1Char('\n'));
}

const char kFieldLinesJs[] = ".filter(r => !r.header).map(r => r.field + '|' + r.before + '|' + r.after).join('\\n')";

struct Rig : ArdixTest::ClientWindow
{
    // `deviceBlock` is what the simulated dash holds when the window connects.
    explicit Rig(const QByteArray &deviceBlock)
    {
        sim->setDashBlock(deviceBlock);
        serial = SimOptions().serial;
        if (load())
            kernel = qobject_cast<ArdixKernel *>(eval("ardixKernel").value<QObject *>());
    }
    QString dialog(const QString &objectName)
    {
        return "Array.prototype.filter.call(dialogLayer.children, d => d.objectName === '" + objectName + "')";
    }
    QByteArray clientBlock() const { return kernel->snapshotRecorder()->blocks().block(BlockKind::Dash); }
    QQuickItem *item(const char *objectName) const { return ClientWindow::item(QLatin1String(objectName)); }
    // The item lies wholly inside the window.
    bool onScreen(const char *objectName) const
    {
        const QQuickItem *i = item(objectName);
        if (!i || !i->isVisible())
            return false;
        const QRectF r = i->mapRectToScene(QRectF(0, 0, i->width(), i->height()));
        return r.top() >= 0 && r.bottom() <= window->height() && r.left() >= 0 && r.right() <= window->width();
    }

    ArdixKernel *kernel = nullptr;
    uint serial = 0;
};

QDateTime hoursAgo(int h) { return QDateTime::currentDateTimeUtc().addSecs(-3600 * h); }
} // namespace

class TestUiHistory : public QObject
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
    void init()
    {
        m_warnings.clear();
        ArdixTest::resetWindowStore();
        QDir(SettingsHistory::defaultFolder()).removeRecursively();
    }
    void cleanup() { m_warnings.verifyNone(); }

    // The device holds what the client last read from it (an older file load does not count as the
    // device's); the client's own settings are its
    // defaults. The question lists every differing field with both values, and its two buttons
    // stay on screen with a list longer than the window.
    void theSyncQuestionListsTheDifferences()
    {
        const QByteArray onDevice = dashBlock({2, "Paddock", 900});
        SettingsHistory history(SettingsHistory::defaultFolder());
        Rig rig(onDevice);
        QVERIFY(history.record(rig.serial, BlockKind::Dash, Source::ReadFromDevice, onDevice, hoursAgo(2)));
        QVERIFY(history.record(rig.serial, BlockKind::Dash, Source::LoadedFromFile, dashBlock({1, "", 0}), hoursAgo(1)));
        QVERIFY(rig.window);
        QVERIFY(rig.waitOnline());
        const QString d = rig.dialog("syncDialog") + "[0]";
        QTRY_VERIFY_WITH_TIMEOUT(rig.eval(d + " !== undefined").toBool(), 8000);

        const settingsDiff::DiffResult expected = SettingsDiff::compare(BlockKind::Dash, onDevice, rig.clientBlock());
        QVERIFY(expected.fieldCount() >= 26); // the fixture: baud, label and 24 ratios at least
        QTRY_COMPARE(rig.eval(d + ".differences.count").toInt(), expected.fieldCount());
        QCOMPARE(rig.eval(d + ".differences.rows" + kFieldLinesJs).toString(), fieldLines(expected));
        QVERIFY(rig.eval(d + ".differences.rows.some(r => r.field === 'userLabel' && r.before === '\"Paddock\"')").toBool());
        QVERIFY(rig.item("syncDifferencesCaption"));
        QVERIFY(rig.item("syncDifferencesCaption")->property("text").toString().startsWith(
            QStringLiteral("С последнего обмена настройками с устройством (")));

        for (const QSize size : {rig.window->size(), QSize(896, 560)}) {
            rig.window->resize(size);
            QTest::qWait(100);
            QVERIFY2(rig.onScreen("uploadButton") && rig.onScreen("downloadButton"),
                     qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
            QVERIFY(rig.onScreen("settingsDiffList"));
        }
    }

    // A version chosen on the history page, opened from the settings menu, becomes the client's
    // settings and, the dash being connected, the device's.
    void aKeptVersionRestores()
    {
        const QByteArray older = dashBlock({3, "Старая", 0});
        const QByteArray onDevice = dashBlock({2, "Paddock", 900});
        SettingsHistory history(SettingsHistory::defaultFolder());
        Rig rig(onDevice);
        QVERIFY(history.record(rig.serial, BlockKind::Dash, Source::LoadedFromFile, older, hoursAgo(2)));
        QVERIFY(history.record(rig.serial, BlockKind::Dash, Source::ReadFromDevice, onDevice, hoursAgo(1)));
        QVERIFY(rig.waitOnline());
        const QString sync = rig.dialog("syncDialog") + "[0]";
        QTRY_VERIFY_WITH_TIMEOUT(rig.eval(sync + " !== undefined").toBool(), 8000);
        rig.eval(sync + ".downloadFromDevice()");
        QTRY_VERIFY_WITH_TIMEOUT(SettingsDiff::compare(BlockKind::Dash, onDevice, rig.clientBlock()).isEmpty(), 8000);
        QTRY_VERIFY_WITH_TIMEOUT(rig.eval(sync + " === undefined").toBool(), 5000);

        rig.eval("ardix.openSettings()");
        QTRY_VERIFY(rig.item("row_Settings_History"));
        QMetaObject::invokeMethod(rig.item("row_Settings_History"), "clicked");
        QTRY_VERIFY(rig.item("settingsHistoryDialog"));
        QQuickItem *page = rig.item("settingsHistoryDialog");
        // Reading the same block again kept no second copy.
        const QVariantList rows = page->property("snapshots").toList();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].toMap().value("sourceText").toString(), QStringLiteral("прочитано с устройства"));
        QCOMPARE(rows[0].toMap().value("diffCount").toInt(), 0);
        QCOMPARE(rows[1].toMap().value("sourceText").toString(), QStringLiteral("загружено из файла"));
        QCOMPARE(rows[1].toMap().value("diffCount").toInt(), SettingsDiff::compare(BlockKind::Dash, older, onDevice).fieldCount());

        QTRY_VERIFY(rig.item("historyRow_1"));
        QVERIFY(QMetaObject::invokeMethod(rig.item("historyRow_1"), "clicked"));
        QCOMPARE(page->property("selected").toInt(), 1);
        QMetaObject::invokeMethod(rig.item("historyRestore"), "clicked");
        const QString question = "Array.prototype.filter.call(dialogLayer.children, d => d.dialogTitle === 'Восстановить настройки?')";
        QTRY_COMPARE(rig.eval(question + ".length").toInt(), 1);
        rig.eval(question + "[0].accept()");

        QTRY_VERIFY_WITH_TIMEOUT(SettingsDiff::compare(BlockKind::Dash, older, rig.clientBlock()).isEmpty(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(SettingsDiff::compare(BlockKind::Dash, older, rig.sim->dashBlock()).isEmpty(), 10000);
        QCOMPARE(page->property("selected").toInt(), -1);
    }

    // A settings file shows what it would change; cancelled, nothing changes and nothing is kept;
    // accepted, it loads.
    void aSettingsFileShowsItsChangesFirst()
    {
        QTemporaryDir dir;
        Rig rig(dashBlock({}));
        QVERIFY(rig.waitOnline());
        QTest::qWait(1500); // the handshake settles
        rig.eval("for (let i = dialogLayer.children.length - 1; i >= 0; --i) dialogLayer.children[i].destroy();"
                 " ardix.isSyncDialogOn = false");

        const QByteArray inFile = dashBlock({1, "Из файла", 0});
        const QString path = dir.filePath("car.ardix7");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(persistence::compressEnvelope(inFile));
        f.close();
        const QString url = QUrl::fromLocalFile(path).toString();
        const QByteArray before = rig.clientBlock();
        const int keptBefore = SettingsHistory(SettingsHistory::defaultFolder()).list(rig.serial, BlockKind::Dash).size();
        const int baud = rig.eval("DevSettings.dash.commonSettings.can1BaudId").toInt();
        QVERIFY(baud != 1);

        const QString preview = rig.dialog("settingsFilePreview");
        const auto choose = [&] {
            rig.eval("ardix.showFileDialog(ArdixEnums.Device_Ardix7, ArdixEnums.Settings_FileType, true, '')");
            // As the dialog reports a chosen file (its own accept() re-reads the selection from a
            // folder listing that may not have loaded yet).
            rig.eval("fileDialog.selectedFile = '" + url + "'; fileDialog.close(); fileDialog.accepted()");
            QTRY_COMPARE(rig.eval(preview + ".length").toInt(), 1);
        };
        choose();
        const settingsDiff::DiffResult expected = SettingsDiff::compare(BlockKind::Dash, before, inFile);
        QCOMPARE(rig.eval(preview + "[0].count").toInt(), expected.fieldCount());
        QCOMPARE(rig.eval(preview + "[0].preview.rows" + kFieldLinesJs).toString(), fieldLines(expected));
        QVERIFY(rig.eval(preview + "[0].visible").toBool());

        QMetaObject::invokeMethod(rig.item("previewCancel"), "clicked");
        QTRY_COMPARE(rig.eval(preview + ".length").toInt(), 0);
        QTest::qWait(300);
        QCOMPARE(rig.clientBlock(), before);
        QCOMPARE(rig.eval("DevSettings.dash.commonSettings.can1BaudId").toInt(), baud);
        QCOMPARE(SettingsHistory(SettingsHistory::defaultFolder()).list(rig.serial, BlockKind::Dash).size(), keptBefore);

        choose();
        QMetaObject::invokeMethod(rig.item("previewLoad"), "clicked");
        QTRY_COMPARE(rig.eval("DevSettings.dash.commonSettings.can1BaudId").toInt(), 1);
        QVERIFY(SettingsDiff::compare(BlockKind::Dash, inFile, rig.clientBlock()).isEmpty());
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    qputenv("QT_QUICK_CONTROLS_BASIC_THEME", "Dark");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
    applyProcessLocale();
    TestUiHistory test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ui_history.moc"
