// The layout primitives (word CRC, text fields) and the binding of every record table to its class.

#include "settings/TheSensorConfig.h"
#include "settings/can/CanLayout.h"
#include "settings/dash/ArdixExtraSettings.h"
#include "settings/dash/ArdixSettings.h"
#include "settings/dash/DashLayout.h"
#include "settings/dash/ExtraLayout.h"
#include "settings/functions/FunctionLayout.h"
#include "settings/layout/Crc32Words.h"
#include "settings/layout/FieldCodec.h"
#include "settings/layout/LittleEndian.h"
#include "settings/layout/TextField.h"

#include <QMetaProperty>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

namespace {

// The checksum exactly as the device describes it: one bit at a time.
uint32_t referenceCrc(const QByteArray &data)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (int w = 0; w + 4 <= data.size(); w += 4) {
        crc ^= layout::readLE<uint32_t>(reinterpret_cast<const uchar *>(data.constData()) + w);
        for (int i = 0; i < 32; ++i)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : (crc << 1);
    }
    return crc;
}

QStringList ownPropertyNames(const QObject *o)
{
    QStringList names;
    const QMetaObject *mo = o->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < mo->propertyCount(); ++i)
        names << QString::fromLatin1(mo->property(i).name());
    return names;
}

QStringList tableNames(const layout::Table &t)
{
    QStringList names;
    for (const layout::Field &f : t)
        if (f.name)
            names << QString::fromLatin1(f.name);
    return names;
}

} // namespace

class TestSettingsLayout : public QObject
{
    Q_OBJECT

private slots:
    void crcMatchesBitwiseDefinition()
    {
        auto crc = [](const QByteArray &b) { return crc32Words(b.constData(), std::size_t(b.size())); };
        QCOMPARE(crc(QByteArray()), 0xFFFFFFFFu);
        QCOMPARE(crc(QByteArray("abc")), 0xFFFFFFFFu);
        // One word 0x12345678: the value this engine is known to give.
        QCOMPARE(crc(QByteArray::fromHex("78563412")), 0xDF8A8A2Bu);
        // A trailing partial word is ignored.
        QCOMPARE(crc(QByteArray::fromHex("7856341299")), 0xDF8A8A2Bu);
        QRandomGenerator rng(7);
        for (int n : {4, 8, 976, 1001, 28876}) {
            QByteArray b(n, '\0');
            for (char &c : b)
                c = char(rng.bounded(256));
            QCOMPARE(crc(b), referenceCrc(b));
        }
    }

    void textFieldPacking_data()
    {
        QTest::addColumn<int>("fieldSize");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected"); // the whole field after packing over 0xAA bytes
        const QByteArray aa8(8, char(0xAA));
        QTest::newRow("short keeps tail") << 8 << "ab" << QByteArray("ab\0", 3) + aa8.left(5);
        QTest::newRow("exact fit minus one") << 8 << "abcdefg" << QByteArray("abcdefg\0", 8);
        QTest::newRow("ascii cut") << 8 << "abcdefghij" << QByteArray("abcdefg\0", 8);
        // "Жжжж" is 8 bytes; 7 would split the fourth letter, so three letters and a NUL remain.
        QTest::newRow("two-byte letters") << 8 << QStringLiteral("Жжжж") << QByteArray("Жжж\0", 7) + aa8.left(1);
        // A 3-byte character straddling the cut is dropped whole.
        QTest::newRow("three-byte char") << 6 << QStringLiteral("ab€€") << QByteArray("ab€\0", 6);
        QTest::newRow("empty") << 4 << QString() << QByteArray(1, '\0') + aa8.left(3);
    }

    void textFieldPacking()
    {
        QFETCH(int, fieldSize);
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QByteArray field(fieldSize, char(0xAA));
        layout::packText(reinterpret_cast<uchar *>(field.data()), fieldSize, text);
        QCOMPARE(field.toHex(' '), expected.toHex(' '));
    }

    void cyrillicSensorNameKeepsElevenLetters()
    {
        const QString name(24, QChar(0x0416)); // 24 Cyrillic letters, 48 UTF-8 bytes
        QByteArray field(24, char(0x55));
        layout::packText(reinterpret_cast<uchar *>(field.data()), 24, name);
        QCOMPARE(field.at(22), '\0');
        QCOMPARE(layout::loadText(reinterpret_cast<const uchar *>(field.constData()), 24), name.left(11));
    }

