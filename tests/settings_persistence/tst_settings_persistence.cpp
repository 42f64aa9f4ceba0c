// The settings store: what it keeps between runs, the corrections and defaults on load, the
// settings files, and the PDM password.

#include "settings/ArdixEnums.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/layout/Crc32Words.h"
#include "settings/persistence/DashBlockDefaults.h"
#include "settings/persistence/SettingsStore.h"
#include "settings/persistence/SettingsTexts.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <zlib.h>

using namespace ArdixEnums;
using persistence::SettingsStore;
namespace texts = persistence::texts;

namespace {

// Offsets written out here on purpose, independent of the code under test.
constexpr int kDashSize = 28876;
constexpr int kShortSize = 16588;
constexpr int kPdmSize = 40960;
constexpr int kCommon = 5880;
constexpr int kCan1Baud = kCommon + 1;
constexpr int kEcu = kCommon + 2;
constexpr int kSkin0Modes = kCommon + 4;
constexpr int kSettingsVer = kCommon + 268;
constexpr int kUtcOffset = kCommon + 276;
constexpr int kInputPorts = kCommon + 352;
constexpr int kStoich = kCommon + 494;
constexpr int kCommonCrc = kCommon + 976;
constexpr int kExtra = 16588;
constexpr int kLamps = kExtra + 44;
constexpr int kTestUtcOffset = 10800;

quint16 u16(const QByteArray &b, int at) { return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8); }
quint32 u32(const QByteArray &b, int at) { return quint32(u16(b, at)) | quint32(u16(b, at + 2)) << 16; }
void put16(QByteArray &b, int at, quint16 v) { b[at] = char(v & 0xFF); b[at + 1] = char(v >> 8); }
void put32(QByteArray &b, int at, quint32 v) { put16(b, at, quint16(v)); put16(b, at + 2, quint16(v >> 16)); }

bool pdmCrcMatches(const QByteArray &b)
{
    return b.size() == kPdmSize && u32(b, 0) == crc32Words(b.constData() + 4, kPdmSize - 4);
}

void fixPdmCrc(QByteArray &b) { put32(b, 0, crc32Words(b.constData() + 4, kPdmSize - 4)); }

// A dash block the load corrections leave as it is.
QByteArray settledDashBlock(int size = kDashSize)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + 3) & 0xFF);
    b[kSkin0Modes] = 5;
    b[kSettingsVer] = 1;
    put16(b, kUtcOffset, kTestUtcOffset);
    put16(b, kStoich, 1470);
    return b;
}

QByteArray validPdmBlock()
{
    QByteArray b(kPdmSize, '\0');
    for (int i = 4; i < kPdmSize; ++i)
        b[i] = char((i * 13 + 5) & 0xFF);
    b[19] = char(b[19] & 0x7F);
    std::memset(b.data() + 20, 0, 64);
    fixPdmCrc(b);
    return b;
}

// An independent reader of the compressed envelope: zlib's uncompress() after the 4-byte header.
QByteArray zlibUncompress(const QByteArray &file)
{
    if (file.size() < 4)
        return {};
    const uLong declared = uLong(quint8(file[0])) << 24 | uLong(quint8(file[1])) << 16
        | uLong(quint8(file[2])) << 8 | uLong(quint8(file[3]));
    QByteArray out(qsizetype(declared), '\0');
    uLongf outLen = declared;
    if (uncompress(reinterpret_cast<Bytef *>(out.data()), &outLen,
                   reinterpret_cast<const Bytef *>(file.constData() + 4), uLong(file.size() - 4)) != Z_OK)
        return {};
    out.resize(qsizetype(outLen));
    return out;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Upload
{
    unsigned action, what, parameter;
    bool operator==(const Upload &o) const { return action == o.action && what == o.what && parameter == o.parameter; }
};

// One store with a host whose link state the test sets, and everything it reports.
struct Harness
{
    int onlineDevice = -1; // DeviceModelId the link is online with, -1 offline
    int dashTreeLoads = 0;
    int pdmTreeLoads = 0;
    int pdmApplies = 0;
    QByteArray treePassword;
    QList<Upload> uploads;
    QStringList messages;
    std::unique_ptr<SettingsStore> store;

    Harness() { restart(); }

    void restart()
    {
        persistence::SettingsHost host;
        host.isOnlineWith = [this](int d) { return d == onlineDevice; };
        host.isOnline = [this] { return onlineDevice >= 0; };
        host.loadDashTree = [this](const DashSettingsImage *) { ++dashTreeLoads; };
        host.loadPdmTree = [this](const QByteArray &) { ++pdmTreeLoads; };
        host.setPdmPasswordInTree = [this](const QByteArray &h) { treePassword = h; };
        host.applyNewPdmSettings = [this] { ++pdmApplies; };
        host.utcOffsetSeconds = [] { return kTestUtcOffset; };
        store = std::make_unique<SettingsStore>(nullptr, host);
        QObject::connect(store.get(), &SettingsStore::uploadRequested, store.get(),
                         [this](unsigned a, unsigned w, unsigned p) { uploads.append({a, w, p}); });
        QObject::connect(store.get(), &SettingsStore::showInfoMessage, store.get(),
                         [this](const QString &m) { messages.append(m); });
    }

    QByteArray dash() const { return store->dashImage().bytes(); }
};

QVariant stored(const char *key)
{
    QSettings s;
    s.sync();
    return s.value(QLatin1String(key));
}

void plant(const char *key, const QVariant &value)
{
    QSettings s;
    s.setValue(QLatin1String(key), value);
    s.sync();
}

void clearStore()
{
    QSettings s;
    s.clear();
    s.sync();
}

} // namespace

