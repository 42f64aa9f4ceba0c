// Frame codec: checksums, the header layout, the frame builder's special fields and the block
// encodings. The simulator's independent codec serves as the second opinion.

#include "link/BlockEncoding.h"
#include "settings/layout/Crc32Words.h"
#include "link/FrameBuilder.h"
#include "link/FrameHeader.h"
#include "link/LinkImageProvider.h"
#include "simcore/SimFrame.h"

#include <QRandomGenerator>
#include <QtTest>
#include <zlib.h>

using namespace LinkConst;

namespace {

QByteArray gunzip(const QByteArray &gz)
{
    z_stream zs{};
    if (inflateInit2(&zs, 15 + 16) != Z_OK)
        return {};
    QByteArray out(1 << 20, '\0');
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(gz.constData()));
    zs.avail_in = uInt(gz.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = inflate(&zs, Z_FINISH);
    out.resize(qsizetype(zs.total_out));
    inflateEnd(&zs);
    return rc == Z_STREAM_END ? out : QByteArray("<bad gzip>");
}

QByteArray patterned(qsizetype n, quint32 seed)
{
    QByteArray b(n, '\0');
    QRandomGenerator rng(seed);
    for (auto &c : b)
        c = char(rng.bounded(256));
    return b;
}

quint32 le32(const QByteArray &b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8
           | quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24;
}

struct Images : ZeroImageProvider
{
    Images()
    {
        m_dash = patterned(qsizetype(DashImageSize), 1);
        m_pdm = patterned(qsizetype(PdmImageSize), 2);
        m_pdm[19] = char(m_pdm[19] | 0x80);
        m_refLap = patterned(5000, 3);
        m_logo = patterned(777, 4);
        m_skinMode = 3;
        m_version = 1.85f;
    }
};

} // namespace

class TstLinkCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void crc32Words_vectors_data();
    void crc32Words_vectors();
    void crc32Words_matchesBitwiseReference();
    void gzipPolynomial_data();
    void gzipPolynomial();
    void header_fieldsAtTheirOffsets();
    void header_checkRejects();
    void builder_guardsCommandsWhileNotOnline_data();
    void builder_guardsCommandsWhileNotOnline();
    void builder_dataParameterAndEmptyTypes_data();
    void builder_dataParameterAndEmptyTypes();
    void builder_settingsBlocksAreGzipOfTheirPart_data();
    void builder_settingsBlocksAreGzipOfTheirPart();
    void builder_refLapIsCompressedByteArray();
    void builder_pdmPasswordHashRidesInAuxData();
    void builder_commandSpecialFields();
};

void TstLinkCodec::crc32Words_vectors_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<quint32>("crc");
    QTest::newRow("empty") << QByteArray() << 0xFFFFFFFFu;
    QTest::newRow("3 bytes") << QByteArray("abc") << 0xFFFFFFFFu;
    QTest::newRow("zero word") << QByteArray(4, '\0') << 0xC704DD7Bu;
    QTest::newRow("1234") << QByteArray("1234") << 0xC2091428u;
    QTest::newRow("5 bytes cover 4") << QByteArray("12345") << 0xC2091428u;
    QTest::newRow("9 bytes cover 8") << QByteArray("123456789") << 0xFEFC54F9u;
    QByteArray ramp(256, '\0');
    for (int i = 0; i < 256; ++i)
        ramp[i] = char(i);
    QTest::newRow("0..255") << ramp << 0xB7EC66F4u;
}

void TstLinkCodec::crc32Words_vectors()
{
    QFETCH(QByteArray, data);
    QFETCH(quint32, crc);
    QCOMPARE(crc32Words(data.constData(), std::size_t(data.size())), crc);
}

void TstLinkCodec::crc32Words_matchesBitwiseReference()
{
    // Every length mod 8 exercises the two-word loop and the single-word tail.
    for (int len = 0; len < 70; ++len) {
        const QByteArray b = patterned(len, quint32(100 + len));
        QCOMPARE(crc32Words(b.constData(), std::size_t(len)), SimCodec::wordCrc(b));
    }
}

