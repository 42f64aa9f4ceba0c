// ardix-settings on files written by the client's own export: text, JSON and exit status.

#include "settings/ArdixEnums.h"
#include "settings/layout/LittleEndian.h"
#include "settings/dash/DashLayout.h"
#include "settings/dash/DashSettingsImage.h"
#include "settings/dash/ExtraLayout.h"
#include "settings/persistence/SettingsEnvelope.h"
#include "settings/persistence/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <cstdio>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ARDIX_SETTINGS_TOOL), args);
    if (!p.waitForFinished(30000))
        return {};
    return Run{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestSettingsTool : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_a, m_b, m_pdm;

    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings ini(path("store.ini"), QSettings::IniFormat);
        persistence::SettingsStore store(&ini);
        store.loadDefaultAllSettings();
        store.loadDefaultPdmSettings(false);
        m_a = path("car-a.ardix7");
        m_b = path("car-b.ardix7");
        m_pdm = path("car.pmx");
        store.exportFile(m_a, ArdixEnums::Device_Ardix7, ArdixEnums::Settings_FileType);
        store.exportFile(m_pdm, ArdixEnums::Device_Pmx, ArdixEnums::Settings_FileType);
        unsigned char *common = store.dashImage().data() + 5880;
        layout::writeLE<uint16_t>(common + 296, 6); // gearsCount
        common[252] = 80;                          // lcdPwmDuty
        store.exportFile(m_b, ArdixEnums::Device_Ardix7, ArdixEnums::Settings_FileType);
        QVERIFY(QFile::exists(m_a) && QFile::exists(m_b) && QFile::exists(m_pdm));
    }

    void diffText()
    {
        const Run r = runTool({QStringLiteral("diff"), m_a, m_b});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, QStringLiteral("[Общие настройки]\n~ Общие\n"
                                       "    lcdPwmDuty: 20 -> 80\n"
                                       "    gearsCount: 5 -> 6\n"));
        QCOMPARE(runTool({QStringLiteral("diff"), m_a, m_a}).status, 0);
    }

    void diffJson()
    {
        const Run r = runTool({QStringLiteral("diff"), QStringLiteral("--json"), m_b, m_a});
        QCOMPARE(r.status, 1);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o.value(QStringLiteral("fieldCount")).toInt(), 2);
        const QJsonObject field = o.value(QStringLiteral("records")).toArray()[0].toObject()
                                      .value(QStringLiteral("fields")).toArray()[1].toObject();
        QCOMPARE(field.value(QStringLiteral("field")).toString(), QStringLiteral("gearsCount"));
        QCOMPARE(field.value(QStringLiteral("before")).toString(), QStringLiteral("6"));
        QCOMPARE(field.value(QStringLiteral("after")).toString(), QStringLiteral("5"));
    }

    void show()
    {
        Run r = runTool({QStringLiteral("show"), m_pdm});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains(QStringLiteral("    canbusBaud = 3\n")));
        QVERIFY(r.out.contains(QStringLiteral("    retryDelay = 2000\n")));
        r = runTool({QStringLiteral("show"), QStringLiteral("--json"), m_a});
        QCOMPARE(r.status, 0);
        QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object().value(QStringLiteral("kind")).toString(),
                 QStringLiteral("dash"));
    }

    // An older dash file loads with the extra settings at their defaults: a full file whose extra
    // settings differ from those differs from it.
    void diffAgainstAnOlderFile()
    {
        QSettings ini(path("store-old.ini"), QSettings::IniFormat);
        persistence::SettingsStore store(&ini);
        store.loadDefaultAllSettings();
        const QString old = path("old16588.ardix7");
        writeFile(old, persistence::compressEnvelope(store.dashImage().bytes().left(DashSettingsImage::kShortSize)));
        QCOMPARE(runTool({QStringLiteral("diff"), m_a, old}).status, 0);

        store.dashImage().data()[dashLayout::kExtraOffset + extraLayout::kKeypadsOffset] ^= 0x01;
        const QString full = path("full.ardix7");
        store.exportFile(full, ArdixEnums::Device_Ardix7, ArdixEnums::Settings_FileType);
        const Run r = runTool({QStringLiteral("diff"), full, old});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.out.startsWith(QStringLiteral("[Клавиатуры]\n")), qPrintable(r.out));
    }

    // The client refuses a PDM file whose checksum word is wrong; so does the tool.
    void pdmChecksumIsChecked()
    {
        QByteArray random(40960, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);
        const QString zero = path("zero.pmx"), noise = path("random.pmx");
        writeFile(zero, persistence::compressEnvelope(QByteArray(40960, '\0')));
        writeFile(noise, persistence::compressEnvelope(random));
        for (const QStringList &args : QList<QStringList>{{QStringLiteral("show"), zero},
                                                          {QStringLiteral("show"), noise},
                                                          {QStringLiteral("diff"), m_pdm, noise}}) {
            const Run r = runTool(args);
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.contains(QStringLiteral("checksum is wrong")), qPrintable(r.err));
        }
    }

    // Each trouble says what it is; a pipe without a writer is refused, not waited on.
    void troubleSaysWhich()
    {
        const QString big = path("big.ardix7");
        writeFile(big, QByteArray(1024 * 1024 + 1, 'x'));
        const QString pipe = path("pipe.ardix7");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const struct {
            QString file;
            const char *says;
        } cases[] = {
            {path("missing.ardix7"), "no such file"},
            {m_dir.path(), "is a directory"},
            {big, "is larger than 1024 KiB"},
            {pipe, "is not a regular file"},
        };
        for (const auto &c : cases) {
            const Run r = runTool({QStringLiteral("show"), c.file});
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.contains(QString::fromLatin1(c.says)), qPrintable(r.err));
        }
    }

    // A name that is not valid UTF-8 reaches the tool mangled; it says so rather than "not found".
    void aNameTheSystemCannotDecode()
    {
        const QByteArray raw = QFile::encodeName(m_dir.path()) + "/car-\xff.ardix7";
        QVERIFY(QFile::copy(m_a, QFile::decodeName(QFile::encodeName(m_dir.path()) + "/tmp.ardix7")));
        QCOMPARE(::rename(QFile::encodeName(path("tmp.ardix7")).constData(), raw.constData()), 0);
        // QProcess would re-encode a QString argument: hand the raw bytes over through a shell.
        QProcess p;
        p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec \"$0\" show \"$(printf '%s/car-\\377.ardix7' \"$1\")\""),
                                           QStringLiteral(ARDIX_SETTINGS_TOOL), m_dir.path()});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY2(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("not valid")), "");
    }

    void troubleIsStatus2()
    {
        QFile junk(path("junk.ardix7"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a settings file");
        junk.close();
        const QList<QStringList> cases = {
            {},
            {QStringLiteral("diff"), m_a},
            {QStringLiteral("diff"), m_a, m_pdm},
            {QStringLiteral("show"), junk.fileName()},
            {QStringLiteral("show"), path("missing.ardix7")},
        };
        for (const QStringList &args : cases) {
            const Run r = runTool(args);
            QVERIFY2(r.status == 2, qPrintable(args.join(QLatin1Char(' '))));
            QVERIFY(!r.err.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsTool)
#include "tst_settings_tool.moc"
