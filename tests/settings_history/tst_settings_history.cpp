// The per-device settings history: one snapshot per version, at most 100, unreadable files
// skipped, and a snapshot restores to the very bytes it was taken from.

#include "settings/ArdixEnums.h"
#include "settings/dash/DashSettingsImage.h"
#include "settings/history/SettingsHistory.h"
#include "settings/persistence/DashBlockDefaults.h"
#include "settings/persistence/PdmBlockDefaults.h"
#include "settings/persistence/SettingsEnvelope.h"
#include "settings/persistence/SettingsStore.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace settingsHistory;
using settingsDiff::BlockKind;

namespace {

QByteArray pdmBlock(uint32_t serial) { return persistence::pdmDefaults(serial); }

QDateTime at(int second) { return QDateTime(QDate(2024, 6, 14), QTime(10, 0), Qt::UTC).addSecs(second); }

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestSettingsHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsEachVersionOnce()
    {
        QTemporaryDir dir;
        SettingsHistory history(dir.path());
        const QByteArray a = pdmBlock(1), b = pdmBlock(2);
        QVERIFY(history.record(7, BlockKind::Pdm, Source::ReadFromDevice, a, at(0)));
        QVERIFY(!history.record(7, BlockKind::Pdm, Source::WrittenToDevice, a, at(1))); // same as the newest
        QVERIFY(history.record(7, BlockKind::Pdm, Source::LoadedFromFile, b, at(2)));
        QVERIFY(history.record(7, BlockKind::Pdm, Source::WrittenToDevice, a, at(3)));  // back to an older one
        QVERIFY(history.record(8, BlockKind::Pdm, Source::ReadFromDevice, a, at(4)));   // another device
        QVERIFY(!history.record(7, BlockKind::Dash, Source::ReadFromDevice, a, at(5))); // not a dash block

        const QList<Snapshot> list = history.list(7, BlockKind::Pdm);
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0].source, Source::WrittenToDevice);
        QCOMPARE(list[0].time, at(3));
        QCOMPARE(list[1].source, Source::LoadedFromFile);
        QCOMPARE(list[1].block, b);
        QCOMPARE(list[2].source, Source::ReadFromDevice);
        QCOMPARE(history.list(8, BlockKind::Pdm).size(), 1);
        QVERIFY(history.list(7, BlockKind::Dash).isEmpty());
        // Compressed: a defaults block is mostly zeros.
        QVERIFY(QFileInfo(list[0].path).size() < a.size() / 10);
        // Nothing but the snapshots is left behind (the writes go through a temporary file).
        QCOMPARE(QDir(history.deviceFolder(7, BlockKind::Pdm)).entryList(QDir::Files).size(), 3);
    }

    void keepsTheNewestHundred()
    {
        QTemporaryDir dir;
        SettingsHistory history(dir.path());
        for (int i = 0; i < SettingsHistory::kMaxSnapshots + 5; ++i)
            QVERIFY(history.record(3, BlockKind::Pdm, Source::ReadFromDevice, pdmBlock(uint32_t(i)), at(i)));
        const QList<Snapshot> list = history.list(3, BlockKind::Pdm);
        QCOMPARE(list.size(), SettingsHistory::kMaxSnapshots);
        QCOMPARE(list.first().time, at(SettingsHistory::kMaxSnapshots + 4));
        QCOMPARE(list.last().time, at(5));
        // Several versions in the same millisecond stay in order.
        QVERIFY(history.record(4, BlockKind::Pdm, Source::ReadFromDevice, pdmBlock(1), at(0)));
        QVERIFY(history.record(4, BlockKind::Pdm, Source::LoadedFromFile, pdmBlock(2), at(0)));
        QCOMPARE(history.list(4, BlockKind::Pdm).first().block, pdmBlock(2));
    }

    void skipsWhatItCannotRead()
    {
        QTemporaryDir dir;
        SettingsHistory history(dir.path());
        const QByteArray good = pdmBlock(9);
        QVERIFY(history.record(5, BlockKind::Pdm, Source::ReadFromDevice, good, at(0)));
        const QString folder = history.deviceFolder(5, BlockKind::Pdm);
        const QByteArray valid = encodeSnapshot(Snapshot{QString(), at(1), Source::ReadFromDevice, BlockKind::Pdm, pdmBlock(10)});
        QByteArray wrongSize = encodeSnapshot(Snapshot{QString(), at(1), Source::ReadFromDevice, BlockKind::Pdm, QByteArray(100, 'x')});
        QByteArray badSource = valid;
        badSource[10] = 9;
        writeFile(folder + QStringLiteral("/20990101-000000-000-000.snap"), "not a snapshot at all");
        writeFile(folder + QStringLiteral("/20990101-000000-000-001.snap"), valid.left(valid.size() - 5));
        writeFile(folder + QStringLiteral("/20990101-000000-000-002.snap"), wrongSize);
        writeFile(folder + QStringLiteral("/20990101-000000-000-003.snap"), badSource);
        writeFile(folder + QStringLiteral("/20990101-000000-000-004.snap"), QByteArray(24, '\0') + persistence::compressEnvelope(good));
        const QRegularExpression skipped(QStringLiteral("skipping .*not a readable settings snapshot"));
        for (int i = 0; i < 5; ++i)
            QTest::ignoreMessage(QtWarningMsg, skipped);
        const QList<Snapshot> list = history.list(5, BlockKind::Pdm);
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0].block, good);

        // The newest readable snapshot still decides whether a block is new.
        for (int i = 0; i < 5; ++i)
            QTest::ignoreMessage(QtWarningMsg, skipped);
        QVERIFY(!history.record(5, BlockKind::Pdm, Source::ReadFromDevice, good, at(2)));
    }

    // Clocks go wrong and files get copied: the time stored inside each snapshot orders them, the
    // version just kept is never the one pruned, and a file that is no snapshot is not counted.
    void theStoredTimeDecidesNotTheName()
    {
        QTemporaryDir dir;
        SettingsHistory history(dir.path());
        const QString folder = history.deviceFolder(2, BlockKind::Pdm);
        QVERIFY(QDir().mkpath(folder));
        // Named as if kept in 2099, though kept at at(0).
        writeFile(folder + QStringLiteral("/20990101-000000-000-000.snap"),
                  encodeSnapshot(Snapshot{QString(), at(0), Source::ReadFromDevice, BlockKind::Pdm, pdmBlock(1)}));
        QVERIFY(history.record(2, BlockKind::Pdm, Source::ReadFromDevice, pdmBlock(2), at(1)));
        QVERIFY(!history.record(2, BlockKind::Pdm, Source::ReadFromDevice, pdmBlock(2), at(2))); // unchanged
        QVERIFY(history.record(2, BlockKind::Pdm, Source::ReadFromDevice, pdmBlock(1), at(3)));
        const QList<Snapshot> list = history.list(2, BlockKind::Pdm);
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0].time, at(3));
        QCOMPARE(list[1].time, at(1));
        QCOMPARE(list[2].time, at(0));
    }

    void aClockThatRanAheadLosesNothing()
    {
        QTemporaryDir dir;
        SettingsHistory history(dir.path());
        const QDateTime ahead = at(0).addYears(10);
        for (int i = 0; i < SettingsHistory::kMaxSnapshots; ++i)
            QVERIFY(history.record(3, BlockKind::Pdm, Source::ReadFromDevice, pdmBlock(uint32_t(i)), ahead.addSecs(i)));
        // A file of the user's own beside them: never counted, never deleted.
        const QString notes = history.deviceFolder(3, BlockKind::Pdm) + QStringLiteral("/20240101-KEEP-notes.snap");
        writeFile(notes, "my notes on this car");

        QLoggingCategory::setFilterRules(QStringLiteral("ardix.settings.history.warning=false"));
        const auto restoreRules = qScopeGuard([] { QLoggingCategory::setFilterRules(QString()); });
        const QByteArray now = pdmBlock(1000);
        QVERIFY(history.record(3, BlockKind::Pdm, Source::ReadFromDevice, now, at(1)));
        // The clock is right again: an unchanged block is not kept twice.
        QVERIFY(!history.record(3, BlockKind::Pdm, Source::ReadFromDevice, now, at(2)));
        const QList<Snapshot> list = history.list(3, BlockKind::Pdm);

        QCOMPARE(list.size(), SettingsHistory::kMaxSnapshots);
        QVERIFY(QFile::exists(notes));
        QCOMPARE(list.last().block, now); // kept, though older by its own time than all the others
        QCOMPARE(list.first().time, ahead.addSecs(SettingsHistory::kMaxSnapshots - 1));
        QCOMPARE(list[list.size() - 2].time, ahead.addSecs(1)); // the oldest of the others went
        QCOMPARE(QDir(history.deviceFolder(3, BlockKind::Pdm)).entryList(QDir::Files).size(),
                 SettingsHistory::kMaxSnapshots + 1);
    }

    void aFailedWriteKeepsTheHistory()
    {
        QTemporaryDir dir;
        SettingsHistory history(dir.path());
        QVERIFY(history.record(6, BlockKind::Pdm, Source::ReadFromDevice, pdmBlock(1), at(0)));
        // A file where the other device's folder belongs: nothing can be written there.
        writeFile(history.deviceFolder(7, BlockKind::Pdm), "x");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot create")));
        QVERIFY(!history.record(7, BlockKind::Pdm, Source::ReadFromDevice, pdmBlock(1), at(1)));
        QCOMPARE(history.list(6, BlockKind::Pdm).size(), 1);
    }

    // Restoring applies the snapshot like a loaded settings file: the blocks come back byte for byte.
    void restoringGivesTheSameBytes()
    {
        QTemporaryDir dir;
        SettingsHistory history(QDir(dir.path()).filePath(QStringLiteral("history")));
        DashSettingsImage dash;
        persistence::writeAllDefaults(dash);
        const QByteArray pdm = pdmBlock(44);
        QVERIFY(history.record(1, BlockKind::Dash, Source::ReadFromDevice, dash.bytes(), at(0)));
        QVERIFY(history.record(1, BlockKind::Pdm, Source::ReadFromDevice, pdm, at(0)));

        QSettings ini(dir.filePath(QStringLiteral("store.ini")), QSettings::IniFormat);
        persistence::SettingsHost host;
        host.utcOffsetSeconds = [] { return 0; };
        persistence::SettingsStore store(&ini, host);
        store.loadDefaultAllSettings();
        store.loadDefaultPdmSettings(false);
        for (BlockKind kind : {BlockKind::Dash, BlockKind::Pdm}) {
            const Snapshot s = history.list(1, kind).first();
            const QString file = dir.filePath(QStringLiteral("restore.bin"));
            writeFile(file, persistence::compressEnvelope(s.block));
            store.loadDataFromFile(file, kind == BlockKind::Dash ? ArdixEnums::Device_Ardix7 : ArdixEnums::Device_Pmx,
                                   ArdixEnums::Settings_FileType);
        }
        QCOMPARE(store.dashImage().bytes(), dash.bytes());
        QCOMPARE(store.pdmBlock(), pdm);
    }
};

QTEST_GUILESS_MAIN(TestSettingsHistory)
#include "tst_settings_history.moc"