void TstLinkCodec::gzipPolynomial_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<quint32>("crc");
    QTest::newRow("3 bytes") << QByteArray("abc") << 0u;
    QTest::newRow("1234") << QByteArray("1234") << 0x9BE3E0A3u;
    QTest::newRow("5 bytes cover 4") << QByteArray("12345") << 0x9BE3E0A3u;
    QTest::newRow("9 bytes cover 8") << QByteArray("123456789") << 0x9AE0DAAFu;
}

void TstLinkCodec::gzipPolynomial()
{
    QFETCH(QByteArray, data);
    QFETCH(quint32, crc);
    QCOMPARE(crc32usingGZIPPolynomial(data.constData(), quint32(data.size())), crc);
}

void TstLinkCodec::header_fieldsAtTheirOffsets()
{
    FrameHeader h;
    h.action = 1;
    h.dataOrCommand = 0x2B;
    h.sender = 4;
    h.parameter = 0x11223344;
    h.dataCrc = 0x55667788;
    h.dataSize = 0x99AABBCC;
    for (int i = 0; i < 64; ++i)
        h.auxData[std::size_t(i)] = uint8_t(0xC0 + i);
    h.parameter1 = 0xEE;
    const HeaderBytes raw = encodeHeader(h);
    const QByteArray b(reinterpret_cast<const char *>(raw.data()), 88);

    QCOMPARE(quint8(b[0]), quint8(0x68));
    QCOMPARE(quint8(b[1]), quint8(1));
    QCOMPARE(quint8(b[2]), quint8(0x2B));
    QCOMPARE(quint8(b[3]), quint8(4));
    QCOMPARE(le32(b, 4), 0x11223344u);
    QCOMPARE(le32(b, 8), 0x55667788u);
    QCOMPARE(le32(b, 12), 0x99AABBCCu);
    QCOMPARE(quint8(b[16]), quint8(0xC0));
    QCOMPARE(quint8(b[79]), quint8(0xC0 + 63));
    QCOMPARE(quint8(b[80]), quint8(0xEE));
    QCOMPARE(quint8(b[81]), quint8(0));
    QCOMPARE(quint8(b[82]), quint8(0x0D));
    QCOMPARE(quint8(b[83]), quint8(0x0A));
    QCOMPARE(le32(b, 84), SimCodec::wordCrc(b.left(84)));

    QCOMPARE(checkHeader(raw.data()), HeaderCheck::Ok);
    FrameHeader back = decodeHeader(raw.data());
    h.headerCrc = le32(b, 84);
    QVERIFY(back == h);

    // The simulator's codec reads the same bytes to the same fields.
    SimCodec::StreamParser sim;
    const QList<SimFrame> parsed = sim.feed(b);
    QCOMPARE(parsed.size(), 1);
    QCOMPARE(parsed[0].type, quint8(0x2B));
    QCOMPARE(parsed[0].parameter, 0x11223344u);
    QCOMPARE(parsed[0].parameter1, quint8(0xEE));
    QCOMPARE(parsed[0].aux, b.mid(16, 64));
}

void TstLinkCodec::header_checkRejects()
{
    const HeaderBytes good = encodeHeader(FrameHeader{});
    HeaderBytes b = good;
    b[0] = 'H';
    QCOMPARE(checkHeader(b.data()), HeaderCheck::BadMagic);
    b = good;
    b[83] = 0x0D;
    QCOMPARE(checkHeader(b.data()), HeaderCheck::BadLineEnd);
    b = good;
    b[40] ^= 1;
    QCOMPARE(checkHeader(b.data()), HeaderCheck::BadCrc);
    b = good;
    b[87] ^= 0x80;
    QCOMPARE(checkHeader(b.data()), HeaderCheck::BadCrc);
}

void TstLinkCodec::builder_guardsCommandsWhileNotOnline_data()
{
    QTest::addColumn<uint>("action");
    QTest::addColumn<uint>("command");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("device");
    QTest::addColumn<bool>("dropped");
    QTest::newRow("command offline") << 1u << 33u << int(ardixOffline) << int(Device_Ardix7) << true;
    QTest::newRow("command boot online") << 1u << 5u << int(ardixBootOnline) << int(Device_Pmx) << true;
    QTest::newRow("KeepOnline offline") << 1u << 0u << int(ardixOffline) << int(Device_Ardix7) << false;
    QTest::newRow("command online") << 1u << 33u << int(ardixOnline) << int(Device_Ardix7) << false;
    QTest::newRow("command to PDM boot loader") << 1u << 13u << int(ardixOffline) << int(Device_PmxBoot) << false;
    QTest::newRow("data offline") << 0u << 2u << int(ardixOffline) << int(Device_Ardix7) << false;
}

