// The field-by-field difference of two settings blocks: known edits give exactly their fields,
// with the names and values the interface shows; bookkeeping bytes are not differences.

#include "settings/dash/DashLayout.h"
#include "settings/dash/DashSettingsImage.h"
#include "settings/dash/ExtraLayout.h"
#include "settings/diff/FieldValue.h"
#include "settings/ArdixEnums.h"
#include "settings/diff/SettingsDiff.h"
#include "settings/diff/SettingsFile.h"
#include "settings/layout/LittleEndian.h"
#include "settings/persistence/DashBlockDefaults.h"
#include "settings/persistence/PdmBlockDefaults.h"
#include "settings/persistence/SettingsEnvelope.h"
#include "settings/pdm/PdmBlockLayout.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace settingsDiff;

namespace {

uchar *at(QByteArray &b, int offset) { return reinterpret_cast<uchar *>(b.data()) + offset; }
const uchar *cat(const QByteArray &b) { return reinterpret_cast<const uchar *>(b.constData()); }

QByteArray dashDefaults()
{
    DashSettingsImage image;
    persistence::writeAllDefaults(image);
    return image.bytes();
}

void putText(QByteArray &b, int offset, const QByteArray &utf8)
{
    std::memcpy(at(b, offset), utf8.constData(), size_t(utf8.size()));
    *at(b, offset + int(utf8.size())) = 0;
}

QStringList lines(const DiffResult &d)
{
    QStringList out;
    for (const RecordDiff &r : d.records)
        for (const FieldChange &f : r.fields)
            out << QStringLiteral("%1 | %2 | %3: %4 -> %5").arg(r.group, r.record, f.field, f.before, f.after);
    return out;
}

constexpr int kCommon = dashLayout::kCommonOffset;

} // namespace

class TestSettingsDiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void identicalBlocksDifferInNothing()
    {
        const QByteArray dash = dashDefaults();
        QVERIFY(SettingsDiff::compare(BlockKind::Dash, dash, dash).isEmpty());
        const QByteArray pdm = persistence::pdmDefaults(77);
        QVERIFY(SettingsDiff::compare(BlockKind::Pdm, pdm, pdm).isEmpty());
    }

    void dashEdits_data()
    {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("skin cell") << 0 << QStringList{
            QStringLiteral("Экраны | Скин 1, режим 1 | skinsPos[3]: 1 (%1) -> 16 (%2)")
                .arg(QString::fromUtf8("Давление масла"), QString::fromUtf8("Обороты двигателя"))};
        QTest::newRow("stoichiometry, shown x100") << 1 << QStringList{
            QStringLiteral("Общие настройки | Общие | fuelType_stoichiometry: 14.70 -> 60.00")};
        QTest::newRow("checksum and UTC offset are bookkeeping") << 2 << QStringList{};
        QTest::newRow("bytes after a text's terminator") << 3 << QStringList{};
        QTest::newRow("standard sensor keeps its catalogue name and range") << 4 << QStringList{};
        QTest::newRow("the RPM sensor takes its maximum") << 5 << QStringList{
            QStringLiteral("Датчики | Обороты двигателя | maxPossibleValue: 7000 -> 12000")};
        QTest::newRow("float sensor levels shown /100") << 6 << QStringList{
            QStringLiteral("Датчики | Давление масла | warningValueMin: 1.20 -> 1.50")};
        QTest::newRow("renamed analog sensor, sensor ids by name") << 7 << QStringList{
            QStringLiteral("Общие настройки | Запись логов | logTrigger1SourceId: 16 (Обороты двигателя) -> 17 (Скорость)"),
            QStringLiteral("Аналоговые датчики | Аналоговый датчик 1 «Топливо» | name: \"Бак\" -> \"Топливо\"")};
        QTest::newRow("choices by name") << 8 << QStringList{
            QStringLiteral("Датчики | Давление масла | inputDataSource: 1 (ECU) -> 2 (Аналоговый вход)"),
            QStringLiteral("Общие настройки | Общие | can1BaudId: 3 (1 Mbit/s) -> -1 (не используется)")};
    }

    void dashEdits()
    {
        QFETCH(int, edit);
        QFETCH(QStringList, expected);
        const QByteArray before = dashDefaults();
        QByteArray after = before;
        const int rpm = dashLayout::kSensorsOffset + 16 * dashLayout::kSensorRecordSize;
        const int oil = dashLayout::kSensorsOffset + 1 * dashLayout::kSensorRecordSize;
        switch (edit) {
        case 0: *at(after, 3) = 16; break;
        case 1: layout::writeLE<uint16_t>(at(after, kCommon + 494), 6000); break;
        case 2:
            layout::writeLE<uint32_t>(at(after, kCommon + dashLayout::kCommonChecksumOffset), 0x12345678);
            layout::writeLE<uint16_t>(at(after, kCommon + 276), 7200);
            break;
        case 3: *at(after, dashLayout::kCustomAnalogOffset + 10) = 'x'; break; // "Бак" is 6 bytes + NUL
        case 4: putText(after, oil + 4, "junk"); layout::writeLE<uint16_t>(at(after, oil + 38), 1); break;
        case 5:
            layout::writeLE<uint16_t>(at(after, rpm + 38), 12000);
            break;
        case 6: layout::writeLE<uint16_t>(at(after, oil + 36), 150); break;
        case 7:
            putText(after, dashLayout::kCustomAnalogOffset, QStringLiteral("Топливо").toUtf8());
            *at(after, kCommon + dashLayout::kLogsOffset + 8) = 17;
            break;
        case 8:
            *at(after, kCommon + 1) = char(ArdixEnums::CanbusBaud_Disable);
            *at(after, oil + 29) = ArdixEnums::InputSourceAnalog;
            break;
        }
        QCOMPARE(lines(SettingsDiff::compare(BlockKind::Dash, before, after)), expected);
    }

    // An output renamed and rewired is one entry with its fields under it.
    void wholeRecordChangesAreOneEntry()
    {
        const QByteArray before = persistence::pdmDefaults(5);
        QByteArray after = before;
        const int out = int(PdmLayout::outputOffset(2));
        putText(after, out, "Fan");
        *at(after, out + 47) = 1;  // functionsCount
        *at(after, out + 50) = 12; // functionsOrder[0]
        persistence::refreshPdmCrc(after);
        const DiffResult d = SettingsDiff::compare(BlockKind::Pdm, before, after);
        QCOMPARE(d.records.size(), 1);
        QCOMPARE(d.records[0].record, QStringLiteral("Выход 3 «Fan»"));
        QCOMPARE(d.records[0].change, RecordChange::Changed);
        QCOMPARE(lines(d), (QStringList{
            QStringLiteral("Выходы | Выход 3 «Fan» | outputName: \"\" -> \"Fan\""),
            QStringLiteral("Выходы | Выход 3 «Fan» | functionsCount: 0 -> 1"),
            QStringLiteral("Выходы | Выход 3 «Fan» | functionsOrder[0]: 0 -> 12")}));
        QCOMPARE(d.fieldCount(), 3);
    }

    // A function slot whose configBits is 0 is stored as zeros: its leftovers are no difference,
    // filling it is an added record.
    void functionSlotsAddedAndRemoved()
    {
        QByteArray empty = persistence::pdmDefaults(5);
        const int f = int(PdmLayout::functionOffset(7));
        QByteArray leftovers = empty;
        putText(leftovers, f, "old");
        QVERIFY(SettingsDiff::compare(BlockKind::Pdm, empty, leftovers).isEmpty());

        QByteArray filled = leftovers;
        layout::writeLE<uint32_t>(at(filled, f + 40), 0x3);
        DiffResult d = SettingsDiff::compare(BlockKind::Pdm, empty, filled);
        QCOMPARE(d.records.size(), 1);
        QCOMPARE(d.records[0].change, RecordChange::Added);
        QCOMPARE(d.records[0].record, QStringLiteral("Функция 7 «old»"));
        QCOMPARE(lines(d), (QStringList{QStringLiteral("Функции | Функция 7 «old» | functionName: \"\" -> \"old\""),
                                        QStringLiteral("Функции | Функция 7 «old» | configBits: 0x00000000 -> 0x00000003")}));
        d = SettingsDiff::compare(BlockKind::Pdm, filled, empty);
        QCOMPARE(d.records.size(), 1);
        QCOMPARE(d.records[0].change, RecordChange::Removed);
    }

    // Random blocks that differ in known fields: the diff lists exactly those fields.
    void randomEditsAreFoundExactly_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 6; ++seed) {
            QTest::addRow("dash %u", seed) << int(BlockKind::Dash) << seed;
            QTest::addRow("pdm %u", seed) << int(BlockKind::Pdm) << seed;
        }
    }

    void randomEditsAreFoundExactly()
    {
        QFETCH(int, kind);
        QFETCH(quint32, seed);
        const BlockKind k = BlockKind(kind);
        QRandomGenerator rng(seed);
        const int size = k == BlockKind::Dash ? dashLayout::kBlockSize : int(PdmLayout::BlockSize);
        QByteArray before(size, '\0');
        for (char &c : before)
            c = char(rng.bounded(256));
        const QList<RecordSpec> specs = k == BlockKind::Dash ? dashRecords(size) : pdmRecords();

        struct Candidate { int spec; int part; const layout::Field *field; int index; };
        QList<Candidate> candidates;
        for (int s = 0; s < specs.size(); ++s)
            for (int p = 0; p < specs[s].parts.size(); ++p)
                for (const layout::Field &f : specs[s].parts[p].table)
                    if (f.writesProperty() && (!specs[s].accept || specs[s].accept(f)))
                        for (int i = 0; i < f.count(); ++i)
                            candidates.append(Candidate{s, p, &f, i});

        QByteArray after = before;
        QSet<QString> expected;
        for (int n = 0; n < 25; ++n) {
            const Candidate c = candidates[int(rng.bounded(qsizetype(candidates.size())))];
            const RecordSpec &spec = specs[c.spec];
            const RecordPart &part = spec.parts[c.part];
            const int el = part.offset + c.field->offset + c.index * c.field->elementSize();
            QByteArray trial = after;
            switch (c.field->kind) {
            case layout::Kind::Text:
                putText(trial, el, QByteArray::number(rng.generate()).left(c.field->size - 1));
                break;
            case layout::Kind::Bits:
                *at(trial, part.offset + c.field->offset) ^= uchar(1u << (c.field->bit + int(rng.bounded(c.field->width))));
                break;
            default:
                *at(trial, el) ^= uchar(1 + rng.bounded(255));
                break;
            }
            const ElementRef e{c.field, c.index};
            const bool stillFilled = !spec.isEmpty || (!spec.isEmpty(cat(before)) && !spec.isEmpty(cat(trial)));
            if (!stillFilled || elementKey(e, cat(trial) + part.offset) == elementKey(e, cat(before) + part.offset))
                continue; // an edit that empties a record, or lands back on the old value
            after = trial;
            expected.insert(QStringLiteral("%1|%2").arg(c.spec).arg(part.prefix + elementName(e)));
        }
        QVERIFY(expected.size() > 10);

        // Titles follow the edited names, so match records by title in the edited block.
        QHash<QString, int> specOfTitle;
        for (int s = 0; s < specs.size(); ++s)
            specOfTitle.insert(specs[s].group + QLatin1Char('|') + titleOf(specs[s], cat(after)), s);
        QSet<QString> found;
        const DiffResult d = SettingsDiff::compare(k, before, after);
        for (const RecordDiff &r : d.records) {
            QCOMPARE(r.change, RecordChange::Changed);
            QVERIFY2(specOfTitle.contains(r.group + QLatin1Char('|') + r.record), qPrintable(r.record));
            for (const FieldChange &f : r.fields) {
                found.insert(QStringLiteral("%1|%2").arg(specOfTitle.value(r.group + QLatin1Char('|') + r.record)).arg(f.field));
            }
        }
        QCOMPARE(found, expected);
    }

    void sizesAndKinds()
    {
        const QByteArray dash = dashDefaults();
        QCOMPARE(kindOfSize(dash.size()), std::optional<BlockKind>(BlockKind::Dash));
        QCOMPARE(kindOfSize(dashLayout::kShortBlockSize), std::optional<BlockKind>(BlockKind::Dash));
        QCOMPARE(kindOfSize(40960), std::optional<BlockKind>(BlockKind::Pdm));
        QVERIFY(!kindOfSize(100).has_value());
        QVERIFY(SettingsDiff::compare(BlockKind::Pdm, dash, dash).isEmpty());

    }

    // Loading an older, shorter block resets the extra settings to their defaults and moves its
    // lamp assignments into them: that is what it is compared as.
    void aShortBlockComparesAsLoaded()
    {
        const QByteArray dash = dashDefaults();
        const QByteArray shortened = dash.left(dashLayout::kShortBlockSize);
        QVERIFY(SettingsDiff::compare(BlockKind::Dash, shortened, dash).isEmpty());

        QByteArray full = dash;
        *at(full, dashLayout::kExtraOffset + extraLayout::kKeypadsOffset) ^= 0xFF;
        const DiffResult keypads = SettingsDiff::compare(BlockKind::Dash, full, shortened);
        QVERIFY(!keypads.isEmpty());
        QCOMPARE(keypads.records.first().group, QStringLiteral("Клавиатуры"));
        QCOMPARE(SettingsDiff::compare(BlockKind::Dash, shortened, full).fieldCount(), keypads.fieldCount());

        QByteArray oldLamp = shortened;
        *at(oldLamp, kCommon + 352) = 3; // input 0 drives lamp 3
        const QStringList moved = lines(SettingsDiff::compare(BlockKind::Dash, dash, oldLamp));
        QVERIFY2(moved.filter(QStringLiteral("Лампы")).size() >= 1, qPrintable(moved.join(QLatin1Char('\n'))));
    }

    // A name is the user's, or whoever wrote the file: in text it cannot forge a group, a field
    // or a terminal sequence. JSON carries it as it is.
    void textOutputEscapesNames()
    {
        const QByteArray evil("Pump\"\n[Fake]\n    x = 1\x1b[2J");
        QByteArray dash = dashDefaults();
        const int second = dashLayout::kCustomAnalogOffset + dashLayout::kCustomAnalogRecordSize;
        putText(dash, second, evil);

        const QString listing = SettingsDiff::toText(SettingsDiff::show(BlockKind::Dash, dash), true);
        const QString escaped = QStringLiteral("Pump\\\"\\n[Fake]\\n    x = 1\\u001b[2J");
        QVERIFY2(listing.contains(QStringLiteral("Аналоговый датчик 2 «") + escaped + QStringLiteral("»\n")), qPrintable(listing));
        QVERIFY(listing.contains(QStringLiteral("    name = \"") + escaped + QStringLiteral("\"\n")));
        const QString diff = SettingsDiff::toText(SettingsDiff::compare(BlockKind::Dash, dashDefaults(), dash));
        for (const QString &text : {listing, diff}) {
            QVERIFY(!text.contains(QStringLiteral("\n[Fake]")));
            QVERIFY(!text.contains(QStringLiteral("\n    x = 1")));
            QVERIFY(!text.contains(QChar(0x1b)));
        }
        QVERIFY(diff.contains(QStringLiteral("    name: \"\" -> \"") + escaped + QStringLiteral("\"\n")));

        const QJsonObject json = SettingsDiff::toJson(SettingsDiff::compare(BlockKind::Dash, dashDefaults(), dash));
        const QJsonArray fields = json.value(QStringLiteral("records")).toArray()[0].toObject().value(QStringLiteral("fields")).toArray();
        bool found = false;
        for (const QJsonValue &f : fields)
            found |= f.toObject().value(QStringLiteral("after")).toString() == QLatin1Char('"') + QString::fromUtf8(evil) + QLatin1Char('"');
        QVERIFY(found);
    }

    // A damaged block holds values no field means: they are shown as numbers, whatever their width.
    void anyBytesShowAsNumbers()
    {
        const QByteArray ones(dashLayout::kBlockSize, char(0xFF));
        const QString text = SettingsDiff::toText(SettingsDiff::show(BlockKind::Dash, ones), true);
        QVERIFY(text.contains(QStringLiteral(" = 4294967295\n")));
        QVERIFY(!SettingsDiff::compare(BlockKind::Dash, dashDefaults(), ones).isEmpty());
        QByteArray pdm(40960, char(0xFF));
        QVERIFY(!SettingsDiff::compare(BlockKind::Pdm, persistence::pdmDefaults(1), pdm).isEmpty());
    }

    // What the tool and the preview read: the file the client would load, or the reason why not,
    // without waiting on a pipe or reading a device without end.
    void readsSettingsFilesWithCare()
    {
        QTemporaryDir dir;
        const auto write = [&dir](const char *name, const QByteArray &bytes) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
                qFatal("cannot write %s", name);
            return path;
        };
        const QByteArray dash = dashDefaults();
        QByteArray badCrc = persistence::pdmDefaults(1);
        badCrc[0] = char(badCrc[0] ^ 1);
        const QString fifo = dir.filePath(QStringLiteral("pipe.ardix7"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

        const struct {
            QString path;
            std::optional<BlockKind> expected;
            FileProblem problem;
        } cases[] = {
            {write("a.ardix7", persistence::compressEnvelope(dash)), BlockKind::Dash, FileProblem::None},
            {write("old.ardix7", persistence::compressEnvelope(dash.left(dashLayout::kShortBlockSize))), {}, FileProblem::None},
            {write("a.pmx", persistence::compressEnvelope(persistence::pdmDefaults(1))), BlockKind::Pdm, FileProblem::None},
            {write("bad.pmx", persistence::compressEnvelope(badCrc)), {}, FileProblem::BadChecksum},
            {write("zero.pmx", persistence::compressEnvelope(QByteArray(40960, '\0'))), BlockKind::Pdm, FileProblem::BadChecksum},
            {write("other.ardix7", persistence::compressEnvelope(persistence::pdmDefaults(1))), BlockKind::Dash, FileProblem::NotSettings},
            {write("raw.ardix7", dash), BlockKind::Dash, FileProblem::NotSettings}, // the client takes files only
            {write("big.ardix7", QByteArray(kMaxSettingsFileSize + 1, 'x')), {}, FileProblem::TooLarge},
            {dir.filePath(QStringLiteral("missing.ardix7")), {}, FileProblem::Missing},
            {dir.path(), {}, FileProblem::Directory},
            {fifo, {}, FileProblem::NotRegularFile},
            {QStringLiteral("/dev/zero"), {}, FileProblem::NotRegularFile},
        };
        for (const auto &c : cases) {
            const SettingsFile f = readSettingsFile(c.path, c.expected);
            QVERIFY2(f.problem == c.problem, qPrintable(c.path + QStringLiteral(": ") + problemText(f)));
        }
        QCOMPARE(readSettingsFile(cases[1].path).block.size(), dashLayout::kShortBlockSize);
        QCOMPARE(readSettingsFile(cases[6].path, BlockKind::Dash, RawBlocks::Accept).block, dash);
    }

    void listingAndRendering()
    {
        const QByteArray dash = dashDefaults();
        const DiffResult shown = SettingsDiff::show(BlockKind::Dash, dash);
        const QString text = SettingsDiff::toText(shown, true);
        QVERIFY(text.contains(QStringLiteral("Аналоговый датчик 1 «Бак»\n")));
        QVERIFY(text.contains(QStringLiteral("    gearRatios[0] = 3.251\n")));
        QVERIFY(!text.contains(QStringLiteral("Аналоговый датчик 2"))); // never filled in

        QByteArray after = dash;
        layout::writeLE<uint16_t>(at(after, kCommon + 296), 6);
        const DiffResult d = SettingsDiff::compare(BlockKind::Dash, dash, after);
        QCOMPARE(SettingsDiff::toText(d), QStringLiteral("[Общие настройки]\n~ Общие\n    gearsCount: 5 -> 6\n"));
        const QJsonObject json = SettingsDiff::toJson(d);
        QCOMPARE(json.value(QStringLiteral("kind")).toString(), QStringLiteral("dash"));
        QCOMPARE(json.value(QStringLiteral("fieldCount")).toInt(), 1);
        const QJsonObject field = json.value(QStringLiteral("records")).toArray()[0].toObject()
                                      .value(QStringLiteral("fields")).toArray()[0].toObject();
        QCOMPARE(field.value(QStringLiteral("after")).toString(), QStringLiteral("6"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsDiff)
#include "tst_settings_diff.moc"
