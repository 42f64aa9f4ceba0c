// Firmware packets and the dash boot loader's lines, as bytes.
#include "link/flash/FirmwareFileCheck.h"
#include "link/flash/FirmwarePacket.h"
#include "settings/ArdixEnums.h"
#include "settings/layout/Crc32Words.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace flash;

namespace {
QByteArray firmware(int size)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + i / 251) & 0xFF);
    return b;
}
qint32 word(const QByteArray &b, int at) { return qFromLittleEndian<qint32>(b.constData() + at); }
} // namespace

class TstFlashPackets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void packets_data()
    {
        QTest::addColumn<int>("deviceId");
        QTest::addColumn<int>("extra");     // bytes beyond H + P
        QTest::addColumn<uint>("packetNum");
        QTest::addColumn<uint>("count");
        QTest::addColumn<uint>("index");    // the packet made
        QTest::addColumn<int>("len");
        const int dash = ArdixEnums::Device_Ardix7Boot, pdm = ArdixEnums::Device_PmxBoot;
        QTest::newRow("dash H+P: one packet") << dash << 0 << 0u << 1u << 0u << 40960;
        QTest::newRow("dash H+P+1: second packet of one byte") << dash << 1 << 1u << 2u << 1u << 1;
        QTest::newRow("dash beyond the last: the last") << dash << 1 << 9u << 2u << 1u << 1;
        QTest::newRow("pdm H+P: one packet") << pdm << 0 << 0u << 1u << 0u << 22528;
        QTest::newRow("pdm tail of exactly half: no half checksum") << pdm << 22528 + 11264 << 2u << 3u << 2u << 11264;
        QTest::newRow("pdm tail of half+1") << pdm << 22528 + 11265 << 2u << 3u << 2u << 11265;
    }
    void packets()
    {
        QFETCH(int, deviceId);
        QFETCH(int, extra);
        QFETCH(uint, packetNum);
        QFETCH(uint, count);
        QFETCH(uint, index);
        QFETCH(int, len);
        const PacketGeometry g = geometryFor(deviceId);
        const QByteArray fw = firmware(int(g.header + g.payload) + extra);
        QCOMPARE(packetCount(uint32_t(fw.size()), g), count);

        const QByteArray p = preparePacket(fw, packetNum, g);
        const int lead = index == 0 ? int(g.header) : 0;
        QCOMPARE(p.size(), lead + 16 + len);
        QCOMPARE(p.left(lead), fw.left(lead)); // packet 0 starts with the file's own header
        QCOMPARE(word(p, lead), qint32(index));
        QCOMPARE(word(p, lead + 4), qint32(len));
        const QByteArray chunk = fw.mid(int(g.header + index * g.payload), len);
        QCOMPARE(p.mid(lead + 16), chunk);
        const quint32 half = uint32_t(len) > g.half() ? crc32Words(chunk.constData(), g.half()) : 0u;
        QCOMPARE(quint32(word(p, lead + 8)), half);
        QCOMPARE(quint32(word(p, lead + 12)), crc32Words(chunk.constData(), std::size_t(len)));
    }

    void oneByteTailHasNoCoveredWords()
    {
        const PacketGeometry g = geometryFor(ArdixEnums::Device_Ardix7Boot);
        const QByteArray p = preparePacket(firmware(int(g.header + g.payload) + 1), 1, g);
        QCOMPARE(quint32(word(p, 8)), 0u);
        QCOMPARE(quint32(word(p, 12)), 0xFFFFFFFFu);
    }

    void noPacketsWithoutBody()
    {
        QVERIFY(preparePacket(firmware(164), 0, DashBootGeometry).isEmpty());
        QVERIFY(preparePacket(QByteArray(), 0, PdmBootGeometry).isEmpty());
    }

    void lines()
    {
        QCOMPARE(connectLine(), QByteArray("CONNECT\x07\r\n"));
        QCOMPARE(flashLine(123456), QByteArray("123456FLASH\x0B\r\n"));
        // The count byte keeps only its low 8 bits.
        QCOMPARE(uint8_t(flashLine(1234567).at(12)), uint8_t(12));

        const auto parsed = bootLines("DONE:0\r\nW:\r\nnoise\r\nBADCRC:3\r\n");
        QCOMPARE(parsed.size(), 3);
        QCOMPARE(parsed[0], (QList<QByteArray>{"DONE", "0"}));
        QCOMPARE(parsed[1].at(0), QByteArray("W"));
        QCOMPARE(parsed[2], (QList<QByteArray>{"BADCRC", "3"}));
        QVERIFY(bootLines("FLASHREADY").isEmpty());
    }

    // Reads cut lines anywhere: a line is taken whole, once, whatever the cuts; an unended last
    // line waits for flush(); what waits is bounded.
    void bootLinesAcrossReads_data()
    {
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QByteArray>("last");
        QTest::newRow("whole") << QList<QByteArray>{"DONE:12\r\n"} << 1 << QByteArray("12");
        QTest::newRow("cut in the word") << QList<QByteArray>{"DO", "NE:12\r\n"} << 1 << QByteArray("12");
        QTest::newRow("cut in the number") << QList<QByteArray>{"DONE:1", "2\r\n"} << 1 << QByteArray("12");
        QTest::newRow("cut in the line end") << QList<QByteArray>{"DONE:12\r", "\nDONE:13\r\n"} << 2 << QByteArray("13");
        QTest::newRow("two and a half") << QList<QByteArray>{"DONE:1\r\nDONE:2\r\nDON", "E:3\r\n"} << 3 << QByteArray("3");
    }
    void bootLinesAcrossReads()
    {
        QFETCH(QList<QByteArray>, reads);
        QFETCH(int, lines);
        QFETCH(QByteArray, last);
        BootLineBuffer buffer;
        QList<QList<QByteArray>> got;
        for (const QByteArray &r : reads)
            got += buffer.feed(r);
        QVERIFY(!buffer.hasPending());
        QCOMPARE(got.size(), lines);
        QCOMPARE(got.last(), (QList<QByteArray>{"DONE", last}));
    }
    void bootLineUnendedAndOversized()
    {
        BootLineBuffer buffer;
        QVERIFY(buffer.feed("BOOT:S1.85").isEmpty());
        QVERIFY(buffer.hasPending());
        QCOMPARE(buffer.flush(), (QList<QList<QByteArray>>{{"BOOT", "S1.85"}}));
        buffer.feed(QByteArray(BootLineBuffer::MaxPending + 10, 'x'));
        QVERIFY(!buffer.hasPending());
    }

    // A file is offered and flashed only when its content has the MD5 its name carries.
    void fileAgainstItsName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("check");
        const QByteArray good = firmware(5000);
        const QString md5 = QString::fromLatin1(QCryptographicHash::hash(good, QCryptographicHash::Md5).toHex());
        const QString name = QStringLiteral("firmware_S1.86_5_2024-05-01_%1_x.bin");
        QTest::newRow("intact") << name.arg(md5.toUpper()) << good << int(FileCheck::Intact);
        QTest::newRow("intact, lower-case MD5") << name.arg(md5) << good << int(FileCheck::Intact);
        QTest::newRow("truncated") << name.arg(md5.toUpper()) << good.left(4096) << int(FileCheck::Mismatch);
        QByteArray flipped = good;
        flipped[100] = char(flipped.at(100) ^ 0x80);
        QTest::newRow("one byte changed") << name.arg(md5.toUpper()) << flipped << int(FileCheck::Mismatch);
        QTest::newRow("empty") << name.arg(md5.toUpper()) << QByteArray() << int(FileCheck::Mismatch);
        QTest::newRow("five fields") << QStringLiteral("firmware_S1.86_5_%1_x.bin").arg(md5) << good
                                     << int(FileCheck::NoChecksum);
    }
    void fileAgainstItsName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, check);
        QCOMPARE(int(checkAgainstName(name, content)), check);

        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        QCOMPARE(int(checkFile(path)), check);
        QCOMPARE(isIntactFirmwareFile(path), check == int(FileCheck::Intact));
        if (check != int(FileCheck::NoChecksum))
            QCOMPARE(int(checkFile(dir.filePath(QStringLiteral("gone") + name))), int(FileCheck::Unreadable));
    }
};

QTEST_APPLESS_MAIN(TstFlashPackets)
#include "tst_flash_packets.moc"