void TstLinkCodec::builder_guardsCommandsWhileNotOnline()
{
    QFETCH(uint, action);
    QFETCH(uint, command);
    QFETCH(int, status);
    QFETCH(int, device);
    QFETCH(bool, dropped);
    const BuiltFrame f = buildFrame(action, command, 7, {uint8_t(status), uint8_t(device), nullptr});
    QCOMPARE(f.dropped, dropped);
    if (!dropped) {
        QCOMPARE(f.headerBytes.size(), 88);
        QCOMPARE(quint8(f.headerBytes[3]), quint8(Device_ArdixClient));
    }
}

void TstLinkCodec::builder_dataParameterAndEmptyTypes_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<quint32>("parameter");
    QTest::addColumn<bool>("empty");
    QTest::newRow("AllSensorData") << 2u << 255u << false;
    QTest::newRow("PdmCommonSettings") << 13u << 255u << false;
    QTest::newRow("RefLapData keeps") << 22u << 1234u << false;
    QTest::newRow("UserLogoData keeps") << 23u << 1234u << false;
    for (uint t : {6u, 12u, 14u, 19u, 24u, 200u})
        QTest::newRow(qPrintable(QString("empty %1").arg(t))) << t << 255u << true;
}

void TstLinkCodec::builder_dataParameterAndEmptyTypes()
{
    QFETCH(uint, type);
    QFETCH(quint32, parameter);
    QFETCH(bool, empty);
    const Images img;
    const BuiltFrame f = buildFrame(0, type, 1234, {ardixOnline, Device_Ardix7, &img});
    QVERIFY(f.isData);
    QCOMPARE(f.header.parameter, parameter);
    QCOMPARE(f.data.isEmpty(), empty);
    QCOMPARE(f.header.dataSize, quint32(f.data.size()));
    QCOMPARE(f.header.dataCrc, SimCodec::wordCrc(f.data));
    if (empty)
        QCOMPARE(f.header.dataCrc, 0xFFFFFFFFu);
    QCOMPARE(le32(f.headerBytes, 84), SimCodec::wordCrc(f.headerBytes.left(84)));
}

void TstLinkCodec::builder_settingsBlocksAreGzipOfTheirPart_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<float>("firmware");
    QTest::addColumn<bool>("pdm");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");
    QTest::newRow("AllData") << 0u << 1.85f << false << 0 << 28876;
    QTest::newRow("AllData unknown firmware") << 0u << 0.0f << false << 0 << 28876;
    QTest::newRow("AllData old firmware") << 0u << 0.9f << false << 0 << 16588;
    QTest::newRow("CommonSettingsData") << 1u << 1.85f << false << 5880 << 980;
    QTest::newRow("AllSensorData") << 2u << 1.85f << false << 2040 << 1920;
    QTest::newRow("AllCustomSensorData") << 3u << 1.85f << false << 3960 << 1920;
    QTest::newRow("SkinsPosData") << 4u << 1.85f << false << 0 << 2040;
    QTest::newRow("CustomAnalogSensorsData") << 5u << 1.85f << false << 6860 << 9728;
    QTest::newRow("DashExtraSettingsData") << 21u << 1.85f << false << 16588 << 12288;
    QTest::newRow("PdmCommonSettings") << 13u << 1.85f << true << 0 << 40960;
    QTest::newRow("PdmDEFAULTCommonSettings") << 20u << 1.85f << true << 0 << 40960;
}

void TstLinkCodec::builder_settingsBlocksAreGzipOfTheirPart()
{
    QFETCH(uint, type);
    QFETCH(float, firmware);
    QFETCH(bool, pdm);
    QFETCH(int, offset);
    QFETCH(int, size);
    Images img;
    img.m_version = firmware;
    const BuiltFrame f = buildFrame(0, type, 0, {ardixOnline, Device_Ardix7, &img});
    // gzip member: magic, deflate, maximum-compression flag
    QCOMPARE(quint8(f.data[0]), quint8(0x1F));
    QCOMPARE(quint8(f.data[1]), quint8(0x8B));
    QCOMPARE(quint8(f.data[2]), quint8(8));
    QCOMPARE(quint8(f.data[8]), quint8(2));
    const QByteArray source = pdm ? img.m_pdm : img.m_dash;
    QCOMPARE(gunzip(f.data), source.mid(offset, size));
}