class TestSettingsPersistence : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
        QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    }
    void init() { clearStore(); }

    void shortStoredBlockIsUpgradedAndWrittenBack()
    {
        QByteArray old = settledDashBlock(kShortSize);
        std::memset(old.data() + kInputPorts, 0, 4);
        old[kInputPorts] = char(Lamp_ABS);
        old[kInputPorts + 3] = char(Lamp_CheckEngine);
        put32(old, kCommonCrc, crc32Words(old.constData() + kCommon, 976));
        plant("allSettingsData", old);

        Harness h;
        h.store->loadDashSettings(false);

        const QByteArray back = stored("allSettingsData").toByteArray();
        QCOMPARE(back.size(), kDashSize);
        QCOMPARE(back, h.dash());
        QCOMPARE(back.left(kShortSize), old);
        QCOMPARE(u32(back, kExtra), 0x70809000u);
        // The old input assignments became the lamps' sources.
        QCOMPARE(quint8(back[kLamps + 4 * Lamp_ABS]), quint8(ChannelType_ArdixInputsState));
        QCOMPARE(quint8(back[kLamps + 4 * Lamp_ABS + 1]), quint8(0));
        QCOMPARE(quint8(back[kLamps + 4 * Lamp_CheckEngine]), quint8(ChannelType_ArdixInputsState));
        QCOMPARE(quint8(back[kLamps + 4 * Lamp_CheckEngine + 1]), quint8(3));
        QCOMPARE(h.dashTreeLoads, 1);
        QVERIFY(h.messages.isEmpty());
    }

    void loadCorrections_data()
    {
        QTest::addColumn<int>("stoich");
        QTest::addColumn<int>("modes");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("ecu");
        QTest::addColumn<int>("utcOffset");
        QTest::addColumn<int>("expectStoich");
        QTest::addColumn<int>("expectModes");
        QTest::addColumn<int>("expectCanBaud"); // -2: unchanged
        QTest::addColumn<bool>("rewritten");

        QTest::newRow("settled") << 1470 << 5 << 1 << 4 << kTestUtcOffset << 1470 << 5 << -2 << false;
        QTest::newRow("stoichiometry 6000") << 6000 << 5 << 1 << 4 << kTestUtcOffset << 1470 << 5 << -2 << true;
        QTest::newRow("stoichiometry 0") << 0 << 5 << 1 << 4 << kTestUtcOffset << 1470 << 5 << -2 << true;
        QTest::newRow("stoichiometry 5000 kept") << 5000 << 5 << 1 << 4 << kTestUtcOffset << 5000 << 5 << -2 << false;
        QTest::newRow("three modes") << 1470 << 3 << 1 << 4 << kTestUtcOffset << 1470 << 5 << -2 << true;
        QTest::newRow("other time zone") << 1470 << 5 << 1 << 4 << 0 << 1470 << 5 << -2 << true;
        QTest::newRow("version 0, OBD") << 1470 << 5 << 0 << int(CanOBD) << kTestUtcOffset << 1470 << 5 << 2 << true;
        QTest::newRow("version 0, protocol 21") << 1470 << 5 << 0 << 21 << kTestUtcOffset << 1470 << 5 << -2 << true;
    }

    void loadCorrections()
    {
        QFETCH(int, stoich);
        QFETCH(int, modes);
        QFETCH(int, version);
        QFETCH(int, ecu);
        QFETCH(int, utcOffset);
        QFETCH(int, expectStoich);
        QFETCH(int, expectModes);
        QFETCH(int, expectCanBaud);
        QFETCH(bool, rewritten);

        QByteArray b = settledDashBlock();
        put16(b, kStoich, quint16(stoich));
        b[kSkin0Modes] = char(modes);
        b[kSettingsVer] = char(version);
        b[kEcu] = char(ecu);
        b[kCan1Baud] = char(0x55);
        put16(b, kUtcOffset, quint16(utcOffset));
        plant("allSettingsData", b);

        Harness h;
        QSignalSpy utc(h.store.get(), &SettingsStore::utcOffsetLoaded);
        h.store->loadDashSettings(false);

        const QByteArray now = h.dash();
        QCOMPARE(int(u16(now, kStoich)), expectStoich);
        QCOMPARE(int(now[kSkin0Modes]), expectModes);
        QCOMPARE(int(u16(now, kUtcOffset)), kTestUtcOffset);
        QCOMPARE(int(now[kSettingsVer]), 1);
        QCOMPARE(int(qint8(now[kCan1Baud])), expectCanBaud == -2 ? 0x55 : expectCanBaud);
        QCOMPARE(stored("allSettingsData").toByteArray() != b, rewritten);
        QCOMPARE(stored("allSettingsData").toByteArray(), now);
        if (rewritten)
            QCOMPARE(u32(now, kCommonCrc), crc32Words(now.constData() + kCommon, 976));
        QCOMPARE(utc.count(), 1);
        QVERIFY(h.uploads.isEmpty()); // nothing is sent at start
    }

    void unusableStoredDashBlockGivesDefaultsSilently()
    {
        plant("allSettingsData", QByteArray(1000, '\x11'));
        plant("ssidWifi", QStringLiteral("dash-net"));
        Harness h;
        QSignalSpy skin(h.store.get(), &SettingsStore::skinStateLoaded);
        h.store->loadDashSettings(false);

        const QByteArray b = h.dash();
        QCOMPARE(stored("allSettingsData").toByteArray(), b);
        QCOMPARE(int(b[kCan1Baud]), 3);
        QCOMPARE(int(b[kEcu]), int(CanLinkG4Plus));
        QCOMPARE(int(u16(b, kStoich)), 1470);
        QCOMPARE(b.mid(kSkin0Modes, 16), QByteArray::fromHex("050b0004040c0c060606060606010100"));
        QCOMPARE(b.mid(0, 12), QByteArray::fromHex("020d030106040c090d131100"));
        QCOMPARE(b.mid(6860, 7), QByteArray("Бак") + '\0');
        QCOMPARE(u32(b, kCommonCrc), crc32Words(b.constData() + kCommon, 976));
        QCOMPARE(u32(b, kExtra), 0x70809000u);
        // Sensor records carry their ids in order.
        QCOMPARE(quint8(b[2040 + 60 * 16]), quint8(16));
        QCOMPARE(quint8(b[3960 + 60 * 5]), quint8(105));
        QVERIFY(h.messages.isEmpty());
        QCOMPARE(h.store->ssidWifi(), QStringLiteral("dash-net"));
        QCOMPARE(skin.count(), 1);
        QCOMPARE(skin.first(), (QVariantList{0, 0}));
    }

    void defaultsFollowTheLayoutAndTheCatalogue()
    {
        DashSettingsImage image(QByteArray(kDashSize, '\x77'));
        QVERIFY(persistence::writeAllDefaults(image)); // every default names a field of the layout
        const QByteArray b = image.bytes();
        const ArdixCatalogue::SensorInfo *rpm = ArdixCatalogue::standardSensorInfo(EngineRpm_index);
        QVERIFY(rpm);
        const int rec = 2040 + 60 * EngineRpm_index;
        QCOMPARE(u16(b, rec + 38), rpm->maxPossibleValue);
        QCOMPARE(u16(b, rec + 34), rpm->warningValueMax);
        QCOMPARE(u16(b, rec + 2) & 0xFF80, 0);
        // Custom sensors are empty and so disabled, with only the custom bit.
        QCOMPARE(u16(b, 3960 + 2), quint16(0x0002));
        QCOMPARE(b.mid(2040 + 60 * 31 + 44, 16), QByteArray(16, '\0'));
        QCOMPARE(u16(b, kCommon + 298), quint16(3900));
        QCOMPARE(u16(b, kCommon + 304 + 2 * 5), quint16(500));
        QCOMPARE(u16(b, kCommon + 592 + 2 * 16), quint16(400));
        QCOMPARE(u16(b, kCommon + 592 + 2 * 17), quint16(0));
        QCOMPARE(b.mid(kCommon + 356, 15), QByteArray::fromHex("0103645a0a0102786e0a0000645a0a"));
        QCOMPARE(b.mid(kCommon + 496, 5), QByteArray::fromHex("1e1e03020a"));
        QCOMPARE(u16(b, kCommon + 648 + 30), quint16(2));
    }

    void storedPdmBlock_data()
    {
        QTest::addColumn<QByteArray>("planted");
        QTest::addColumn<bool>("kept");
        const QByteArray good = validPdmBlock();
        QByteArray badCrc = good;
        badCrc[1000] = char(badCrc[1000] ^ 1);
        QTest::newRow("valid") << good << true;
        QTest::newRow("wrong CRC") << badCrc << false;
        QTest::newRow("wrong size") << good.left(40000) << false;
        QTest::newRow("nothing") << QByteArray() << false;
    }

    void storedPdmBlock()
    {
        QFETCH(QByteArray, planted);
        QFETCH(bool, kept);
        if (!planted.isEmpty())
            plant("pdmCommonSettings", planted);
        plant("pdmSerialNumber", 4321u);
        Harness h;
        h.store->loadPdmSettings(false);
        const QByteArray b = h.store->pdmBlock();
        QCOMPARE(h.pdmTreeLoads, 1);
        QVERIFY(h.messages.isEmpty());
        QVERIFY(pdmCrcMatches(b));
        QCOMPARE(stored("pdmCommonSettings").toByteArray(), b);
        if (kept) {
            QCOMPARE(b, planted);
            return;
        }
        QCOMPARE(u32(b, 4), 4321u);
        QCOMPARE(quint8(b[9]), quint8(3));
        QCOMPARE(u16(b, 10), quint16(13000));
        auto output = [&](int i) { return 4096 + 92 * i; };
        // Output 1 is a 20 A output, output 9 an 8 A one, output 31 is beyond the board.
        QCOMPARE(u16(b, output(0) + 36), quint16(1500));
        QCOMPARE(quint8(b[output(0) + 38]), quint8(80));
        QCOMPARE(quint8(b[output(0) + 39]), quint8(20));
        QCOMPARE(u16(b, output(8) + 36), quint16(1000));
        QCOMPARE(quint8(b[output(8) + 38]), quint8(40));
        QCOMPARE(quint8(b[output(8) + 39]), quint8(8));
        QCOMPARE(quint8(b[output(30) + 39]), quint8(0));
        QCOMPARE(u32(b, output(30) + 32), 1u);
        QCOMPARE(u16(b, 2048 + 2 * 19), quint16(7));
        QCOMPARE(b.mid(2672 + 32 * 19, 27), QByteArray("Служеб. кнопка") + '\0');
        QCOMPARE(b.mid(24640 + 1456 * 3, 8), QByteArray::fromHex("f6ffffff0208ffff"));
        QCOMPARE(u16(b, 24640 + 1456 * 3 + 1312), quint16(280));
        QCOMPARE(u32(b, 30464 + 8 * 7), 0x507u);
        QCOMPARE(u16(b, 30464 + 8 * 7 + 6), quint16(2000));
        QCOMPARE(u32(b, 30464 + 64 + 200 * 7), 0x557u);
        QCOMPARE(b.mid(30464 + 3584, 8), QByteArray(8, '\xFF'));
    }

    void pdmDefaultsAreUploadedWhenOnline()
    {
        Harness h;
        h.onlineDevice = Device_Pmx;
        h.store->loadDefaultPdmSettings(true);
        h.store->loadDefaultPdmSettings(false);
        QCOMPARE(h.uploads, (QList<Upload>{{FlashData, PdmDEFAULTCommonSettings, 0}, {FlashData, PdmCommonSettings, 0}}));
        h.onlineDevice = Device_Ardix7;
        h.store->loadDefaultPdmSettings(true);
        QCOMPARE(h.uploads.size(), 2);
    }

    void pdmPassword_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("device");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("one character") << QStringLiteral("a") << int(Device_Pmx) << false;
        QTest::newRow("two characters") << QStringLiteral("ab") << int(Device_Pmx) << false;
        QTest::newRow("two Cyrillic letters") << QStringLiteral("пж") << int(Device_Pmx) << false;
        QTest::newRow("offline") << QStringLiteral("secret") << -1 << false;
        QTest::newRow("dash online") << QStringLiteral("secret") << int(Device_Ardix7) << false;
        QTest::newRow("three characters") << QStringLiteral("abc") << int(Device_Pmx) << true;
        QTest::newRow("Cyrillic") << QStringLiteral("пароль") << int(Device_Pmx) << true;
    }

    void pdmPassword()
    {
        QFETCH(QString, password);
        QFETCH(int, device);
        QFETCH(bool, accepted);
        Harness h;
        h.store->loadPdmSettings(false);
        const QByteArray before = h.store->pdmBlock();
        h.uploads.clear();
        h.onlineDevice = device;
        h.store->setPdmPasswordSettings(password, false);

        const QByteArray b = h.store->pdmBlock();
        if (!accepted) {
            QCOMPARE(h.messages, QStringList{QString::fromUtf8(texts::kPasswordNotSet)});
            QCOMPARE(b, before);
            QVERIFY(h.uploads.isEmpty());
            return;
        }
        const QByteArray hash = QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha512);
        QVERIFY(h.messages.isEmpty());
        QCOMPARE(h.treePassword, hash);
        QCOMPARE(b.mid(20, 64), hash);
        QVERIFY(quint8(b[19]) & 0x80);
        QVERIFY(pdmCrcMatches(b));
        QCOMPARE(h.uploads, (QList<Upload>{{CommandMessage, GetSettings, 0}}));
        QCOMPARE(h.pdmApplies, 0);

        h.store->setPdmPasswordSettings(password, true);
        QCOMPARE(h.pdmApplies, 1);
        QCOMPARE(h.uploads.size(), 1);
    }

    void exportedPdmFileHasNoPassword()
    {
        QTemporaryDir dir;
        Harness h;
        h.store->loadPdmSettings(false);
        h.onlineDevice = Device_Pmx;
        h.store->setPdmPasswordSettings(QStringLiteral("secret"), false);
        plant("pdmSerialNumber", 777u);

        const QString path = dir.filePath(QStringLiteral("a.pmx"));
        h.store->exportFile(path, Device_Pmx, Settings_FileType);
        QCOMPARE(h.messages.last(), QString::fromUtf8(texts::kFileSaved));

        const QByteArray content = zlibUncompress(readFile(path));
        QCOMPARE(content.size(), kPdmSize);
        QCOMPARE(quint8(content[19]) & 0x80, 0);
        QCOMPARE(content.mid(20, 64), QByteArray(64, '\0'));
        QVERIFY(pdmCrcMatches(content));
        QCOMPARE(u32(content, 4), 777u);
        // The kernel's own block keeps its password.
        QCOMPARE(h.store->pdmBlock().mid(20, 64),
                 QCryptographicHash::hash("secret", QCryptographicHash::Sha512));
        QCOMPARE(u32(h.store->pdmBlock(), 4), 777u);
    }

    void settingsFilesRoundTrip()
    {
        QTemporaryDir dir;
        Harness h;
        h.store->loadDashSettings(false);
        h.store->loadPdmSettings(false);
        const QByteArray dash = settledDashBlock();
        h.store->dashImage() = DashSettingsImage(dash);
        QByteArray pdm = validPdmBlock();
        put32(pdm, 4, 0); // the export writes the stored serial, 0 here
        fixPdmCrc(pdm);
        QVERIFY(h.store->setPdmBlock(pdm));

        // Exported through a file URL, loaded through the plain absolute path.
        const QString dashPath = dir.filePath(QStringLiteral("my \"car\".ardix7"));
        const QString pdmPath = dir.filePath(QStringLiteral("box.pmx"));
        h.store->exportFile(QUrl::fromLocalFile(dashPath).toString(), Device_Ardix7, Settings_FileType);
        h.store->exportFile(QUrl::fromLocalFile(pdmPath).toString(), Device_Pmx, Settings_FileType);
        QCOMPARE(h.messages, (QStringList(2, QString::fromUtf8(texts::kFileSaved))));
        QCOMPARE(zlibUncompress(readFile(dashPath)), dash);
        QCOMPARE(zlibUncompress(readFile(pdmPath)), pdm);

        h.store->loadDefaultAllSettings();
        h.store->loadDefaultPdmSettings(false);
        QVERIFY(h.dash() != dash);
        h.messages.clear();
        QSignalSpy downloaded(h.store.get(), &SettingsStore::newConfigDownloadedFromArdix);

        h.store->loadDataFromFile(dashPath, Device_Ardix7, Settings_FileType);
        h.store->loadDataFromFile(pdmPath, Device_Pmx, Settings_FileType);
        QCOMPARE(h.messages, (QStringList{QString::fromUtf8(texts::kArdixLoaded), QString::fromUtf8(texts::kPmxLoaded)}));
        QCOMPARE(h.dash(), dash);
        QCOMPARE(h.store->pdmBlock(), pdm);
        QCOMPARE(stored("allSettingsData").toByteArray(), dash);
        QCOMPARE(stored("pdmCommonSettings").toByteArray(), pdm);
        QCOMPARE(downloaded.count(), 2);
        QVERIFY(h.uploads.isEmpty()); // offline
    }

    void loadedFilesAreSentWhenOnline()
    {
        QTemporaryDir dir;
        Harness h;
        h.store->loadDashSettings(false);
        QByteArray dash = settledDashBlock();
        put16(dash, kStoich, 6000); // the load corrects and resends it
        dash[kCommon] = 0;          // skin 0, default mode 3
        dash[kSkin0Modes + 2] = 3;
        const QString path = dir.filePath(QStringLiteral("x.ardix7"));
        writeFile(path, qCompress(dash));
        h.onlineDevice = Device_Ardix7;
        h.store->loadDataFromFile(path, Device_Ardix7, Settings_FileType);
        QCOMPARE(u16(h.dash(), kStoich), quint16(1470));
        QCOMPARE(h.uploads, (QList<Upload>{{FlashData, AllData, 0}, {FlashData, AllData, 0}, {CommandMessage, ChangeScreen, 3}}));
    }

    void shortSettingsFileIsCompletedWithExtraDefaults()
    {
        QTemporaryDir dir;
        Harness h;
        const QByteArray old = settledDashBlock(kShortSize);
        const QString path = dir.filePath(QStringLiteral("old.ardix7"));
        writeFile(path, qCompress(old));
        h.store->loadDataFromFile(path, Device_All_Broadcast, Unknown_FileType);
        QCOMPARE(h.messages, QStringList{QString::fromUtf8(texts::kArdixLoaded)});
        QCOMPARE(h.dash().left(kShortSize), old);
        QCOMPARE(u32(h.dash(), kExtra), 0x70809000u);
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("fileType");
        QTest::addColumn<QString>("message");

        const QString bad = QString::fromUtf8(texts::kBadFile);
        const QString unknown = QString::fromUtf8(texts::kUnknownFile);
        const QByteArray dashFile = qCompress(settledDashBlock());
        QByteArray badCrc = validPdmBlock();
        badCrc[500] = char(badCrc[500] ^ 0x40);
        QByteArray garbage = QByteArray::fromHex("000070cc");
        garbage += QByteArray(300, '\x5a');
        QByteArray hostile = QByteArray::fromHex("fffffff0");
        hostile += qCompress(QByteArray(100, 'x')).mid(4);
        // A whole stream of 20,000 bytes under a header that promises a dash block.
        QByteArray lying = qCompress(QByteArray(20000, '\3'));
        lying[0] = 0; lying[1] = 0; lying[2] = char(0x70); lying[3] = char(0xcc);
        const int dash = Device_Ardix7, pmx = Device_Pmx, settings = Settings_FileType;

        QTest::newRow("empty dash file") << QByteArray() << dash << settings << bad;
        QTest::newRow("empty PDM file") << QByteArray() << pmx << settings << bad;
        QTest::newRow("truncated") << dashFile.left(dashFile.size() / 2) << dash << settings << bad;
        QTest::newRow("not compressed") << settledDashBlock() << dash << settings << bad;
        QTest::newRow("compressed garbage") << garbage << dash << settings << bad;
        QTest::newRow("hostile length") << hostile << dash << settings << bad;
        QTest::newRow("length header lies") << lying << dash << settings << bad;
        QTest::newRow("wrong size dash") << qCompress(QByteArray(20000, '\1')) << dash << settings << bad;
        QTest::newRow("dash file as PDM") << dashFile << pmx << settings << bad;
        QTest::newRow("PDM wrong CRC") << qCompress(badCrc) << pmx << settings << bad;
        QTest::newRow("PDM wrong CRC, sniffed") << qCompress(badCrc) << -1 << int(Unknown_FileType) << bad;
        QTest::newRow("unknown garbage") << garbage << -1 << int(Unknown_FileType) << unknown;
        QTest::newRow("unknown size") << qCompress(QByteArray(1000, '\1')) << -1 << int(Unknown_FileType) << unknown;
        QTest::newRow("start line garbage") << garbage << dash << int(StartLine_FileType) << bad;
    }

    void badInput()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, device);
        QFETCH(int, fileType);
        QFETCH(QString, message);

        QTemporaryDir dir;
        Harness h;
        h.store->loadDashSettings(false);
        h.store->loadPdmSettings(false);
        h.onlineDevice = Device_Ardix7;
        h.uploads.clear();
        int lapLoads = 0;
        h.store->setLapFileHooks({{}, [&](int, const QByteArray &) { ++lapLoads; }});
        const QByteArray dash = h.dash();
        const QByteArray pdm = h.store->pdmBlock();
        QSignalSpy downloaded(h.store.get(), &SettingsStore::newConfigDownloadedFromArdix);

        const QString path = dir.filePath(QStringLiteral("input.bin"));
        writeFile(path, file);
        h.store->loadDataFromFile(path, device, fileType);

        QCOMPARE(h.messages, QStringList{message});
        QCOMPARE(h.dash(), dash);
        QCOMPARE(h.store->pdmBlock(), pdm);
        QCOMPARE(stored("allSettingsData").toByteArray(), dash);
        QCOMPARE(stored("pdmCommonSettings").toByteArray(), pdm);
        QCOMPARE(downloaded.count(), 0);
        QVERIFY(h.uploads.isEmpty());
        QCOMPARE(lapLoads, 0);
    }

    void fileProblems()
    {
        QTemporaryDir dir;
        Harness h;
        h.store->loadDataFromFile(dir.filePath(QStringLiteral("missing.ardix7")), Device_Ardix7, Settings_FileType);
        h.store->exportFile(dir.filePath(QStringLiteral("no/such/folder/x.ardix7")), Device_Ardix7, Settings_FileType);
        h.store->exportFile(dir.filePath(QStringLiteral("x.elog")), Device_Ardix7, Elog_FileType);
        QCOMPARE(h.messages, (QStringList{QString::fromUtf8(texts::kFileNotFound), QString::fromUtf8(texts::kSaveError),
                                          QString::fromUtf8(texts::kBadSettings)}));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.elog"))));
    }

    void exportReplacesAnExistingFile()
    {
        QTemporaryDir dir;
        Harness h;
        h.store->loadDashSettings(false);
        const QString path = dir.filePath(QStringLiteral("keep.ardix7"));
        writeFile(path, QByteArray(100000, 'o'));
        h.store->exportFile(path, Device_Ardix7, Settings_FileType);
        QCOMPARE(zlibUncompress(readFile(path)), h.dash());
    }

    void userLogo()
    {
        QTemporaryDir dir;
        Harness h;
        const QString small = dir.filePath(QStringLiteral("logo.svg"));
        const QString big = dir.filePath(QStringLiteral("big.svg"));
        const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
        writeFile(small, svg);
        QByteArray noise(60000, '\0');
        quint32 x = 1;
        for (char &c : noise) {
            x = x * 1103515245u + 12345u;
            c = char(x >> 24);
        }
        writeFile(big, noise);

        h.store->loadDataFromFile(small, Device_Ardix7, UserLogoSvg_FileType);
        h.store->loadDataFromFile(big, Device_Ardix7, UserLogoSvg_FileType);
        h.onlineDevice = Device_Ardix7;
        h.store->loadDataFromFile(small, Device_Ardix7, UserLogoSvg_FileType);
        QCOMPARE(h.messages, (QStringList{QString::fromUtf8(texts::kNoDevice), QString::fromUtf8(texts::kFileTooBig),
                                          QString::fromUtf8(texts::kLogoSending)}));
        QCOMPARE(h.uploads, (QList<Upload>{{FlashData, UserLogoData, 0}}));
        QCOMPARE(qUncompress(h.store->userLogoData()), svg);
    }

    void lapFilesGoToTheLapService()
    {
        QTemporaryDir dir;
        Harness h;
        QList<QPair<int, QByteArray>> loaded;
        h.store->setLapFileHooks({[](int type) { return type == RefLap_FileType ? qCompress(QByteArray("lap")) : QByteArray(); },
                                  [&](int type, const QByteArray &c) { loaded.append({type, c}); }});
        const QByteArray line(76, 'L');
        const QString esl = dir.filePath(QStringLiteral("a.esl"));
        writeFile(esl, qCompress(line));
        h.store->loadDataFromFile(esl, Device_Ardix7, StartLine_FileType);
        h.store->loadDataFromFile(esl, Device_All_Broadcast, Unknown_FileType);
        QCOMPARE(loaded, (QList<QPair<int, QByteArray>>{{StartLine_FileType, line}, {StartLine_FileType, line}}));

        const QString erl = dir.filePath(QStringLiteral("b.erl"));
        h.store->exportFile(erl, Device_Ardix7, RefLap_FileType);
        QCOMPARE(qUncompress(readFile(erl)), QByteArray("lap"));
    }

    void changesSurviveARestart()
    {
        plant("allSettingsData", settledDashBlock());
        Harness h;
        h.store->loadDashSettings(false);
        h.store->loadPdmSettings(false);
        h.store->saveNewWifiData(QStringLiteral("dash"), QStringLiteral("d-pass"), Device_Ardix7);
        h.store->saveNewWifiData(QStringLiteral("box"), QStringLiteral("b-pass"), Device_Pmx);
        h.store->dashImage().data()[kCommon + 252] = 77; // screen brightness
        h.store->saveDashSettings();
        QByteArray pdm = h.store->pdmBlock();
        pdm[84] = 'Q';
        QVERIFY(h.store->setPdmBlock(pdm));
        h.store->savePdmSettings(false);
        const QByteArray dash = h.dash();
        const QByteArray pdmSaved = h.store->pdmBlock();

        h.restart();
        h.store->loadDashSettings(false);
        h.store->loadPdmSettings(false);
        QCOMPARE(h.dash(), dash);
        QCOMPARE(h.store->pdmBlock(), pdmSaved);
        QCOMPARE(h.store->ssidWifi(), QStringLiteral("dash"));
        QCOMPARE(h.store->passWifi(), QStringLiteral("d-pass"));
        QCOMPARE(h.store->pdmSsidWifi(), QStringLiteral("box"));
        QCOMPARE(h.store->pdmPassWifi(), QStringLiteral("b-pass"));

        h.store->resetArdixSettings();
        QVERIFY(h.dash() != dash);
        QCOMPARE(h.dash()[kCommon + 252], char(20));
    }

    void loggingRateFlag_data()
    {
        QTest::addColumn<int>("config");
        QTest::addColumn<int>("rate");
        QTest::addColumn<bool>("mustChange");
        QTest::newRow("off, 30 Hz") << 0x1E << 30 << false;
        QTest::newRow("on, 30 Hz") << 0x1F << 30 << true;
        QTest::newRow("on, 25 Hz") << 0x1F << 25 << false;
        QTest::newRow("on, 50 Hz") << 0x01 << 50 << false;
    }

    void loggingRateFlag()
    {
        QFETCH(int, config);
        QFETCH(int, rate);
        QFETCH(bool, mustChange);
        QByteArray b = settledDashBlock();
        b[kCommon + 496] = char(config);
        b[kCommon + 497] = char(rate);
        plant("allSettingsData", b);
        Harness h;
        h.store->loadDashSettings(false);
        QCOMPARE(h.store->isLogsSettingsMustBeChanged(), mustChange);
    }
};

QTEST_GUILESS_MAIN(TestSettingsPersistence)
#include "tst_settings_persistence.moc"