    void textFieldLoading()
    {
        const QByteArray noNul("abcd");
        QCOMPARE(layout::loadText(reinterpret_cast<const uchar *>(noNul.constData()), 4), QStringLiteral("abcd"));
        const QByteArray early("ab\0cd", 5);
        QCOMPARE(layout::loadText(reinterpret_cast<const uchar *>(early.constData()), 5), QStringLiteral("ab"));
    }

    // Each class exposes exactly its table's fields, in the table's order, then its own extras;
    // a table header seen by moc only once would show up here as missing properties.
    void tablesMatchProperties()
    {
        QObject parent;
        auto *dash = new ArdixSettings(&parent);
        ArdixExtraSettings *extra = dash->extra();
        ArdixCustomCanSettings *can = extra->customCan();
        struct Case
        {
            const char *what;
            QObject *obj;
            layout::Table table;
            QStringList extras;
        };
        const QList<Case> cases = {
            {"common", dash->commonSettings(), dashLayout::commonTable(), {}},
            {"logs", dash->commonSettings()->logsSettings(), dashLayout::logsTable(), {}},
            {"gps", dash->commonSettings()->gpsAccelerationMeasureSettings(), dashLayout::gpsTable(),
             {"startPointName"}},
            {"customAnalog", dash->customAnalogSensors().first(), dashLayout::customAnalogTable(), {}},
            {"extra", extra, extraLayout::areaTable(),
             {"functionsHasChanges", "keypadsHasChanges", "customCanHasChanges", "activeArdixFunctions"}},
            {"lamp", extra->lamps().first(), extraLayout::sourceTable(), {}},
            {"action", extra->actions().first(), extraLayout::sourceTable(), {}},
            {"keypad", extra->keypads().first(), extraLayout::keypadTable(), {}},
            {"function", extra->functions().first(), functionLayout::functionTable(), {}},
            {"analogInput", can->canAnalogInputs().first(), extraLayout::analogInputTable(), {}},
            {"inMessage", can->canInMessages().first(), canLayout::inMessageTable(), {}},
            {"outMessage", can->canOutMessages().first(), canLayout::outMessageTable(), {}},
            {"outData", can->canOutMessages().first()->userData().first(), canLayout::outDataTable(), {}},
            {"digitalInput", can->canDigitalInputs().first(), canLayout::digitalInputTable(), {}},
        };
        for (const Case &c : cases) {
            const QStringList problems = layout::bindingProblems(c.obj, c.table);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
            if (qstrcmp(c.what, "extra") == 0) // the CAN area's lists are documented without names
                continue;
            QCOMPARE(ownPropertyNames(c.obj), tableNames(c.table) + c.extras);
        }
        const QStringList sensorProblems = layout::bindingProblems(dash->sensors().first(), dashLayout::sensorTable());
        QVERIFY2(sensorProblems.isEmpty(), qPrintable(sensorProblems.join(QLatin1Char('\n'))));
        QCOMPARE(ownPropertyNames(extra),
                 QStringList({"initMarker", "inputCaptureCorrection", "lamps", "actions", "customCan", "functions",
                              "keypads", "functionsHasChanges", "keypadsHasChanges", "customCanHasChanges",
                              "activeArdixFunctions"}));
        QCOMPARE(ownPropertyNames(dash),
                 QStringList({"skinsPos", "sensors", "customSensors", "commonSettings", "customAnalogSensors",
                              "extra", "hasChanges", "skinsPosHasChanges", "sensorsHasChanges",
                              "customSensorsHasChanges", "commonSettingsHasChanges",
                              "customAnalogSensorsHasChanges", "extraSettingsHasChanges"}));
        QCOMPARE(ownPropertyNames(can),
                 QStringList({"canInMessages", "canOutMessages", "canDigitalInputs", "canInMessagesFrameIdMask",
                              "hasChanges", "canAnalogInputs"}));
    }
};

QTEST_GUILESS_MAIN(TestSettingsLayout)
#include "tst_settings_layout.moc"