void TstLinkCodec::builder_refLapIsCompressedByteArray()
{
    const Images img;
    const BuiltFrame f = buildFrame(0, RefLapData, 9, {ardixOnline, Device_Ardix7, &img});
    QCOMPARE(quint32(quint8(f.data[0])) << 24 | quint32(quint8(f.data[1])) << 16
                 | quint32(quint8(f.data[2])) << 8 | quint32(quint8(f.data[3])),
             quint32(img.m_refLap.size()));
    QCOMPARE(qUncompress(f.data), img.m_refLap);
    const BuiltFrame logo = buildFrame(0, UserLogoData, 9, {ardixOnline, Device_Ardix7, &img});
    QCOMPARE(logo.data, img.m_logo);
}

void TstLinkCodec::builder_pdmPasswordHashRidesInAuxData()
{
    Images img;
    const QByteArray hash = img.m_pdm.mid(20, 64);
    const auto aux = [](const BuiltFrame &f) { return f.headerBytes.mid(16, 64); };

    QCOMPARE(aux(buildFrame(0, 13, 0, {ardixOnline, Device_Pmx, &img})), hash);
    QCOMPARE(aux(buildFrame(0, 20, 0, {ardixOnline, Device_Pmx, &img})), hash);
    QCOMPARE(aux(buildFrame(1, GetSettings, 0, {ardixOnline, Device_Pmx, &img})), hash);
    // GetSettings to the dash, other data types: no hash
    QCOMPARE(aux(buildFrame(1, GetSettings, 0, {ardixOnline, Device_Ardix7, &img})), QByteArray(64, '\0'));
    QCOMPARE(aux(buildFrame(0, 2, 0, {ardixOnline, Device_Pmx, &img})), QByteArray(64, '\0'));

    img.m_pdm[19] = char(img.m_pdm[19] & 0x7F);
    QCOMPARE(aux(buildFrame(0, 13, 0, {ardixOnline, Device_Pmx, &img})), QByteArray(64, '\0'));
}

void TstLinkCodec::builder_commandSpecialFields()
{
    Images img;
    const BuiltFrame keep = buildFrame(1, KeepOnline, 1, {ardixOnline, Device_Ardix7, &img});
    QCOMPARE(keep.header.parameter, 1u);
    QCOMPARE(keep.header.parameter1, uint8_t(3));
    QCOMPARE(keep.header.dataCrc, 0u);
    QCOMPARE(keep.header.dataSize, 0u);

    const auto syncCrc = [&](float fw, uint8_t device) {
        img.m_version = fw;
        return buildFrame(1, CheckSettingsSync, 42, {ardixOnline, device, &img}).header.dataCrc;
    };
    QCOMPARE(syncCrc(1.85f, Device_Ardix7), SimCodec::wordCrc(img.m_dash));
    QCOMPARE(syncCrc(0.945f, Device_Ardix7), SimCodec::wordCrc(img.m_dash));
    QCOMPARE(syncCrc(0.9f, Device_Ardix7), SimCodec::wordCrc(img.m_dash.left(16588)));
    QCOMPARE(syncCrc(1.85f, Device_Pmx), 0u);

    const BuiltFrame pdmSync = buildFrame(1, CheckPdmSettingsSync, 0, {ardixOnline, Device_Pmx, &img});
    QCOMPARE(pdmSync.header.dataCrc, SimCodec::wordCrc(img.m_pdm));

    const BuiltFrame get = buildFrame(1, GetSettings, 0, {ardixOnline, Device_Ardix7, &img});
    QVERIFY(get.showBusy);
    const BuiltFrame log = buildFrame(1, GetLogFile, 17, {ardixOnline, Device_Ardix7, &img});
    QVERIFY(log.startsLogDownload);
    QCOMPARE(log.header.parameter, 17u);
    QVERIFY(log.data.isEmpty());
}

QTEST_GUILESS_MAIN(TstLinkCodec)
#include "tst_linkcodec.moc"
